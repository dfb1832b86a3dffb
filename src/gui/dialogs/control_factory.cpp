// The Qt widget that stands for each control of a dialog in the preview.
#include "dialogs/control_factory.h"

#include "dialogs/common_controls.h"
#include "dialogs/control_item.h"
#include "dialogs/control_widgets.h"
#include "dialogs/owner_drawn_button.h"
#include "dialogs/static_control.h"
#include "dialogs/text_measure.h"
#include "script/dialog_layout.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>
#include <QTextEdit>
#include <QTreeWidget>

namespace tarvelo::gui {

namespace {

// Button types of the low style bits.
enum : quint32 {
  CheckBox = 2,
  AutoCheckBox = 3,
  RadioButton = 4,
  ThreeState = 5,
  AutoThreeState = 6,
  GroupBox = 7,
  AutoRadioButton = 9,
};
constexpr quint32 kEditMultiline = 0x4;
constexpr quint32 kScrollVertical = 0x1;

// Lists and other scrolled windows: no scroll bars (WS_VSCROLL adds nothing to the
// live style), and the static edge as their only frame.
void frameScrolled(QAbstractScrollArea *area, const DynControlItem &item) {
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (item.exStyle & style::ExStaticEdge) {
    area->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    area->setLineWidth(1);
  } else {
    area->setFrameStyle(QFrame::NoFrame);
  }
}

QWidget *createButton(const DynControlItem &item, QWidget *parent,
                      const std::shared_ptr<const ControlText> &rule) {
  switch (item.buttonType()) {
  case CheckBox:
  case AutoCheckBox:
  case ThreeState:
  case AutoThreeState:
  case RadioButton:
  case AutoRadioButton:
    return new BoxButtonControl(item, rule, parent);
  case GroupBox:
    return new GroupBoxControl(rule, parent);
  default:
    // Owner-drawn push buttons, and the rare types drawn like them.
    return new OwnerDrawnButton(item.style, parent, rule);
  }
}

QWidget *createEdit(const DynControlItem &item, QWidget *parent) {
  if (item.style & kEditMultiline) {
    auto *edit = new QPlainTextEdit(parent);
    frameScrolled(edit, item);
    return edit;
  }
  return new EditControl(item.style, item.exStyle, parent);
}

} // namespace

bool isUnknownClass(const DynControlItem &item) {
  if (item.kind != KindStatic || !item.layout)
    return false;
  if (item.layout->keyword.compare(QLatin1String("CONTROL"), Qt::CaseInsensitive) != 0)
    return false;
  const QString &cls = item.layout->className;
  return !cls.startsWith(QLatin1String("STATIC"), Qt::CaseInsensitive);
}

namespace {

// The common controls' windows; null for a kind that is none of them.
QWidget *createCommonControl(const DynControlItem &item, QWidget *parent,
                             const std::shared_ptr<const ControlText> &rule) {
  const int fontHeight = rule->font().pixelHeight();
  switch (item.kind) {
  case KindProgress: {
    auto *bar = new QProgressBar(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
  }
  case KindTrackBar: {
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 10);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    return slider;
  }
  case KindHotKey:
    return new QLineEdit(parent);
  case KindListView:
    return new ListViewControl(item, fontHeight, parent);
  case KindTreeView: {
    auto *tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    frameScrolled(tree, item);
    return tree;
  }
  case KindTabControl:
    return new TabControl(fontHeight, parent);
  case KindSysLink:
    return new LinkControl(item, rule, parent);
  case KindAnimate:
    // Shows nothing until it plays.
    return new QWidget(parent);
  case KindRichEdit: {
    auto *edit = new QTextEdit(parent);
    edit->setAcceptRichText(false);
    if (!(item.style & kEditMultiline))
      edit->setLineWrapMode(QTextEdit::NoWrap);
    frameScrolled(edit, item);
    return edit;
  }
  case KindDateTime: {
    auto *picker = new QDateEdit(QDate::currentDate(), parent);
    picker->setCalendarPopup(true);
    return picker;
  }
  case KindMonthCalendar: {
    auto *calendar = new QCalendarWidget(parent);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(false);
    return calendar;
  }
  case KindIpAddress: {
    auto *address = new QLineEdit(parent);
    address->setInputMask(QStringLiteral("000.000.000.000; "));
    address->setAlignment(Qt::AlignCenter);
    return address;
  }
  default:
    return nullptr;
  }
}

} // namespace

QWidget *createControlWidget(const DynControlItem &item, QWidget *parent,
                             const std::shared_ptr<const ControlText> &rule) {
  switch (item.kind) {
  case KindButton:
    return createButton(item, parent, rule);
  case KindEdit:
    return createEdit(item, parent);
  case KindListBox: {
    auto *list = new QListWidget(parent);
    frameScrolled(list, item);
    return list;
  }
  case KindScrollBar: {
    auto *bar =
        new QScrollBar(item.style & kScrollVertical ? Qt::Vertical : Qt::Horizontal, parent);
    bar->setRange(0, 10);
    return bar;
  }
  case KindComboBox:
  case KindComboBoxEx: {
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    return combo;
  }
  case KindUpDown:
    return new UpDownControl(parent);
  default: {
    if (QWidget *widget = createCommonControl(item, parent, rule))
      return widget;
    if (isUnknownClass(item))
      return new StaticControl((item.style & ~style::StaticTypeMask) | style::StaticEditBorder,
                               item.exStyle, parent, rule);
    return new StaticControl(item.style, item.exStyle, parent, rule);
  }
  }
}

void setControlText(QWidget *widget, const DynControlItem &item) {
  const QString &text = item.text;
  if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
    button->setText(text);
    // The access key is shown, never taken: the preview's keys are the window's.
    button->setShortcut(QKeySequence());
  } else if (auto *group = qobject_cast<GroupBoxControl *>(widget)) {
    group->setText(text);
  } else if (auto *link = qobject_cast<LinkControl *>(widget)) {
    link->setText(text);
  } else if (auto *label = qobject_cast<StaticControl *>(widget)) {
    if (!isUnknownClass(item))
      label->setText(text);
  } else if (auto *edit = qobject_cast<EditControl *>(widget)) {
    edit->setText(text);
  } else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) {
    plain->setPlainText(text);
  } else if (auto *rich = qobject_cast<QTextEdit *>(widget)) {
    rich->setPlainText(text);
  } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
    combo->setEditText(text);
  }
}

QString controlText(const QWidget *widget) {
  if (auto *button = qobject_cast<const QAbstractButton *>(widget))
    return button->text();
  if (auto *group = qobject_cast<const GroupBoxControl *>(widget))
    return group->text();
  if (auto *link = qobject_cast<const LinkControl *>(widget))
    return link->text();
  if (auto *label = qobject_cast<const StaticControl *>(widget))
    return label->text();
  if (auto *edit = qobject_cast<const EditControl *>(widget))
    return edit->text();
  if (auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
    return plain->toPlainText();
  if (auto *rich = qobject_cast<const QTextEdit *>(widget))
    return rich->toPlainText();
  if (auto *combo = qobject_cast<const QComboBox *>(widget))
    return combo->currentText();
  return QString();
}

} // namespace tarvelo::gui
