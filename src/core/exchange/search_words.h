// The words of a memory search, with double-quoted phrases.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

// The words of a memory search: a space ends a word, a double quote opens a phrase in
// which spaces belong to the word; in a phrase two double quotes stand for one and a
// single one closes it. Empty words are dropped.
QStringList searchWords(const QString &text);

// The words written back: separated by single spaces, a word that holds a space
// between double quotes with its own double quotes doubled.
QString searchText(const QStringList &words);

} // namespace tarvelo
