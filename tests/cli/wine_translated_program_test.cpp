// Tests: a real Windows program, run by Wine, shows the German texts of the language DLL
// the command line wrote of it, its dialog laid out as in English and as windres's
// compilation of the same script lays it out.
#include "cli/translated_probe.h"
#include "support/wine_runner.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::TranslatedProbe;

// The probe's lines with each text decoded from its hexadecimal code units.
QStringList decoded(const QString &out) {
  QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
  for (QString &line : lines) {
    const qsizetype at = line.indexOf(QLatin1String(" ="));
    if (at < 0)
      continue;
    QString text;
    for (qsizetype i = at + 2; i + 4 <= line.size(); i += 4)
      text += QChar(line.mid(i, 4).toUShort(nullptr, 16));
    line = line.left(at + 2) + text;
  }
  return lines;
}

// The dialog's lines without their texts: its size, font and every control's place.
QStringList layout(const QStringList &lines) {
  QStringList kept;
  for (const QString &line : lines)
    if (line.startsWith("dialog ") || line.startsWith("font ") || line.startsWith("control "))
      kept << line.left(line.indexOf(QLatin1String(" =")));
  return kept;
}

// The lines without the dialog's numbers, which layout() compares.
QStringList texts(const QStringList &lines) {
  QStringList kept;
  for (const QString &line : lines) {
    const qsizetype at = line.indexOf(QLatin1String(" ="));
    QStringList words = line.left(at < 0 ? line.size() : at).split(u' ');
    if (words[0] == "dialog" || words[0] == "font")
      words = words.mid(0, 1);
    else if (words[0] == "control")
      words = words.mid(0, 3);
    kept << words.join(u' ') + (at < 0 ? QString() : line.mid(at));
  }
  return kept;
}

class WineTranslatedProgram : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    folder_ = new QTemporaryDir;
    const QString missing = test::missingWineTools();
    if (!missing.isEmpty())
      error_ = "not installed: " + missing + "; tools/setup.sh installs them";
    else if (test::translateProbe(folder_->path(), "x86_64", probe_, error_))
      test::prepareWinePrefix(error_);
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(error_.isEmpty()) << error_.toStdString(); }

  // What the probe shows of the DLL ("-" for its own resources) in LANGUAGE.
  static QStringList shown(const QString &dll, const QString &language,
                           const QString &program = QStringLiteral("probe.exe")) {
    const test::WineRun run = test::runUnderWine(folder_->path(), {program, dll, language});
    EXPECT_TRUE(run.finished && run.status == 0)
        << "wine probe.exe " << dll.toStdString() << ": " << run.err.toStdString();
    return decoded(run.out);
  }

  static QTemporaryDir *folder_;
  static TranslatedProbe probe_;
  static QString error_;
};

QTemporaryDir *WineTranslatedProgram::folder_ = nullptr;
TranslatedProbe WineTranslatedProgram::probe_;
QString WineTranslatedProgram::error_;

TEST_F(WineTranslatedProgram, ShowsEveryTextInGerman) {
  // Wine 8 takes LoadStringW's language from the Unix locale, never from
  // SetThreadUILanguage; with only German in the DLL both ways find it.
  const QStringList expected{"ui language 1",
                             QStringLiteral("string 101 =Datei \u00f6ffnen"),
                             QStringLiteral("string 102 =\u00c4nderungen speichern?"),
                             QStringLiteral("string 103 =GR\u00d6\u1e9eE"),
                             QStringLiteral("loadstring 101 =Datei \u00f6ffnen"),
                             QStringLiteral("loadstring 102 =\u00c4nderungen speichern?"),
                             QStringLiteral("loadstring 103 =GR\u00d6\u1e9eE"),
                             "menu /0 -1 =&Datei",
                             QStringLiteral("menu /0/0 201 =\u00d6&ffnen...\tStrg+O"),
                             "menu /0/1 0 =",
                             "menu /0/2 202 =&Beenden",
                             "dialog =Einstellungen",
                             "font =MS Shell Dlg",
                             "control 310 Button =Optionen",
                             "control 311 Static =Benutzername:",
                             "control 312 Edit =",
                             "control 313 Button =Merken",
                             "control 1 Button =OK",
                             "control 2 Button =Abbrechen"};
  EXPECT_EQ(texts(shown("de.dll", "0407")), expected);
}

TEST_F(WineTranslatedProgram, ShowsTheEnglishTextsOfItsOwn) {
  const QStringList english = texts(shown("-", "0409"));
  for (const auto &[source, german] : test::probeTranslations())
    EXPECT_TRUE(english.filter(" =" + source).size() >= 1) << source.toStdString();
  EXPECT_TRUE(english.filter(" =" + test::probeTranslations()[1].second).isEmpty());
}

TEST_F(WineTranslatedProgram, LeavesEveryControlWhereTheEnglishDialogHasIt) {
  const QStringList english = layout(shown("-", "0409"));
  ASSERT_EQ(english.size(), 8) << english.join(u'\n').toStdString();
  EXPECT_EQ(layout(shown("de.dll", "0407")), english);
}

TEST_F(WineTranslatedProgram, ShowsWhatTheDllWindresCompiledOfTheScriptShows) {
  const QStringList oracle = shown("oracle.dll", "0407");
  ASSERT_EQ(oracle.size(), 19) << oracle.join(u'\n').toStdString();
  EXPECT_EQ(shown("de.dll", "0407"), oracle);
}

// The copy of the program with German added shows, of its own resources, what the
// language DLL shows: every German text, every control in its place. LoadStringW follows
// Wine's locale, which finds the copy's English, so its lines are left out.
TEST_F(WineTranslatedProgram, ACopyOfTheProgramShowsItsGermanAsTheDllDoes) {
  const auto withoutLoadString = [](QStringList lines) {
    lines.removeIf([](const QString &line) { return line.startsWith("loadstring "); });
    return lines;
  };
  const QStringList dll = withoutLoadString(shown("de.dll", "0407"));
  ASSERT_EQ(dll.size(), 16) << dll.join(u'\n').toStdString();
  EXPECT_EQ(withoutLoadString(shown("-", "0407", "probe_de.exe")), dll);
  // Its English stays as it was.
  EXPECT_EQ(shown("-", "0409", "probe_de.exe"), shown("-", "0409"));
}

} // namespace
} // namespace tarvelo
