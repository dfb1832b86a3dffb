// Compiled dialogs: DIALOG (DLGTEMPLATE) and DIALOGEX (DLGTEMPLATEEX) templates with
// their item templates, read and written.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarvelo {

// A menu, class or title of a template: absent, a number (a class atom, an icon), or text.
struct TemplateName {
  enum class Kind { None, Number, Text };
  Kind kind = Kind::None;
  quint16 number = 0;
  QString text;

  static TemplateName fromNumber(quint16 number) { return {Kind::Number, number, QString()}; }
  static TemplateName fromText(const QString &text) { return {Kind::Text, 0, text}; }
  bool operator==(const TemplateName &other) const = default;
};

struct CompiledControl {
  quint32 helpId = 0; // DIALOGEX only
  quint32 exStyle = 0;
  quint32 style = 0;
  qint16 x = 0, y = 0, width = 0, height = 0;
  quint32 id = 0; // a word in a DIALOG template
  TemplateName className;
  TemplateName title;
  QByteArray creationData;
};

struct CompiledDialog {
  bool extended = false; // a DIALOGEX template
  quint32 helpId = 0;    // DIALOGEX only
  quint32 exStyle = 0;
  quint32 style = 0;
  qint16 x = 0, y = 0, width = 0, height = 0;
  TemplateName menu;
  TemplateName className;
  QString caption;
  // Present with DS_SETFONT (and DS_SHELLFONT, which holds it).
  quint16 pointSize = 0;
  quint16 weight = 0; // DIALOGEX only
  quint8 italic = 0;  // DIALOGEX only
  quint8 charset = 0; // DIALOGEX only
  QString face;
  QList<CompiledControl> controls;

  bool hasFont() const { return style & 0x40; } // DS_SETFONT
};

// Reads a template; false with the error and its offset when the data ends before the
// template does (its item count is never trusted beyond the data).
bool readDialogTemplate(const QByteArray &data, CompiledDialog &dialog, QString &error,
                        qsizetype &errorOffset);
// The template of the dialog, in the form its extended flag says.
QByteArray writeDialogTemplate(const CompiledDialog &dialog);

} // namespace tarvelo
