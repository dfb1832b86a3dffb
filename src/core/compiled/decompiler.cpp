// Writing compiled resources as a resource script: the order, the languages, string
// tables, menus and raw data; dialogs in decompiled_dialog.cpp.
#include "compiled/decompiler.h"

#include "compiled/decompiled_parts.h"
#include "compiled/dlginit_data.h"
#include "compiled/menu_template.h"
#include "compiled/string_block.h"
#include "compiled/version_resource.h"

#include <algorithm>

namespace tarvelo {

namespace {

constexpr quint16 kMenu = 4;
constexpr quint16 kDialog = 5;
constexpr quint16 kStringTable = 6;
constexpr quint16 kVersion = 16;

QString stringTable(const CompiledResource &resource, const HeaderNames *names) {
  QStringList strings;
  if (!readStringBlock(resource.data, strings))
    return {};
  const int first = (int(resource.name.number) - 1) * kStringsPerBlock;
  QString out = QStringLiteral("STRINGTABLE\nBEGIN\n");
  for (int i = 0; i < strings.size(); ++i)
    if (!strings[i].isEmpty())
      out += QStringLiteral("    %1 %2\n")
                 .arg(numberName(first + i, names, NameKind::String), scriptLiteral(strings[i]));
  return out + QStringLiteral("END\n");
}

// The option words of a MENU item spelt as the compiler reads them.
QString menuOptions(quint32 flags) {
  static const std::pair<quint32, const char *> words[] = {
      {0x0001, "GRAYED"},       {0x0002, "INACTIVE"},  {0x0008, "CHECKED"},
      {0x0020, "MENUBARBREAK"}, {0x0040, "MENUBREAK"}, {0x4000, "HELP"}};
  QString out;
  for (const auto &[bit, word] : words)
    if (flags & bit)
      out += QStringLiteral(", ") + QLatin1String(word);
  return out;
}

// The option bits of a MENU item that no keyword gives: such a menu stays raw data.
constexpr quint32 kSpeltMenuBits =
    0x0001 | 0x0002 | 0x0008 | 0x0010 | 0x0020 | 0x0040 | 0x0080 | 0x4000;

QString menuItems(const CompiledMenu &menu, const HeaderNames *names, bool &spelt) {
  QString out;
  int depth = 0;
  const auto close = [&](int to) {
    for (; depth > to; --depth)
      out += QString((depth)*4, u' ') + QStringLiteral("END\n");
  };
  for (const CompiledMenuItem &item : menu.items) {
    close(item.depth);
    const QString indent((item.depth + 1) * 4, u' ');
    if (menu.extended) {
      out += indent + (item.popup ? QStringLiteral("POPUP ") : QStringLiteral("MENUITEM "));
      out += QStringLiteral("%1, %2, %3, %4")
                 .arg(scriptLiteral(item.text), numberName(item.id, names, NameKind::MenuItem))
                 .arg(item.flags)
                 .arg(item.state);
      if (item.popup)
        out += QStringLiteral(", %1").arg(item.helpId);
    } else if (item.popup) {
      out += indent + QStringLiteral("POPUP ") + scriptLiteral(item.text) + menuOptions(item.flags);
    } else if (isSeparator(menu, item)) {
      out += indent + QStringLiteral("MENUITEM SEPARATOR");
    } else {
      out += indent +
             QStringLiteral("MENUITEM %1, %2")
                 .arg(scriptLiteral(item.text), numberName(item.id, names, NameKind::MenuItem)) +
             menuOptions(item.flags);
    }
    spelt = spelt && (menu.extended || (item.flags & ~kSpeltMenuBits) == 0);
    out += u'\n';
    if (item.popup) {
      out += indent + QStringLiteral("BEGIN\n");
      depth = item.depth + 1;
    }
  }
  close(0);
  return out;
}

QString menu(const CompiledResource &resource, const HeaderNames *names) {
  CompiledMenu menu;
  QString error;
  qsizetype offset = -1;
  if (!readMenuTemplate(resource.data, menu, error, offset) || (menu.extended && menu.helpId))
    return {};
  bool spelt = true;
  const QString items = menuItems(menu, names, spelt);
  if (!spelt)
    return {};
  return resourceName(resource.name, names, NameKind::Menu) +
         (menu.extended ? QStringLiteral(" MENUEX\nBEGIN\n") : QStringLiteral(" MENU\nBEGIN\n")) +
         items + QStringLiteral("END\n");
}

} // namespace

// Eight words a line, each line indented; commas between all the values.
QString dataLines(const QByteArray &data) {
  QStringList words;
  for (qsizetype i = 0; i + 1 < data.size(); i += 2)
    words << QStringLiteral("0x%1").arg(uchar(data[i]) | uchar(data[i + 1]) << 8, 4, 16,
                                        QLatin1Char('0'));
  if (data.size() % 2)
    words << QStringLiteral("\"\\%1\"").arg(int(uchar(data.back())), 3, 8, QLatin1Char('0'));
  QString out;
  for (qsizetype i = 0; i < words.size(); i += 8)
    out += QStringLiteral("    ") + words.mid(i, 8).join(QStringLiteral(", ")) +
           (i + 8 < words.size() ? QStringLiteral(",\n") : QStringLiteral("\n"));
  return out;
}

namespace {

// DLGINIT: records of control, message, length (a double word, written as two words)
// and data, ended by a zero; the form the resource editors write.
QString dlgInit(const CompiledResource &resource, const HeaderNames *names) {
  QList<DlgInitRecord> records;
  if (!readDlgInit(resource.data, records))
    return {};
  QString out =
      resourceName(resource.name, names, NameKind::DlgInit) + QStringLiteral(" DLGINIT\nBEGIN\n");
  for (const DlgInitRecord &record : records) {
    const qsizetype length = record.data.size();
    // An odd last byte beyond ASCII cannot be spelt in a UTF-8 script.
    if (length % 2 && uchar(record.data.back()) >= 0x80)
      return {};
    out += QStringLiteral("    %1, 0x%2, %3, %4\n")
               .arg(numberName(record.control, names, NameKind::DlgInitControl))
               .arg(record.message, 0, 16)
               .arg(length & 0xFFFF)
               .arg(length >> 16);
    out += dataLines(record.data);
  }
  return out + QStringLiteral("    0\nEND\n");
}

// The statement of a resource whose texts a script can spell, or empty.
QString statement(const CompiledResource &resource, const HeaderNames *names) {
  // The compiler of the resource editors numbers the type 240; llvm-rc names it.
  if (isDlgInit(resource))
    return dlgInit(resource, names);
  if (!resource.type.isNumber())
    return {};
  switch (resource.type.number) {
  case kStringTable:
    return resource.name.isNumber() ? stringTable(resource, names) : QString();
  case kMenu:
    return menu(resource, names);
  case kDialog:
    return dialogStatement(resource, names);
  case kVersion:
    return versionInfoStatement(resource.data,
                                resourceName(resource.name, names, NameKind::Version));
  default:
    return {};
  }
}

} // namespace

bool isSeparator(const CompiledMenu &menu, const CompiledMenuItem &item) {
  return !menu.extended && !item.popup && item.text.isEmpty() && item.id == 0 &&
         (item.flags & ~0x80u) == 0;
}

QString scriptLiteral(const QString &text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == u'"')
      out += QStringLiteral("\"\"");
    else if (u == u'\\')
      out += QStringLiteral("\\\\");
    else if (u == u'\n')
      out += QStringLiteral("\\n");
    else if (u == u'\r')
      out += QStringLiteral("\\r");
    else if (u == u'\t')
      out += QStringLiteral("\\t");
    else if (u < 0x20 || u == 0x7F)
      out += QStringLiteral("\\%1").arg(int(u), 3, 8, QLatin1Char('0'));
    else
      out += c;
  }
  return out + u'"';
}

QString resourceName(const ResourceId &id) {
  if (id.isNumber())
    return QString::number(id.number);
  bool word = !id.name.isEmpty() && !id.name.front().isDigit();
  for (const QChar c : id.name)
    word = word && (c.isLetterOrNumber() || c == u'_') && c.unicode() < 0x80;
  return word ? id.name : scriptLiteral(id.name);
}

QString numberName(qint64 value, const HeaderNames *names, NameKind kind) {
  const QString name = names ? names->name(value, kind) : QString();
  return name.isEmpty() ? QString::number(value) : name;
}

QString resourceName(const ResourceId &id, const HeaderNames *names, NameKind kind) {
  return id.isNumber() ? numberName(id.number, names, kind) : resourceName(id);
}

DecompiledScript decompileResources(const QList<CompiledResource> &resources,
                                    const QString &sideName, qsizetype spelledData,
                                    const HeaderNames *names) {
  DecompiledScript script;
  script.text = QStringLiteral("#pragma code_page(65001)\n");
  // The names are the header's macros: the compiler reads them from it.
  if (names && !names->fileName.isEmpty())
    script.text += QStringLiteral("#include \"%1\"\n").arg(names->fileName);
  // Each language's resources together, in the order they came.
  QList<quint16> languages;
  for (const CompiledResource &resource : resources)
    if (!languages.contains(resource.language))
      languages.append(resource.language);
  for (const quint16 language : languages) {
    script.text +=
        QStringLiteral("\nLANGUAGE %1, %2\n\n").arg(language & 0x3FF).arg(language >> 10);
    for (const CompiledResource &resource : resources) {
      if (resource.language != language)
        continue;
      QString text = statement(resource, names);
      if (text.isEmpty())
        text = rawData(resource, sideName, script.sideFiles, spelledData, names);
      script.text += text + u'\n';
    }
  }
  return script;
}

} // namespace tarvelo
