// A script read as its own target, as the dialogs report reads one alone: every
// dialog's layouts built and its texts shown as written.
#pragma once

#include "support/script_harness.h"

#include <QList>
#include <memory>

namespace tarvelo::test {

// The languages a script declares, or the one "no language" (-1) when it declares none.
QList<int> scriptLanguages(const QString &path);
// The script read for the language as source and target; null when it does not read.
std::unique_ptr<Workspace> readAsItsOwnTarget(const QString &path, int language);

} // namespace tarvelo::test
