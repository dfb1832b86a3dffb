// The file dialog of the TMX import and export of the memory.
#include "memory/tmx_file_dialog.h"

namespace tarvelo::gui {

TmxFileDialog::TmxFileDialog(Mode mode, int sourceLanguage, int targetLanguage, QWidget *parent)
    : LanguageFileDialog(sourceLanguage, targetLanguage, parent) {
  const bool import = mode == Mode::Import;
  setObjectName(QStringLiteral("tmxFileDialog"));
  setWindowTitle(import ? tr("Import TMX") : tr("Export TMX"));
  setAcceptMode(import ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  setFileMode(import ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  setNameFilter(tr("Translation Memory eXchange (*.tmx)"));
  setDefaultSuffix(QStringLiteral("tmx"));
}

} // namespace tarvelo::gui
