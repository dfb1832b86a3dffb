// TMX 1.4 documents of a memory's units: the writer and the reader.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace tarvelo {

// One translation unit of a memory: a pair and how often it was used.
struct MemoryUnit {
  QString source;
  QString target;
  int uses = 1;
};

// Writes a TMX 1.4 document of one language pair a unit at a time; the use counters are
// kept in a property, so that a memory read back lists the most used first again.
class TmxWriter {
public:
  TmxWriter(int sourceLanguage, int targetLanguage);
  void add(const MemoryUnit &unit);
  // The whole document.
  QByteArray finish();

private:
  QByteArray m_out;
  QString m_sourceTag, m_targetTag;
};

// Reads the units of a TMX 1.4 document whose variants are in the two languages (by
// primary language), calling back for each; false with the reason when it is not such
// a document. The callback returns false to stop.
bool readTmx(const QByteArray &bytes, int sourceLanguage, int targetLanguage,
             const std::function<bool(const MemoryUnit &)> &unit, QString &error);

// The name of the property that keeps a unit's use counter.
inline constexpr char kUsesProperty[] = "x-tarvelo-uses";

} // namespace tarvelo
