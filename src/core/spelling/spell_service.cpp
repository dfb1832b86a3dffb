// Loading the target language's spell checker off the user-interface thread.
#include "spelling/spell_service.h"

#include "text/locale_table.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tarvelo {

SpellService::SpellService(QStringList folders,
                           std::function<QString(const QString &)> userDictionary, QObject *parent)
    : QObject(parent), m_folders(std::move(folders)), m_userDictionary(std::move(userDictionary)) {}

SpellService::~SpellService() {
  if (m_loader.joinable())
    m_loader.join();
}

void SpellService::waitForLoad() {
  startPending();
  if (m_loader.joinable())
    m_loader.join();
  // The result is posted to this thread's queue.
  QCoreApplication::sendPostedEvents(this);
}

void SpellService::useLanguage(int language) {
  if (language == m_language)
    return;
  m_language = language;
  ++m_generation;
  m_checker.reset();
  m_missing.clear();
  m_pending.reset();
  const LocaleInfo *locale = findLocale(language);
  const QString tag = locale ? QString::fromLatin1(locale->tag) : QString();
  const DictionaryFiles files = findDictionary(tag, m_folders);
  if (files.isNull()) {
    const QString name = localizedLanguageName(language);
    m_missing = tr("There is no dictionary for %1: spelling is not checked.")
                    .arg(name.isEmpty() ? QString::number(language) : name);
    m_loading = false;
    Q_EMIT checkerChanged();
    return;
  }
  m_loading = true;
  m_pending = Load{files, m_userDictionary ? m_userDictionary(tag) : QString(), m_generation};
  // After the events queued before it, such as drawing the task just opened: on a busy
  // machine the load would otherwise take the processor from them.
  QMetaObject::invokeMethod(this, &SpellService::startPending, Qt::QueuedConnection);
  Q_EMIT checkerChanged();
}

void SpellService::startPending() {
  if (!m_pending)
    return;
  const Load load = *m_pending;
  m_pending.reset();
  // One load at a time; a later language replaces the result of an earlier one.
  if (m_loader.joinable())
    m_loader.join();
  m_loader = std::thread([this, load] {
    QString error;
    std::shared_ptr<SpellChecker> checker = SpellChecker::open(load.files, load.user, &error);
    QMetaObject::invokeMethod(
        this,
        [this, generation = load.generation, checker, error] {
          finishLoad(generation, checker, error);
        },
        Qt::QueuedConnection);
  });
}

void SpellService::finishLoad(int generation, std::shared_ptr<SpellChecker> checker,
                              const QString &error) {
  if (generation != m_generation)
    return;
  m_loading = false;
  m_checker = std::move(checker);
  if (!m_checker)
    m_missing = error;
  Q_EMIT checkerChanged();
}

bool SpellService::misspelt(const QString &text) {
  return m_checker && !text.isEmpty() && !m_checker->misspelt(text).isEmpty();
}

} // namespace tarvelo
