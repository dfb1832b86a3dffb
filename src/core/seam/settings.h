// Named integer and text settings of the "Options" section, and an in-memory store.
#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

namespace tarvelo {

// Named integer and text values of the one section "Options". Reads fall back to
// the default of the key table (settings_keys.h); writes take effect at once.
class Settings {
public:
  virtual ~Settings() = default;

  int integer(const QString &key) const;
  QString text(const QString &key) const;
  void setInteger(const QString &key, int value) { store(key, value); }
  void setText(const QString &key, const QString &value) { store(key, value); }

  // The stored value, or an invalid QVariant when the key has none.
  virtual QVariant stored(const QString &key) const = 0;
  virtual void store(const QString &key, const QVariant &value) = 0;
  // Removes the whole section, so that every key reads its default again.
  virtual void clear() = 0;
};

// Settings held in memory: for tests and for the command line.
class MemorySettings final : public Settings {
public:
  QVariant stored(const QString &key) const override { return m_values.value(key); }
  void store(const QString &key, const QVariant &value) override { m_values.insert(key, value); }
  void clear() override { m_values.clear(); }

private:
  QHash<QString, QVariant> m_values;
};

} // namespace tarvelo
