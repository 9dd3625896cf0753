#include "grid/LedgerTableView.h"

#include "core/LedgerColumns.h"
#include "grid/GridHeader.h"
#include "grid/GridScrollBar.h"
#include "ui/FrameAroundRowsStyle.h"

#include <QApplication>
#include <QHeaderView>
#include <QPaintEvent>
#include <QItemSelectionModel>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace qm {

namespace {

std::vector<int> columnWidths()
{
    std::vector<int> widths;
    for (int column = 1; column <= kColumnCount; ++column)
        widths.push_back(ledgerColumn(column).width);
    return widths;
}

} // namespace

LedgerTableView::LedgerTableView(QWidget *parent) : QTableView(parent)
{
    setStyle(new FrameAroundRowsStyle(this));
    setVerticalScrollBar(new GridScrollBar(kScrollBarWidth));
    verticalScrollBar()->setObjectName(QStringLiteral("GridScrollBar"));
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    // Made before the model, so that no heading is ever measured.
    setHorizontalHeader(new GridHeader(columnWidths(), kHeaderHeight, this));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // By pixels, a row's height a step: the top row is always a whole one, also at the end.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
}

void LedgerTableView::setLedgerModel(QAbstractItemModel *model)
{
    setModel(model);
    for (int column = 0; column < kColumnCount; ++column)
        setColumnWidth(column, ledgerColumn(column + 1).width);
}

int LedgerTableView::lineCount() const
{
    // From the fixed geometry: the viewport is only laid out once shown.
    const int height = this->height() - 2 * frameWidth() - kHeaderHeight;
    return std::max(1, height / kRowHeight);
}

void LedgerTableView::setScrollRange(const ScrollRange &range, int topRow)
{
    m_range = range;
    applyScrollRange();
    setTopRow(topRow);
}

void LedgerTableView::setTopRow(int topRow)
{
    const int lines = topRow - topRowAt(verticalScrollBar()->value());
    verticalScrollBar()->setValue((topRow - 1) * kRowHeight);
    // The current item, and the row selected with it, keep their line on screen.
    const QModelIndex current = currentIndex();
    if (lines == 0 || !current.isValid())
        return;
    const int row = std::clamp(current.row() + lines, 0, model()->rowCount() - 1);
    const auto how = selectionModel()->hasSelection() ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                                      : QItemSelectionModel::NoUpdate;
    selectionModel()->setCurrentIndex(model()->index(row, current.column()), how);
}

int LedgerTableView::topRowAt(int position) { return (position + kRowHeight / 2) / kRowHeight + 1; }

void LedgerTableView::applyScrollRange()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setRange((m_range.minimum - 1) * kRowHeight, (m_range.maximum - 1) * kRowHeight);
    bar->setPageStep(m_range.page * kRowHeight);
    bar->setSingleStep(kRowHeight);
    bar->setEnabled(m_range.maximum > m_range.minimum);
}

void LedgerTableView::updateGeometries()
{
    QTableView::updateGeometries();
    applyScrollRange();
}

void LedgerTableView::keyboardSearch(const QString &search)
{
    const int top = topRowAt(verticalScrollBar()->value()) - 1;
    const int end = std::min(model()->rowCount(), top + lineCount());
    if (top >= end)
        return;
    // Letters typed in quick succession make one text to find; a new one, or
    // the same letter again, looks from the line after the current one.
    const bool timed = m_searchTime.isValid();
    const qint64 elapsed = timed ? m_searchTime.restart() : 0;
    if (!timed)
        m_searchTime.start();
    bool skipRow = false;
    if (search.isEmpty() || !timed || elapsed > QApplication::keyboardInputInterval()) {
        m_search = search;
        skipRow = currentIndex().isValid();
    } else {
        m_search += search;
    }
    if (m_search.size() > 1 && m_search.count(m_search.back()) == m_search.size())
        skipRow = true;
    const QModelIndex current = currentIndex();
    int first = current.isValid() ? std::clamp(current.row(), top, end - 1) : top;
    if (skipRow)
        first = first + 1 < end ? first + 1 : top;
    const int column = current.isValid() ? current.column() : 0;
    for (int line = 0; line < end - top; ++line) {
        const QModelIndex index = model()->index(top + (first - top + line) % (end - top), column);
        if (index.data().toString().startsWith(m_search, Qt::CaseInsensitive)) {
            setCurrentIndex(index);
            return;
        }
    }
}

void LedgerTableView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    // Drawn afresh: moved pixels would carry the empty strip under the whole lines up into them.
    viewport()->update();
}

void LedgerTableView::paintEvent(QPaintEvent *event)
{
    // Only whole lines show; the strip below the last one stays empty.
    const QRect lines(0, 0, viewport()->width(), lineCount() * kRowHeight);
    QPaintEvent clipped(event->region() & lines);
    QTableView::paintEvent(&clipped);
}

} // namespace qm
