// The pictures of the analysis: its window on the example task (into French) against a
// memory that gives several bands, and its HTML report as Qt's rich-text engine draws it.
#include "analysis/analysis_output.h"
#include "analysis/analysis_window.h"
#include "app/gui_resources.h"
#include "app/workbench_assembly.h"
#include "seam/progress.h"
#include "seam/settings.h"
#include "support/scripted_prompter.h"
#include "tmclient/tm_library.h"
#include "workbench/command_ids.h"
#include "workbench/main_frame.h"
#include "workbench/session.h"

#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// Texts the example holds, and others like them, as an earlier product taught them
// into French: exact matches and fuzzy ones of every band.
const char *const kPairs[][2] = {
    {"&File", "&Fichier"},
    {"&Edit", "&Edition"},
    {"&View", "&Affichage"},
    {"&Help", "&Aide"},
    {"Cancel", "Annuler"},
    {"Options", "Options"},
    {"Create a new document\nNew", "Crée un document\nNouveau"},
    {"Save the active documents\nSave", "Enregistre les documents actifs\nEnregistrer"},
    {"Open an existing document\nOpen it", "Ouvre un document existant\nOuvrir"},
    {"Quit the application; prompts to save the documents\nExit",
     "Quitte l'application ; propose d'enregistrer les documents\nQuitter"},
    {"The file %s was not found.\nCheck the name.",
     "Le fichier %s est introuvable.\nVérifiez le nom."},
    {"Undo the last change\nUndo", "Annule la dernière modification\nAnnuler"},
    {"%d of %d files selected", "%d fichiers sur %d sélectionnés"},
    {"Show the tool bar", "Afficher la barre d'outils"},
};

// Draws the HTML page on white at the width a browser window would give it.
QImage renderedPage(const QByteArray &html, int width) {
  QTextDocument page;
  page.setDefaultFont(QApplication::font());
  page.setHtml(QString::fromUtf8(html));
  page.setTextWidth(width);
  QImage image(width, int(page.size().height()) + 16, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(0, 8);
  page.drawContents(&painter);
  return image;
}

TEST(AnalysisPictures, WindowAndReport) {
  const QString out = QString::fromLocal8Bit(qgetenv("TARVELO_SCREENSHOTS"));
  ASSERT_FALSE(out.isEmpty()) << "TARVELO_SCREENSHOTS names the folder for the pictures";
  QDir().mkpath(out);
  initGuiResources();
  // A copy of the example, into French: a new target, so that the memory decides the
  // bands; the window never writes, but the task is opened from here.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char *name : {"example.rc", "resource.h", "afxres.h"})
    ASSERT_TRUE(QFile::copy(exampleFile(QLatin1String(name)), dir.filePath(QLatin1String(name))));
  TmLibrary library;
  ASSERT_TRUE(
      library.load(QDir(QStringLiteral(TARVELO_BIN_DIR)).filePath(QStringLiteral("kestrine"))));
  MemorySettings settings;
  settings.setText(QStringLiteral("TMPath"), dir.filePath(QStringLiteral("TM")));
  settings.setInteger(QStringLiteral("InitTM"), 0);
  test::ScriptedPrompter prompter;
  NullProgress progress;
  WorkbenchAssembly workbench(settings, prompter, progress, &library);
  OpenRequest request{dir.filePath(QStringLiteral("example.rc")), 1033, false,
                      dir.filePath(QStringLiteral("example_fr.rc")), 1036};
  ASSERT_EQ(workbench.session().open(request), Session::OpenResult::Opened);
  for (const auto &pair : kPairs) {
    const QString source = QString::fromUtf8(pair[0]), target = QString::fromUtf8(pair[1]);
    library.exports().addPair(reinterpret_cast<const char16_t *>(source.utf16()),
                              reinterpret_cast<const char16_t *>(target.utf16()), 1);
  }
  MainFrame &frame = workbench.frame();
  frame.resize(1280, 760);
  frame.show();
  frame.updateCommands();
  frame.command(CmdAnalysis)->trigger();
  AnalysisWindow *window = workbench.analysisWindow();
  ASSERT_NE(window, nullptr);
  window->resize(1100, 520);
  ASSERT_TRUE(window->analyse());
  QApplication::processEvents();
  EXPECT_TRUE(window->grab().save(out + QStringLiteral("/analysis-window.png")));
  const QByteArray html = formatAnalysis(*window->result(), AnalysisFormat::Html);
  EXPECT_TRUE(renderedPage(html, 640).save(out + QStringLiteral("/analysis-report.png")));
  prompter.answers = {Prompter::Answer::No};
  workbench.session().close();
}

} // namespace
} // namespace tarvelo::gui
