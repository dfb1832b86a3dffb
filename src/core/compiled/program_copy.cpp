// Writing a program's copy with new resources: the new .rsrc section placed where the
// layout allows, every file offset and size of the headers that it moves set again.
#include "compiled/program_copy.h"

#include "compiled/language_dll.h"
#include "compiled/pe_layout.h"
#include "compiled/pe_resources.h"
#include "compiled/resource_section.h"

#include <QHash>
#include <QtEndian>

namespace tarvelo {

namespace {

constexpr int kResourceDirectory = 2;
constexpr int kSecurityDirectory = 4;
constexpr int kRelocationDirectory = 5;
constexpr int kDebugDirectory = 6;
constexpr int kClrDirectory = 14;
constexpr qsizetype kSectionHeaderSize = 40;
constexpr qsizetype kDebugEntrySize = 28;

quint64 alignUp(quint64 value, quint64 alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

quint32 dwordAt(const QByteArray &bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

void putDword(QByteArray &bytes, qsizetype at, quint32 value) {
  qToLittleEndian<quint32>(value, bytes.data() + at);
}

QString resourceKey(const CompiledResource &resource) {
  const auto id = [](const ResourceId &value) {
    return value.isNumber() ? QString::number(value.number) : u'"' + value.name;
  };
  return id(resource.type) + u'/' + id(resource.name) + u'/' + QString::number(resource.language);
}

bool failed(ProgramCopyReport &report, const QString &message, qsizetype offset) {
  report.error = message;
  report.errorOffset = offset;
  return false;
}

// Where the new section goes and which bytes of the file it takes the place of: the
// bytes from cutFrom to cutTo give way to padding zeros, the section and zeros up to
// rawSize; everything from cutTo on moves by shift.
struct Plan {
  ResourcePlacement placement = ResourcePlacement::NewSection;
  int section = -1;     // the section rewritten; -1 for a new one
  int relocations = -1; // the .reloc section moved up
  quint32 rva = 0;
  quint32 rawSize = 0;
  qsizetype cutFrom = 0, cutTo = 0, padding = 0;
  qint64 shift = 0;
};

// Drops an Authenticode signature: its records stand at a file offset after the sections.
bool removeSignature(QByteArray &bytes, PeLayout &layout, ProgramCopyReport &report) {
  const PeDirectory security = peDirectory(bytes, layout, kSecurityDirectory);
  if (security.address == 0 && security.size == 0)
    return true;
  quint64 sectionsEnd = 0;
  for (const PeSection &section : layout.sections)
    sectionsEnd = std::max(sectionsEnd, section.rawSize ? section.rawEnd() : 0);
  const quint64 end = quint64(security.address) + security.size;
  if (end > quint64(bytes.size()) || security.address < sectionsEnd)
    return failed(report,
                  QStringLiteral("the signature (security directory: 0x%1 bytes at 0x%2) does "
                                 "not lie after the sections within the file")
                      .arg(security.size, 0, 16)
                      .arg(security.address, 0, 16),
                  layout.directoryOffset(kSecurityDirectory));
  bytes.remove(qsizetype(security.address), qsizetype(security.size));
  putDword(bytes, layout.directoryOffset(kSecurityDirectory), 0);
  putDword(bytes, layout.directoryOffset(kSecurityDirectory) + 4, 0);
  if (layout.symbolTable >= end) {
    layout.symbolTable -= security.size;
    putDword(bytes, layout.coffHeader + 8, layout.symbolTable);
  }
  report.signatureRemoved = true;
  return true;
}

// Whether no data directory but the resources' points into the section's addresses:
// then its bytes are the resources' alone and may be rewritten.
bool holdsResourcesOnly(const QByteArray &bytes, const PeLayout &layout, const PeSection &section,
                        int except = kResourceDirectory) {
  for (int index = 0; index < int(layout.directoryCount); ++index) {
    const PeDirectory directory = peDirectory(bytes, layout, index);
    if (index == except || index == kSecurityDirectory || directory.address == 0)
      continue;
    if (directory.address >= section.virtualAddress && directory.address < section.virtualEnd())
      return false;
  }
  return true;
}

// The section whose address comes next after the given one's, or -1.
int nextSection(const PeLayout &layout, int index) {
  int next = -1;
  for (int i = 0; i < layout.sections.size(); ++i) {
    const quint32 address = layout.sections[i].virtualAddress;
    if (address > layout.sections[index].virtualAddress &&
        (next < 0 || address < layout.sections[next].virtualAddress))
      next = i;
  }
  return next;
}

// A .reloc section that is the last one, after the resources' in the file too, and
// holds nothing but the relocations: position-independent data that may move.
bool movableRelocations(const QByteArray &bytes, const PeLayout &layout, int resources, int index) {
  const PeSection &section = layout.sections[index];
  const PeDirectory relocations = peDirectory(bytes, layout, kRelocationDirectory);
  return section.name == ".reloc" && nextSection(layout, index) < 0 &&
         relocations.address >= section.virtualAddress &&
         relocations.address < section.virtualEnd() &&
         section.rawOffset >= layout.sections[resources].rawEnd() &&
         holdsResourcesOnly(bytes, layout, section, kRelocationDirectory);
}

// The old .rsrc section rewritten in its own address space, grown at the end of the
// image, or grown with the relocations moved after it; false when none of these fits.
bool planInPlace(const QByteArray &bytes, const PeLayout &layout, quint32 size, Plan &plan) {
  const PeDirectory resources = peDirectory(bytes, layout, kResourceDirectory);
  int index = -1;
  for (int i = 0; i < layout.sections.size(); ++i)
    if (layout.sections[i].name == ".rsrc" &&
        layout.sections[i].virtualAddress == resources.address)
      index = i;
  if (index < 0 || resources.address == 0 || layout.sections[index].rawSize == 0 ||
      !holdsResourcesOnly(bytes, layout, layout.sections[index]))
    return false;
  const PeSection &section = layout.sections[index];
  const int next = nextSection(layout, index);
  if (next < 0)
    plan.placement = ResourcePlacement::Grown;
  else if (size <= layout.sections[next].virtualAddress - section.virtualAddress)
    plan.placement = ResourcePlacement::Rewritten;
  else if (movableRelocations(bytes, layout, index, next)) {
    plan.placement = ResourcePlacement::RelocationsMoved;
    plan.relocations = next;
  } else
    return false;
  plan.section = index;
  plan.rva = section.virtualAddress;
  plan.rawSize = quint32(std::max<quint64>(alignUp(size, layout.fileAlignment), section.rawSize));
  plan.cutFrom = section.rawOffset;
  plan.cutTo = qsizetype(section.rawEnd());
  plan.shift = qint64(plan.rawSize) - section.rawSize;
  return true;
}

// A new last section: its header after the others (where there must be room), its
// bytes after the last section's, before the symbol table and overlay.
bool planNewSection(const QByteArray &bytes, const PeLayout &layout, quint32 size, Plan &plan,
                    ProgramCopyReport &report) {
  const qsizetype tableEnd = layout.sectionTable + layout.sections.size() * kSectionHeaderSize;
  quint64 firstRaw = bytes.size(), lastRaw = layout.sizeOfHeaders,
          lastAddress = layout.sizeOfHeaders;
  for (const PeSection &section : layout.sections) {
    if (section.rawSize) {
      firstRaw = std::min<quint64>(firstRaw, section.rawOffset);
      lastRaw = std::max(lastRaw, section.rawEnd());
    }
    lastAddress = std::max(lastAddress, section.virtualEnd());
  }
  const QByteArray room = bytes.mid(tableEnd, kSectionHeaderSize);
  if (quint64(tableEnd + kSectionHeaderSize) > firstRaw || room.count('\0') != kSectionHeaderSize)
    return failed(report,
                  QStringLiteral("there is no room for another section header before the first "
                                 "section's bytes (at 0x%1), so the resources cannot be added")
                      .arg(firstRaw, 0, 16),
                  tableEnd);
  plan.placement = ResourcePlacement::NewSection;
  plan.rva = quint32(alignUp(lastAddress, layout.sectionAlignment));
  plan.rawSize = quint32(alignUp(size, layout.fileAlignment));
  plan.cutFrom = plan.cutTo = qsizetype(lastRaw);
  plan.padding = qsizetype(alignUp(lastRaw, layout.fileAlignment) - lastRaw);
  plan.shift = plan.padding + plan.rawSize;
  return true;
}

// The resources the program holds now: none when it has no resource directory.
bool readOriginals(const QByteArray &bytes, const PeLayout &layout,
                   QList<CompiledResource> &originals, ProgramCopyReport &report) {
  if (peDirectory(bytes, layout, kClrDirectory).address != 0)
    return failed(report, QStringLiteral("a .NET assembly: its texts are not Windows resources"),
                  layout.directoryOffset(kClrDirectory));
  if (peDirectory(bytes, layout, kResourceDirectory).address == 0)
    return true;
  PeResourcesRead read = readPeResources(bytes);
  if (!read.ok())
    return failed(report, read.error, read.errorOffset);
  originals = std::move(read.resources);
  return true;
}

quint64 moved(quint64 offset, const Plan &plan) {
  return offset >= quint64(plan.cutTo) ? quint64(qint64(offset) + plan.shift) : offset;
}

// The file offsets the debug directory's entries give for their data.
void moveDebugData(QByteArray &out, const QByteArray &bytes, const PeLayout &layout,
                   const Plan &plan) {
  const PeDirectory debug = peDirectory(bytes, layout, kDebugDirectory);
  const qsizetype at = debug.address ? peFileOffset(layout, debug.address, debug.size) : -1;
  if (at < 0)
    return;
  const qsizetype movedAt = qsizetype(moved(quint64(at), plan));
  for (qsizetype entry = 0; entry + kDebugEntrySize <= qsizetype(debug.size);
       entry += kDebugEntrySize) {
    const quint32 pointer = dwordAt(out, movedAt + entry + 24);
    if (pointer != 0)
      putDword(out, movedAt + entry + 24, quint32(moved(pointer, plan)));
  }
}

// The name, sizes and places of a section header; a new one's characteristics too.
void writeSectionHeader(QByteArray &out, const PeSection &section, bool added) {
  QByteArray name = section.name.left(8);
  name.append(QByteArray(8 - name.size(), '\0'));
  out.replace(section.headerOffset, 8, name);
  putDword(out, section.headerOffset + 8, section.virtualSize);
  putDword(out, section.headerOffset + 12, section.virtualAddress);
  putDword(out, section.headerOffset + 16, section.rawSize);
  putDword(out, section.headerOffset + 20, section.rawOffset);
  if (added) {
    out.replace(section.headerOffset + 24, 12, QByteArray(12, '\0'));
    putDword(out, section.headerOffset + 36, 0x40000040); // initialized data, readable
  }
}

// Sets the section table and the headers for the new layout.
void updateHeaders(QByteArray &out, const QByteArray &bytes, const PeLayout &old, const Plan &plan,
                   quint32 size) {
  PeLayout layout = old;
  for (PeSection &section : layout.sections)
    if (section.rawSize && section.rawOffset >= plan.cutTo)
      section.rawOffset = quint32(moved(section.rawOffset, plan));
  quint32 oldRawSize = 0;
  if (plan.section >= 0) {
    PeSection &resources = layout.sections[plan.section];
    oldRawSize = resources.rawSize;
    resources.virtualSize = size;
    resources.rawSize = plan.rawSize;
  } else {
    for (PeSection &section : layout.sections)
      if (section.name == ".rsrc")
        section.name = ".rsrc0"; // its bytes stay, no longer referenced
    PeSection added;
    added.name = ".rsrc";
    added.virtualSize = size;
    added.virtualAddress = plan.rva;
    added.rawSize = plan.rawSize;
    added.rawOffset = quint32(plan.cutFrom + plan.padding);
    added.headerOffset = layout.sectionTable + layout.sections.size() * kSectionHeaderSize;
    layout.sections.append(added);
    out[layout.coffHeader + 2] = char(layout.sections.size() & 0xFF);
    out[layout.coffHeader + 3] = char(layout.sections.size() >> 8);
    const quint64 headersEnd = quint64(added.headerOffset + kSectionHeaderSize);
    if (headersEnd > layout.sizeOfHeaders)
      putDword(out, layout.sizeOfHeadersOffset(),
               quint32(alignUp(headersEnd, layout.fileAlignment)));
  }
  if (plan.relocations >= 0) {
    PeSection &relocations = layout.sections[plan.relocations];
    const quint32 address = quint32(alignUp(quint64(plan.rva) + size, layout.sectionAlignment));
    const qsizetype directory = layout.directoryOffset(kRelocationDirectory);
    putDword(out, directory, dwordAt(out, directory) + (address - relocations.virtualAddress));
    relocations.virtualAddress = address;
  }
  quint64 imageEnd = 0;
  for (qsizetype i = 0; i < layout.sections.size(); ++i) {
    writeSectionHeader(out, layout.sections[i],
                       plan.section < 0 && i == layout.sections.size() - 1);
    imageEnd = std::max(imageEnd, layout.sections[i].virtualEnd());
  }
  putDword(out, layout.directoryOffset(kResourceDirectory), plan.rva);
  putDword(out, layout.directoryOffset(kResourceDirectory) + 4, size);
  putDword(out, layout.sizeOfImageOffset(), quint32(alignUp(imageEnd, layout.sectionAlignment)));
  const quint32 initialized = dwordAt(out, layout.sizeOfInitializedDataOffset());
  putDword(out, layout.sizeOfInitializedDataOffset(),
           initialized + plan.rawSize - std::min(oldRawSize, initialized + plan.rawSize));
  if (layout.symbolTable)
    putDword(out, layout.coffHeader + 8, quint32(moved(layout.symbolTable, plan)));
  moveDebugData(out, bytes, old, plan);
}

} // namespace

QList<CompiledResource> mergedResources(const QList<CompiledResource> &originals,
                                        const QList<CompiledResource> &translation, int &added,
                                        int &replaced) {
  added = replaced = 0;
  QList<CompiledResource> merged = originals;
  QHash<QString, qsizetype> places;
  for (qsizetype i = 0; i < merged.size(); ++i)
    places.insert(resourceKey(merged[i]), i); // the reader gives each key once
  QHash<QString, bool> taken;
  for (const CompiledResource &resource : translation) {
    const QString key = resourceKey(resource);
    if (taken.contains(key))
      continue;
    taken.insert(key, true);
    const auto place = places.constFind(key);
    if (place != places.constEnd()) {
      merged[*place].data = resource.data;
      ++replaced;
    } else {
      merged.append(resource);
      ++added;
    }
  }
  return merged;
}

ProgramCopy writeProgramCopy(const QByteArray &program,
                             const QList<CompiledResource> &translation) {
  ProgramCopy copy;
  ProgramCopyReport &report = copy.report;
  const PeLayoutRead read = readPeLayout(program);
  if (!read.ok()) {
    failed(report, read.error, read.errorOffset);
    return copy;
  }
  PeLayout layout = read.layout;
  QByteArray bytes = program;
  QList<CompiledResource> originals;
  if (!removeSignature(bytes, layout, report) || !readOriginals(bytes, layout, originals, report))
    return copy;
  const QList<CompiledResource> resources =
      mergedResources(originals, translation, report.added, report.replaced);
  const quint64 size = buildResourceSection(resources, 0).size();
  Plan plan;
  if (size > 0x7FFFFFFF) {
    failed(report, QStringLiteral("the resources would fill more than 2 GB"), 0);
    return copy;
  }
  if (!planInPlace(bytes, layout, quint32(size), plan) &&
      !planNewSection(bytes, layout, quint32(size), plan, report))
    return copy;
  if (quint64(bytes.size()) + quint64(std::max<qint64>(plan.shift, 0)) > 0xFFFFFFFFull ||
      quint64(plan.rva) + size > 0xFFFFFFFFull) {
    failed(report, QStringLiteral("the copy would be larger than 4 GB"), 0);
    return copy;
  }
  report.placement = plan.placement;
  QByteArray section = buildResourceSection(resources, plan.rva);
  section.append(QByteArray(qsizetype(plan.rawSize) - section.size(), '\0'));
  QByteArray out = bytes.left(plan.cutFrom);
  out.append(QByteArray(plan.padding, '\0'));
  out.append(section);
  out.append(bytes.mid(plan.cutTo));
  updateHeaders(out, bytes, layout, plan, quint32(size));
  putDword(out, layout.checksumOffset(), peChecksum(out, layout.checksumOffset()));
  copy.image = std::move(out);
  return copy;
}

} // namespace tarvelo
