// The pictures of the memory's windows: the menu on whole memories, the memory search
// and the export dialog, drawn on the example task with a memory bound.
#include "exchange/exchange_file_dialog.h"
#include "memory/memory_copy_dialog.h"
#include "memory/memory_search_window.h"
#include "memory/tmx_file_dialog.h"
#include "seam/settings.h"
#include "tmclient/memory_client.h"
#include "workbench/main_frame.h"

#include "memory_workbench.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

class MemoryPictures : public MemoryWorkbenchTest {
protected:
  MainFrame &frame() { return workbench->frame(); }
  QString folder(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
  void remember(const QString &source, const QString &target, int count = 1) {
    library.exports().addPair(reinterpret_cast<const char16_t *>(source.utf16()),
                              reinterpret_cast<const char16_t *>(target.utf16()), count);
  }
};

// The windows of the Translation Memory menu, drawn to /tmp/tarvelo-<name>.png for a look
// by eye.
TEST_F(MemoryPictures, MemoryMenu) {
  frame().show();
  const auto save = [](QWidget &widget, const char *name) {
    QApplication::processEvents();
    const QString path = QStringLiteral("/tmp/tarvelo-%1.png").arg(QLatin1String(name));
    EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
  };
  MemoryCopyDialog copy(folder("TM"), &frame());
  copy.toBox()->setText(QStringLiteral("postgresql://anna@server/team"));
  copy.show();
  copy.adjustSize();
  save(copy, "memory-copy");
  copy.hide();
  TmxFileDialog tmx(TmxFileDialog::Mode::Export, 1033, 1031, &frame());
  tmx.setDirectory(dir.path());
  tmx.selectFile(QStringLiteral("example_de.tmx"));
  tmx.resize(820, 520);
  tmx.show();
  save(tmx, "tmx-export");
  tmx.hide();
  QMenu *memory = nullptr;
  for (QMenu *menu : frame().menuBar()->findChildren<QMenu *>())
    if (menu->title() == QStringLiteral("Translation Memory"))
      memory = menu;
  ASSERT_NE(memory, nullptr);
  memory->popup(QPoint(0, 0));
  save(*memory, "memory-menu");
  memory->hide();
}

// The memory search window and the export dialog of the documentation.
TEST_F(MemoryPictures, Exchange) {
  const QString out = QString::fromLocal8Bit(qgetenv("TARVELO_SCREENSHOTS"));
  ASSERT_FALSE(out.isEmpty()) << "TARVELO_SCREENSHOTS names the folder for the pictures";
  QDir().mkpath(out);
  remember(QStringLiteral("&Save"), QStringLiteral("&Speichern"), 4);
  remember(QStringLiteral("Save &As..."), QStringLiteral("Speichern &unter..."), 2);
  remember(QStringLiteral("Save the changes to %s?"), QStringLiteral("Änderungen an %s speichern?"),
           1);
  remember(QStringLiteral("The file name is not valid."),
           QStringLiteral("Der Dateiname ist ungültig."), 1);
  MainFrame &frame = workbench->frame();
  frame.resize(1280, 760);
  frame.show();
  MemorySearchWindow window(*workbench->memory(), prompter, &frame);
  window.setLanguages(1033, 1031);
  window.resize(720, 460);
  window.show();
  window.searchBox()->setText(QStringLiteral("save \"file name\""));
  window.search();
  QApplication::processEvents();
  EXPECT_TRUE(window.grab().save(out + QStringLiteral("/search-translation-memory.png")));
  window.hide();

  ExchangeFileDialog dialog(ExchangeFileDialog::Mode::Export, settings, &frame);
  dialog.setDirectory(dir.path());
  dialog.selectFile(QStringLiteral("example_de.po"));
  dialog.selectNameFilter(dialog.nameFilters().value(1));
  dialog.resize(820, 520);
  dialog.show();
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(dialog.grab().save(out + QStringLiteral("/export-dialog.png")));
  dialog.hide();
}

} // namespace
} // namespace tarvelo::gui
