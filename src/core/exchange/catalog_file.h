// Gettext catalogs: the bytes a task exports, and the reader of records an import takes.
#pragma once

#include "exchange/exchange_pairs.h"
#include "exchange/po_strings.h"

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
