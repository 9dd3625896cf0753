#include "grid/LedgerGrid.h"

#include "core/Messages.h"
#include "core/rules/CellCommit.h"
#include "grid/GridHeader.h"
#include "grid/EditorKeyHandler.h"
#include "grid/GridDelegate.h"
#include "grid/GridNavigation.h"
#include "grid/Hints.h"
#include "grid/LedgerTableModel.h"
#include "grid/LedgerTableView.h"
#include "ui/TextFit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusBar>


namespace qm {

namespace {

bool usesCellEditor(int column) { return column != ColSalesPerson && column != ColSize && column != ColStatus; }

} // namespace

LedgerGrid::LedgerGrid(LedgerDocument &document, QWidget *window, QStatusBar *hintBar)
    : QObject(window), m_document(document), m_model(document.model()), m_window(window), m_hintBar(hintBar)
{
    m_table = new LedgerTableModel(document, this);
    m_table->setOverrideQuestion([] {
        return showMessage(tr("This is a computed value, do you want to override it?"), tr("Caution"),
                           MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
    });
    m_gridList = new LedgerTableView(window);
    m_gridList->setLedgerModel(m_table);
    m_gridList->setObjectName(QStringLiteral("GridList"));
    m_gridList->setAccessibleName(tr("Ledger"));
    m_gridList->setAccessibleDescription(tr("The ads of the chosen issue, one row each"));
    // The rows' frame and, beside it, the scroll bar.
    m_gridList->setGeometry(20, 120, 810 + LedgerTableView::kScrollBarWidth, 330);
    connect(m_gridList->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] { focusGrid(); });
    showCutTextsInToolTips(m_gridList);
    m_gridList->installEventFilter(this);
    m_gridList->viewport()->installEventFilter(this);

    connect(scrollBar(), &QScrollBar::actionTriggered, this, [this](int action) {
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
        scrollGrid(code, LedgerTableView::topRowAt(scrollBar()->sliderPosition()));
        scrollBar()->setSliderPosition(scrollBar()->value());
    });

    // The view opens no editor itself (no edit triggers): the grid lays its editors over the current cell.
    auto *delegate = new GridDelegate(m_model, m_view, this);
    m_gridList->setItemDelegate(delegate);
    connectEditorKeys(delegate->editorKeys());
    m_editors = std::make_unique<GridEditors>(m_document, *delegate, m_view, m_gridList->viewport(), window);
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

QTableView *LedgerGrid::gridList() const { return m_gridList; }

QScrollBar *LedgerGrid::scrollBar() const { return m_gridList->verticalScrollBar(); }

int LedgerGrid::rowCount() const { return m_table->rowCount(); }

int LedgerGrid::rowAd(int row) const { return m_table->adOfRow(row - 1); }

void LedgerGrid::createEditors()
{
    const bool first = !m_editors->salesPulldown();
    m_editors->create();
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

void LedgerGrid::readVisibleRows() { view().visibleRows = m_gridList->lineCount(); }

void LedgerGrid::buildRows()
{
    m_editors->fillSalesChoices();
    readVisibleRows();
    // Always rebuilt: rows left over from deleted ads would point past the ledger.
    m_table->showIssue(view().selectedPublication, selectedIssue(), true);
    setScrollRange();
}

void LedgerGrid::reloadRows()
{
    if (rowCount() != 0)
        commitCell();
    // The rows depend only on the publication: a new month reuses them, so its
    // cost follows the lines on screen, not the ads in the ledger.
    m_table->showIssue(view().selectedPublication, selectedIssue(), false);
    view().topRow = 1;
    setScrollRange();
    fillGrid();
}

void LedgerGrid::fillGrid() { refreshShownRows(); }

void LedgerGrid::refreshShownRows()
{
    // The shown lines show what is stored: a status still being chosen is dropped.
    m_table->clearPendingText();
    m_gridList->setTopRow(view().topRow);
}

void LedgerGrid::refreshRow() { m_table->clearPendingText(); }

void LedgerGrid::setScrollRange()
{
    m_gridList->setScrollRange(scrollRange(rowCount(), view().visibleRows), view().topRow);
}

void LedgerGrid::scrollGrid(int code, int thumb)
{
    ViewState &v = view();
    v.scrollBusy = true;
    if (applyScroll(v, rowCount(), code, thumb)) {
        refreshShownRows();
        // The pending edit of the cell that scrolled away is dropped.
        loadEditor();
        v.oldCellText = v.newCellText = screenText(v.currentRow, v.currentColumn);
        if (!v.viewOnly && rowCount() > 0) {
            // The editor keeps its line on screen while the rows move under it.
            placeEditor();
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
    if (LedgerTableView::topRowAt(scrollBar()->value()) != v.topRow)
        refreshShownRows();
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
    const QRect rect = m_gridList->visualRect(m_table->index(m_view.currentRow - 1, m_view.currentColumn - 1));
    m_editors->place(m_view.currentColumn, rect);
}

void LedgerGrid::showHint(int column)
{
    if (m_hintBar)
        m_hintBar->showMessage(hintText(column, view().viewOnly));
}

} // namespace qm
