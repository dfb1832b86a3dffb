// Helpers shared by the widget tests.
#pragma once
#include "script/text_entry.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"
#include "workbench/split_edit.h"
#include "workbench/target_editor.h"

#include <QApplication>
#include <QString>
#include <QTest>

namespace tarvelo::gui {

// A file of the bundled example, such as "example.rc" or "memory/phrases_en.rc".
inline QString exampleFile(const QString &name) {
  return QStringLiteral(TARVELO_TEST_DATA "/../../resources/example/") + name;
}

// The session's first entry with this identifier; with a kind, the head of that kind.
inline TextEntry *entryNamed(Session &session, const QString &identifier,
                             const QString &headKind = {}) {
  for (const auto &entry : session.entries())
    if (entry->identifier == identifier &&
        (headKind.isEmpty() || (entry->isHead() && entry->kind == headKind)))
      return entry.get();
  return nullptr;
}

// Types the text over the target editor's text and stores it with Enter.
inline void typeTranslation(MainFrame &frame, const QString &text) {
  TargetEditor *editor = frame.splitEdit()->targetEditor();
  editor->setFocus();
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
}

} // namespace tarvelo::gui
