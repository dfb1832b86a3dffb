// The memory's terms for a text: stored pairs whose source occurs in it.
#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

namespace tarvelo {

class MemoryClient;

// Finds, for a text, the stored pairs whose source occurs in it as whole words (shorter
// than the text), each with its most used translation, in the order they stand in the
// text. Asks the memory once per word set and source.
class MemoryTerms {
public:
  explicit MemoryTerms(MemoryClient &client) : m_client(client) {}
  QList<QPair<QString, QString>> operator()(const QString &text);

private:
  MemoryClient &m_client;
  QHash<QString, QString> m_mostUsed; // source -> its most used translation
};

// Where the term occurs in the text as whole words, ignoring case; -1 when it does not.
qsizetype wholeWordsAt(const QString &text, const QString &term);

} // namespace tarvelo
