// Reading the resource directory of PE files.
#include "compiled/pe_resources.h"

#include "compiled/binary_reader.h"

#include <QSet>

namespace tarvelo {

namespace {

constexpr quint32 kPeSignature = 0x00004550; // "PE\0\0"
constexpr quint16 kPe32 = 0x10B;
constexpr quint16 kPe32Plus = 0x20B;
constexpr int kResourceDirectory = 2;
constexpr int kClrDirectory = 14;
constexpr quint32 kSubdirectory = 0x80000000;

struct Section {
  quint32 virtualAddress = 0;
  quint32 virtualSize = 0;
  quint32 rawSize = 0;
  quint32 rawOffset = 0;
};

// The file's layout: where each section's bytes stand and its resource directory.
struct Image {
  QList<Section> sections;
  quint32 resourceRva = 0;
  quint32 resourceSize = 0;
  quint32 clrRva = 0;
  bool is64Bit = false;
};

class Failure {
public:
  void set(const QString &message, qsizetype offset) {
    if (!failed()) {
      m_message = message;
      m_offset = offset;
    }
  }
  bool failed() const { return !m_message.isEmpty(); }
  const QString &message() const { return m_message; }
  qsizetype offset() const { return m_offset; }

private:
  QString m_message;
  qsizetype m_offset = -1;
};

// The file offset of an address of the loaded image, or -1 outside every section's bytes.
qsizetype fileOffset(const Image &image, quint64 rva, quint64 size, qsizetype fileSize) {
  for (const Section &section : image.sections) {
    const quint64 extent = std::max(section.virtualSize, section.rawSize);
    if (rva < section.virtualAddress || rva + size > quint64(section.virtualAddress) + extent)
      continue;
    const quint64 offset = section.rawOffset + (rva - section.virtualAddress);
    if (rva + size > quint64(section.virtualAddress) + section.rawSize ||
        offset + size > quint64(fileSize))
      return -1;
    return qsizetype(offset);
  }
  return -1;
}

bool readHeaders(BinaryReader &reader, Image &image, Failure &failure) {
  if (reader.word() != 0x5A4D) {
    failure.set(QStringLiteral("the file is no Windows program (it does not begin with MZ)"), 0);
    return false;
  }
  reader.seek(0x3C);
  const quint32 peOffset = reader.dword();
  reader.seek(qsizetype(peOffset));
  if (reader.dword() != kPeSignature || reader.failed()) {
    failure.set(QStringLiteral("the file has no PE header where its DOS header points"),
                qsizetype(peOffset));
    return false;
  }
  reader.word(); // machine
  const quint16 sectionCount = reader.word();
  reader.seek(reader.position() + 12);
  const quint16 optionalSize = reader.word();
  reader.word(); // characteristics
  const qsizetype optional = reader.position();
  const quint16 magic = reader.word();
  if (magic != kPe32 && magic != kPe32Plus) {
    failure.set(QStringLiteral("the optional header's magic number is 0x%1").arg(magic, 0, 16),
                optional);
    return false;
  }
  image.is64Bit = magic == kPe32Plus;
  const qsizetype counts = optional + (image.is64Bit ? 108 : 92);
  reader.seek(counts);
  const quint32 directories = reader.dword();
  const auto directory = [&](int index, quint32 &rva, quint32 &size) {
    if (quint32(index) >= directories || counts + 4 + (index + 1) * 8 > optional + optionalSize)
      return;
    reader.seek(counts + 4 + index * 8);
    rva = reader.dword();
    size = reader.dword();
  };
  directory(kResourceDirectory, image.resourceRva, image.resourceSize);
  quint32 clrSize = 0;
  directory(kClrDirectory, image.clrRva, clrSize);
  reader.seek(optional + optionalSize);
  for (int i = 0; i < sectionCount && !reader.failed(); ++i) {
    Section section;
    reader.seek(reader.position() + 8); // the name
    section.virtualSize = reader.dword();
    section.virtualAddress = reader.dword();
    section.rawSize = reader.dword();
    section.rawOffset = reader.dword();
    reader.seek(reader.position() + 16);
    image.sections.append(section);
  }
  if (reader.failed()) {
    failure.set(QStringLiteral("the file ends inside its headers"), reader.size());
    return false;
  }
  return true;
}

// Walks the resource directory: type, name and language, each entry checked.
class DirectoryWalk {
public:
  DirectoryWalk(const QByteArray &bytes, const Image &image, qsizetype base, Failure &failure,
                QList<CompiledResource> &out)
      : m_bytes(bytes), m_image(image), m_base(base), m_failure(failure), m_out(out) {}

  void walk(quint32 offset, int level, CompiledResource &resource) {
    const qsizetype at = m_base + qsizetype(offset);
    if (m_failure.failed())
      return;
    if (m_visited.contains(at)) {
      m_failure.set(QStringLiteral("the resource directory loops back on itself"), at);
      return;
    }
    m_visited.insert(at);
    BinaryReader reader(m_bytes, at + 12);
    const int entries = reader.word() + reader.word();
    if (reader.failed() || at + 16 + qsizetype(entries) * 8 > m_bytes.size()) {
      m_failure.set(QStringLiteral("a resource directory holds more entries than the file"), at);
      return;
    }
    for (int i = 0; i < entries && !m_failure.failed(); ++i) {
      const quint32 id = reader.dword();
      const quint32 target = reader.dword();
      if (!name(id, level, resource))
        return;
      const bool subdirectory = target & kSubdirectory;
      if (subdirectory != (level < 2)) {
        m_failure.set(QStringLiteral("the resource directory is not three levels deep"),
                      reader.position() - 8);
        return;
      }
      if (subdirectory)
        walk(target & ~kSubdirectory, level + 1, resource);
      else
        data(target, resource);
    }
  }

private:
  // The type, name or language an entry gives, by its level.
  bool name(quint32 id, int level, CompiledResource &resource) {
    ResourceId value;
    if (id & kSubdirectory) {
      BinaryReader text(m_bytes, m_base + qsizetype(id & ~kSubdirectory));
      const quint16 length = text.word();
      const QByteArray units = text.bytes(qsizetype(length) * 2);
      if (text.failed() || length == 0) {
        m_failure.set(QStringLiteral("a resource's name lies outside the file"), text.position());
        return false;
      }
      value.name =
          QString::fromUtf16(reinterpret_cast<const char16_t *>(units.constData()), length);
    } else {
      value = ResourceId::fromNumber(quint16(id));
    }
    if (level == 0)
      resource.type = value;
    else if (level == 1)
      resource.name = value;
    else
      resource.language = value.number;
    return true;
  }

  void data(quint32 offset, const CompiledResource &resource) {
    BinaryReader entry(m_bytes, m_base + qsizetype(offset));
    const quint32 rva = entry.dword();
    const quint32 size = entry.dword();
    const qsizetype at = entry.failed() ? -1 : fileOffset(m_image, rva, size, m_bytes.size());
    if (at < 0) {
      m_failure.set(QStringLiteral("a resource's data lies outside the file"),
                    m_base + qsizetype(offset));
      return;
    }
    // Each byte of the file can be one resource's data only: entries that name the same
    // bytes again and again would make copies far beyond the file's size.
    m_copied += qsizetype(size);
    if (m_copied > m_bytes.size()) {
      m_failure.set(QStringLiteral("the resource directory names more data than the file "
                                   "holds"),
                    m_base + qsizetype(offset));
      return;
    }
    CompiledResource found = resource;
    found.data = m_bytes.mid(at, qsizetype(size));
    m_out.append(std::move(found));
  }

  const QByteArray &m_bytes;
  const Image &m_image;
  const qsizetype m_base;
  Failure &m_failure;
  QList<CompiledResource> &m_out;
  QSet<qsizetype> m_visited;
  qsizetype m_copied = 0;
};

} // namespace

PeResourcesRead readPeResources(const QByteArray &bytes) {
  PeResourcesRead read;
  BinaryReader reader(bytes);
  Image image;
  Failure failure;
  if (readHeaders(reader, image, failure)) {
    read.is64Bit = image.is64Bit;
    const qsizetype base =
        image.resourceRva ? fileOffset(image, image.resourceRva, 16, bytes.size()) : -1;
    if (image.resourceRva == 0 && image.clrRva != 0)
      failure.set(QStringLiteral("a .NET assembly: its texts are not Windows resources"), 0);
    else if (image.resourceRva == 0)
      failure.set(QStringLiteral("the program holds no resources (a packed program keeps them "
                                 "compressed)"),
                  0);
    else if (base < 0)
      failure.set(QStringLiteral("the resource directory lies outside the file"), 0);
    else {
      CompiledResource resource;
      DirectoryWalk(bytes, image, base, failure, read.resources).walk(0, 0, resource);
    }
  }
  read.error = failure.message();
  read.errorOffset = failure.offset();
  return read;
}

} // namespace tarvelo
