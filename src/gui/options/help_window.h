// The program's one help window on the HTML topics in the resources.
#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QTextBrowser;
class QToolButton;

namespace tarvelo::gui {

// The program's one help window: the topics are HTML pages in the resources under
// ":/help", one per window of the program, with "index.html" as the contents.
class HelpWindow : public QWidget {
  Q_OBJECT
public:
  explicit HelpWindow(QWidget *parent = nullptr);

  // The window, created on first use; null before.
  static HelpWindow *instance();
  static HelpWindow *ensureInstance();

  // Shows a topic ("start.html"); an empty topic shows the contents. A topic that
  // does not exist shows the contents with a note saying so.
  void showTopic(const QString &topic);
  QString currentTopic() const;
  QTextBrowser *browser() const { return m_browser; }

private:
  void updateHeader();

  QTextBrowser *m_browser;
  QLabel *m_note;
  QToolButton *m_back, *m_forward, *m_home;
};

} // namespace tarvelo::gui
