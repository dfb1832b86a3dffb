// The bar chart of an analysis: the words of each band.
#pragma once

#include <QChartView>
#include <QList>
#include <QStringList>

class QBarSet;

namespace tarvelo::gui {

// One bar per band, as high as the band's words, the band's name below it.
class BandChart : public QChartView {
  Q_OBJECT
public:
  explicit BandChart(QWidget *parent = nullptr);

  // The bands' names and words; an empty list clears the chart.
  void setBands(const QStringList &labels, const QList<double> &words);
  // What the bars show, as the chart holds them.
  QStringList labels() const;
  QList<double> values() const;

private:
  QBarSet *m_words = nullptr;
};

} // namespace tarvelo::gui
