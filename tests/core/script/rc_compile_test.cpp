// A new target written from a script that a resource compiler accepts compiles too,
// and holds the source's resources in the new language with the same dialogs and
// every translation in its place.
#include "script/after_read.h"
#include "support/rc_compiler.h"
#include "support/res_file.h"
#include "support/script_harness.h"
#include "text/code_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

QString dataDir() {
  return QStringLiteral(TARVELO_TEST_DATA "/rc_compile");
}

QByteArray compile(const QString &script, const QString &outFolder, int codePage, QString &error) {
  return test::compileScript(script, {dataDir() + "/include", dataDir()}, codePage, outFolder,
                             error);
}

// A text as the compiler stores it: its escapes decoded.
QString compiledText(const QString &text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const QChar c = text[++i];
    out += c == u't' ? QChar(u'\t') : c == u'n' ? QChar(u'\n') : c;
  }
  return out;
}

QString wideText(const QByteArray &data) {
  return QString::fromUtf16(reinterpret_cast<const char16_t *>(data.constData()), data.size() / 2);
}

struct Compiled {
  QList<test::CompiledResource> source, target;
  QStringList translations; // every translated text as the compiler stores it
};

// Reads the script as English, translates every text, writes a new target in the
// language, reads it back as the target (every text must land on its item) and
// compiles both.
void translateAndCompile(const QString &scriptPath, int targetLanguage, int targetCodePage,
                         Compiled &out, const QString &prefix = u"\u00dc "_qs) {
  QTemporaryDir dir;
  test::Workspace ws;
  QFile sourceFile(scriptPath);
  ASSERT_TRUE(sourceFile.open(QIODevice::ReadOnly));
  const QByteArray source = sourceFile.readAll();
  ASSERT_EQ(ws.readSource(source, 1033), ScriptResult::Ok)
      << ws.prompter.messages.join(u'\n').toStdString();
  Task *task = ws.tasks.head();
  bool clear = false;
  AfterReadContext context{&ws.entries, &ws.prompter, QString(), &clear};
  afterTargetRead(task, context);
  for (const auto &entry : ws.entries)
    if (entry->isTranslatable() && !entry->sourceText.isEmpty()) {
      entry->targetText = prefix + entry->sourceText + u" \"x\""_qs;
      out.translations << compiledText(prefix + entry->sourceText + u" \"x\""_qs);
    }

  ScriptFile sourceScript;
  sourceScript.openData(source);
  ScriptFile target;
  target.create(sourceScript.encoding());
  ResourceScript writer(ws.context());
  ASSERT_EQ(writer.write(task, targetLanguage, target, WriteContext(), false, &sourceScript),
            ScriptResult::Ok);
  const QString targetPath = dir.filePath("target.rc");
  ASSERT_TRUE(target.saveTo(targetPath));

  // Read back, the target gives every item its translation.
  test::Workspace back;
  ASSERT_EQ(back.readSource(source, 1033), ScriptResult::Ok);
  ASSERT_EQ(back.readTarget(target.data(), targetLanguage), ScriptResult::Ok);
  for (const auto &entry : back.entries) {
    if (!entry->isTranslatable() || entry->sourceText.isEmpty())
      continue;
    EXPECT_EQ(entry->targetText.toStdString(),
              (prefix + entry->sourceText + u" \"x\""_qs).toStdString())
        << entry->kind.toStdString() << " " << entry->identifier.toStdString();
  }

  QString error;
  // Each compiled file is read before the next compile reuses the output name.
  const QByteArray sourceRes = compile(scriptPath, dir.path(), 1252, error);
  ASSERT_FALSE(sourceRes.isEmpty()) << error.toStdString();
  out.source = test::readResFile(sourceRes);
  const QByteArray targetRes = compile(targetPath, dir.path(), targetCodePage, error);
  ASSERT_FALSE(targetRes.isEmpty()) << error.toStdString() << target.data().toStdString();
  out.target = test::readResFile(targetRes);
}

// The same resources in the new language; dialogs with the same layout, accelerators
// as they were, and every translation in the texts.
void expectSameResources(const Compiled &compiled, quint16 targetLanguage, int codePage) {
  const QList<test::CompiledResource> &before = compiled.source;
  const QList<test::CompiledResource> &after = compiled.target;
  ASSERT_EQ(before.size(), after.size());
  QString texts;
  for (qsizetype i = 0; i < before.size(); ++i) {
    SCOPED_TRACE(before[i].type.toStdString() + " " + before[i].name.toStdString());
    EXPECT_EQ(after[i].type, before[i].type);
    EXPECT_EQ(after[i].name, before[i].name);
    EXPECT_EQ(before[i].language, 0x0409);
    EXPECT_EQ(after[i].language, targetLanguage);
    if (before[i].type == QLatin1String("#5")) // dialogs
      EXPECT_EQ(test::dialogGeometry(after[i].data).toStdString(),
                test::dialogGeometry(before[i].data).toStdString());
    else if (before[i].type == QLatin1String("#9")) // accelerators are kept verbatim
      EXPECT_EQ(after[i].data, before[i].data);
    else if (before[i].type == QLatin1String("#16")) { // versions name the new language
      const QString block = QStringLiteral("%1").arg(targetLanguage, 4, 16, QLatin1Char('0'));
      EXPECT_TRUE(wideText(after[i].data).contains(block + "04b0"));
      const char translation[] = {char(targetLanguage & 0xff), char(targetLanguage >> 8),
                                  char(0xb0), char(0x04)};
      EXPECT_TRUE(after[i].data.contains(QByteArray(translation, 4)));
    }
    // Combo-box strings are bytes of the code page.
    const bool bytes = before[i].type == QLatin1String("#240") || before[i].type == "DLGINIT";
    texts += bytes ? CodePage::toUtf16(after[i].data, codePage) : wideText(after[i].data);
  }
  // Menus, dialogs and string tables keep their texts in UTF-16; a quote the
  // translation holds is stored once.
  for (const QString &translation : compiled.translations)
    EXPECT_TRUE(texts.contains(translation)) << translation.toStdString();
}

TEST(RcCompile, NewTargetCompilesWithTheSourcesResources) {
  Compiled compiled;
  translateAndCompile(dataDir() + "/app.rc", 1031, 1252, compiled);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_GE(compiled.source.size(), 5);
  expectSameResources(compiled, 0x0407, 1252);
}

// One script per construct the resource compiler accepts.
class ConstructCompile : public ::testing::TestWithParam<std::string> {};

TEST_P(ConstructCompile, NewTargetCompilesWithTheSourcesResources) {
  Compiled compiled;
  translateAndCompile(dataDir() + "/constructs/" + QString::fromStdString(GetParam()), 1031, 1252,
                      compiled);
  ASSERT_FALSE(HasFatalFailure());
  expectSameResources(compiled, 0x0407, 1252);
}

std::vector<std::string> constructNames() {
  std::vector<std::string> names;
  for (const QString &name : QDir(dataDir() + "/constructs").entryList({"*.rc"}, QDir::Files))
    names.push_back(name.toStdString());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ConstructCompile, ::testing::ValuesIn(constructNames()),
                         test::FileTestName());

// A language without an ANSI code page: the new target is UTF-8, and the compiler
// reading it as UTF-8 finds every letter.
TEST(RcCompile, TargetWithoutAnsiCodePageKeepsItsLetters) {
  Compiled compiled;
  translateAndCompile(dataDir() + "/app.rc", 1081, 65001, compiled, u"\u0939\u093f "_qs);
  ASSERT_FALSE(HasFatalFailure());
  expectSameResources(compiled, 1081, 65001);
}

} // namespace
} // namespace tarvelo
