// XLIFF 1.2 documents: the bytes exported and the units an import reads.
#pragma once

#include "exchange/exchange_pairs.h"
#include "exchange/import_records.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace tarvelo {

// What the file element of an exported XLIFF names.
struct XliffHeader {
  QString original; // the source script's file name
  int sourceLanguage = 0;
  int targetLanguage = 0;
};

// An XLIFF 1.2 document with one trans-unit per pair: where its entries stand as
// context, the comments as notes, the match and verification states as XLIFF states. A
// unit whose source has other translations too carries the locations of its entries as
// its resname, which an import uses to reach them.
QByteArray xliffBytes(const XliffHeader &header, const std::vector<ExportPair> &pairs);

// The units of an XLIFF 1.2 document that have a target, in document order; false with
// the reason when it is not one (not well-formed, another version, entities declared).
bool readXliff(const QByteArray &bytes, std::vector<ImportRecord> &records, QString &error);

// What a target's state and its unit's "approved" attribute say of the translation;
// nothing for a state the program does not know or none.
std::optional<RecordMarks> xliffMarks(QStringView state, QStringView approved);

// The XLIFF state of an entry's translation.
QString xliffState(const TextEntry &entry);

// The language tag of a language for exchange files ("de-DE"); "x-neutral" for none.
QString languageTag(int language);

} // namespace tarvelo
