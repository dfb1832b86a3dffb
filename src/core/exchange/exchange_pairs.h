// The records of an export: distinct pairs, with where their entries stand.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tarvelo {

class EntryList;
class TextEntry;

// Whether an entry takes part; a null test takes every entry ("All items").
using EntryTest = std::function<bool(const TextEntry &)>;

// One record of an export: the first entry of its occurrence chain with this target
// text, and where the entries with that target stand when the source text has other
// translations too (empty otherwise), so that an import can reach them again.
struct ExportPair {
  TextEntry *entry = nullptr;
  QStringList locations;
};

// The distinct pairs of the list in list order: translatable entries with a source text
// whose target no earlier entry of their occurrence chain has, passing the test.
std::vector<ExportPair> distinctPairs(const EntryList &entries, const EntryTest &passes);

// Where an entry stands: its kind and identifier, within its resource for the entries
// of a dialog or a menu ("DIALOG IDD_ABOUT/IDOK"); a later entry of the same chain at the
// same place is numbered ("#2").
class EntryLocations {
public:
  QString of(const TextEntry *entry);

private:
  QHash<const TextEntry *, QString> m_known;
};

// The locations a context names, and the context that names them.
QStringList locationsOf(const QString &context);
QString contextOf(const QStringList &locations);

} // namespace tarvelo
