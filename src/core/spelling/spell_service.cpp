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
  // One load at a time; a later language replaces the result of an earlier one.
  if (m_loader.joinable())
    m_loader.join();
  m_loading = true;
  const QString user = m_userDictionary ? m_userDictionary(tag) : QString();
  const int generation = m_generation;
  m_loader = std::thread([this, files, user, generation] {
    QString error;
    std::shared_ptr<SpellChecker> checker = SpellChecker::open(files, user, &error);
    QMetaObject::invokeMethod(
        this, [this, generation, checker, error] { finishLoad(generation, checker, error); },
        Qt::QueuedConnection);
  });
  Q_EMIT checkerChanged();
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
