// The target language's spell checker, loaded in the background.
#pragma once

#include "spelling/spell_checker.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace tarvelo {

// The spell checker of the target language, loaded off the user-interface thread so
// that opening a task and typing never wait for a dictionary. Until it is ready
// nothing counts as misspelt.
class SpellService : public QObject {
  Q_OBJECT
public:
  // folders: where dictionaries are looked for; userDictionary: the file of a locale
  // tag's own words.
  explicit SpellService(QStringList folders = dictionaryFolders(),
                        std::function<QString(const QString &)> userDictionary = userDictionaryPath,
                        QObject *parent = nullptr);
  ~SpellService() override;

  // Loads the dictionary of the language unless it is the one in use.
  void useLanguage(int language);
  int language() const { return m_language; }
  // The checker, or null while loading or when the language has no dictionary.
  SpellChecker *checker() const { return m_checker.get(); }
  bool isLoading() const { return m_loading; }
  // Why nothing is checked, for a language without a usable dictionary: "There is no
  // dictionary for German (Switzerland)." Empty otherwise.
  QString missingText() const { return m_missing; }

  bool misspelt(const QString &text);
  // Waits until a load in progress has ended (for tests and for leaving).
  void waitForLoad();

Q_SIGNALS:
  // The checker changed: a dictionary was loaded, or the language has none.
  void checkerChanged();

private:
  struct Load {
    DictionaryFiles files;
    QString user;
    int generation = 0;
  };
  // Starts the load asked for, if it has not started yet.
  void startPending();
  void finishLoad(int generation, std::shared_ptr<SpellChecker> checker, const QString &error);

  QStringList m_folders;
  std::function<QString(const QString &)> m_userDictionary;
  int m_language = -2;
  int m_generation = 0;
  bool m_loading = false;
  std::shared_ptr<SpellChecker> m_checker;
  QString m_missing;
  std::optional<Load> m_pending;
  std::thread m_loader;
};

} // namespace tarvelo
