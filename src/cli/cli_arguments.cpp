// Reading a command's options, languages (numbers or tags) and required options.
#include "cli/cli_arguments.h"

#include "text/language_tags.h"

namespace tarvelo::cli {

bool CliArguments::parse(const QStringList &arguments, const QStringList &valueOptions,
                         const QStringList &flagOptions, QString &error, bool takesWords) {
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString &argument = arguments[i];
    if (takesWords && argument == QLatin1String("--")) {
      m_words += arguments.mid(i + 1);
      break;
    }
    if (!argument.startsWith(QLatin1String("--"))) {
      if (!takesWords) {
        error = QStringLiteral("unexpected argument %1").arg(argument);
        return false;
      }
      m_words.append(argument);
      continue;
    }
    const QString name = argument.mid(2);
    if (flagOptions.contains(name)) {
      m_flags.insert(name);
      continue;
    }
    if (!valueOptions.contains(name)) {
      error = QStringLiteral("unknown option %1").arg(argument);
      return false;
    }
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(argument);
      return false;
    }
    // The second of two values would silently win over the first.
    if (m_values.contains(name)) {
      error = QStringLiteral("%1 is given twice").arg(argument);
      return false;
    }
    m_values.insert(name, arguments[++i]);
  }
  return true;
}

bool CliArguments::language(const QString &name, int &language, QString &error) const {
  language = -2;
  if (!m_values.contains(name))
    return true;
  QString why;
  if (parseLanguage(m_values.value(name), language, why))
    return true;
  error = QStringLiteral("bad value '%1' for --%2: %3").arg(m_values.value(name), name, why);
  return false;
}

bool CliArguments::require(const QStringList &names, QString &error) const {
  for (const QString &name : names)
    if (!has(name)) {
      QStringList options;
      for (const QString &each : names)
        options.append(QStringLiteral("--") + each);
      const QString last = options.takeLast();
      error = options.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last +
              QStringLiteral(" are required");
      return false;
    }
  return true;
}

} // namespace tarvelo::cli
