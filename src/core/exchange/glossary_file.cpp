// Writing glossaries and reading their lines, header and column layout.
#include "exchange/glossary_file.h"

#include "exchange/csv_fields.h"
#include "exchange/exchange_file.h"
#include "script/text_entry.h"
#include "seam/prompter.h"
#include "text/code_page.h"
#include "text/locale_table.h"

#include <QtEndian>
#include <algorithm>
#include <climits>

namespace tarvelo {

namespace {

QString languageName(int language) {
  return localizedLanguageName(language < 0 ? 0 : language);
}

void appendUtf16(QByteArray &out, const QString &text) {
  const qsizetype at = out.size();
  out.resize(at + text.size() * 2);
  qToLittleEndian<quint16>(text.utf16(), text.size(), out.data() + at);
}

// The index of the first field naming the language, else 0.
int preselected(const QStringList &fields, int language) {
  const QString name = englishLanguageName(language);
  if (name.isEmpty())
    return 0;
  for (int i = 0; i < fields.size(); ++i)
    if (fields[i].contains(name))
      return i;
  return 0;
}

} // namespace

int GlossaryLayout::columns() const {
  return std::max({source, target, sourceComment, targetComment, context}) + 1;
}

QByteArray glossaryBytes(const GlossaryHeader &header, const std::vector<ExportPair> &pairs) {
  QString text =
      QStringLiteral("\"%1 - Source File: '%2', Source Language: %3, Target File: "
                     "'%4', Target Language: %5\"\t\t\t\r\n\r\n")
          .arg(QLatin1String(kExportMark), header.sourcePath, languageName(header.sourceLanguage),
               header.targetPath, languageName(header.targetLanguage));
  QByteArray out("\xff\xfe", 2);
  out.reserve(qsizetype(pairs.size()) * 80);
  appendUtf16(out, text);
  for (const ExportPair &pair : pairs) {
    const TextEntry *entry = pair.entry;
    text = quotedCsvField(entry->sourceText) + u'\t' + quotedCsvField(entry->sourceComment()) +
           u'\t' + quotedCsvField(entry->targetText) + u'\t' +
           quotedCsvField(entry->targetComment());
    if (!pair.locations.isEmpty())
      text += u'\t' + quotedCsvField(contextOf(pair.locations));
    text += QLatin1String("\r\n");
    appendUtf16(out, text);
  }
  return out;
}

FileRead readGlossaryLines(const QString &path, QStringList &lines) {
  QByteArray bytes;
  const FileRead read = readExchangeFile(path, bytes);
  if (read != FileRead::Read)
    return read;
  QString text;
  if (bytes.startsWith("\xff\xfe")) {
    const qsizetype units = (bytes.size() - 2) / 2;
    text.resize(units);
    qFromLittleEndian<quint16>(bytes.constData() + 2, units, text.data());
  } else {
    text = CodePage::toUtf16(bytes, 0);
  }
  // Below its header line, the program's own glossary quotes every field, and a field
  // may hold line ends.
  const qsizetype headerEnd = text.indexOf(u'\n');
  if (headerEnd >= 0 && QStringView(text).left(headerEnd).contains(QLatin1String(kExportMark))) {
    lines = splitLines(text.left(headerEnd + 1)) + splitQuotedRecords(text.mid(headerEnd + 1));
    return FileRead::Read;
  }
  lines = splitLines(text);
  return FileRead::Read;
}

bool glossaryLayout(const QStringList &lines, int delimiterBits, int sourceLanguage,
                    int targetLanguage, Prompter &prompter, GlossaryLayout &layout) {
  layout = GlossaryLayout();
  if (lines.isEmpty())
    return true;
  if (lines.first().contains(QLatin1String(kExportMark))) {
    layout.sourceComment = 1;
    layout.targetComment = 3;
    layout.context = 4;
    layout.headerLines = 2;
    return true;
  }
  // A terminology file names its languages in the columns of its eleventh line.
  if (lines.size() < 11 || !lines[10].contains(QLatin1String("English")) ||
      !lines[10].contains(QLatin1String("Germany")))
    return true;
  const QStringList all = readCsvFields(lines[10].trimmed(), delimiterBits, INT_MAX);
  TerminologyRequest request;
  QList<int> columns;
  for (int i = 0; i < all.size(); ++i)
    if (!all[i].isEmpty()) {
      request.fields.append(all[i]);
      columns.append(i);
    }
  if (request.fields.isEmpty())
    return true;
  request.source = preselected(request.fields, sourceLanguage);
  request.target = preselected(request.fields, targetLanguage);
  if (!prompter.chooseTerminologyColumns(request))
    return false;
  const auto column = [&](int field) {
    return columns.value(std::clamp(field, 0, int(columns.size()) - 1));
  };
  layout.source = column(request.source);
  layout.target = column(request.target);
  layout.headerLines = 13;
  return true;
}

} // namespace tarvelo
