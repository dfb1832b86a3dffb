// GoogleTest printers that show Qt strings as text.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *out) {
  *out << '{' << list.join(QStringLiteral(" | ")).toStdString() << '}';
}
