#include "grid/LedgerGrid.h"

#include "core/rules/CellCommit.h"
#include "grid/GridHeader.h"
#include "grid/GridNavigation.h"
#include "grid/Hints.h"
#include "ui/HeadedTableItem.h"
#include "ui/TextFit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>

#include <algorithm>
#include <array>

namespace qm {

namespace {

constexpr int kRowHeight = 23;
constexpr int kHeaderHeight = 24;
constexpr std::array<int, kColumnCount> kColumnWidths = {150, 135, 59, 67, 45, 70, 70, 70, 70, 70};

Qt::Alignment columnAlignment(int column)
{
    switch (column) {
    case ColAds:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ColSale:
    case ColPaid:
    case ColComm:
    case ColCommPaid:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    }
}

bool usesCellEditor(int column) { return column != ColSalesPerson && column != ColSize && column != ColStatus; }

} // namespace

LedgerGrid::LedgerGrid(LedgerDocument &document, QWidget *window, QStatusBar *hintBar)
    : QObject(window), m_document(document), m_model(document.model()), m_window(window), m_hintBar(hintBar)
{
    // Made without columns, so that its own headings are never measured.
    m_gridList = new QTableWidget(window);
    m_gridList->setHorizontalHeader(
        new GridHeader(std::vector<int>(kColumnWidths.begin(), kColumnWidths.end()), kHeaderHeight, m_gridList));
    m_gridList->setColumnCount(kColumnCount);
    m_gridList->setObjectName(QStringLiteral("GridList"));
    m_gridList->setAccessibleName(tr("Ledger"));
    m_gridList->setAccessibleDescription(tr("The ads of the chosen issue, one row each"));
    m_gridList->setGeometry(20, 120, 810, 330);
    m_gridList->setFrameShape(QFrame::Panel);
    m_gridList->setFrameShadow(QFrame::Sunken);
    m_gridList->setLineWidth(2);
    m_gridList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gridList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gridList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_gridList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_gridList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_gridList->setShowGrid(true);
    m_gridList->setWordWrap(false);
    m_gridList->setAutoScroll(false);
    m_gridList->setTabKeyNavigation(false);
    m_gridList->setFocusPolicy(Qt::StrongFocus);
    m_gridList->verticalHeader()->hide();
    m_gridList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_gridList->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView *header = m_gridList->horizontalHeader();
    for (int column = 1; column <= kColumnCount; ++column) {
        auto *item = new HeadedTableItem(columnHeader(column));
        item->setTextAlignment(columnAlignment(column));
        m_gridList->setHorizontalHeaderItem(column - 1, item);
        m_gridList->setColumnWidth(column - 1, kColumnWidths[column - 1]);
    }
    connect(header, &QHeaderView::sectionClicked, this, [this] { focusGrid(); });
    showCutTextsInToolTips(m_gridList);
    m_gridList->installEventFilter(this);
    m_gridList->viewport()->installEventFilter(this);

    m_scrollBar = new QScrollBar(Qt::Vertical, window);
    m_scrollBar->setObjectName(QStringLiteral("GridScrollBar"));
    m_scrollBar->setGeometry(830, 120, 20, 330);
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, [this](int action) {
        int code = -1;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            code = LineDown;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            code = LineUp;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            code = PageDown;
            break;
        case QAbstractSlider::SliderPageStepSub:
            code = PageUp;
            break;
        case QAbstractSlider::SliderMove:
            code = ThumbTrack;
            break;
        case QAbstractSlider::SliderToMinimum:
        case QAbstractSlider::SliderToMaximum:
            code = ThumbPosition;
            break;
        default:
            return;
        }
        scrollGrid(code, m_scrollBar->sliderPosition());
        m_scrollBar->setSliderPosition(view().topRow);
    });

    m_editors = std::make_unique<GridEditors>(m_document, m_view, m_gridList->viewport(), window);
    QListWidget *pickup = m_editors->pickupList();
    connect(pickup, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !m_view.viewOnly)
            showPickupText(m_editors->choosePickup(row + 1));
    });
    connect(pickup, &QListWidget::itemDoubleClicked, this, [this, pickup](QListWidgetItem *item) {
        if (!m_view.viewOnly)
            showPickupText(m_editors->choosePickup(pickup->row(item) + 1));
    });

    connect(&m_document, &LedgerDocument::aboutToSave, this, [this] {
        if (!m_savingStored)
            commitCell();
    });
    createEditors();
}

void LedgerGrid::createEditors()
{
    const bool first = !m_editors->salesPulldown();
    m_editors->create(this);
    if (first) {
        for (QComboBox *box : {salesPulldown(), sizePulldown(), statusPulldown()})
            connect(box, &QComboBox::activated, this, [this, box](int index) { onPulldownChosen(box, index); });
    }
}

int LedgerGrid::selectedIssue() const { return issueIndex(m_view.selectedPublication, m_view.selectedMonth); }

RowTexts LedgerGrid::rowTexts(int row) const
{
    RowTexts texts;
    const int ad = rowAd(row);
    texts[0] = m_model.ads.at(ad - 1).name;
    for (int column = 2; column <= kColumnCount; ++column)
        texts[column - 1] = m_model.cell(selectedIssue(), column, ad);
    return texts;
}

QString LedgerGrid::screenText(int row, int column) const
{
    if (row < 1 || row > rowCount())
        return QString();
    if (column == ColAds)
        return m_model.ads.at(rowAd(row) - 1).name;
    return m_model.cell(selectedIssue(), column, rowAd(row));
}

void LedgerGrid::readVisibleRows()
{
    // From the list's fixed geometry: its viewport is only laid out once shown.
    const int height = m_gridList->height() - 2 * m_gridList->frameWidth() - kHeaderHeight;
    view().visibleRows = std::max(1, height / kRowHeight);
}

void LedgerGrid::buildRows()
{
    m_editors->fillSalesChoices();
    readVisibleRows();
    // Always rebuilt: rows left over from deleted ads would point past the ledger.
    m_rowAd = buildRowMap(m_model, view().selectedPublication);
    m_rowMapPublication = view().selectedPublication;
    setScrollRange();
}

void LedgerGrid::reloadRows()
{
    if (rowCount() != 0)
        commitCell();
    // The rows depend only on the publication: a new month reuses them, so its
    // cost follows the lines on screen, not the ads in the ledger.
    if (m_rowMapPublication != view().selectedPublication) {
        m_rowAd = buildRowMap(m_model, view().selectedPublication);
        m_rowMapPublication = view().selectedPublication;
    }
    view().topRow = 1;
    setScrollRange();
    fillGrid();
}

void LedgerGrid::fillGrid() { refreshShownRows(); }

void LedgerGrid::showRow(int item, int row)
{
    for (int column = 1; column <= kColumnCount; ++column) {
        QTableWidgetItem *cell = m_gridList->item(item - 1, column - 1);
        if (!cell) {
            cell = new HeadedTableItem;
            cell->setTextAlignment(columnAlignment(column));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_gridList->setItem(item - 1, column - 1, cell);
        }
        cell->setText(screenText(row, column));
    }
}

void LedgerGrid::refreshShownRows()
{
    const int shown = std::clamp(rowCount() - view().topRow + 1, 0, view().visibleRows);
    if (m_gridList->rowCount() != shown)
        m_gridList->setRowCount(shown);
    for (int item = 1; item <= shown; ++item)
        showRow(item, view().topRow + item - 1);
}

void LedgerGrid::refreshRow(int row)
{
    const int item = row - view().topRow + 1;
    if (item >= 1 && item <= m_gridList->rowCount())
        showRow(item, row);
}

void LedgerGrid::setScrollRange()
{
    const ScrollRange range = scrollRange(rowCount(), view().visibleRows);
    const QSignalBlocker blocker(m_scrollBar);
    m_scrollBar->setRange(range.minimum, range.maximum);
    m_scrollBar->setPageStep(range.page);
    m_scrollBar->setSingleStep(1);
    m_scrollBar->setValue(view().topRow);
    m_scrollBar->setEnabled(range.maximum > range.minimum);
}

void LedgerGrid::scrollGrid(int code, int thumb)
{
    ViewState &v = view();
    v.scrollBusy = true;
    if (applyScroll(v, rowCount(), code, thumb)) {
        {
            const QSignalBlocker blocker(m_scrollBar);
            m_scrollBar->setValue(v.topRow);
        }
        refreshShownRows();
        // The pending edit of the cell that scrolled away is dropped.
        loadEditor();
        v.oldCellText = v.newCellText = screenText(v.currentRow, v.currentColumn);
        if (!v.viewOnly && rowCount() > 0) {
            if (v.currentColumn == ColStatus)
                m_editors->setUpPickupStatus(v.oldCellText);
            editorFor(v.currentColumn)->setFocus();
        }
    }
    v.scrollBusy = false;
}

void LedgerGrid::loadEditor()
{
    m_editors->load(m_view.currentColumn, screenText(m_view.currentRow, m_view.currentColumn));
}

void LedgerGrid::goToCell()
{
    ViewState &v = view();
    if (v.viewOnly || rowCount() == 0)
        return;
    if (v.editRow != v.currentRow || v.editColumn != v.currentColumn) {
        pickupList()->hide();
        editorFor(v.editColumn)->hide();
        commitCell();
    }
    // An editor is only ever placed on a line that shows its row.
    keepCursorShown(v, rowCount());
    if (m_scrollBar->value() != v.topRow || m_gridList->rowCount() == 0) {
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setValue(v.topRow);
        refreshShownRows();
    }
    showHint(v.currentColumn);
    loadEditor();
    v.oldCellText = v.newCellText = screenText(v.currentRow, v.currentColumn);
    v.editRow = v.currentRow;
    v.editColumn = v.currentColumn;
    placeEditor();
    if (v.currentColumn == ColStatus) {
        m_editors->setUpPickupStatus(v.oldCellText);
        statusPulldown()->setFocus();
    }
    if (usesCellEditor(v.currentColumn))
        focusEditor(v.currentColumn != ColColor);
}

void LedgerGrid::selectIssue(int publication, int month)
{
    m_view.selectedPublication = publication;
    m_view.selectedMonth = month;
}

void LedgerGrid::showSelectedIssue()
{
    reloadRows();
    m_view.shownPublication = m_view.selectedPublication;
    m_view.shownMonth = m_view.selectedMonth;
}

void LedgerGrid::moveCursorTo(int row, int column)
{
    m_view.currentRow = row;
    m_view.currentColumn = column;
    goToCell();
}

void LedgerGrid::placeEditor()
{
    const QRect rect = m_gridList->visualRect(
        m_gridList->model()->index(m_view.currentRow - m_view.topRow, m_view.currentColumn - 1));
    m_editors->place(m_view.currentColumn, rect);
}

void LedgerGrid::showHint(int column)
{
    if (m_hintBar)
        m_hintBar->showMessage(hintText(column, view().viewOnly));
}

} // namespace qm
