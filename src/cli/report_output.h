// The dialogs report as lines of findings or as JSON, for the report command.
#pragma once

#include <QByteArray>
#include <QString>

namespace tarvelo {
struct DialogsReport;
}

namespace tarvelo::cli {

// One line per finding: dialog, control and the finding, separated by tabs.
QString reportLines(const DialogsReport &report);
// Every dialog with its font and every control with its rectangles, measured text and
// findings, as indented JSON. fileName names the script the dialogs come from.
QByteArray reportJson(const DialogsReport &report, const QString &fileName);

} // namespace tarvelo::cli
