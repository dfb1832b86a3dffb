// Export and import of a task's translations: formats, requests and results.
#pragma once

#include "exchange/exchange_pairs.h"
#include "exchange/import_records.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace tarvelo {

class EntryList;
class Progress;
class Prompter;

// The formats a task's translations travel in; the first two are the "ImportFormat"
// values of the file dialog.
enum class ExchangeFormat { Glossary = 0, Catalog = 1, Xliff = 2 };

// The format a file's extension names (".csv", ".po", ".xlf" or ".xliff"), or the
// fallback.
ExchangeFormat formatOfPath(const QString &path, ExchangeFormat fallback);
// The extension of a format without its dot, and the name with it appended unless it
// ends in it already (compared without case).
QString formatExtension(ExchangeFormat format);
QString withExtension(const QString &path, ExchangeFormat format);

struct ExportRequest {
  ExchangeFormat format = ExchangeFormat::Glossary;
  QString path;
  EntryTest filter; // null: all items
  QString sourcePath, targetPath;
  int sourceLanguage = 0, targetLanguage = 0;
  QDateTime now = QDateTime::currentDateTime();
};

struct ExportResult {
  bool written = false;
  int pairs = 0;
  QString error; // when not written: the file and the reason
};

// Writes the distinct pairs of the list to the file, atomically.
ExportResult exportTask(const EntryList &entries, const ExportRequest &request);

struct ImportResult {
  enum class Status { Finished, Cancelled, NotRead, Malformed, ChoiceCancelled };
  Status status = Status::Finished;
  int records = 0; // records read
  int matched = 0; // records that reached an entry
  int applied = 0; // records that changed an entry, each one undo step
  QList<TextEntry *> changed;
  QString error;
};

// Reads the file and applies its records to the entries, each one undo step. A file
// that is not well-formed (XLIFF) changes nothing; malformed lines of a glossary or a
// catalog are skipped. Cancel stops after the current record.
ImportResult importTask(ImportTarget &target, ExchangeFormat format, const QString &path,
                        int delimiterBits, int sourceLanguage, int targetLanguage,
                        Prompter &prompter, Progress &progress);

} // namespace tarvelo
