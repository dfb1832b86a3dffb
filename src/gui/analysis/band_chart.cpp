// The bar chart of an analysis: the words of each band.
#include "analysis/band_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include <cmath>

namespace tarvelo::gui {

namespace {

QBarCategoryAxis *categoryAxis(const QChart *chart) {
  const QList<QAbstractAxis *> axes = chart->axes(Qt::Horizontal);
  return axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis *>(axes.first());
}

// A round top a little above the highest bar: 1, 2 or 5 times a power of ten.
double axisTop(double highest) {
  if (highest <= 0)
    return 1;
  const double power = std::pow(10.0, std::floor(std::log10(highest)));
  for (double step : {1.0, 2.0, 5.0, 10.0})
    if (step * power >= highest)
      return step * power;
  return 10 * power;
}

} // namespace

BandChart::BandChart(QWidget *parent) : QChartView(parent) {
  auto *chart = new QChart;
  chart->legend()->hide();
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  auto *series = new QBarSeries(chart);
  m_words = new QBarSet(tr("Words"));
  m_words->setLabelColor(palette().color(QPalette::WindowText));
  series->append(m_words);
  series->setLabelsVisible(true);
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  series->setLabelsFormat(QStringLiteral("@value"));
  chart->addSeries(series);
  auto *bands = new QBarCategoryAxis(chart);
  // The bands' names are long beside narrow bars: slanted, they stay whole.
  bands->setLabelsAngle(-45);
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  bands->setLabelsFont(small);
  bands->setTruncateLabels(false);
  chart->addAxis(bands, Qt::AlignBottom);
  series->attachAxis(bands);
  auto *words = new QValueAxis(chart);
  words->setLabelFormat(QStringLiteral("%d"));
  words->setTitleText(tr("Words"));
  chart->addAxis(words, Qt::AlignLeft);
  series->attachAxis(words);
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(360, 220);
}

void BandChart::setBands(const QStringList &labels, const QList<double> &words) {
  m_words->remove(0, m_words->count());
  QBarCategoryAxis *axis = categoryAxis(chart());
  axis->clear();
  axis->append(labels);
  double highest = 0;
  for (double value : words) {
    m_words->append(value);
    highest = std::max(highest, value);
  }
  // Room above the highest bar for its label.
  const QList<QAbstractAxis *> vertical = chart()->axes(Qt::Vertical);
  if (auto *values = vertical.isEmpty() ? nullptr : qobject_cast<QValueAxis *>(vertical.first())) {
    values->setRange(0, axisTop(highest * 1.1));
    values->setTickCount(6);
  }
}

QStringList BandChart::labels() const {
  QBarCategoryAxis *axis = categoryAxis(chart());
  return axis ? axis->categories() : QStringList();
}

QList<double> BandChart::values() const {
  QList<double> values;
  for (int i = 0; i < m_words->count(); ++i)
    values.append(m_words->at(i));
  return values;
}

} // namespace tarvelo::gui
