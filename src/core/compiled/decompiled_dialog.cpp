// Writing compiled dialogs and raw data as statements of a resource script.
#include "compiled/decompiled_parts.h"
#include "compiled/dialog_template.h"

namespace tarvelo {

namespace {

// The styles every CONTROL statement starts from.
constexpr quint32 kControlDefaults = 0x40000000 | 0x10000000; // WS_CHILD | WS_VISIBLE

QString hex(quint32 value) {
  return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

QString nameArgument(const TemplateName &name) {
  switch (name.kind) {
  case TemplateName::Kind::Number:
    return QString::number(name.number);
  case TemplateName::Kind::Text:
    return scriptLiteral(name.text);
  case TemplateName::Kind::None:
    break;
  }
  return QStringLiteral("\"\"");
}

// The statements of the predefined classes (by their atoms 0x80 to 0x85), with the
// styles each starts from besides WS_CHILD | WS_VISIBLE, and whether it takes a text.
struct PredefinedStatement {
  const char *keyword;
  quint32 defaults;
  bool text;
};
constexpr PredefinedStatement kPredefined[] = {
    {"PUSHBUTTON", 0x00010000, true}, // WS_TABSTOP
    {"EDITTEXT", 0x00810000, false},  // WS_BORDER | WS_TABSTOP
    {"LTEXT", 0x00020000, true},      // WS_GROUP
    {"LISTBOX", 0x00800001, false},   // WS_BORDER | LBS_NOTIFY
    {"SCROLLBAR", 0x00000000, false}, //
    {"COMBOBOX", 0x00010001, false},  // WS_TABSTOP | CBS_SIMPLE
};

// The style argument that gives exactly style from the defaults: the bits it lacks
// taken away with NOT.
QString styleArgument(quint32 style, quint32 defaults) {
  QString out = hex(style);
  const quint32 missing = (defaults | kControlDefaults) & ~style;
  if (missing)
    out += QStringLiteral(" | NOT ") + hex(missing);
  return out;
}

// A control's identifier; IDC_STATIC and the like as the negative numbers they are.
QString controlId(quint32 id, bool extended, const HeaderNames *names) {
  return numberName(extended ? qint64(qint32(id)) : qint64(qint16(id)), names, NameKind::Control);
}

// The optional last arguments: extended style and help identifier.
QString tail(const CompiledControl &c, bool extended) {
  QString out;
  if (c.exStyle || (extended && c.helpId))
    out += QStringLiteral(", ") + hex(c.exStyle);
  if (extended && c.helpId)
    out += QStringLiteral(", %1").arg(c.helpId);
  return out;
}

// A control of a predefined class in its own statement, or empty when its text cannot
// be given there.
QString predefinedControl(const CompiledControl &c, bool extended, const HeaderNames *names) {
  const PredefinedStatement &statement = kPredefined[c.className.number - 0x80];
  QString out = QStringLiteral("    ") + QLatin1String(statement.keyword) + u' ';
  if (statement.text)
    out += nameArgument(c.title) + QStringLiteral(", ");
  else if (c.title.kind != TemplateName::Kind::None)
    return {};
  out += QStringLiteral("%1, %2, %3, %4, %5, ")
             .arg(controlId(c.id, extended, names))
             .arg(c.x)
             .arg(c.y)
             .arg(c.width)
             .arg(c.height) +
         styleArgument(c.style, statement.defaults);
  return out + tail(c, extended) + u'\n';
}

QString control(const CompiledControl &c, bool extended, const HeaderNames *names) {
  if (c.className.kind == TemplateName::Kind::Number && c.className.number >= 0x80 &&
      c.className.number <= 0x85)
    return predefinedControl(c, extended, names);
  if (c.className.kind != TemplateName::Kind::Text)
    return {};
  return QStringLiteral("    CONTROL %1, %2, %3, %4, %5, %6, %7, %8")
             .arg(nameArgument(c.title))
             .arg(controlId(c.id, extended, names))
             .arg(scriptLiteral(c.className.text), styleArgument(c.style, 0))
             .arg(c.x)
             .arg(c.y)
             .arg(c.width)
             .arg(c.height) +
         tail(c, extended) + u'\n';
}

QString header(const CompiledResource &resource, const CompiledDialog &d,
               const HeaderNames *names) {
  QString out = resourceName(resource.name, names, NameKind::Dialog) +
                (d.extended ? QStringLiteral(" DIALOGEX ") : QStringLiteral(" DIALOG ")) +
                QStringLiteral("%1, %2, %3, %4").arg(d.x).arg(d.y).arg(d.width).arg(d.height);
  if (d.extended && d.helpId)
    out += QStringLiteral(", %1").arg(d.helpId);
  out += QStringLiteral("\nSTYLE ") + hex(d.style) + u'\n';
  if (d.exStyle)
    out += QStringLiteral("EXSTYLE ") + hex(d.exStyle) + u'\n';
  if (!d.caption.isEmpty())
    out += QStringLiteral("CAPTION ") + scriptLiteral(d.caption) + u'\n';
  if (d.menu.kind != TemplateName::Kind::None)
    out += QStringLiteral("MENU ") +
           (d.menu.kind == TemplateName::Kind::Number
                ? numberName(d.menu.number, names, NameKind::Menu)
                : resourceName({0, d.menu.text})) +
           u'\n';
  if (d.className.kind != TemplateName::Kind::None)
    out += QStringLiteral("CLASS ") + nameArgument(d.className) + u'\n';
  if (d.hasFont()) {
    out += QStringLiteral("FONT %1, %2").arg(d.pointSize).arg(scriptLiteral(d.face));
    if (d.extended)
      out += QStringLiteral(", %1, %2, %3").arg(d.weight).arg(d.italic).arg(d.charset);
    out += u'\n';
  }
  return out;
}

} // namespace

bool controlHasText(const CompiledControl &control) {
  if (control.title.kind == TemplateName::Kind::Number)
    return false;
  const TemplateName &name = control.className;
  if (name.kind == TemplateName::Kind::Number && name.number >= 0x80 && name.number <= 0x85)
    return kPredefined[name.number - 0x80].text;
  return true;
}

QString dialogStatement(const CompiledResource &resource, const HeaderNames *names) {
  CompiledDialog dialog;
  QString error;
  qsizetype offset = -1;
  if (!readDialogTemplate(resource.data, dialog, error, offset))
    return {};
  // A caption needs its window's caption bar, which CAPTION adds.
  if (!dialog.caption.isEmpty() && (dialog.style & 0x00C00000) != 0x00C00000)
    return {};
  for (const CompiledControl &c : dialog.controls)
    if (!c.creationData.isEmpty())
      return {};
  QString out = header(resource, dialog, names) + QStringLiteral("BEGIN\n");
  for (const CompiledControl &c : dialog.controls) {
    const QString statement = control(c, dialog.extended, names);
    if (statement.isEmpty())
      return {};
    out += statement;
  }
  return out + QStringLiteral("END\n");
}

QString rawData(const CompiledResource &resource, const QString &sideName,
                QList<SideFile> &sideFiles, qsizetype spelledData, const HeaderNames *names) {
  const QString head =
      resourceName(resource.name, names, NameKind::Other) + u' ' + resourceName(resource.type);
  const QByteArray &data = resource.data;
  // An odd last byte beyond ASCII cannot be spelt in a UTF-8 script.
  if ((data.size() % 2 && uchar(data.back()) >= 0x80) || data.size() > spelledData) {
    const QString name = QStringLiteral("%1_%2.bin").arg(sideName).arg(sideFiles.size() + 1);
    sideFiles.append({name, data});
    return head + QStringLiteral(" \"%1\"\n").arg(name);
  }
  return head + QStringLiteral("\nBEGIN\n") + dataLines(data) + QStringLiteral("END\n");
}

} // namespace tarvelo
