// The program's one help window on the HTML topics in the resources.
#include "options/help_window.h"

#include "options/help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

// The topics are compiled into the static library, which registers nothing by itself.
static void initHelpResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(help);
    return true;
  }();
  Q_UNUSED(done);
}

namespace tarvelo::gui {

namespace {

const QString kContents = QStringLiteral("index.html");
const QString kEnglishTopics = QStringLiteral("help");

QPointer<HelpWindow> &theWindow() {
  static QPointer<HelpWindow> window;
  return window;
}

// The topics of the user interface's language: its translation names their folder in
// the resources, as a translated resource names the help file of its language. A folder
// that is not one of ours, or lacks the contents, leaves the English topics.
QString topicFolder() {
  const QString folder = QCoreApplication::translate(
      "tarvelo::gui::HelpWindow", "help",
      "The folder of the help topics in the resources: help/de for the German topics.");
  static const QRegularExpression ours(QStringLiteral("^help/[a-z]{2,3}$"));
  return ours.match(folder).hasMatch() && QFile::exists(u':' + folder + u'/' + kContents)
             ? folder
             : kEnglishTopics;
}

// Topics are file names; anything with a path in it is no topic of ours.
bool topicIn(const QString &folder, const QString &topic) {
  return !topic.isEmpty() && !topic.contains(u'/') && QFile::exists(u':' + folder + u'/' + topic);
}

bool topicExists(const QString &topic) {
  return topicIn(kEnglishTopics, topic);
}

// The page of a topic in the interface's language, or in English when it has none.
QUrl topicUrl(const QString &topic) {
  const QString folder = topicFolder();
  return QUrl(QStringLiteral("qrc:/") + (topicIn(folder, topic) ? folder : kEnglishTopics) + u'/' +
              topic);
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
  initHelpResources();
  setWindowTitle(tr("Tarvelo Help"));
  m_browser = new QTextBrowser(this);
  m_browser->setOpenLinks(true);
  // Web and mail links go to the desktop; topics stay in the window.
  m_browser->setOpenExternalLinks(true);
  m_note = new QLabel(this);
  m_note->setWordWrap(true);
  m_note->hide();

  auto makeButton = [this](QStyle::StandardPixmap icon, const QString &text) {
    auto *button = new QToolButton(this);
    button->setIcon(style()->standardIcon(icon));
    button->setText(text);
    button->setToolTip(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
  };
  m_back = makeButton(QStyle::SP_ArrowBack, tr("Back"));
  m_forward = makeButton(QStyle::SP_ArrowForward, tr("Forward"));
  m_home = makeButton(QStyle::SP_DirHomeIcon, tr("Contents"));
  connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_home, &QToolButton::clicked, this, [this] { showTopic(QString()); });
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateHeader);
  m_back->setEnabled(false);
  m_forward->setEnabled(false);

  auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);

  auto *bar = new QHBoxLayout;
  bar->addWidget(m_back);
  bar->addWidget(m_forward);
  bar->addWidget(m_home);
  bar->addStretch(1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(m_note);
  layout->addWidget(m_browser, 1);

  const int unit = fontMetrics().averageCharWidth();
  resize(unit * 90, fontMetrics().height() * 36);
}

HelpWindow *HelpWindow::instance() {
  return theWindow();
}

HelpWindow *HelpWindow::ensureInstance() {
  QPointer<HelpWindow> &window = theWindow();
  if (!window) {
    window = new HelpWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  return window;
}

void HelpWindow::showTopic(const QString &topic) {
  const bool exists = topicExists(topic);
  m_browser->setSource(topicUrl(exists ? topic : kContents));
  // After setSource, which hides the note of an earlier missing topic.
  if (!topic.isEmpty() && !exists) {
    m_note->setText(
        tr("There is no help topic \"%1\". These are the topics there are:").arg(topic));
    m_note->show();
  }
}

QString HelpWindow::currentTopic() const {
  return m_browser->source().fileName();
}

void HelpWindow::updateHeader() {
  m_note->hide();
  const QString title = m_browser->documentTitle();
  setWindowTitle(title.isEmpty() ? tr("Tarvelo Help") : tr("Tarvelo Help - %1").arg(title));
}

void showHelp(QWidget *from, const QString &topic) {
  HelpWindow *window = HelpWindow::ensureInstance();
  window->showTopic(topic);
  if (from && !window->isVisible()) {
    // Open beside the asking window rather than wherever the system puts it.
    const QRect area = from->window()->frameGeometry();
    window->move(area.topLeft() + QPoint(area.width() / 8, area.height() / 8));
  }
  // Help asked for from a modal dialog must not be blocked by that dialog: as its
  // transient the window takes input while the dialog runs. Whether a window is
  // blocked is settled when it is shown, so the parent is set before.
  QWidget *modal = QApplication::activeModalWidget();
  QWindow *owner = modal && modal != window ? modal->windowHandle() : nullptr;
  window->winId(); // creates the window handle
  QWindow *handle = window->windowHandle();
  if (handle && handle->transientParent() != owner) {
    window->hide();
    handle->setTransientParent(owner);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace tarvelo::gui
