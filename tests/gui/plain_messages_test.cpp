// Message boxes show text from servers and files as it is: no rich text, no live links.

#include "app/gui_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

TEST(PlainMessages, ServerTextIsShownAsPlainText) {
  const QString server = "LibreTranslate: <a href=\"http://evil.example/\">Log in again</a> "
                         "<img src=\"http://evil.example/t.png\"> %1 (HTTP 401)";
  Qt::TextFormat format = Qt::AutoText;
  QString shown;
  QTimer::singleShot(0, [&] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    format = box->textFormat();
    shown = box->text();
    box->done(QMessageBox::Ok);
  });
  GuiPrompter prompter;
  prompter.error(server);
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(shown, server);
}

} // namespace
} // namespace tarvelo::gui
