// Reading compiled MENU and MENUEX templates.
#include "compiled/menu_template.h"

#include "compiled/binary_reader.h"
#include "compiled/binary_writer.h"

namespace tarvelo {

namespace {

// Item flags of a MENU template.
constexpr quint16 kPopup = 0x0010;
constexpr quint16 kEnd = 0x0080;
// Item flags of a MENUEX template.
constexpr quint16 kExPopup = 0x0001;
// Far beyond any real menu, and a bound on the recursion a hostile file may ask for.
constexpr int kDeepest = 32;

class MenuReader {
public:
  MenuReader(const QByteArray &data, CompiledMenu &menu) : m_reader(data), m_menu(menu) {}

  bool read(QString &error, qsizetype &errorOffset) {
    const quint16 version = m_reader.word();
    const quint16 offset = m_reader.word();
    bool done = false;
    if (version == 0 && offset == 0) {
      done = readLevel(0);
    } else if (version == 1) {
      m_menu.extended = true;
      m_menu.helpId = m_reader.dword();
      m_reader.seek(4 + qsizetype(offset));
      done = readExLevel(0);
    } else {
      m_problem = QStringLiteral("the menu template has version %1").arg(version);
    }
    if (done && !m_reader.failed())
      return true;
    error = m_problem.isEmpty() ? QStringLiteral("the menu template ends before its last item")
                                : m_problem;
    errorOffset = m_reader.position();
    return false;
  }

private:
  bool tooDeep(int depth) {
    if (depth <= kDeepest)
      return false;
    m_problem = QStringLiteral("the menu's popups nest deeper than %1 levels").arg(kDeepest);
    return true;
  }

  // The items of one level of a MENU template, up to the one marked last.
  bool readLevel(int depth) {
    if (tooDeep(depth))
      return false;
    for (;;) {
      CompiledMenuItem item;
      item.depth = depth;
      const quint16 option = m_reader.word();
      item.flags = option;
      item.popup = option & kPopup;
      if (!item.popup)
        item.id = m_reader.word();
      item.text = m_reader.zeroTerminated();
      if (m_reader.failed())
        return false;
      m_menu.items.append(item);
      if (item.popup && !readLevel(depth + 1))
        return false;
      if (option & kEnd)
        return true;
    }
  }

  // The items of one level of a MENUEX template, each aligned on four bytes.
  bool readExLevel(int depth) {
    if (tooDeep(depth))
      return false;
    for (;;) {
      CompiledMenuItem item;
      item.depth = depth;
      item.flags = m_reader.dword();
      item.state = m_reader.dword();
      item.id = m_reader.dword();
      const quint16 flags = m_reader.word();
      item.exFlags = flags;
      item.popup = flags & kExPopup;
      item.text = m_reader.zeroTerminated();
      m_reader.align(4);
      if (item.popup)
        item.helpId = m_reader.dword();
      if (m_reader.failed())
        return false;
      m_menu.items.append(item);
      if (item.popup && !readExLevel(depth + 1))
        return false;
      if (flags & kEnd)
        return true;
    }
  }

  BinaryReader m_reader;
  CompiledMenu &m_menu;
  QString m_problem;
};

} // namespace

QByteArray writeMenuTemplate(const CompiledMenu &menu) {
  QByteArray out;
  writeWord(out, menu.extended ? 1 : 0);
  writeWord(out, menu.extended ? 4 : 0);
  if (menu.extended)
    writeDword(out, menu.helpId);
  for (const CompiledMenuItem &item : menu.items) {
    if (!menu.extended) {
      writeWord(out, quint16(item.flags));
      if (!item.popup)
        writeWord(out, quint16(item.id));
      writeText(out, item.text);
      continue;
    }
    writeDword(out, item.flags);
    writeDword(out, item.state);
    writeDword(out, item.id);
    writeWord(out, item.exFlags);
    writeText(out, item.text);
    while (out.size() % 4)
      out.append('\0');
    if (item.popup)
      writeDword(out, item.helpId);
  }
  return out;
}

bool readMenuTemplate(const QByteArray &data, CompiledMenu &menu, QString &error,
                      qsizetype &errorOffset) {
  menu = CompiledMenu();
  MenuReader reader(data, menu);
  return reader.read(error, errorOffset);
}

} // namespace tarvelo
