// The report command: finding lines, the setting, JSON, bad arguments, absurd dialogs.
#include "cli/cli_run.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

using test::CliRun;

class ReportCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char *name : {"source.rc", "target_de.rc", "broken_de.rc"})
      ASSERT_TRUE(QFile::copy(QDir(TARVELO_TEST_DATA "/report").filePath(name), dir.filePath(name)))
          << name;
  }
  CliRun report(const QStringList &extra = {}, bool withTarget = true) {
    QStringList arguments{"report", "--source", dir.filePath("source.rc"), "--source-language",
                          "1033"};
    if (withTarget)
      arguments += {"--target", dir.filePath("target_de.rc"), "--target-language", "1031"};
    return test::runCli(arguments + extra);
  }
  QTemporaryDir dir;
};

TEST_F(ReportCommandTest, PrintsALinePerFindingAndExitsWithOne) {
  const CliRun result = report();
  EXPECT_EQ(result.status, 1) << result.err.toStdString();
  EXPECT_EQ(result.out, QStringLiteral("IDD_MAIN\tIDC_SAVE\tText is too long!\n"
                                       "IDD_MAIN\tIDC_SAVE\tAdded Styles: BS_CENTER\n"
                                       "IDD_MAIN\tIDC_SAVE\tRemoved Styles: WS_TABSTOP\n"
                                       "IDD_MAIN\tIDC_SAVE\tSame access key as IDC_STATIC!\n"
                                       "IDD_MAIN\tIDCANCEL\tReaches outside the dialog!\n"));
  EXPECT_EQ(result.err, QStringLiteral("1 dialog reported\n"));
}

TEST_F(ReportCommandTest, TheSettingChoosesAndNothingReportedExitsWithZero) {
  const struct {
    QStringList extra;
    bool withTarget;
    int status;
    int lines;
  } cases[] = {
      {{"--setting", "1"}, true, 1, 1},
      {{"--setting", "0x6"}, true, 1, 2},
      {{"--setting", "16"}, true, 1, 1},
      {{"--setting", "32"}, true, 1, 1},
      {{"--setting", "8"}, true, 0, 0},
      {{"--setting", "0"}, true, 0, 0},
      // The source against itself: its texts fit and nothing differs.
      {{}, false, 0, 0},
  };
  for (const auto &c : cases) {
    const CliRun result = report(c.extra, c.withTarget);
    const std::string label = c.extra.join(u' ').toStdString() + (c.withTarget ? "" : " alone");
    EXPECT_EQ(result.status, c.status) << label << result.err.toStdString();
    EXPECT_EQ(result.out.count(u'\n'), c.lines) << label << result.out.toStdString();
    EXPECT_EQ(result.err, c.status == 1 ? QStringLiteral("1 dialog reported\n")
                                        : QStringLiteral("0 dialogs reported\n"))
        << label;
  }
}

QJsonObject member(const QJsonObject &object, const char *name) {
  return object.value(QLatin1String(name)).toObject();
}

TEST_F(ReportCommandTest, JsonDescribesEveryDialogAndControl) {
  const CliRun result = report({"--format", "json"});
  ASSERT_EQ(result.status, 1) << result.err.toStdString();
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonObject root = document.object();
  EXPECT_EQ(root.value("setting").toInt(), 63);
  EXPECT_EQ(root.value("dialogsReported").toInt(), 1);
  const QJsonArray dialogs = root.value("dialogs").toArray();
  ASSERT_EQ(dialogs.size(), 2);

  const QJsonObject main = dialogs[0].toObject();
  EXPECT_EQ(main.value("identifier").toString(), QStringLiteral("IDD_MAIN"));
  EXPECT_EQ(main.value("file").toString(), QStringLiteral("target_de.rc"));
  EXPECT_TRUE(main.value("reported").toBool());
  EXPECT_EQ(member(main, "rect").value("width").toInt(), 200);
  const QJsonObject font = member(main, "font");
  EXPECT_EQ(font.value("requested").toString(), QStringLiteral("MS Shell Dlg"));
  EXPECT_FALSE(font.value("used").toString().isEmpty());
  EXPECT_FALSE(font.value("fallback").toBool());
  EXPECT_EQ(font.value("points").toInt(), 8);
  EXPECT_EQ(member(main, "baseUnits").value("x").toInt(), 6);
  EXPECT_EQ(member(main, "baseUnits").value("y").toInt(), 13);

  const QJsonArray controls = main.value("controls").toArray();
  ASSERT_EQ(controls.size(), 4);
  const QStringList classes = {"STATIC", "EDIT", "BUTTON", "BUTTON"};
  for (int i = 0; i < 4; ++i) {
    const QJsonObject control = controls[i].toObject();
    EXPECT_EQ(control.value("class").toString(), classes[i]) << i;
    for (const char *key : {"identifier", "text", "rect", "pixels", "room", "textSize", "findings"})
      EXPECT_TRUE(control.contains(QLatin1String(key))) << i << " " << key;
  }
  const QJsonObject edit = controls[1].toObject();
  EXPECT_TRUE(edit.value("textSize").isNull());
  EXPECT_TRUE(edit.value("findings").toArray().isEmpty());
  const QJsonObject save = controls[2].toObject();
  EXPECT_EQ(save.value("identifier").toString(), QStringLiteral("IDC_SAVE"));
  EXPECT_EQ(save.value("text").toString(), QStringLiteral("Einstellungen &nutzen und speichern"));
  const QJsonObject pixels = member(save, "pixels");
  EXPECT_EQ(QRect(pixels.value("x").toInt(), pixels.value("y").toInt(),
                  pixels.value("width").toInt(), pixels.value("height").toInt()),
            QRect(11, 49, 75, 23));
  EXPECT_EQ(member(save, "room").value("width").toInt(), 71);
  EXPECT_GT(member(save, "textSize").value("width").toInt(), 71);
  QStringList kinds;
  for (const QJsonValue &finding : save.value("findings").toArray())
    kinds.append(finding.toObject().value("kind").toString());
  EXPECT_EQ(kinds, (QStringList{"tooLong", "addedStyles", "removedStyles", "sameAccessKey"}));
  EXPECT_EQ(save.value("findings").toArray()[1].toObject().value("names").toArray(),
            QJsonArray{"BS_CENTER"});

  const QJsonObject fine = dialogs[1].toObject();
  EXPECT_EQ(fine.value("identifier").toString(), QStringLiteral("IDD_FINE"));
  EXPECT_FALSE(fine.value("reported").toBool());
  EXPECT_EQ(fine.value("controls").toArray().size(), 1);
}

TEST_F(ReportCommandTest, BadArgumentsAndUnreadableScriptsExitWithTwo) {
  const QString source = dir.filePath("source.rc");
  const QString target = dir.filePath("target_de.rc");
  const QStringList head{"report", "--source", source, "--source-language", "1033"};
  const struct {
    QStringList arguments;
    const char *error;
  } cases[] = {
      {{"report", "--source", source}, "error: --source and --source-language are required\n"},
      {head + QStringList{"--target", target}, "--target and --target-language go together"},
      {head + QStringList{"--target-language", "1031"},
       "--target and --target-language go together"},
      {head + QStringList{"--setting", "64"}, "error: bad value '64' for --setting\n"},
      {head + QStringList{"--setting", "-1"}, "error: bad value '-1' for --setting\n"},
      {head + QStringList{"--setting", "all"}, "error: bad value 'all' for --setting\n"},
      {head + QStringList{"--format", "xml"},
       "error: bad value 'xml' for --format (text, json, sarif, junit or github)\n"},
      {head + QStringList{"--frobnicate", "1"}, "error: unknown option --frobnicate\n"},
      {{"report", "--source", dir.filePath("none.rc"), "--source-language", "1033"},
       "It is not possible open file"},
      {head + QStringList{"--target", dir.filePath("none_de.rc"), "--target-language", "1031"},
       "It is not possible open file"},
      {head + QStringList{"--target", dir.filePath("broken_de.rc"), "--target-language", "1031"},
       "is not valid resource file."},
  };
  for (const auto &c : cases) {
    const CliRun result = test::runCli(c.arguments);
    const std::string label = c.arguments.join(u' ').toStdString();
    EXPECT_EQ(result.status, 2) << label;
    EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.error)))
        << label << ": " << result.err.toStdString();
    EXPECT_EQ(result.out, "") << label;
  }
}

// Dialogs no program should have are reported, never a crash.
TEST_F(ReportCommandTest, AbsurdDialogsAreReported) {
  QString controls;
  for (int i = 0; i < 300; ++i)
    controls += QStringLiteral("    PUSHBUTTON \"&Knopf %1\",%2,%3,%4,44,12\n")
                    .arg(i)
                    .arg(1000 + i)
                    .arg(i % 10 * 45)
                    .arg(i / 10 * 14);
  const QString caption(10000, u'C');
  const QString longClass(200, u'K');
  const QString script =
      QStringLiteral("LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
                     "IDD_EMPTY DIALOGEX 0, 0, 100, 50\nBEGIN\nEND\n"
                     "IDD_SIZES DIALOGEX 0, 0, 0, -20\nBEGIN\n"
                     "    LTEXT \"Zero\",IDC_A,0,0,0,0\n"
                     "    LTEXT \"Negative\",IDC_B,-10,-10,-40,-8\n"
                     "    LTEXT \"Far\",IDC_C,2147483647,2147483647,2147483647,2147483647\n"
                     "END\n"
                     "IDD_MANY DIALOGEX 0, 0, 450, 430\nBEGIN\n%1END\n"
                     "IDD_TINY DIALOGEX 0, 0, 100, 50\nFONT 0, \"MS Shell Dlg\"\nBEGIN\n"
                     "    LTEXT \"Text\",IDC_A,5,5,50,8\nEND\n"
                     "IDD_HUGE DIALOGEX 0, 0, 100, 50\nFONT 200, \"MS Shell Dlg\"\nBEGIN\n"
                     "    LTEXT \"Text\",IDC_A,5,5,50,8\nEND\n"
                     "IDD_NOFACE DIALOGEX 0, 0, 100, 50\nFONT 8, \"No Such Face Anywhere\"\n"
                     "BEGIN\n    LTEXT \"Text\",IDC_A,5,5,50,8\nEND\n"
                     "IDD_CLASS DIALOGEX 0, 0, 100, 50\nBEGIN\n"
                     "    CONTROL \"Text\",IDC_A,\"%2\",0,5,5,50,8\nEND\n"
                     "IDD_CAPTION DIALOGEX 0, 0, 100, 50\nCAPTION \"%3\"\nBEGIN\n"
                     "    LTEXT \"Text\",IDC_A,5,5,50,8\nEND\n")
          .arg(controls, longClass, caption);
  const QString path = dir.filePath("absurd.rc");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(script.toLatin1());
  file.close();
  const CliRun result =
      test::runCli({"report", "--source", path, "--source-language", "1033", "--format", "json"});
  ASSERT_TRUE(result.status == 0 || result.status == 1)
      << result.status << result.err.toStdString();
  QJsonParseError error;
  const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  const QJsonArray dialogs = root.value("dialogs").toArray();
  ASSERT_EQ(dialogs.size(), 8);
  QHash<QString, QJsonObject> byName;
  for (const QJsonValue &dialog : dialogs)
    byName.insert(dialog.toObject().value("identifier").toString(), dialog.toObject());
  EXPECT_TRUE(byName["IDD_EMPTY"].value("controls").toArray().isEmpty());
  EXPECT_EQ(byName["IDD_SIZES"].value("controls").toArray().size(), 3);
  EXPECT_EQ(byName["IDD_MANY"].value("controls").toArray().size(), 300);
  EXPECT_EQ(member(byName["IDD_TINY"], "font").value("points").toInt(), 0);
  EXPECT_GT(member(byName["IDD_TINY"], "baseUnits").value("x").toInt(), 0);
  EXPECT_EQ(member(byName["IDD_HUGE"], "font").value("points").toInt(), 200);
  EXPECT_GT(member(byName["IDD_HUGE"], "baseUnits").value("y").toInt(), 100);
  EXPECT_TRUE(member(byName["IDD_NOFACE"], "font").value("fallback").toBool());
  EXPECT_FALSE(member(byName["IDD_MANY"], "font").value("fallback").toBool());
  EXPECT_EQ(byName["IDD_CLASS"].value("controls").toArray()[0].toObject().value("class"),
            QStringLiteral("STATIC"));
  // A text in a control without room is too long.
  EXPECT_TRUE(result.out.contains(QStringLiteral("\"kind\": \"tooLong\"")));
  // The source reported against itself: every "&Knopf" shares the key K.
  const QJsonArray many = byName["IDD_MANY"].value("controls").toArray();
  EXPECT_EQ(many[299].toObject().value("findings").toArray()[0].toObject().value("text"),
            QStringLiteral("Same access key as 1000!"));
}

TEST_F(ReportCommandTest, HelpDescribesTheCommand) {
  const CliRun result = test::runCli({"--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.out.contains("  report --source S --source-language N [--target T"));
}

} // namespace
} // namespace tarvelo
