// The dialogs report: naming, measuring and checking every control of each dialog.
#include "dialogs/dialog_report.h"

#include "dialogs/control_item.h"
#include "dialogs/layout_checks.h"
#include "dialogs/report_settings.h"
#include "dialogs/shown_dialog.h"
#include "dialogs/text_fit.h"
#include "dialogs/text_measure.h"
#include "dialogs/window_rects.h"
#include "script/entry_list.h"
#include "script/task.h"
#include "script/text_entry.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace tarvelo {

namespace {

// Longest text a name quotes to tell a control from others of its identifier.
constexpr int kQuotedText = 30;

// The words of one list that the other does not hold, as far as the setting reports
// their group.
QStringList missingWords(const QStringList &from, const QStringList &in, int setting) {
  QStringList missing;
  for (const QString &word : from) {
    const int bit = isAlignmentStyle(word) ? ReportAlignmentStyles : ReportOtherStyles;
    if ((setting & bit) && !in.contains(word))
      missing.append(word);
  }
  return missing;
}

// The text of a control on one line, cut to a length that names it.
QString quotedText(const QString &text) {
  QString quoted =
      text.size() > kQuotedText ? text.left(kQuotedText) + QStringLiteral("...") : text;
  for (QChar &c : quoted)
    if (c.category() == QChar::Other_Control)
      c = u' ';
  return u'"' + quoted + u'"';
}

// Names every control: by its identifier alone when no other control of the dialog has
// it; else by its text as well (as written in the script), and by where it stands
// when the text does not tell it from the others.
void nameControls(std::vector<ControlReport> &controls) {
  QHash<QString, int> identifiers;
  QHash<std::pair<QString, QString>, int> texts;
  for (const ControlReport &control : controls) {
    ++identifiers[control.identifier];
    ++texts[{control.identifier, control.text}];
  }
  for (ControlReport &control : controls) {
    control.name = control.identifier;
    if (identifiers.value(control.identifier) < 2)
      continue;
    if (!control.text.isEmpty())
      control.name += u' ' + quotedText(control.text);
    if (control.text.isEmpty() || texts.value({control.identifier, control.text}) > 1)
      control.name = QCoreApplication::translate("tarvelo::DialogReport", "%1 at %2, %3")
                         .arg(control.name)
                         .arg(control.rect.x())
                         .arg(control.rect.y());
  }
}

// Statics whose text is drawn as it is ("&" included) or that show no text.
bool showsAccessKey(const DynControlItem &item) {
  if (item.kind == KindButton)
    return true;
  if (item.kind != KindStatic)
    return false;
  const quint32 type = item.staticType();
  const bool picture = (type >= 3 && type <= 10) || type == 14 || type == 15;
  return !picture && !(item.style & 0x80); // SS_NOPREFIX
}

// The dialog's statement and font as it is shown.
void describeDialog(DialogReport &report, const ShownDialog &shown, const MeasuringFont &font) {
  report.requestedFace = font.requestedFace();
  report.usedFace = font.usedFace();
  report.fontFallback = font.isFallback();
  report.fontNotice = tarvelo::fontNotice(font);
  report.points = shown.fontPoints;
  report.fontStatement = shown.hasFont;
  report.weight = shown.fontWeight;
  report.italic = shown.fontItalic;
  bool charsetRead = false;
  const int charset = shown.layout->fontCharset.trimmed().toInt(&charsetRead, 0);
  report.charset = charsetRead ? charset : 1;
  report.extended = shown.layout->extended;
  report.styles = shown.layout->styles;
  report.exStyles = shown.layout->exStyles;
  report.baseUnits = font.baseUnits();
  report.rect = shown.rect;
}

// The shown dialog's controls as windows, and the pixel rectangles Windows gives them:
// controls that size themselves are measured so.
struct ShownWindows {
  std::vector<DynControlItem> items;
  std::vector<QRect> rects;
};

ShownWindows shownWindows(const ShownDialog &shown, BaseUnits baseUnits, int pixelHeight) {
  ShownWindows windows;
  windows.items.reserve(shown.controls.size());
  std::vector<const DynControlItem *> itemsInOrder;
  std::vector<QRect> converted;
  for (const ShownControl &control : shown.controls) {
    windows.items.push_back(makeItem(*control.layout, control.rect, control.text));
    converted.push_back(toPixels(control.rect, baseUnits));
  }
  for (const DynControlItem &item : windows.items)
    itemsInOrder.push_back(&item);
  windows.rects = windowRects(itemsInOrder, converted, pixelHeight);
  return windows;
}

// The control's statement as written, and where its window stands.
void describeControl(ControlReport &out, const ShownControl &control, const DynControlItem &item,
                     const QRect &window) {
  const ControlLayout &layout = *control.layout;
  out.identifier = layout.identifier;
  out.entry = control.entry;
  out.className = item.className;
  out.text = control.text;
  out.keyword = layout.keyword;
  out.writtenClass = layout.className;
  out.styles = layout.styles;
  out.exStyles = layout.exStyles;
  out.rect = control.rect;
  out.pixels = window;
}

// The style words the target added or removed; the style lists of a statement that did
// not parse are cut short, so they are not compared.
void compareStyles(ControlReport &out, const ControlPair &pair, int setting) {
  if (!pair.source.parsed || !pair.target.parsed)
    return;
  out.addedStyles = missingWords(pair.target.styles, pair.source.styles, setting);
  out.removedStyles = missingWords(pair.source.styles, pair.target.styles, setting);
  out.addedExStyles = missingWords(pair.target.exStyles, pair.source.exStyles, setting);
  out.removedExStyles = missingWords(pair.source.exStyles, pair.target.exStyles, setting);
}

// Each later control that shows an access key names the first control with that key.
void findSameAccessKeys(std::vector<ControlReport> &controls,
                        const std::vector<DynControlItem> &items) {
  QHash<QString, size_t> first;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!showsAccessKey(items[i]))
      continue;
    const QString key = accessKey(items[i].text);
    if (key.isEmpty())
      continue;
    const auto found = first.constFind(key);
    if (found != first.constEnd())
      controls[i].sameAccessKey.append(controls[found.value()].name);
    else
      first.insert(key, i);
  }
}

// Where the control stands now and where the source put it.
PlacedControl placeControl(const DynControlItem &item, const ControlLayout &layout,
                           const ShownControl &sourceControl, bool known, BaseUnits shownUnits,
                           BaseUnits sourceUnits) {
  const ControlLayout &original = *sourceControl.layout;
  const DynControlItem sourceItem = makeItem(original, sourceControl.rect, QString());
  PlacedControl place;
  place.shownUnits = coveredUnits(item, layout.x, layout.y, layout.width, layout.height);
  place.sourceUnits =
      coveredUnits(sourceItem, original.x, original.y, original.width, original.height);
  place.shownPixels = unitsToPixels(place.shownUnits, shownUnits);
  place.sourcePixels = unitsToPixels(place.sourceUnits, sourceUnits);
  const bool knownInSource = original.parsed && original.literal;
  place.placed = known && knownInSource && takesRoom(item, layout.width, layout.height);
  place.container = holdsOthers(item);
  return place;
}

} // namespace

bool ControlReport::reported() const {
  return tooLong || !addedStyles.isEmpty() || !removedStyles.isEmpty() ||
         !addedExStyles.isEmpty() || !removedExStyles.isEmpty() || !overlaps.isEmpty() || outside ||
         !sameAccessKey.isEmpty();
}

bool DialogReport::reported() const {
  for (const ControlReport &control : controls)
    if (control.reported())
      return true;
  return false;
}

int DialogsReport::reportedCount() const {
  int count = 0;
  for (const DialogReport &dialog : dialogs)
    count += dialog.reported() ? 1 : 0;
  return count;
}

QString reportFileName(const QString &targetPath, const QString &sourcePath) {
  const QString &path = targetPath.isEmpty() ? sourcePath : targetPath;
  const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
  return path.mid(slash + 1);
}

struct DialogReporter::Fonts {
  QHash<QString, std::shared_ptr<MeasuringFont>> byKey;
};

DialogReporter::DialogReporter(const TextMeasure &measure, int setting)
    : m_measure(measure), m_setting(setting), m_fonts(std::make_unique<Fonts>()) {}

DialogReporter::~DialogReporter() = default;

const MeasuringFont &DialogReporter::font(const QString &face, int points, int weight,
                                          bool italic) {
  const QString key = QStringLiteral("%1\n%2\n%3\n%4")
                          .arg(face.trimmed().toLower())
                          .arg(points)
                          .arg(weight)
                          .arg(italic ? 1 : 0);
  std::shared_ptr<MeasuringFont> &found = m_fonts->byKey[key];
  if (!found)
    found = m_measure.font(face, points, weight, italic);
  return *found;
}

DialogReport DialogReporter::report(DialogEntry &entry) {
  DialogReport report;
  report.entry = &entry;
  report.keyword = entry.kind;
  report.identifier = entry.identifier;
  const ShownDialog shown = shownDialog(entry, DialogSide::Translated);
  const ShownDialog source = shownDialog(entry, DialogSide::Original);
  const MeasuringFont &shownFont =
      font(shown.fontFace, shown.fontPoints, shown.fontWeight, shown.fontItalic);
  const MeasuringFont &sourceFont =
      font(source.fontFace, source.fontPoints, source.fontWeight, source.fontItalic);
  describeDialog(report, shown, shownFont);

  const size_t count = shown.controls.size();
  report.controls.resize(count);
  std::vector<PlacedControl> placed(count);
  const ShownWindows windows = shownWindows(shown, report.baseUnits, shownFont.pixelHeight());
  for (size_t i = 0; i < count; ++i) {
    ControlReport &out = report.controls[i];
    const DynControlItem &item = windows.items[i];
    describeControl(out, shown.controls[i], item, windows.rects[i]);
    // Coordinates written as expressions are not known here: such a control is
    // neither measured nor placed.
    const ControlLayout &layout = *shown.controls[i].layout;
    const bool known = layout.parsed && layout.literal;
    const TextFit fit =
        known ? fitText(item, out.pixels.size(), shownFont, m_measure.boxTextIndent()) : TextFit();
    out.measured = fit.measured;
    out.wrapped = fit.wrapped;
    out.room = fit.room;
    out.textSize = fit.needed;
    out.tooLong = (m_setting & ReportTooLong) && fit.tooLong;
    compareStyles(out, *shown.controls[i].pair, m_setting);
    placed[i] = placeControl(item, layout, source.controls[i], known, report.baseUnits,
                             sourceFont.baseUnits());
  }

  nameControls(report.controls);
  if (m_setting & ReportOverlaps)
    for (const auto &[later, earlier] : newOverlaps(placed))
      report.controls[size_t(later)].overlaps.append(report.controls[size_t(earlier)].name);
  const bool dialogKnown = shown.layout->literal && source.layout->literal;
  if ((m_setting & ReportOutside) && dialogKnown)
    for (size_t i = 0; i < count; ++i)
      report.controls[i].outside = newlyOutside(placed[i], shown.rect.width(), shown.rect.height(),
                                                source.rect.width(), source.rect.height());
  if (m_setting & ReportAccessKeys)
    findSameAccessKeys(report.controls, windows.items);
  return report;
}

DialogsReport DialogReporter::reportAll(const EntryList &entries, bool severalTasks) {
  DialogsReport all;
  all.setting = m_setting;
  for (const auto &entry : entries) {
    if (entry->entryClass() != TextEntry::Class::Dialog || !entry->isHead())
      continue;
    auto &dialog = static_cast<DialogEntry &>(*entry);
    if (!dialog.layoutsBuilt)
      continue;
    DialogReport report = this->report(dialog);
    if (severalTasks && dialog.task)
      report.fileName = reportFileName(dialog.task->targetPath, dialog.task->sourcePath);
    all.dialogs.push_back(std::move(report));
  }
  return all;
}

} // namespace tarvelo
