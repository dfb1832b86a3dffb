// Feeds arbitrary bytes to the glossary (CSV) import: the file's lines, its layout and
// every line's fields with all three delimiters; any crash, hang, leak or sanitizer
// report is a fault.
#include "exchange/csv_fields.h"
#include "exchange/glossary_file.h"
#include "seam/silent_prompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace tarvelo;
  static QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("glossary.csv"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
      return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
  }
  QStringList lines;
  if (readGlossaryLines(path, lines) != FileRead::Read)
    return 0;
  constexpr int kAllDelimiters = 7;
  SilentPrompter prompter;
  GlossaryLayout layout;
  if (!glossaryLayout(lines, kAllDelimiters, 1033, 1031, prompter, layout))
    return 0;
  for (const QString &line : std::as_const(lines))
    readCsvFields(line.trimmed(), kAllDelimiters, layout.columns());
  return 0;
}
