// Reading and writing the compiled version resource, and its VERSIONINFO statement.
#include "compiled/version_resource.h"

#include "compiled/binary_reader.h"
#include "compiled/binary_writer.h"
#include "compiled/decompiler.h"
#include "script/language.h"

#include <QtEndian>

namespace tarvelo {

namespace {

constexpr int kDeepest = 16; // the compilers write three levels; a deeper tree is damage
constexpr quint32 kSignature = 0xFEEF04BD;
constexpr quint16 kFixedSize = 52;
constexpr int kUnicode = 1200;

struct NodeRead {
  const QByteArray &data;
  QString &error;
  qsizetype &offset;

  bool fail(qsizetype at, const QString &why) {
    offset = at;
    error = why;
    return false;
  }
  bool node(qsizetype start, qsizetype end, VersionNode &node, int depth);
};

bool NodeRead::node(qsizetype start, qsizetype end, VersionNode &node, int depth) {
  if (depth > kDeepest)
    return fail(start, QStringLiteral("the version resource is nested too deeply"));
  if (start % 4)
    return fail(start, QStringLiteral("a version node that is not on a 32-bit boundary"));
  if (end - start < 6)
    return fail(start, QStringLiteral("a version node cut short"));
  BinaryReader in(QByteArrayView(data).first(end), start);
  const quint16 length = in.word();
  node.valueLength = in.word();
  node.type = in.word();
  if (length < 6 || length > end - start)
    return fail(start, QStringLiteral("a version node of %1 bytes where %2 are left")
                           .arg(length)
                           .arg(end - start));
  const qsizetype nodeEnd = start + length;
  if (node.type > 1)
    return fail(start + 4, QStringLiteral("a version value neither text nor binary"));
  in = BinaryReader(QByteArrayView(data).first(nodeEnd), start + 6);
  node.key = in.zeroTerminated();
  if (in.failed())
    return fail(start + 6, QStringLiteral("a version key without its end"));
  in.align(4);
  const qsizetype valueBytes = node.type == 1 ? qsizetype(node.valueLength) * 2 : node.valueLength;
  if (valueBytes > 0 && (in.position() > nodeEnd || valueBytes > nodeEnd - in.position()))
    return fail(
        start + 2,
        QStringLiteral("a version value of %1 bytes beyond its node's end").arg(valueBytes));
  node.value = in.bytes(valueBytes);
  in.align(4);
  for (qsizetype at = in.position(); at < nodeEnd;) {
    VersionNode child;
    if (!this->node(at, nodeEnd, child, depth + 1))
      return false;
    at = (at + qFromLittleEndian<quint16>(data.constData() + at) + 3) / 4 * 4;
    node.children.append(std::move(child));
  }
  return true;
}

void writeNode(QByteArray &out, const VersionNode &node) {
  const qsizetype start = out.size();
  writeWord(out, 0); // the length, known at the end
  writeWord(out, node.valueLength);
  writeWord(out, node.type);
  writeText(out, node.key);
  alignTo4(out);
  out += node.value;
  for (const VersionNode &child : node.children) {
    alignTo4(out);
    writeNode(out, child);
  }
  qToLittleEndian<quint16>(quint16(out.size() - start), out.data() + start);
}

quint32 dwordAt(const QByteArray &bytes, int index) {
  return qFromLittleEndian<quint32>(bytes.constData() + index * 4);
}

QString hex(quint32 value) {
  return QStringLiteral("0x%1").arg(value, 0, 16);
}

QString version(const quint32 (&parts)[2]) {
  return QStringLiteral("%1, %2, %3, %4")
      .arg(parts[0] >> 16)
      .arg(parts[0] & 0xFFFF)
      .arg(parts[1] >> 16)
      .arg(parts[1] & 0xFFFF);
}

// A node as a BLOCK or VALUE statement; false when none gives back its bytes.
bool nodeStatement(const VersionNode &node, int depth, QString &out) {
  const QString indent(depth * 4, u' ');
  const QString key = scriptLiteral(node.key);
  if (!node.children.isEmpty() || (node.type == 1 && node.valueLength == 0)) {
    if (node.type != 1 || node.valueLength != 0)
      return false;
    out += indent + QStringLiteral("BLOCK ") + key + u'\n' + indent + QStringLiteral("BEGIN\n");
    for (const VersionNode &child : node.children)
      if (!nodeStatement(child, depth + 1, out))
        return false;
    out += indent + QStringLiteral("END\n");
    return true;
  }
  if (node.type == 1) {
    // The compilers end a text at its first zero and store that zero.
    QString text;
    for (qsizetype i = 0; i + 1 < node.value.size(); i += 2)
      text += QChar(qFromLittleEndian<quint16>(node.value.constData() + i));
    if (text.indexOf(QChar(0)) != text.size() - 1)
      return false;
    out += indent + QStringLiteral("VALUE ") + key + QStringLiteral(", ") +
           scriptLiteral(text.chopped(1)) + u'\n';
    return true;
  }
  if (node.value.isEmpty() || node.value.size() % 2)
    return false;
  QStringList words;
  for (qsizetype i = 0; i < node.value.size(); i += 2)
    words << hex(qFromLittleEndian<quint16>(node.value.constData() + i));
  out += indent + QStringLiteral("VALUE ") + key + QStringLiteral(", ") +
         words.join(QStringLiteral(", ")) + u'\n';
  return true;
}

QString hex4(int value, bool upper) {
  const QString digits = QStringLiteral("%1").arg(value & 0xFFFF, 4, 16, QLatin1Char('0'));
  return upper ? digits.toUpper() : digits;
}

int adaptedCodePage(int codePage, int targetLanguage) {
  const int target = defaultCodePage(targetLanguage);
  return codePage == kUnicode || target <= 0 ? kUnicode : target;
}

void adaptNode(VersionNode &node, const QString &parent, int from, int to) {
  bool ok = false;
  if (parent.compare(QLatin1String("StringFileInfo"), Qt::CaseInsensitive) == 0 &&
      node.key.size() == 8 && node.key.left(4).toInt(&ok, 16) == from && ok) {
    const int codePage = node.key.mid(4).toInt(nullptr, 16);
    const bool upper = node.key != node.key.toLower();
    node.key = hex4(to, upper) + hex4(adaptedCodePage(codePage, to), upper);
  }
  if (parent.compare(QLatin1String("VarFileInfo"), Qt::CaseInsensitive) == 0 &&
      node.key.compare(QLatin1String("Translation"), Qt::CaseInsensitive) == 0 && node.type == 0)
    for (qsizetype i = 0; i + 4 <= node.value.size(); i += 4) {
      char *pair = node.value.data() + i;
      if (qFromLittleEndian<quint16>(pair) != from)
        continue;
      const int codePage = qFromLittleEndian<quint16>(pair + 2);
      qToLittleEndian<quint16>(quint16(to), pair);
      qToLittleEndian<quint16>(quint16(adaptedCodePage(codePage, to)), pair + 2);
    }
  for (VersionNode &child : node.children)
    adaptNode(child, node.key, from, to);
}

} // namespace

bool readVersionResource(const QByteArray &data, VersionNode &root, QString &error,
                         qsizetype &offset) {
  root = VersionNode();
  NodeRead read{data, error, offset};
  return read.node(0, data.size(), root, 0);
}

QByteArray writeVersionResource(const VersionNode &root) {
  QByteArray out;
  writeNode(out, root);
  return out;
}

bool readFixedFileInfo(const VersionNode &root, FixedFileInfo &info) {
  if (root.type != 0 || root.valueLength != kFixedSize || root.value.size() != kFixedSize ||
      dwordAt(root.value, 0) != kSignature)
    return false;
  quint32 *const fields[] = {&info.fileVersion[0],
                             &info.fileVersion[1],
                             &info.productVersion[0],
                             &info.productVersion[1],
                             &info.flagsMask,
                             &info.flags,
                             &info.os,
                             &info.type,
                             &info.subtype,
                             &info.date[0],
                             &info.date[1]};
  for (int i = 0; i < 11; ++i)
    *fields[i] = dwordAt(root.value, i + 2);
  return true;
}

QString versionInfoStatement(const QByteArray &data, const QString &name) {
  VersionNode root;
  QString error;
  qsizetype offset = -1;
  FixedFileInfo info;
  // The statement gives no structure version and no file date: those must be the
  // compiler's own.
  if (!readVersionResource(data, root, error, offset) ||
      root.key != QLatin1String("VS_VERSION_INFO") || !readFixedFileInfo(root, info) ||
      dwordAt(root.value, 1) != 0x00010000 || info.date[0] || info.date[1] ||
      writeVersionResource(root) != data)
    return {};
  QString out = name + QStringLiteral(" VERSIONINFO\n");
  out += QStringLiteral("FILEVERSION ") + version(info.fileVersion) + u'\n';
  out += QStringLiteral("PRODUCTVERSION ") + version(info.productVersion) + u'\n';
  out += QStringLiteral("FILEFLAGSMASK ") + hex(info.flagsMask) + u'\n';
  out += QStringLiteral("FILEFLAGS ") + hex(info.flags) + u'\n';
  out += QStringLiteral("FILEOS ") + hex(info.os) + u'\n';
  out += QStringLiteral("FILETYPE ") + hex(info.type) + u'\n';
  out += QStringLiteral("FILESUBTYPE ") + hex(info.subtype) + u'\n';
  out += QStringLiteral("BEGIN\n");
  for (const VersionNode &child : root.children)
    if (!nodeStatement(child, 1, out))
      return {};
  return out + QStringLiteral("END\n");
}

QByteArray adaptVersionResource(const QByteArray &data, int sourceLanguage, int targetLanguage) {
  VersionNode root;
  QString error;
  qsizetype offset = -1;
  if (sourceLanguage < 0 || targetLanguage < 0 || sourceLanguage == targetLanguage ||
      !readVersionResource(data, root, error, offset))
    return data;
  adaptNode(root, root.key, sourceLanguage, targetLanguage);
  return writeVersionResource(root);
}

} // namespace tarvelo
