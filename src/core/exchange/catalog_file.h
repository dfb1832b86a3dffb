#pragma once

#include "exchange/exchange_pairs.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

namespace tarvelo {

// A catalog as exported: UTF-8 with LF, the header record, then msgid and msgstr of
// each pair, split after each \n escape; a source text with several translations has
// its records told apart by a msgctxt naming the entries' locations. A record whose
// texts their escapes as written would not restore is written as held, after
// kLiteralComment.
QByteArray catalogBytes(const std::vector<ExportPair> &pairs, const QDateTime &now);

// A held text as the inside of a PO string: double quotes and backslashes that start no
// escape are escaped, the escapes the text holds stay as they are.
QString poEscaped(QStringView text);
// The comment before a record that the program marked fuzzy only because its translation
// begins or ends with a newline where its source does not (or the other way round): the
// import takes such a record all the same.
inline constexpr char kKeptComment[] = "# Tarvelo: the line ends of the translation differ";

// The inside of a PO string as held: only escaped double quotes are undone.
QString poUnescaped(QStringView text);

// Whether a held text needs writing as held: a backslash that starts no escape, a
// numeric escape (a character in a script, a byte in a catalog), or a control character
// (which the tools write as an escape) would come back otherwise as something else.
bool heldNeedsLiteral(QStringView text);
// A held text as the inside of a PO string whose value is that text itself: every
// backslash, double quote and control character escaped.
QString poLiteral(QStringView text);
// The value of the inside of a PO string, every escape decoded.
QString poDecoded(QStringView text);
// The comment before a record whose texts are written as held (poLiteral).
inline constexpr char kLiteralComment[] = "# Tarvelo: the texts are written as held";

// One record read from a catalog.
struct CatalogRecord {
  QString context;
  QString msgid;
  QString msgstr;
};

// Reads a catalog line by line, calling back for each record that is not fuzzy; the
// header record (an empty msgid first) chooses the code page of the lines after it.
// The callback returns false to stop. progress is told of each "msgid " line.
class CatalogReader {
public:
  using RecordSink = std::function<bool(const CatalogRecord &)>;
  using MsgidSeen = std::function<void()>;

  // Reads the bytes; the number of records passed on.
  int read(const QByteArray &bytes, const RecordSink &sink, const MsgidSeen &seen = nullptr);
  // The code page the lines were read in at the end.
  int codePage() const { return m_codePage; }

private:
  int m_codePage = 65001;
};

// The code page a header's "charset=" value selects, or `current` when it names none.
int catalogCodePage(const QString &headerMsgstr, int current);

} // namespace tarvelo
