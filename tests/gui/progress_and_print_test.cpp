// The progress window disables its owner and reports Cancel; the item list prints
// every row, over as many pages as it needs.
#include "app/gui_resources.h"
#include "app/progress_window.h"
#include "script/text_entry.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "workbench/item_list_model.h"
#include "workbench/item_list_printer.h"
#include "workbench/session.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

TEST(ProgressWindowTest, DisablesItsOwnerAndReportsCancel) {
  QWidget owner;
  owner.show();
  ProgressWindow progress(&owner);
  progress.begin(QStringLiteral("Translation Memory Search"));
  progress.setRange(0, 10);
  progress.setPosition(3);
  progress.setText(QStringLiteral("Searching item 3 of 10"));
  EXPECT_FALSE(owner.isEnabled());
  auto *dialog = owner.findChild<QDialog *>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Translation Memory Search"));
  EXPECT_EQ(dialog->findChild<QLabel *>()->text(), QStringLiteral("Searching item 3 of 10"));
  EXPECT_EQ(dialog->findChild<QProgressBar *>()->value(), 3);
  EXPECT_FALSE(progress.cancelled());
  QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
  progress.serve();
  EXPECT_TRUE(progress.cancelled());
  progress.end();
  EXPECT_TRUE(owner.isEnabled());
  EXPECT_FALSE(progress.cancelled());
}

// Pages of a PDF written by Qt, counted by their page objects.
int pdfPages(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return -1;
  const QByteArray data = file.readAll();
  return int(data.count("/Type /Page\n") + data.count("/Type /Page ") + data.count("/Type /Page/") +
             data.count("/Type /Page>"));
}

TEST(ItemListPrinting, EveryRowOnAsManyPagesAsNeeded) {
  initGuiResources();
  MemorySettings settings;
  test::ScriptedPrompter prompter;
  NullProgress progress;
  Session session(settings, prompter, progress);
  QTemporaryDir dir;
  QString script = QStringLiteral("LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n");
  for (int i = 0; i < 400; ++i)
    script += QStringLiteral("  %1 \"Text number %1 of the list\"\n").arg(i + 1);
  script += QStringLiteral("END\n");
  const QString source = dir.filePath(QStringLiteral("many.rc"));
  QFile out(source);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(script.toLatin1());
  out.close();
  ASSERT_EQ(session.open({source, 1033, true, QString(), 1031}), Session::OpenResult::Opened);
  ItemListModel model(session);
  model.rebuild();
  ASSERT_EQ(model.rowCount(), 400);

  const struct {
    int rows;
    bool morePages;
  } cases[] = {{400, true}, {3, false}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.rows);
    model.setFilter([&c](const TextEntry &entry) { return entry.identifier.toInt() <= c.rows; });
    model.rebuild();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(QStringLiteral("list%1.pdf").arg(c.rows));
    printer.setOutputFileName(pdf);
    printItemList(model, printer);
    const int pages = pdfPages(pdf);
    EXPECT_GE(pages, 1);
    EXPECT_EQ(pages > 1, c.morePages) << pages;
  }
}

} // namespace
} // namespace tarvelo::gui
