// Controls the preview paints itself as Windows draws them in the classic look:
// check boxes and radio buttons, links, tab strips and list views.
#pragma once

#include "dialogs/control_text.h"

#include <QAbstractButton>
#include <QWidget>
#include <memory>

namespace tarvelo::gui {

// A check box or radio button: the 13-pixel box (round for radio buttons) centred
// on the left (or right with BS_LEFTTEXT), the text where the report measures it,
// in dark red when it does not fit.
class BoxButtonControl : public QAbstractButton {
  Q_OBJECT
public:
  BoxButtonControl(const DynControlItem &item, std::shared_ptr<const ControlText> rule,
                   QWidget *parent = nullptr);
  bool isRadio() const { return m_radio; }
  bool textTooLong() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  DynControlItem m_item;
  std::shared_ptr<const ControlText> m_rule;
  bool m_radio;
};

// A SysLink control: its text without the <a> marks, the linked parts blue and
// underlined, broken into lines as the measurement breaks it.
class LinkControl : public QWidget {
  Q_OBJECT
public:
  LinkControl(const DynControlItem &item, std::shared_ptr<const ControlText> rule,
              QWidget *parent = nullptr);
  void setText(const QString &text);
  QString text() const { return m_text; }
  // The text as it shows, marks taken out.
  QString shownText() const;
  bool textTooLong() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  DynControlItem m_item;
  std::shared_ptr<const ControlText> m_rule;
  QString m_text;
};

// A tab control: its strip with the first tab (empty: tab texts come from the
// program) over the page's raised frame.
class TabControl : public QWidget {
  Q_OBJECT
public:
  TabControl(int fontHeight, QWidget *parent = nullptr);
  // The first tab's rectangle.
  QRect firstTab() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  int m_fontHeight;
};

// A list view: a white field in its frame and, in report view (LVS_REPORT) unless
// LVS_NOCOLUMNHEADER, an empty header row.
class ListViewControl : public QWidget {
  Q_OBJECT
public:
  ListViewControl(const DynControlItem &item, int fontHeight, QWidget *parent = nullptr);
  bool hasHeader() const { return m_header; }
  QRect headerRect() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  bool m_edge;
  bool m_header;
  int m_fontHeight;
};

// Whether a list view is in report view with its header shown.
bool showsListHeader(const DynControlItem &item);

} // namespace tarvelo::gui
