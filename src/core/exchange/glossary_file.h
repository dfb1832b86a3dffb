// Glossary files (CSV): the bytes exported, the lines and columns read on import.
#pragma once

#include "exchange/exchange_file.h"
#include "exchange/exchange_pairs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace tarvelo {

class Prompter;

// What the header line of an exported glossary names.
struct GlossaryHeader {
  QString sourcePath;
  int sourceLanguage = 0;
  QString targetPath;
  int targetLanguage = 0;
};

// A glossary as exported: UTF-16 with byte-order mark, CR LF, the header line, an empty
// line, then source, source comment, target and target comment of each pair, quoted
// and separated by tabs; a pair whose source has other translations too has a fifth
// field naming where its entries stand, so that its import reaches them alone.
QByteArray glossaryBytes(const GlossaryHeader &header, const std::vector<ExportPair> &pairs);

// The lines of a glossary file: UTF-16 when it begins with FF FE, else the system's
// code page. NotRead or TooLarge (see readExchangeFile) when the file is not read.
FileRead readGlossaryLines(const QString &path, QStringList &lines);

// Where a glossary keeps its texts: columns (-1 when absent) and header lines.
struct GlossaryLayout {
  int source = 0;
  int target = 2;
  int sourceComment = -1;
  int targetComment = -1;
  int context = -1;
  int headerLines = 0;
  int columns() const;
};

// The layout of a glossary from its lines: the program's own export, a terminology file
// whose columns the translator chooses (the languages preselect them), or two columns.
// False when the translator cancelled the choice.
bool glossaryLayout(const QStringList &lines, int delimiterBits, int sourceLanguage,
                    int targetLanguage, Prompter &prompter, GlossaryLayout &layout);

// The mark of the program's own glossaries; a record whose source holds it is skipped.
inline constexpr char kExportMark[] = "Tarvelo Export";

} // namespace tarvelo
