// The macro names a program's resource header (resource.h) gives its numbers.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tarvelo {

// What a number names, for choosing among the macros of the same value by the prefix
// the resource editors give each kind.
// A DLGINIT record's control is a word of raw data, where a name defined with an L
// suffix would make the compiler write a double word: such names are not used there.
enum class NameKind {
  Dialog,
  Menu,
  MenuItem,
  String,
  Control,
  DlgInitControl,
  DlgInit,
  Version,
  Other
};

// The numeric #define lines of a header: each value with its names in the order the
// header defines them. The resource editor's own counters (_APS_...) and anything in
// an #ifdef APSTUDIO_INVOKED block are not names.
class HeaderNames {
public:
  // The header's file name as an #include line gives it ("resource.h").
  QString fileName;

  bool isEmpty() const { return m_names.isEmpty(); }
  // longValue: the number has an L suffix.
  void define(const QString &name, qint64 value, bool longValue = false);
  // The name to write for value as a kind of identifier, or empty when none is defined.
  QString name(qint64 value, NameKind kind) const;

private:
  QHash<qint64, QStringList> m_names;
  QStringList m_long;
};

// The names of a header's text; lines that are not numeric definitions are passed over.
HeaderNames parseHeaderNames(const QByteArray &text);

// Reads a header file; false with the file's path and the reason when it cannot be read.
bool readHeaderNames(const QString &path, HeaderNames &names, QString &error);

} // namespace tarvelo
