// Reading compiled .res files and the geometry of their dialog templates.
#include "support/res_file.h"

#include <QtEndian>

namespace tarvelo::test {

namespace {

class Reader {
public:
  explicit Reader(const QByteArray &data) : m_data(data) {}
  bool atEnd() const { return m_pos >= m_data.size(); }
  qsizetype position() const { return m_pos; }
  void seek(qsizetype position) { m_pos = position; }
  void align(int n) { m_pos = (m_pos + n - 1) / n * n; }
  quint16 word() {
    if (m_pos + 2 > m_data.size()) {
      m_pos = m_data.size();
      return 0;
    }
    const quint16 v = qFromLittleEndian<quint16>(m_data.constData() + m_pos);
    m_pos += 2;
    return v;
  }
  quint32 dword() {
    const quint32 low = word();
    return low | quint32(word()) << 16;
  }
  // A name or an ordinal (0xFFFF followed by the number).
  QString nameOrOrdinal() {
    const quint16 first = word();
    if (first == 0xFFFF)
      return u'#' + QString::number(word());
    QString text;
    for (quint16 c = first; c != 0 && !atEnd(); c = word())
      text.append(QChar(c));
    return text;
  }
  QByteArray bytes(qsizetype size) {
    const QByteArray out = m_data.mid(m_pos, size);
    m_pos += size;
    return out;
  }

private:
  const QByteArray &m_data;
  qsizetype m_pos = 0;
};

} // namespace

QList<CompiledResource> readResFile(const QByteArray &bytes) {
  QList<CompiledResource> resources;
  Reader reader(bytes);
  while (!reader.atEnd()) {
    const qsizetype start = reader.position();
    const quint32 dataSize = reader.dword();
    const quint32 headerSize = reader.dword();
    if (headerSize < 16 || quint64(start) + headerSize + dataSize > quint64(bytes.size()))
      return {};
    CompiledResource resource;
    resource.type = reader.nameOrOrdinal();
    resource.name = reader.nameOrOrdinal();
    reader.align(4);
    reader.dword(); // data version
    reader.word();  // memory flags
    resource.language = reader.word();
    reader.seek(start + headerSize);
    resource.data = reader.bytes(dataSize);
    reader.align(4);
    // The first entry of a .res file is an empty marker.
    if (!(dataSize == 0 && resource.type == QLatin1String("#0")))
      resources.append(resource);
  }
  return resources;
}

QString dialogGeometry(const QByteArray &data) {
  Reader reader(data);
  QString out;
  const quint16 version = reader.word();
  const quint16 signature = reader.word();
  const bool extended = version == 1 && signature == 0xFFFF;
  quint32 style, exStyle;
  if (extended) {
    reader.dword(); // help id
    exStyle = reader.dword();
    style = reader.dword();
  } else {
    reader.seek(0);
    style = reader.dword();
    exStyle = reader.dword();
  }
  const quint16 count = reader.word();
  const qint16 x = qint16(reader.word()), y = qint16(reader.word());
  const qint16 cx = qint16(reader.word()), cy = qint16(reader.word());
  out += QStringLiteral("dialog style=%1 ex=%2 %3,%4,%5,%6 menu=%7 class=%8")
             .arg(style, 0, 16)
             .arg(exStyle, 0, 16)
             .arg(x)
             .arg(y)
             .arg(cx)
             .arg(cy)
             .arg(reader.nameOrOrdinal(), reader.nameOrOrdinal());
  reader.nameOrOrdinal(); // title
  if (style & 0x40) {     // DS_SETFONT
    out += QStringLiteral(" font=%1").arg(reader.word());
    if (extended) {
      reader.word(); // weight
      reader.word(); // italic and charset
    }
    out += u' ' + reader.nameOrOrdinal();
  }
  out += u'\n';
  for (int i = 0; i < count && !reader.atEnd(); ++i) {
    reader.align(4);
    quint32 itemStyle, itemEx, id;
    if (extended) {
      reader.dword(); // help id
      itemEx = reader.dword();
      itemStyle = reader.dword();
    } else {
      itemStyle = reader.dword();
      itemEx = reader.dword();
    }
    const qint16 ix = qint16(reader.word()), iy = qint16(reader.word());
    const qint16 icx = qint16(reader.word()), icy = qint16(reader.word());
    id = extended ? reader.dword() : reader.word();
    const QString className = reader.nameOrOrdinal();
    reader.nameOrOrdinal(); // title
    const quint16 extra = reader.word();
    reader.bytes(extra);
    out += QStringLiteral("item id=%1 class=%2 style=%3 ex=%4 %5,%6,%7,%8\n")
               .arg(qint16(id)) // a DIALOG holds 16 bits of it, a DIALOGEX 32
               .arg(className)
               .arg(itemStyle, 0, 16)
               .arg(itemEx, 0, 16)
               .arg(ix)
               .arg(iy)
               .arg(icx)
               .arg(icy);
  }
  return out;
}

} // namespace tarvelo::test
