// A command's options: "--name value" pairs, flags and free words.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tarvelo::cli {

// A command's options: "--name value" pairs, "--name" flags and, where the command
// takes them, free words ("--" ends the options).
class CliArguments {
public:
  // Reads the arguments; false with the reason when a name is unknown, a value is
  // missing, or a free word comes to a command that takes none.
  bool parse(const QStringList &arguments, const QStringList &valueOptions,
             const QStringList &flagOptions, QString &error, bool takesWords = false);

  bool has(const QString &name) const { return m_values.contains(name) || m_flags.contains(name); }
  QString value(const QString &name, const QString &fallback = QString()) const {
    return m_values.value(name, fallback);
  }
  const QStringList &words() const { return m_words; }

  // A language number (decimal, or hexadecimal with 0x) or tag ("de-DE"); -2 when the
  // option is absent.
  bool language(const QString &name, int &language, QString &error) const;
  // False with "A, B and C are required" unless every one was given.
  bool require(const QStringList &names, QString &error) const;

private:
  QHash<QString, QString> m_values;
  QSet<QString> m_flags;
  QStringList m_words;
};

} // namespace tarvelo::cli
