// Translations that could break the target: a backslash before the closing quote, line
// ends, quotes and every other control character are written so that the resource
// compiler accepts the target and stores the text, and our reader reads it back.
#include "script/after_read.h"
#include "support/rc_compiler.h"
#include "support/res_file.h"
#include "support/script_harness.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// The texts, with the name each is tried under.
QList<std::pair<QString, QString>> awkwardTexts() {
  QList<std::pair<QString, QString>> texts{
      {"backslash at the end", QStringLiteral("C:\\temp\\")},
      {"two backslashes at the end", QStringLiteral("share\\\\")},
      {"line feed", QStringLiteral("first line\nsecond line")},
      {"carriage return and line feed", QStringLiteral("first\r\nsecond")},
      {"quote", QStringLiteral("say \"hi\"")},
      {"tab", QStringLiteral("name\tvalue")},
      {"typed escapes", QStringLiteral("typed \\n and \\t stay escapes")},
      {"delete", QStringLiteral("a") + QChar(0x7F) + QStringLiteral("b")},
  };
  for (char16_t c = 1; c < 0x20; ++c)
    if (c != u'\t' && c != u'\n' && c != u'\r')
      texts.append({QStringLiteral("control %1").arg(int(c)),
                    QStringLiteral("a") + QChar(c) + QStringLiteral("9")});
  return texts;
}

// What the compiler stores for a text the translator wrote: escapes typed in the
// text are read as the compiler reads them.
QString storedByTheCompiler(const QString &text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const QChar next = text[++i];
    out += next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : next;
  }
  return out;
}

// A text as it stands between the quotes once written, quotes as single ones: line
// ends as escapes, other control characters as octal escapes.
QString asWritten(const QString &text) {
  QString out;
  for (const QChar c : text) {
    if (c == u'\n')
      out += QStringLiteral("\\n");
    else if (c == u'\r')
      out += QStringLiteral("\\r");
    else if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F)
      out += QStringLiteral("\\%1").arg(c.unicode(), 3, 8, QLatin1Char('0'));
    else
      out += c;
  }
  return out;
}

// The strings of the compiled string tables, by identifier.
QMap<int, QString> compiledStrings(const QList<test::CompiledResource> &resources) {
  QMap<int, QString> strings;
  for (const test::CompiledResource &resource : resources) {
    if (resource.type != QLatin1String("#6"))
      continue;
    const int block = resource.name.mid(1).toInt() - 1;
    const auto *units = reinterpret_cast<const char16_t *>(resource.data.constData());
    qsizetype at = 0;
    for (int i = 0; i < 16 && at < resource.data.size() / 2; ++i) {
      const int length = units[at++];
      if (length > 0)
        strings.insert(block * 16 + i, QString::fromUtf16(units + at, length));
      at += length;
    }
  }
  return strings;
}

TEST(AwkwardLiterals, EveryTextCompilesAndReadsBack) {
  const QList<std::pair<QString, QString>> texts = awkwardTexts();
  QByteArray source = "LANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n";
  for (int i = 0; i < texts.size(); ++i)
    source += "    " + QByteArray::number(100 + i) + " \"source " + QByteArray::number(i) + "\"\n";
  source += "END\n\n1 MENU\nBEGIN\n    MENUITEM \"Open\", 10\nEND\n\n"
            "2 DIALOGEX 0, 0, 100, 40\nCAPTION \"About\"\nBEGIN\n"
            "    LTEXT \"Name\", 20, 5, 5, 90, 8\nEND\n";
  test::Workspace ws;
  ASSERT_EQ(ws.readSource(source, 1033), ScriptResult::Ok);
  Task *task = ws.tasks.head();
  bool clear = false;
  AfterReadContext afterRead{&ws.entries, &ws.prompter, QString(), &clear};
  afterTargetRead(task, afterRead);
  // Every string, the menu item and the dialog's text get an awkward text each.
  QStringList given;
  int next = 0;
  for (const auto &entry : ws.entries)
    if (entry->isTranslatable() && !entry->sourceText.isEmpty()) {
      entry->targetText = texts[next % texts.size()].second;
      given << entry->targetText;
      ++next;
    }
  ScriptFile sourceFile;
  sourceFile.openData(source);
  ScriptFile target;
  target.create(ScriptFile::Ansi);
  ResourceScript writer(ws.context());
  ASSERT_EQ(writer.write(task, 1031, target, WriteContext(), false, &sourceFile), ScriptResult::Ok);

  // The compiler accepts it and stores each text.
  QTemporaryDir dir;
  ASSERT_TRUE(target.saveTo(dir.filePath("target.rc")));
  QString error;
  const QByteArray res =
      test::compileScript(dir.filePath("target.rc"), {}, 1252, dir.path(), error);
  ASSERT_FALSE(res.isEmpty()) << error.toStdString() << "\n" << target.data().toStdString();
  const QMap<int, QString> compiled = compiledStrings(test::readResFile(res));
  for (int i = 0; i < texts.size(); ++i) {
    const QString stored = compiled.value(100 + i);
    const QString expected = storedByTheCompiler(texts[i].second);
    // A lone backslash before the closing quote makes llvm-rc store one unit read from
    // beyond the literal (a different one each run); what comes before it must be right,
    // and the strings after it must not be swallowed.
    if (texts[i].second.endsWith(u'\\') && !texts[i].second.endsWith(QLatin1String("\\\\")))
      EXPECT_EQ(stored.left(expected.size()), expected) << texts[i].first.toStdString();
    else
      EXPECT_EQ(stored, expected) << texts[i].first.toStdString();
  }

  // Our reader reads back what was written, escapes as written.
  test::Workspace back;
  ASSERT_EQ(back.readSource(source, 1033), ScriptResult::Ok);
  ASSERT_EQ(back.readTarget(target.data(), 1031), ScriptResult::Ok)
      << back.prompter.messages.join(u'\n').toStdString();
  int checked = 0;
  for (const auto &entry : back.entries)
    if (entry->isTranslatable() && !entry->sourceText.isEmpty()) {
      EXPECT_EQ(entry->targetText, asWritten(given[checked])) << entry->identifier.toStdString();
      ++checked;
    }
  EXPECT_EQ(checked, given.size());
}

} // namespace
} // namespace tarvelo
