// Writing XLIFF 1.2 documents of a task's pairs, and reading their units back.
#include "exchange/xliff_file.h"

#include "exchange/xml_guard.h"
#include "script/text_entry.h"
#include "text/locale_table.h"
#include "text/printable_text.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace tarvelo {

namespace {

const QString kXliffNamespace = QStringLiteral("urn:oasis:names:tc:xliff:document:1.2");

// Writes a text as element content. A carriage return is written as a character
// reference: a reader turns one written as it is into a line feed.
void writeText(QXmlStreamWriter &xml, const QString &text) {
  const QString safe = xmlSafeText(text);
  qsizetype from = 0;
  for (qsizetype at = safe.indexOf(u'\r'); at >= 0; at = safe.indexOf(u'\r', from)) {
    xml.writeCharacters(safe.mid(from, at - from));
    xml.writeEntityReference(QStringLiteral("#13"));
    from = at + 1;
  }
  xml.writeCharacters(safe.mid(from));
}

void writeTextElement(QXmlStreamWriter &xml, const QString &name, const QString &text) {
  xml.writeStartElement(kXliffNamespace, name);
  writeText(xml, text);
  xml.writeEndElement();
}

} // namespace

QString languageTag(int language) {
  const LocaleInfo *info = findLocale(language);
  return info ? QString::fromLatin1(info->tag) : QStringLiteral("x-neutral");
}

QString xliffState(const TextEntry &entry) {
  if (entry.targetText.isEmpty())
    return QStringLiteral("needs-translation");
  if (entry.verified)
    return QStringLiteral("signed-off");
  switch (entry.matchState) {
  case Fuzzy:
  case SourceModified:
    return QStringLiteral("needs-review-translation");
  case Filled:
    return QStringLiteral("needs-review-translation");
  default:
    return QStringLiteral("translated");
  }
}

QByteArray xliffBytes(const XliffHeader &header, const std::vector<ExportPair> &pairs) {
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(2);
  xml.writeStartDocument();
  xml.writeDefaultNamespace(kXliffNamespace);
  xml.writeStartElement(kXliffNamespace, QStringLiteral("xliff"));
  xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
  xml.writeStartElement(kXliffNamespace, QStringLiteral("file"));
  xml.writeAttribute(QStringLiteral("original"), xmlSafeText(header.original));
  xml.writeAttribute(QStringLiteral("source-language"), languageTag(header.sourceLanguage));
  xml.writeAttribute(QStringLiteral("target-language"), languageTag(header.targetLanguage));
  xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("winres"));
  xml.writeStartElement(kXliffNamespace, QStringLiteral("header"));
  xml.writeEmptyElement(kXliffNamespace, QStringLiteral("tool"));
  xml.writeAttribute(QStringLiteral("tool-id"), QStringLiteral("tarvelo"));
  xml.writeAttribute(QStringLiteral("tool-name"), QStringLiteral("Tarvelo"));
  xml.writeEndElement();
  xml.writeStartElement(kXliffNamespace, QStringLiteral("body"));
  int id = 0;
  EntryLocations locations;
  for (const ExportPair &pair : pairs) {
    const TextEntry &entry = *pair.entry;
    xml.writeStartElement(kXliffNamespace, QStringLiteral("trans-unit"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(++id));
    if (!pair.locations.isEmpty())
      xml.writeAttribute(QStringLiteral("resname"), xmlSafeText(contextOf(pair.locations)));
    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    writeTextElement(xml, QStringLiteral("source"), entry.sourceText);
    xml.writeStartElement(kXliffNamespace, QStringLiteral("target"));
    xml.writeAttribute(QStringLiteral("state"), xliffState(entry));
    writeText(xml, entry.targetText);
    xml.writeEndElement();
    xml.writeStartElement(kXliffNamespace, QStringLiteral("context-group"));
    xml.writeAttribute(QStringLiteral("purpose"), QStringLiteral("location"));
    xml.writeStartElement(kXliffNamespace, QStringLiteral("context"));
    xml.writeAttribute(QStringLiteral("context-type"), QStringLiteral("x-resource"));
    xml.writeCharacters(xmlSafeText(locations.of(&entry)));
    xml.writeEndElement();
    xml.writeEndElement();
    if (!entry.sourceComment().isEmpty()) {
      xml.writeStartElement(kXliffNamespace, QStringLiteral("note"));
      xml.writeAttribute(QStringLiteral("from"), QStringLiteral("developer"));
      writeText(xml, entry.sourceComment());
      xml.writeEndElement();
    }
    if (!entry.targetComment().isEmpty()) {
      xml.writeStartElement(kXliffNamespace, QStringLiteral("note"));
      xml.writeAttribute(QStringLiteral("from"), QStringLiteral("translator"));
      writeText(xml, entry.targetComment());
      xml.writeEndElement();
    }
    xml.writeEndElement();
  }
  xml.writeEndDocument();
  return out;
}

std::optional<RecordMarks> xliffMarks(QStringView state, QStringView approved) {
  if (approved == QLatin1String("yes"))
    return RecordMarks{false, true};
  if (state == QLatin1String("final") || state == QLatin1String("signed-off"))
    return RecordMarks{false, true};
  if (state == QLatin1String("translated"))
    return RecordMarks{false, false};
  // "new", "needs-translation", "needs-l10n", "needs-adaptation" and the reviews: the
  // text is there, but nobody stands by it yet.
  if (state == QLatin1String("new") || state.startsWith(QLatin1String("needs-")))
    return RecordMarks{true, false};
  return std::nullopt;
}

bool readXliff(const QByteArray &bytes, std::vector<ImportRecord> &records, QString &error) {
  records.clear();
  GuardedXmlReader xml(bytes);
  if (!xml.nextStart() || xml.name() != QLatin1String("xliff")) {
    error = xml.failed()
                ? xml.error()
                : QCoreApplication::translate("Exchange", "The file is not an XLIFF file.");
    return false;
  }
  const QStringView version = xml.attribute("version");
  if (version != QLatin1String("1.2")) {
    error = QCoreApplication::translate("Exchange", "The file is XLIFF %1; only XLIFF 1.2 is read.")
                .arg(version.isEmpty() ? QStringLiteral("?") : version.toString());
    return false;
  }
  while (xml.nextStart()) {
    if (xml.name() != QLatin1String("trans-unit"))
      continue;
    ImportRecord record;
    record.context = xml.attribute("resname").toString();
    const QString approved = xml.attribute("approved").toString();
    bool hasTarget = false, hasSource = false;
    while (xml.nextStartWithin(u"trans-unit")) {
      const QStringView name = xml.name();
      if (name == QLatin1String("source")) {
        record.source = xml.text();
        hasSource = true;
      } else if (name == QLatin1String("target")) {
        record.marks = xliffMarks(xml.attribute("state"), approved);
        record.target = xml.text();
        hasTarget = true;
      } else if (name == QLatin1String("note")) {
        const bool developer = xml.attribute("from") == QLatin1String("developer");
        (developer ? record.sourceComment : record.targetComment) = xml.text();
      } else {
        // Alternatives, contexts and the like are passed over whole.
        xml.skip();
      }
    }
    if (hasSource && hasTarget)
      records.push_back(std::move(record));
  }
  if (xml.failed()) {
    error = xml.error();
    records.clear();
    return false;
  }
  return true;
}

} // namespace tarvelo
