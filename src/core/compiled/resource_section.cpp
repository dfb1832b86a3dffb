// Building the resource directory and data of a .rsrc section.
#include "compiled/resource_section.h"

#include <map>

namespace tarvelo {

namespace {

// Orders identifiers as the directory must: names before numbers, names by their
// UTF-16 units, numbers by value.
struct IdOrder {
  bool operator()(const ResourceId &a, const ResourceId &b) const {
    if (a.isNumber() != b.isNumber())
      return !a.isNumber();
    if (a.isNumber())
      return a.number < b.number;
    return QStringView(a.name).compare(QStringView(b.name), Qt::CaseSensitive) < 0;
  }
};

using Languages = std::map<quint16, const QByteArray *>;
using Names = std::map<ResourceId, Languages, IdOrder>;
using Types = std::map<ResourceId, Names, IdOrder>;

void putWord(QByteArray &out, qsizetype at, quint16 value) {
  out[at] = char(value & 0xFF);
  out[at + 1] = char(value >> 8);
}

void putDword(QByteArray &out, qsizetype at, quint32 value) {
  putWord(out, at, quint16(value & 0xFFFF));
  putWord(out, at + 2, quint16(value >> 16));
}

// Lays the section out in the order the linkers do: every directory table, the names,
// the data entries, then the data, each piece's place known before it is written.
class SectionWriter {
public:
  SectionWriter(const Types &types, quint32 rva) : m_types(types), m_rva(rva) {}

  QByteArray write() {
    measure();
    m_out = QByteArray(m_end, '\0');
    qsizetype table = 0;
    qsizetype nextTable = 16 + qsizetype(m_types.size()) * 8;
    writeTable(table, m_types.size(), [&](auto &&entry) {
      for (const auto &[type, names] : m_types) {
        entry(type, nextTable, true);
        const qsizetype namesTable = nextTable;
        nextTable += 16 + qsizetype(names.size()) * 8;
        m_pendingNames.push_back({namesTable, &names});
      }
    });
    for (const auto &[at, names] : m_pendingNames)
      writeNames(at, *names, nextTable);
    return m_out;
  }

private:
  // The size of every part, so that the offsets are known in one pass.
  void measure() {
    qsizetype tables = 16 + qsizetype(m_types.size()) * 8;
    qsizetype strings = 0;
    qsizetype dataEntries = 0;
    const auto countName = [&](const ResourceId &id) {
      if (!id.isNumber())
        strings += 2 + id.name.size() * 2;
    };
    for (const auto &[type, names] : m_types) {
      countName(type);
      tables += 16 + qsizetype(names.size()) * 8;
      for (const auto &[name, languages] : names) {
        countName(name);
        tables += 16 + qsizetype(languages.size()) * 8;
        dataEntries += qsizetype(languages.size());
      }
    }
    m_stringsAt = tables;
    m_entriesAt = (tables + strings + 3) / 4 * 4;
    m_dataAt = m_entriesAt + dataEntries * 16;
    m_end = m_dataAt;
    for (const auto &[type, names] : m_types)
      for (const auto &[name, languages] : names)
        for (const auto &[language, data] : languages)
          m_end = (m_end + 7) / 8 * 8 + data->size();
    m_end = (m_end + 7) / 8 * 8;
    m_nextString = m_stringsAt;
    m_nextEntry = m_entriesAt;
    m_nextData = m_dataAt;
  }

  // A directory table's header, then its entries through fill.
  template <typename Fill> void writeTable(qsizetype at, size_t count, Fill &&fill) {
    qsizetype named = 0;
    m_entryAt = at + 16;
    fill([&](const ResourceId &id, qsizetype target, bool subdirectory) {
      if (!id.isNumber())
        ++named;
      putDword(m_out, m_entryAt, idField(id));
      putDword(m_out, m_entryAt + 4, quint32(target) | (subdirectory ? 0x80000000u : 0));
      m_entryAt += 8;
    });
    putWord(m_out, at + 12, quint16(named));
    putWord(m_out, at + 14, quint16(qsizetype(count) - named));
  }

  void writeNames(qsizetype at, const Names &names, qsizetype &nextTable) {
    std::vector<std::pair<qsizetype, const Languages *>> languageTables;
    writeTable(at, names.size(), [&](auto &&entry) {
      for (const auto &[name, languages] : names) {
        entry(name, nextTable, true);
        languageTables.push_back({nextTable, &languages});
        nextTable += 16 + qsizetype(languages.size()) * 8;
      }
    });
    for (const auto &[table, languages] : languageTables)
      writeTable(table, languages->size(), [&](auto &&entry) {
        for (const auto &[language, data] : *languages)
          entry(ResourceId::fromNumber(language), writeData(*data), false);
      });
  }

  // The data entry and the data of one resource; the entry's offset.
  qsizetype writeData(const QByteArray &data) {
    m_nextData = (m_nextData + 7) / 8 * 8;
    const qsizetype entry = m_nextEntry;
    putDword(m_out, entry, m_rva + quint32(m_nextData));
    putDword(m_out, entry + 4, quint32(data.size()));
    m_out.replace(m_nextData, data.size(), data);
    m_nextData += data.size();
    m_nextEntry += 16;
    return entry;
  }

  // A number, or the offset of the name's counted string with the high bit set.
  quint32 idField(const ResourceId &id) {
    if (id.isNumber())
      return id.number;
    const qsizetype at = m_nextString;
    putWord(m_out, at, quint16(id.name.size()));
    for (qsizetype i = 0; i < id.name.size(); ++i)
      putWord(m_out, at + 2 + i * 2, id.name[i].unicode());
    m_nextString += 2 + id.name.size() * 2;
    return quint32(at) | 0x80000000u;
  }

  const Types &m_types;
  const quint32 m_rva;
  QByteArray m_out;
  qsizetype m_stringsAt = 0, m_entriesAt = 0, m_dataAt = 0, m_end = 0;
  qsizetype m_nextString = 0, m_nextEntry = 0, m_nextData = 0, m_entryAt = 0;
  std::vector<std::pair<qsizetype, const Names *>> m_pendingNames;
};

} // namespace

QByteArray buildResourceSection(const QList<CompiledResource> &resources, quint32 sectionRva) {
  Types types;
  for (const CompiledResource &resource : resources)
    types[resource.type][resource.name].emplace(resource.language, &resource.data);
  return SectionWriter(types, sectionRva).write();
}

} // namespace tarvelo
