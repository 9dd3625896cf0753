#include "reports/YearChartView.h"

#include "core/Clock.h"
#include "print/cTPrint.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace qm {

namespace {

// One colour per publication, told apart in print too.
const QColor kPublicationColours[kPublicationCount] = {QColor(0x2f, 0x6d, 0xb5), QColor(0xe0, 0x8a, 0x1e),
                                                       QColor(0x3a, 0x9a, 0x4a), QColor(0xb0, 0x3a, 0x5b)};

} // namespace

YearChartView::YearChartView(QWidget *parent) : QWidget(parent), m_chart(new QChart)
{
    setObjectName(QStringLiteral("YearChart"));
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setAccessibleName(tr("Chart of the year's sales"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void YearChartView::setData(const YearChartData &data)
{
    m_data = data;
    m_chart->removeAllSeries();
    // The chart hands a removed axis back to its caller.
    for (QAbstractAxis *axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }

    auto *bars = new QStackedBarSeries;
    for (int publication = 1; publication <= kPublicationCount; ++publication) {
        auto *set = new QBarSet(publicationName(publication));
        set->append(data.sales.at(publication - 1));
        set->setColor(kPublicationColours[publication - 1]);
        bars->append(set);
    }
    m_chart->addSeries(bars);
    auto *across = new QBarCategoryAxis;
    // Months by their first three letters, so that every label fits under its bar.
    for (qsizetype bar = 0; bar < data.bars.size(); ++bar)
        across->append(bar < kMonthCount ? data.bars.at(bar).left(3) : data.bars.at(bar));
    QFont labels = across->labelsFont();
    labels.setPointSizeF(labels.pointSizeF() * 0.85);
    across->setLabelsFont(labels);
    m_chart->addAxis(across, Qt::AlignBottom);
    bars->attachAxis(across);
    auto *amounts = new QValueAxis;
    amounts->setLabelFormat(QStringLiteral("%.2f"));
    amounts->setRange(0, data.highest > 0 ? data.highest * 1.1 : 1);
    amounts->applyNiceNumbers();
    m_chart->addAxis(amounts, Qt::AlignLeft);
    bars->attachAxis(amounts);

    if (!data.lastYear.isEmpty()) {
        auto *line = new QLineSeries;
        line->setName(tr("Last year"));
        for (qsizetype bar = 0; bar < data.lastYear.size(); ++bar)
            line->append(double(bar), data.lastYear.at(bar));
        line->setPen(QPen(Qt::black, 2));
        m_chart->addSeries(line);
        line->attachAxis(across);
        line->attachAxis(amounts);
    }
}

QSizeF YearChartView::drawnSize() const
{
    // The size on screen, or where the chart was never shown the report window's.
    return m_view->isVisible() ? QSizeF(m_view->viewport()->size()) : QSizeF(900, 560);
}

void YearChartView::render(QPainter &painter, const QRectF &area)
{
    // Laid out at the size the user reads it and scaled into the area, so a
    // page of many printer dots gets the same picture, not smaller letters.
    const QSizeF shown = m_chart->size();
    const QSizeF drawn = drawnSize();
    m_chart->resize(drawn);
    if (QGraphicsLayout *layout = m_chart->layout())
        layout->activate();
    m_chart->scene()->render(&painter, area, QRectF(m_chart->pos(), drawn), Qt::KeepAspectRatio);
    m_chart->resize(shown);
}

QImage YearChartView::picture()
{
    const QSizeF drawn = drawnSize() * 2;
    QImage image(drawn.toSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    render(painter, QRectF(QPointF(0, 0), drawn));
    return image;
}

bool YearChartView::savePng(const QString &path) { return picture().save(path, "PNG"); }

void YearChartView::print(QWidget *parent)
{
    cTPrint job;
    if (job.openDocument(parent, tr("Quillmoor Ads - Chart of the year")).isEmpty())
        return;
    const QString today = Clock::today().toString(QStringLiteral("MM-dd-yyyy"));
    job.printInBox(job.defaultFont(), tr("Quillmoor Ads - Sales of the year, %1").arg(today), 0, float(job.printableSize().width()), 0);
    // The page's width under the title, or less where the page is not tall enough.
    const QImage image = picture();
    const QSize page = job.printableSize();
    const int top = job.characterSize(job.defaultFont()).height() * 2;
    QSize area = image.size().scaled(page.width(), page.height() - top, Qt::KeepAspectRatio);
    job.printPicture(image, QRect(QPoint(0, top), area));
    job.endPage();
    job.endDoc();
}

} // namespace qm
