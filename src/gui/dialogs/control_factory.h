// The window that stands for each control of a dialog in the preview.
#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace tarvelo {
struct DynControlItem;
}

namespace tarvelo::gui {

class ControlText;

// The window of one control, by its kind and style: buttons (push buttons drawn by
// the preview, check boxes, radio buttons, group boxes), edits, statics, lists,
// combo boxes, scroll bars, links, tab strips, list views and the other common
// controls. Never null.
// Texts are laid out and judged by the rule.
QWidget *createControlWidget(const DynControlItem &item, QWidget *parent,
                             const std::shared_ptr<const ControlText> &rule);
// Shows the item's text on its window, where a control of its kind shows a text.
void setControlText(QWidget *widget, const DynControlItem &item);
// The text a control's window shows, for the controls that show one.
QString controlText(const QWidget *widget);
// A CONTROL statement of a class the system does not know: an empty bordered static
// stands in for it.
bool isUnknownClass(const DynControlItem &item);

} // namespace tarvelo::gui
