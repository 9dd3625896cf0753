#include "config/AdTable.h"

#include "config/AdListState.h"
#include "ui/HeadedTableItem.h"
#include "ui/TextFit.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

namespace qm {

namespace {

Qt::Alignment fieldAlignment(int field)
{
    return field == 1 ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter);
}

} // namespace

AdTable::AdTable(QWidget *parent) : QTableWidget(0, kAdFieldCount, parent)
{
    setObjectName(QStringLiteral("AdList"));
    setAccessibleName(tr("Ads"));
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The list never scrolls itself: AdScrollBar moves it, a whole ad at a time.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAutoScroll(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    const QStringList headers = {tr("Ads"), tr("Corvel"), tr("Tarn Mag"), tr("Fennet "), tr("Wyndle")};
    for (int field = 1; field <= kAdFieldCount; ++field) {
        auto *header = new HeadedTableItem(headers.at(field - 1));
        header->setTextAlignment(fieldAlignment(field));
        setHorizontalHeaderItem(field - 1, header);
        setColumnWidth(field - 1, field == 1 ? 150 : 70);
    }
    QHeaderView *columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setSectionsMovable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setFixedHeight(QFontMetrics(font()).height() + 5);
    const int rowHeight = QFontMetrics(font()).height() + 2;
    QHeaderView *rows = verticalHeader();
    rows->setMinimumSectionSize(rowHeight);
    rows->setDefaultSectionSize(rowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    showCutTextsInToolTips(this);
}

int AdTable::wholeRowsPerPage() const
{
    // The same space QTableView gives its rows: the inside of the frame below the header.
    const QHeaderView *header = horizontalHeader();
    const int headerHeight =
        std::min(std::max(header->minimumHeight(), header->sizeHint().height()), header->maximumHeight());
    return wholeRowsThatFit(contentsRect().height() - headerHeight, verticalHeader()->defaultSectionSize());
}

void AdTable::setRows(int rows)
{
    const int old = rowCount();
    setRowCount(rows);
    for (int row = old; row < rows; ++row) {
        for (int field = 1; field <= kAdFieldCount; ++field) {
            auto *item = new HeadedTableItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(fieldAlignment(field));
            setItem(row, field - 1, item);
        }
    }
}

void AdTable::setCellText(int row, int field, const QString &text)
{
    if (QTableWidgetItem *cell = item(row - 1, field - 1))
        cell->setText(text);
}

QString AdTable::cellText(int row, int field) const
{
    const QTableWidgetItem *cell = item(row - 1, field - 1);
    return cell ? cell->text() : QString();
}

QRect AdTable::cellRect(int row, int field) const { return visualRect(model()->index(row - 1, field - 1)); }

QString AdTable::fieldHeading(int field) const
{
    const QTableWidgetItem *header = horizontalHeaderItem(field - 1);
    return header ? header->text().trimmed() : QString();
}

} // namespace qm
