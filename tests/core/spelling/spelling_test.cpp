// Spell checking must look only at the words a translator wrote, never at the markup
// the program interprets, and must find the dictionary a language's tag calls for.
#include "spelling/dictionary_files.h"
#include "spelling/spell_checker.h"
#include "spelling/spell_service.h"
#include "spelling/spell_words.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Failure messages show texts as text.
[[maybe_unused]] static std::ostream &operator<<(std::ostream &out, const QString &text) {
  return out << text.toStdString();
}

namespace tarvelo {
namespace {

QString fixtures() {
  return QStringLiteral(TARVELO_TEST_DATA "/spelling");
}

DictionaryFiles smallDictionary() {
  return {QStringLiteral("en_US"), fixtures() + "/en_US.aff", fixtures() + "/en_US.dic"};
}

// The words of a text as "word@start-end", comma-separated.
QString wordsOf(const QList<SpellWord> &words) {
  QStringList out;
  for (const SpellWord &w : words)
    out << QStringLiteral("%1@%2-%3").arg(w.word).arg(w.start).arg(w.end);
  return out.join(u", ");
}

TEST(SpellWordsTest, SkipsMarkupAndWordsNotWorthChecking) {
  const struct {
    const char16_t *text;
    const char *words;
  } cases[] = {
      {u"Open file", "Open@0-4, file@5-9"},
      {u"E&xit", "Exit@0-5"},
      {u"&Open", "Open@0-5"},
      {u"Save && close", "Save@0-4, close@8-13"},
      {u"%s files", "files@3-8"},
      {u"Deleted %d%%\\nDone", "Deleted@0-7, Done@14-18"},
      {u"\\tTab", "Tab@2-5"},
      {u"&Open...\\tCtrl+O", "Open@0-5"}, // the shortcut is no text
      {u"Win32 OK NTFS x a", ""},         // digits, capitals, single letters
      {u"don't e-mail -dash", "don't@0-5, e-mail@6-12, dash@14-18"},
      {u"\u00dcber Stra\u00dfe", "\u00dcber@0-4, Stra\u00dfe@5-11"},
      {u"\\x41bc Hello", "Hello@7-12"}, // hexadecimal escapes take every digit
      {u"%1!s! Kopien", "Kopien@6-12"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(wordsOf(spellWords(QString::fromUtf16(c.text))), QString::fromUtf8(c.words))
        << QString::fromUtf16(c.text);
}

TEST(DictionaryFilesTest, FindsTheDictionaryOfALocaleTag) {
  QTemporaryDir first, second;
  const auto make = [](const QTemporaryDir &dir, const QString &name) {
    for (const char *extension : {".aff", ".dic"}) {
      QFile file(dir.filePath(name + extension));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
  };
  for (const char *name : {"de_AT", "de_DE", "fr", "fr_CA", "en_US", "en_AU", "pt_BR"})
    make(first, name);
  make(second, "de_CH");
  QFile lone(first.filePath("it_IT.aff")); // no word file: no dictionary
  ASSERT_TRUE(lone.open(QIODevice::WriteOnly));
  const QStringList folders = {first.path(), second.path()};
  const struct {
    const char *tag, *name;
  } cases[] = {
      {"de-DE", "de_DE"}, {"de-CH", "de_CH"}, {"de-LI", "de_DE"}, {"de", "de_DE"},
      {"fr-CA", "fr_CA"}, {"fr-BE", "fr"},    {"en-GB", "en_AU"}, {"pt-PT", "pt_BR"},
      {"it-IT", ""},      {"ja-JP", ""},      {"", ""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(findDictionary(c.tag, folders).name, c.name) << c.tag;
  EXPECT_EQ(findDictionary("de-CH", folders).words, QDir(second.path()).filePath("de_CH.dic"));
}

TEST(SpellCheckerTest, ListsUnknownWordsWithSuggestions) {
  QString error;
  auto checker = SpellChecker::open(smallDictionary(), QString(), &error);
  ASSERT_TRUE(checker) << error;
  EXPECT_EQ(wordsOf(checker->misspelt(u"&Open the filez in windws, %s\\nSave folders"_qs)),
            "filez@10-15, windws@19-25");
  EXPECT_TRUE(checker->isCorrect("windows"));
  EXPECT_FALSE(checker->isCorrect("windws"));
  EXPECT_TRUE(checker->suggestions("windws").contains("windows"));
  EXPECT_TRUE(checker->suggestions("filez").contains("files"));
}

TEST(SpellCheckerTest, AddedWordsAreKeptInTheUserDictionary) {
  QTemporaryDir dir;
  const QString user = dir.filePath("settings/dictionary-en-US.txt");
  QString error;
  auto checker = SpellChecker::open(smallDictionary(), user, &error);
  ASSERT_TRUE(checker) << error;
  EXPECT_FALSE(checker->isCorrect("Tarvelo"));
  ASSERT_TRUE(checker->addToDictionary("Tarvelo"));
  ASSERT_TRUE(checker->addToDictionary("Kestrine"));
  EXPECT_TRUE(checker->isCorrect("Tarvelo"));
  QFile file(user);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "Tarvelo\nKestrine\n");

  auto again = SpellChecker::open(smallDictionary(), user, &error);
  ASSERT_TRUE(again);
  EXPECT_TRUE(again->misspelt(u"Tarvelo and Kestrine"_qs).size() == 1); // "and" only

  // A file that cannot be written says so; the word still counts for the run.
  auto unwritable = SpellChecker::open(smallDictionary(),
                                       dir.filePath("settings/dictionary-en-US.txt/x"), &error);
  ASSERT_TRUE(unwritable);
  EXPECT_FALSE(unwritable->addToDictionary("Qux"));
  EXPECT_TRUE(unwritable->isCorrect("Qux"));
}

TEST(SpellCheckerTest, ADictionaryThatCannotBeReadIsReported) {
  QString error;
  EXPECT_FALSE(
      SpellChecker::open({"none", "/nonexistent.aff", "/nonexistent.dic"}, QString(), &error));
  EXPECT_TRUE(error.contains("/nonexistent.dic")) << error;
  EXPECT_FALSE(SpellChecker::open(DictionaryFiles(), QString(), &error));
}

TEST(SpellCheckerTest, ChecksGermanWithTheInstalledDictionary) {
  const DictionaryFiles files = findDictionary("de-DE", dictionaryFolders());
  ASSERT_FALSE(files.isNull()) << "the German Hunspell dictionary is not installed";
  QString error;
  auto checker = SpellChecker::open(files, QString(), &error);
  ASSERT_TRUE(checker) << error;
  EXPECT_EQ(wordsOf(checker->misspelt(u"&Datei \u00f6ffnen\\tStrg+O"_qs)), "");
  EXPECT_EQ(wordsOf(checker->misspelt(u"%d Dateien wurden gel\u00f6scht, Dattei fehlt."_qs)),
            "Dattei@28-34");
  EXPECT_TRUE(checker->suggestions("Dattei").contains("Datei"));
  EXPECT_TRUE(checker->isCorrect(u"Stra\u00dfe"_qs));
}

TEST(SpellServiceTest, LoadsOffTheUserInterfaceThreadAndSaysWhenThereIsNone) {
  QTemporaryDir dir;
  SpellService service({fixtures()},
                       [&](const QString &tag) { return dir.filePath(tag + ".txt"); });
  int changes = 0;
  QObject::connect(&service, &SpellService::checkerChanged, [&] { ++changes; });

  service.useLanguage(1033);
  // Nothing is misspelt while the dictionary loads.
  EXPECT_TRUE(service.isLoading());
  EXPECT_FALSE(service.misspelt("windws"));
  service.waitForLoad();
  ASSERT_TRUE(service.checker());
  EXPECT_EQ(service.checker()->name(), "en_US");
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(service.misspelt("Open the windws"));
  EXPECT_FALSE(service.misspelt("Open the windows"));
  EXPECT_FALSE(service.misspelt(""));
  ASSERT_TRUE(service.checker()->addToDictionary("windws"));
  EXPECT_TRUE(QFile::exists(dir.filePath("en-US.txt")));

  service.useLanguage(1033); // the same language: nothing to do
  EXPECT_EQ(changes, 2);

  service.useLanguage(1041); // no Japanese dictionary among the fixtures
  EXPECT_FALSE(service.checker());
  EXPECT_FALSE(service.isLoading());
  EXPECT_TRUE(service.missingText().contains("There is no dictionary for"))
      << service.missingText();
  EXPECT_FALSE(service.misspelt("windws"));

  // A language whose load is overtaken by another never installs its checker.
  service.useLanguage(1033);
  service.useLanguage(1041);
  service.waitForLoad();
  EXPECT_FALSE(service.checker());
  EXPECT_EQ(service.language(), 1041);
}

} // namespace
} // namespace tarvelo
