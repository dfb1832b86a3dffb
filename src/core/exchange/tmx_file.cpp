// Writing and reading TMX 1.4 documents of one language pair.
#include "exchange/tmx_file.h"

#include "exchange/xliff_file.h"
#include "exchange/xml_guard.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace tarvelo {

namespace {

// Element content: markup characters escaped, a carriage return as a reference (a
// reader turns one written as it is into a line feed), and the control characters
// XML 1.0 cannot carry replaced.
QString escaped(const QString &text) {
  QString out = text.toHtmlEscaped();
  for (QChar &c : out) {
    const char16_t u = c.unicode();
    if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF)
      c = QChar(0xFFFD);
  }
  return out.replace(u'\r', QLatin1String("&#13;"));
}

// The primary language subtag, lower case: "de" of "de-DE".
QString primaryTag(QStringView tag) {
  const qsizetype dash = tag.indexOf(u'-');
  return (dash < 0 ? tag : tag.left(dash)).toString().toLower();
}

} // namespace

TmxWriter::TmxWriter(int sourceLanguage, int targetLanguage)
    : m_sourceTag(languageTag(sourceLanguage)), m_targetTag(languageTag(targetLanguage)) {
  m_out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<tmx version=\"1.4\">\n"
                         "  <header creationtool=\"Tarvelo\" creationtoolversion=\"%1\" "
                         "segtype=\"sentence\" o-tmf=\"Kestrine\" adminlang=\"en-US\" "
                         "srclang=\"%2\" datatype=\"plaintext\"/>\n"
                         "  <body>\n")
              .arg(QCoreApplication::applicationVersion().isEmpty()
                       ? QStringLiteral("1")
                       : QCoreApplication::applicationVersion(),
                   m_sourceTag)
              .toUtf8();
}

void TmxWriter::add(const MemoryUnit &unit) {
  const QString tu = QStringLiteral("    <tu>\n"
                                    "      <prop type=\"%1\">%2</prop>\n"
                                    "      <tuv xml:lang=\"%3\"><seg>%4</seg></tuv>\n"
                                    "      <tuv xml:lang=\"%5\"><seg>%6</seg></tuv>\n"
                                    "    </tu>\n")
                         .arg(QLatin1String(kUsesProperty))
                         .arg(unit.uses)
                         .arg(m_sourceTag, escaped(unit.source), m_targetTag, escaped(unit.target));
  m_out += tu.toUtf8();
}

QByteArray TmxWriter::finish() {
  m_out += "  </body>\n</tmx>\n";
  return std::move(m_out);
}

namespace {

// The first seg of the tuv element the reader stands on; false when it has none.
bool readSeg(GuardedXmlReader &xml, QString &seg) {
  bool hasSeg = false;
  while (xml.nextStartWithin(u"tuv")) {
    const bool isSeg = xml.name() == QLatin1String("seg");
    const QString text = xml.text();
    if (isSeg && !hasSeg) {
      seg = text;
      hasSeg = true;
    }
  }
  return hasSeg;
}

// The tu element the reader stands on, as a unit of the two primary languages; false
// when it lacks either variant.
bool readUnit(GuardedXmlReader &xml, const QString &sourcePrimary, const QString &targetPrimary,
              MemoryUnit &found) {
  bool hasSource = false, hasTarget = false;
  while (xml.nextStartWithin(u"tu")) {
    if (xml.name() == QLatin1String("prop")) {
      const bool uses = xml.attribute("type") == QLatin1String(kUsesProperty);
      const QString value = xml.text();
      if (uses)
        found.uses = qMax(1, value.trimmed().toInt());
    } else if (xml.name() == QLatin1String("tuv")) {
      QStringView lang = xml.reader().attributes().value(
          QStringLiteral("http://www.w3.org/XML/1998/namespace"), QStringLiteral("lang"));
      const QString primary = primaryTag(lang);
      QString seg;
      const bool hasSeg = readSeg(xml, seg);
      if (hasSeg && primary == sourcePrimary && !hasSource) {
        found.source = seg;
        hasSource = true;
      } else if (hasSeg && primary == targetPrimary && !hasTarget) {
        found.target = seg;
        hasTarget = true;
      }
    } else {
      xml.text();
    }
  }
  return hasSource && hasTarget;
}

} // namespace

bool readTmx(const QByteArray &bytes, int sourceLanguage, int targetLanguage,
             const std::function<bool(const MemoryUnit &)> &unit, QString &error) {
  GuardedXmlReader xml(bytes);
  if (!xml.nextStart() || xml.name() != QLatin1String("tmx")) {
    error = xml.failed() ? xml.error()
                         : QCoreApplication::translate("Exchange", "The file is not a TMX file.");
    return false;
  }
  const QStringView version = xml.attribute("version");
  if (version != QLatin1String("1.4")) {
    error = QCoreApplication::translate("Exchange", "The file is TMX %1; only TMX 1.4 is read.")
                .arg(version.isEmpty() ? QStringLiteral("?") : version.toString());
    return false;
  }
  const QString sourcePrimary = primaryTag(languageTag(sourceLanguage));
  const QString targetPrimary = primaryTag(languageTag(targetLanguage));
  bool more = true;
  while (more && xml.nextStart()) {
    if (xml.name() != QLatin1String("tu"))
      continue;
    MemoryUnit found;
    if (readUnit(xml, sourcePrimary, targetPrimary, found) && !xml.failed())
      more = unit(found);
  }
  if (xml.failed()) {
    error = xml.error();
    return false;
  }
  return true;
}

} // namespace tarvelo
