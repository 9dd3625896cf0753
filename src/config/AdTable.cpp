#include "config/AdTable.h"

#include "config/AdDelegate.h"
#include "config/AdListState.h"
#include "ui/FrameAroundRowsStyle.h"
#include "config/ConfigControls.h"
#include "ui/TextFit.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace qm {

namespace {

constexpr int kScrollBarWidth = 20;

} // namespace

AdTable::AdTable(QAbstractItemModel *ads, QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("AdList"));
    setAccessibleName(tr("Ads"));
    auto *style = new FrameAroundRowsStyle(this, kScrollBarWidth);
    setStyle(style);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The scroll bar stands beside the frame and moves the list a whole ad at a time.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar *bar = verticalScrollBar();
    bar->setStyle(style);
    bar->setObjectName(QStringLiteral("AdScrollBar"));
    bar->setAccessibleName(tr("Scroll the ads"));
    bar->setFocusPolicy(Qt::StrongFocus);
    setAutoScroll(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    QHeaderView *columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setSectionsMovable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(1);
    columns->setFixedHeight(QFontMetrics(font()).height() + 5);
    const int rowHeight = QFontMetrics(font()).height() + 2;
    QHeaderView *rows = verticalHeader();
    rows->setMinimumSectionSize(rowHeight);
    rows->setDefaultSectionSize(rowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    setModel(ads);
    setItemDelegate(new AdDelegate(this));
    for (int field = 1; field <= kAdFieldCount; ++field)
        setColumnWidth(field - 1, field == 1 ? 150 : 70);
    showCutTextsInToolTips(this);
}

int AdTable::wholeRowsPerPage() const
{
    // The same space the table gives its rows: the inside of the frame below the header.
    const QHeaderView *header = horizontalHeader();
    const int headerHeight =
        std::min(std::max(header->minimumHeight(), header->sizeHint().height()), header->maximumHeight());
    return wholeRowsThatFit(contentsRect().height() - headerHeight, verticalHeader()->defaultSectionSize());
}

int AdTable::topAd() const { return verticalScrollBar()->value() + 1; }

void AdTable::setTopAd(int ad) { verticalScrollBar()->setValue(ad - 1); }

void AdTable::relayout()
{
    executeDelayedItemsLayout();
    updateGeometries();
}

void AdTable::updateGeometries()
{
    QTableView::updateGeometries();
    // The bar's page is the ad list's, not a page of rows; with nothing to
    // scroll it is shown disabled, never hidden.
    const int ads = model() ? model()->rowCount() : 0;
    AdListState paging;
    paging.shownAds = std::min(ads, wholeRowsPerPage());
    const AdScrollRange range = paging.scrollRange(ads);
    QScrollBar *bar = verticalScrollBar();
    bar->setPageStep(range.page);
    bar->setEnabled(range.scrolls());
    keepTopRowWhole();
}

// The table moves a whole row at a time and is drawn anew: what it draws
// depends on which rows fit whole, so no drawn pixels are moved along.
void AdTable::scrollContentsBy(int dx, int dy)
{
    if (dy == 0) {
        QTableView::scrollContentsBy(dx, dy);
        return;
    }
    keepTopRowWhole();
    viewport()->update();
    updateEditorGeometries();
}

// At the end of its way the table would line its last row up with the bottom
// and cut the top row; here the top row is always whole, and the space below
// the last ad stays empty.
void AdTable::keepTopRowWhole()
{
    QHeaderView *rows = verticalHeader();
    const int before = rows->offset();
    rows->setOffsetToSectionPosition(verticalScrollBar()->value());
    if (rows->offset() != before) {
        viewport()->update();
        updateEditorGeometries();
    }
}

// Only the rows that fit whole are drawn; the space below them stays empty.
void AdTable::paintEvent(QPaintEvent *event)
{
    const int rowHeight = verticalHeader()->defaultSectionSize();
    const QRect rowsArea(0, 0, viewport()->width(), wholeRowsPerPage() * rowHeight);
    QPaintEvent clipped(event->region() & rowsArea);
    QTableView::paintEvent(&clipped);
}

void AdTable::keyPressEvent(QKeyEvent *event)
{
    // Enter and Esc are the dialog's commands; the table moves by no key of its own.
    if (isEnterKey(event->key()) || event->key() == Qt::Key_Escape)
        event->ignore();
    else
        event->accept();
}

void AdTable::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        emit cellPressed(index, event->button());
}

void AdTable::mouseReleaseEvent(QMouseEvent *event) { event->accept(); }

void AdTable::mouseDoubleClickEvent(QMouseEvent *event) { event->accept(); }

void AdTable::mouseMoveEvent(QMouseEvent *event) { event->accept(); }

void AdTable::wheelEvent(QWheelEvent *event)
{
    event->accept();
    emit wheelTurned(event->angleDelta().y());
}

} // namespace qm
