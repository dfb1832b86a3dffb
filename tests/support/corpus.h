// The corpus of real scripts beside the checkout, and its tables.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvelo::test {

// TARVELO_CORPUS, or "shared/corpus" beside a folder holding the sources or the tests
// being run; empty when there is none.
QString corpusDir();
// The rows of one of the corpus's tables (MANIFEST.tsv, PAIRS.tsv), without the heading.
QList<QStringList> corpusTable(const QString &name);

} // namespace tarvelo::test
