#pragma once

#include "core/rules/YearChart.h"

#include <QWidget>

class QChart;
class QImage;
class QChartView;
class QPainter;

namespace qm {

// The chart of the year: a stacked bar per Corvel month and yearly issue, one
// colour per publication, and last year's sales of the same bars as a line
// when the archive holds last year. Amounts on the axis as the ledger writes them.
class YearChartView : public QWidget
{
    Q_OBJECT

public:
    explicit YearChartView(QWidget *parent = nullptr);

    void setData(const YearChartData &data);
    const YearChartData &data() const { return m_data; }
    QChart *chart() const { return m_chart; }

    // The chart drawn into `area` of a painter (a printed page, an image).
    void render(QPainter &painter, const QRectF &area);
    // The chart as a picture at twice the size it is read at.
    QImage picture();
    // Saves the picture as PNG; false when the file cannot be written.
    bool savePng(const QString &path);
    // Prints the chart on one page under its title, through the chosen printer.
    void print(QWidget *parent);

private:
    QSizeF drawnSize() const;

    YearChartData m_data;
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
};

} // namespace qm
