// Export and Import in the window keep the translator's marks: a file brought back
// unchanged changes nothing, a changed text takes the marks its format gives it, and
// the status bar counts only what changed. The file dialogs start in the task's folder
// and take the type of a typed extension.
#include "exchange/exchange_file_dialog.h"
#include "script/text_entry.h"

#include "memory_workbench.h"
#include "menu_clicks.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tarvelo::gui {
namespace {

class ImportMarksTest : public MemoryWorkbenchTest {
protected:
  void SetUp() override {
    MemoryWorkbenchTest::SetUp();
    frame().resize(1200, 700);
    frame().show();
    // Three plain texts of their own (no other occurrence): fuzzy, verified, matched.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9 .,:!?ÄÖÜäöüß-]+$"));
    for (const auto &owned : workbench->session().entries()) {
      TextEntry *entry = owned.get();
      if (entry->isTranslatable() && !entry->prevOccurrence && !entry->nextOccurrence &&
          plain.match(entry->sourceText).hasMatch() && plain.match(entry->targetText).hasMatch())
        marked.append(entry);
      if (marked.size() == 3)
        break;
    }
    ASSERT_EQ(marked.size(), 3);
    marked[0]->matchState = Fuzzy;
    marked[1]->verified = true;
    marked[2]->matchState = Matched;
    workbench->session().setModified(false);
  }
  MainFrame &frame() { return workbench->frame(); }

  // File › Export or File › Import with the type chosen in the dialog's list and the
  // name typed; the dialog's folder is kept in `folder`.
  void exchange(const QString &command, int type, const QString &name) {
    whenShown<ExchangeFileDialog>([=, this](ExchangeFileDialog *dialog) {
      folder = dialog->directory().absolutePath();
      auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
      types->setFocus();
      QTest::keyClick(types, Qt::Key_Home);
      for (int i = 0; i < type; ++i)
        QTest::keyClick(types, Qt::Key_Down);
      auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
      edit->setText(name);
      QTest::keyClick(edit, Qt::Key_Return);
    });
    ASSERT_TRUE(clickMenuPath(frame(), {"&File", command}));
    QApplication::processEvents();
  }
  // The marks of the three entries, as "state/verified".
  QStringList marks() const {
    QStringList out;
    for (const TextEntry *entry : marked)
      out.append(QString::number(entry->matchState) + (entry->verified ? "/v" : "/-"));
    return out;
  }
  int filledInStatus() {
    static const QRegularExpression filled(QStringLiteral("(\\d+) filled"));
    return filled.match(frame().statusMessage()).captured(1).toInt();
  }

  QList<TextEntry *> marked;
  QString folder;
};

QString readFile(const QString &path, bool utf16) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  const QByteArray bytes = file.readAll();
  return utf16 ? QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2)) : QString::fromUtf8(bytes);
}

void writeFile(const QString &path, const QString &text, bool utf16) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(utf16 ? QByteArray("\xFF\xFE", 2) + QStringEncoder(QStringEncoder::Utf16LE)(text)
                   : text.toUtf8());
}

// Each format's file, brought back with one text changed where the case says.
struct MarksCase {
  const char *name;
  int type; // in the dialog's list: CSV, PO, XLIFF
  const char *extension;
  bool utf16;
  // The file's text with the entry's target replaced, as the format writes it.
  QString (*edit)(QString file, const TextEntry &entry, const QString &text, const char *state);
};

QString editCsv(QString file, const TextEntry &entry, const QString &text, const char *) {
  return file.replace(QStringLiteral("\t\"%1\"\t").arg(entry.targetText),
                      QStringLiteral("\t\"%1\"\t").arg(text));
}
QString editPo(QString file, const TextEntry &entry, const QString &text, const char *) {
  return file.replace(QStringLiteral("msgstr \"%1\"").arg(entry.targetText),
                      QStringLiteral("msgstr \"%1\"").arg(text));
}
QString editXliff(QString file, const TextEntry &entry, const QString &text, const char *state) {
  const QRegularExpression target(QStringLiteral("<target state=\"[^\"]*\">%1</target>")
                                      .arg(QRegularExpression::escape(entry.targetText)));
  return file.replace(
      target, QStringLiteral("<target state=\"%1\">%2</target>").arg(QLatin1String(state), text));
}

class ImportMarksCases : public ImportMarksTest, public ::testing::WithParamInterface<MarksCase> {};

TEST_P(ImportMarksCases, AFileBroughtBackChangesOnlyWhatChanged) {
  const MarksCase &c = GetParam();
  Session &session = workbench->session();
  const QString name = dir.filePath(QStringLiteral("texts.") + c.extension);
  const QStringList before = marks();
  const int filled = filledInStatus();

  exchange(QStringLiteral("Export..."), c.type, name);
  EXPECT_EQ(folder, QFileInfo(target).absolutePath()); // the task's, not the working folder
  ASSERT_TRUE(QFileInfo::exists(name));
  exchange(QStringLiteral("Import..."), c.type, name);
  EXPECT_EQ(marks(), before);
  EXPECT_FALSE(session.isModified());
  EXPECT_FALSE(frame().command(CmdUndo)->isEnabled());
  EXPECT_EQ(filledInStatus(), filled);

  // The fuzzy text and the verified one change; XLIFF says what each now is.
  QString file = readFile(name, c.utf16);
  file = c.edit(file, *marked[0], QStringLiteral("Neu eins"), "signed-off");
  file = c.edit(file, *marked[1], QStringLiteral("Neu zwei"), "needs-review-translation");
  writeFile(name, file, c.utf16);
  exchange(QStringLiteral("Import..."), c.type, name);
  EXPECT_EQ(marked[0]->targetText, QStringLiteral("Neu eins"));
  EXPECT_EQ(marked[1]->targetText, QStringLiteral("Neu zwei"));
  if (c.type == 2)
    EXPECT_EQ(marks(), QStringList({"4/v", "2/-", "3/-"}));
  else // no marks in the file: "filled", the verification stays
    EXPECT_EQ(marks(), QStringList({"4/-", "4/v", "3/-"}));
  EXPECT_TRUE(session.isModified());
  EXPECT_EQ(filledInStatus(), filled + (c.type == 2 ? 1 : 2));
  frame().updateCommands();
  EXPECT_TRUE(frame().command(CmdUndo)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportMarksCases,
                         ::testing::Values(MarksCase{"Csv", 0, "csv", true, editCsv},
                                           MarksCase{"Po", 1, "po", false, editPo},
                                           MarksCase{"Xliff", 2, "xlf", false, editXliff}),
                         [](const auto &info) { return std::string(info.param.name); });

// A name typed with another format's extension is written in that format, not with the
// listed type's extension added.
TEST_F(ImportMarksTest, ATypedExtensionChoosesTheFormat) {
  exchange(QStringLiteral("Export..."), 1, QStringLiteral("typed.xlf"));
  EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("typed.xlf"))));
  EXPECT_FALSE(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("typed.xlf.po"))));
  EXPECT_TRUE(readFile(QDir(folder).filePath(QStringLiteral("typed.xlf")), false)
                  .contains(QStringLiteral("<xliff")));
  EXPECT_EQ(settings.integer(QStringLiteral("ImportFormat")), 2);
}

} // namespace
} // namespace tarvelo::gui
