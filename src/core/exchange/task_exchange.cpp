// Exporting a task's translations to a file, and importing them, in each format.
#include "exchange/task_exchange.h"

#include "exchange/catalog_file.h"
#include "exchange/csv_fields.h"
#include "exchange/exchange_file.h"
#include "exchange/glossary_file.h"
#include "exchange/xliff_file.h"
#include "files/file_transaction.h"
#include "seam/progress.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tarvelo {

namespace {

QString progressText(int record, int count) {
  return QCoreApplication::translate("Progress", "Importing record %1 of %2")
      .arg(record)
      .arg(count);
}

void beginProgress(Progress &progress, int count) {
  progress.begin(QCoreApplication::translate("Progress", "Tarvelo Import"));
  progress.setRange(0, count);
}

ImportResult importGlossary(ImportTarget &target, const QString &path, int bits, int sourceLanguage,
                            int targetLanguage, Prompter &prompter, Progress &progress) {
  ImportResult result;
  QStringList lines;
  if (!fileRead(readGlossaryLines(path, lines), path, result))
    return result;
  if (lines.isEmpty())
    return result;
  GlossaryLayout layout;
  if (!glossaryLayout(lines, bits, sourceLanguage, targetLanguage, prompter, layout)) {
    result.status = ImportResult::Status::ChoiceCancelled;
    return result;
  }
  const int count = int(lines.size()) - 1;
  beginProgress(progress, count);
  RecordApplier applier(target);
  const int columns = layout.columns();
  for (int n = 1; n <= int(lines.size()); ++n) {
    progress.setPosition(n);
    progress.setText(progressText(n, count));
    if (n > layout.headerLines) {
      const QStringList fields = readCsvFields(lines[n - 1].trimmed(), bits, columns);
      ImportRecord record;
      record.source = fields.value(layout.source);
      record.target = fields.value(layout.target);
      if (layout.sourceComment >= 0)
        record.sourceComment = fields.value(layout.sourceComment);
      if (layout.targetComment >= 0)
        record.targetComment = fields.value(layout.targetComment);
      if (layout.context >= 0)
        record.context = fields.value(layout.context);
      if (!record.source.isEmpty() && !record.target.isEmpty() &&
          !record.source.contains(QLatin1String(kExportMark))) {
        ++result.records;
        if (applier.apply(record) > 0)
          ++result.matched;
      }
    }
    progress.serve();
    if (progress.cancelled() && n < int(lines.size())) {
      result.status = ImportResult::Status::Cancelled;
      break;
    }
  }
  progress.end();
  result.changed = applier.changed();
  result.applied = applier.appliedRecords();
  return result;
}

ImportResult importCatalog(ImportTarget &target, const QString &path, Progress &progress) {
  ImportResult result;
  QByteArray bytes;
  if (!fileRead(readExchangeFile(path, bytes), path, result))
    return result;
  if (bytes.isEmpty())
    return result;
  const int count = int(qMin<qsizetype>(bytes.count('\n'), INT_MAX));
  beginProgress(progress, count);
  RecordApplier applier(target);
  int msgids = 0;
  CatalogReader reader;
  reader.read(
      bytes,
      [&](const CatalogRecord &catalog) {
        ImportRecord record{catalog.msgid, catalog.msgstr,  std::nullopt,
                            std::nullopt,  catalog.context, std::nullopt};
        ++result.records;
        if (applier.apply(record) > 0)
          ++result.matched;
        if (progress.cancelled()) {
          result.status = ImportResult::Status::Cancelled;
          return false;
        }
        return true;
      },
      [&]() {
        ++msgids;
        progress.setPosition(qMin(msgids, count));
        progress.setText(progressText(msgids, count));
        progress.serve();
      });
  progress.end();
  result.changed = applier.changed();
  result.applied = applier.appliedRecords();
  return result;
}

ImportResult importXliff(ImportTarget &target, const QString &path, Progress &progress) {
  ImportResult result;
  QByteArray bytes;
  if (!fileRead(readExchangeFile(path, bytes), path, result))
    return result;
  // The whole document is read first: one that breaks off changes nothing.
  std::vector<ImportRecord> records;
  if (!readXliff(bytes, records, result.error)) {
    result.status = ImportResult::Status::Malformed;
    return result;
  }
  const int count = int(records.size());
  beginProgress(progress, count);
  RecordApplier applier(target);
  for (int i = 0; i < count; ++i) {
    progress.setPosition(i + 1);
    progress.setText(progressText(i + 1, count));
    ++result.records;
    if (applier.apply(records[size_t(i)]) > 0)
      ++result.matched;
    progress.serve();
    if (progress.cancelled() && i + 1 < count) {
      result.status = ImportResult::Status::Cancelled;
      break;
    }
  }
  progress.end();
  result.changed = applier.changed();
  result.applied = applier.appliedRecords();
  return result;
}

} // namespace

ExchangeFormat formatOfPath(const QString &path, ExchangeFormat fallback) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("csv"))
    return ExchangeFormat::Glossary;
  if (suffix == QLatin1String("po"))
    return ExchangeFormat::Catalog;
  if (suffix == QLatin1String("xlf") || suffix == QLatin1String("xliff"))
    return ExchangeFormat::Xliff;
  return fallback;
}

QString formatExtension(ExchangeFormat format) {
  switch (format) {
  case ExchangeFormat::Catalog:
    return QStringLiteral("po");
  case ExchangeFormat::Xliff:
    return QStringLiteral("xlf");
  default:
    return QStringLiteral("csv");
  }
}

QString withExtension(const QString &path, ExchangeFormat format) {
  const QString extension = formatExtension(format);
  if (path.endsWith(u'.' + extension, Qt::CaseInsensitive))
    return path;
  if (format == ExchangeFormat::Xliff &&
      path.endsWith(QLatin1String(".xliff"), Qt::CaseInsensitive))
    return path;
  return path.endsWith(u'.') ? path + extension : path + u'.' + extension;
}

ExportResult exportTask(const EntryList &entries, const ExportRequest &request) {
  ExportResult result;
  const std::vector<ExportPair> pairs = distinctPairs(entries, request.filter);
  QByteArray bytes;
  switch (request.format) {
  case ExchangeFormat::Glossary:
    bytes = glossaryBytes(
        {request.sourcePath, request.sourceLanguage, request.targetPath, request.targetLanguage},
        pairs);
    break;
  case ExchangeFormat::Catalog:
    bytes = catalogBytes(pairs, request.now);
    break;
  case ExchangeFormat::Xliff:
    bytes = xliffBytes(
        {QFileInfo(request.sourcePath).fileName(), request.sourceLanguage, request.targetLanguage},
        pairs);
    break;
  }
  result.written = writeFileSafely(request.path, bytes, &result.error);
  result.pairs = result.written ? int(pairs.size()) : 0;
  return result;
}

ImportResult importTask(ImportTarget &target, ExchangeFormat format, const QString &path,
                        int delimiterBits, int sourceLanguage, int targetLanguage,
                        Prompter &prompter, Progress &progress) {
  switch (format) {
  case ExchangeFormat::Catalog:
    return importCatalog(target, path, progress);
  case ExchangeFormat::Xliff:
    return importXliff(target, path, progress);
  default:
    return importGlossary(target, path, delimiterBits, sourceLanguage, targetLanguage, prompter,
                          progress);
  }
}

} // namespace tarvelo
