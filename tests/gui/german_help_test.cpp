// The help speaks the user interface's language: every topic has a German page of the
// same name, the German pages are German and link among themselves, and with the German
// translation installed F1 opens them.
#include "app/gui_resources.h"
#include "app/ui_language.h"
#include "options/help.h"
#include "options/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <gtest/gtest.h>

namespace tarvelo::gui {
namespace {

// The topics of the English help, by their file names: the anchors F1 opens.
QStringList topics(const QString &folder) {
  return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString page(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString titleOf(const QString &html) {
  static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
  return title.match(html).captured(1);
}

// The running text of a page: without markup, and without code and key names, which
// stay as the script and the keyboard have them.
QString proseOf(QString html) {
  static const QRegularExpression literal(
      QStringLiteral("<code>.*?</code>|<span class=\"key\">.*?</span>|<head>.*?</head>"),
      QRegularExpression::DotMatchesEverythingOption);
  html.remove(literal);
  return QTextDocumentFragment::fromHtml(html).toPlainText();
}

class GermanHelp : public ::testing::Test {
protected:
  void SetUp() override { initGuiResources(); }
  const QString english = QStringLiteral(":/help");
  const QString german = QStringLiteral(":/help/de");
};

TEST_F(GermanHelp, EveryTopicHasAGermanPageOfTheSameName) {
  const QStringList englishTopics = topics(english);
  EXPECT_EQ(englishTopics.size(), 24); // the 23 topics and the contents
  EXPECT_EQ(topics(german), englishTopics);
  for (const QString &topic : englishTopics) {
    const QString englishPage = page(english + u'/' + topic);
    const QString germanPage = page(german + u'/' + topic);
    EXPECT_TRUE(germanPage.contains(QLatin1String("<html lang=\"de\">"))) << topic.toStdString();
    EXPECT_FALSE(titleOf(germanPage).isEmpty()) << topic.toStdString();
    EXPECT_NE(titleOf(germanPage), titleOf(englishPage)) << topic.toStdString();
    // Every paragraph and list item is written anew.
    EXPECT_NE(proseOf(germanPage), proseOf(englishPage)) << topic.toStdString();
  }
}

TEST_F(GermanHelp, GermanPagesLinkToGermanPagesThatExist) {
  static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.html)\""));
  for (const QString &topic : topics(german)) {
    const QString html = page(german + u'/' + topic);
    for (auto it = link.globalMatch(html); it.hasNext();) {
      const QString target = it.next().captured(1);
      EXPECT_TRUE(QFile::exists(german + u'/' + target))
          << topic.toStdString() << " links to " << target.toStdString();
    }
  }
}

// Words that only English running text uses: a page that still holds one was not
// translated there.
TEST_F(GermanHelp, NoEnglishIsLeftInTheRunningText) {
  static const QSet<QString> english = {
      QStringLiteral("the"),   QStringLiteral("and"),   QStringLiteral("you"),
      QStringLiteral("your"),  QStringLiteral("with"),  QStringLiteral("of"),
      QStringLiteral("is"),    QStringLiteral("are"),   QStringLiteral("to"),
      QStringLiteral("for"),   QStringLiteral("this"),  QStringLiteral("that"),
      QStringLiteral("when"),  QStringLiteral("which"), QStringLiteral("item"),
      QStringLiteral("items"), QStringLiteral("click"), QStringLiteral("choose")};
  static const QRegularExpression words(QStringLiteral("[\\p{L}]+"));
  for (const QString &topic : topics(german)) {
    QStringList found;
    const QString prose = proseOf(page(german + u'/' + topic));
    for (auto it = words.globalMatch(prose); it.hasNext();) {
      const QString word = it.next().captured(0);
      if (english.contains(word.toLower()))
        found.append(word);
    }
    EXPECT_TRUE(found.isEmpty()) << topic.toStdString() << ": " << found.join(u' ').toStdString();
  }
}

// With the German translation F1 opens the German page of the window's topic, and the
// window's title is German; without it, the English page.
TEST_F(GermanHelp, TheHelpWindowShowsTheTopicsOfTheInterfacesLanguage) {
  QTranslator own, qt;
  ASSERT_TRUE(installUserInterfaceLanguage(1031, QStringLiteral(TARVELO_BIN_DIR), own, qt));
  for (const QString &topic : topics(english)) {
    showHelp(nullptr, topic);
    HelpWindow *window = HelpWindow::instance();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->browser()->source(), QUrl(QStringLiteral("qrc:/help/de/") + topic));
    EXPECT_EQ(window->currentTopic(), topic);
  }
  showHelp(nullptr, QStringLiteral("start.html"));
  HelpWindow *window = HelpWindow::instance();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Tarvelo-Hilfe - Ressourcen öffnen"));
  // The contents are German too, and a topic that does not exist shows them.
  showHelp(nullptr, QStringLiteral("nothing.html"));
  EXPECT_EQ(window->browser()->source(), QUrl(QStringLiteral("qrc:/help/de/index.html")));
  window->resize(760, 560);
  QApplication::processEvents();
  const QByteArray folder = qgetenv("TARVELO_SCREENSHOTS");
  if (!folder.isEmpty()) {
    showHelp(nullptr, QStringLiteral("report.html"));
    QApplication::processEvents();
    EXPECT_TRUE(
        window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/help-german.png")));
  }

  QCoreApplication::removeTranslator(&own);
  QCoreApplication::removeTranslator(&qt);
  showHelp(nullptr, QStringLiteral("start.html"));
  EXPECT_EQ(window->browser()->source(), QUrl(QStringLiteral("qrc:/help/start.html")));
  window->close();
}

} // namespace
} // namespace tarvelo::gui
