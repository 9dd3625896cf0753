#include "ui/Fonts.h"
#include "grid/LedgerGrid.h"

#include "core/rules/CellInput.h"
#include "core/files/DataFiles.h"
#include "grid/GridNavigation.h"
#include "grid/Hints.h"
#include "core/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableWidget>
#include <QWheelEvent>

#include <algorithm>

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


QComboBox *makePulldown(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setFont(uiFont(8));
    box->setFocusPolicy(Qt::StrongFocus);
    box->hide();
    return box;
}

} // namespace

LedgerGrid::LedgerGrid(LedgerModel &model, QWidget *window, QStatusBar *hintBar)
    : QObject(window), m_model(model), m_window(window), m_hintBar(hintBar)
{
    m_gridList = new QTableWidget(0, kColumnCount, window);
    m_gridList->setObjectName(QStringLiteral("GridList"));
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
    header->setFixedHeight(kHeaderHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    for (int column = 1; column <= kColumnCount; ++column) {
        auto *item = new QTableWidgetItem(columnHeader(column));
        item->setTextAlignment(columnAlignment(column));
        m_gridList->setHorizontalHeaderItem(column - 1, item);
        m_gridList->setColumnWidth(column - 1, kColumnWidths[column - 1]);
    }
    connect(header, &QHeaderView::sectionClicked, this, [this] { focusGrid(); });
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

    m_pickupList = new QListWidget(window);
    m_pickupList->setObjectName(QStringLiteral("PickupList"));
    m_pickupList->setGeometry(620, 450, 70, 70);
    m_pickupList->addItems(pickupCodes());
    m_pickupList->setFrameShape(QFrame::Box);
    m_pickupList->hide();
    connect(m_pickupList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !view().viewOnly)
            choosePickup(row + 1);
    });
    connect(m_pickupList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (!view().viewOnly)
            choosePickup(m_pickupList->row(item) + 1);
    });

    createEditors();
}

QWidget *LedgerGrid::editorFor(int column) const
{
    switch (column) {
    case ColSalesPerson:
        return m_salesPulldown;
    case ColSize:
        return m_sizePulldown;
    case ColStatus:
        return m_statusPulldown;
    default:
        return m_cellEditor;
    }
}

void LedgerGrid::createEditors()
{
    QWidget *parent = m_gridList->viewport();
    delete m_cellEditor;
    m_cellEditor = new QLineEdit(parent);
    m_cellEditor->setObjectName(QStringLiteral("CellEditor"));
    m_cellEditor->setFont(uiFont(10));
    m_cellEditor->setContextMenuPolicy(Qt::NoContextMenu);
    m_cellEditor->setDragEnabled(false);
    m_cellEditor->setAcceptDrops(false);
    m_cellEditor->setGeometry(0, 0, 0, 0);
    m_cellEditor->hide();
    m_cellEditor->installEventFilter(this);

    if (!m_salesPulldown) {
        m_salesPulldown = makePulldown(parent, QStringLiteral("SalesPulldown"));
        m_sizePulldown = makePulldown(parent, QStringLiteral("SizePulldown"));
        m_statusPulldown = makePulldown(parent, QStringLiteral("StatusPulldown"));
        for (int size = 1; size <= kSizeCount; ++size)
            m_sizePulldown->addItem(sizeName(size));
        m_statusPulldown->addItems(m_model.statusValues());
        for (QComboBox *box : {m_salesPulldown, m_sizePulldown, m_statusPulldown}) {
            box->installEventFilter(this);
            connect(box, &QComboBox::activated, this, [this, box](int index) { onPulldownChosen(box, index); });
        }
    }
    fillSalesChoices();
}

void LedgerGrid::fillSalesChoices()
{
    const QSignalBlocker blocker(m_salesPulldown);
    m_salesPulldown->clear();
    m_salesPulldown->addItems(m_model.salesChoices());
    m_salesPulldown->setCurrentIndex(-1);
}

int LedgerGrid::shownIssue() const { return issueIndex(view().shownPublication, view().shownMonth); }

int LedgerGrid::selectedIssue() const { return issueIndex(view().selectedPublication, view().selectedMonth); }

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
    fillSalesChoices();
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

void LedgerGrid::fillGrid()
{
    if (m_model.cells.adCount() != m_model.adCount())
        m_model.resizeLedger(m_model.adCount());
    refreshShownRows();
}

void LedgerGrid::showRow(int item, int row)
{
    for (int column = 1; column <= kColumnCount; ++column) {
        QTableWidgetItem *cell = m_gridList->item(item - 1, column - 1);
        if (!cell) {
            cell = new QTableWidgetItem;
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
                setUpPickupStatus(v.oldCellText);
            editorFor(v.currentColumn)->setFocus();
        }
    }
    v.scrollBusy = false;
}

void LedgerGrid::selectEntry(QComboBox *box, const QString &text)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void LedgerGrid::setEditorText(const QString &text)
{
    const QSignalBlocker blocker(m_cellEditor);
    m_cellEditor->setText(text);
}

void LedgerGrid::loadEditor()
{
    const ViewState &v = view();
    const QString text = screenText(v.currentRow, v.currentColumn);
    switch (v.currentColumn) {
    case ColSalesPerson:
        selectEntry(m_salesPulldown, text);
        break;
    case ColSize:
        selectEntry(m_sizePulldown, text);
        break;
    case ColStatus: {
        const int entry = int(m_model.statusValues().indexOf(text));
        if (entry >= 0 || text.isEmpty()) {
            selectEntry(m_statusPulldown, text);
        } else {
            const QSignalBlocker blocker(m_statusPulldown);
            m_statusPulldown->setCurrentIndex(1);
            view().pickupIndex = int(pickupCodes().indexOf(text.mid(4))) + 1;
            const QSignalBlocker listBlocker(m_pickupList);
            m_pickupList->setCurrentRow(view().pickupIndex - 1);
        }
        break;
    }
    default:
        setEditorText(text);
        break;
    }
}

void LedgerGrid::focusEditor(bool caret)
{
    m_gridList->setFocus();
    m_cellEditor->setFocus();
    // A read-only box shows no caret; its keys still reach the colour toggle.
    m_cellEditor->setReadOnly(!caret);
    m_cellEditor->setCursorPosition(m_cellEditor->text().size());
}

void LedgerGrid::hideEditors()
{
    m_pickupList->hide();
    m_cellEditor->hide();
    m_salesPulldown->hide();
    m_sizePulldown->hide();
    m_statusPulldown->hide();
}

void LedgerGrid::goToCell()
{
    ViewState &v = view();
    if (v.viewOnly || rowCount() == 0)
        return;
    if (v.editRow != v.currentRow || v.editColumn != v.currentColumn) {
        m_pickupList->hide();
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
        setUpPickupStatus(v.oldCellText);
        m_statusPulldown->setFocus();
    }
    if (usesCellEditor(v.currentColumn))
        focusEditor(v.currentColumn != ColColor);
}

void LedgerGrid::placeEditor()
{
    const ViewState &v = view();
    const QRect rect =
        m_gridList->visualRect(m_gridList->model()->index(v.currentRow - v.topRow, v.currentColumn - 1));
    for (int column : {ColNumber, ColSalesPerson, ColSize, ColStatus}) {
        if (editorFor(column) != editorFor(v.currentColumn))
            editorFor(column)->hide();
    }
    QWidget *editor = editorFor(v.currentColumn);
    editor->setGeometry(rect);
    editor->show();
    editor->raise();
    editor->setFocus();
}

void LedgerGrid::setUpPickupStatus(const QString &text)
{
    if (text.startsWith(QStringLiteral("P/U"))) {
        m_model.setPickupStatus(text);
        const QSignalBlocker blocker(m_statusPulldown);
        m_statusPulldown->setItemText(1, text);
        m_statusPulldown->setCurrentIndex(1);
        view().pickupIndex = int(pickupCodes().indexOf(text.mid(4))) + 1;
        const QSignalBlocker listBlocker(m_pickupList);
        m_pickupList->setCurrentRow(view().pickupIndex - 1);
        m_pickupList->show();
    } else {
        selectEntry(m_statusPulldown, text);
        m_pickupList->hide();
    }
}

void LedgerGrid::choosePickup(int index)
{
    ViewState &v = view();
    v.pickupIndex = index;
    const QString text = QStringLiteral("P/U ") + pickupCodes().at(index - 1);
    m_model.setPickupStatus(text);
    {
        const QSignalBlocker blocker(m_statusPulldown);
        m_statusPulldown->setItemText(1, text);
        m_statusPulldown->setCurrentIndex(1);
    }
    {
        const QSignalBlocker blocker(m_pickupList);
        m_pickupList->setCurrentRow(index - 1);
    }
    v.newCellText = text;
    if (QTableWidgetItem *item = m_gridList->item(v.editRow - v.topRow, ColStatus - 1))
        item->setText(text);
    if (m_statusPulldown->isVisible())
        m_statusPulldown->setFocus();
}

void LedgerGrid::onPulldownChosen(QComboBox *box, int index)
{
    ViewState &v = view();
    if (v.viewOnly || index < 0)
        return;
    v.newCellText = box->itemText(index);
    if (box == m_sizePulldown) {
        v.sizePicked = index + 1;
    } else if (box == m_statusPulldown) {
        if (index == 1) {
            const QSignalBlocker blocker(m_pickupList);
            m_pickupList->setCurrentRow(v.pickupIndex - 1);
            m_pickupList->show();
        } else {
            m_pickupList->hide();
        }
        m_statusPulldown->setFocus();
    }
}

void LedgerGrid::showHint(int column)
{
    if (m_hintBar)
        m_hintBar->showMessage(hintText(column, view().viewOnly));
}

void LedgerGrid::commitCell()
{
    ViewState &v = view();
    if (v.viewOnly) {
        v.sizePicked = 0;
        return;
    }
    if (usesCellEditor(v.editColumn))
        v.newCellText = m_cellEditor->text();
    const bool selectionShown =
        v.selectedPublication == v.shownPublication && v.selectedMonth == v.shownMonth;
    if (!selectionShown || v.newCellText == v.oldCellText || v.editRow < 1 || v.editRow > rowCount()) {
        v.sizePicked = 0;
        return;
    }
    const bool wasChanged = m_model.ledgerChanged;
    m_model.ledgerChanged = true;
    storeCell(v.editRow, v.editColumn, v.newCellText);

    SaleInput input;
    input.row = rowTexts(v.editRow);
    input.committedColumn = v.editColumn;
    input.oldCellText = v.oldCellText;
    input.sizePicked = v.sizePicked != 0;
    input.publication = v.shownPublication;
    input.commissionPercent = m_model.commissionPercent(input.row[ColSalesPerson - 1]);
    const SaleResult result = computeSale(input, m_model.prices);

    const bool refused =
        result.askOverride &&
        showMessage(QStringLiteral("This is a computed value, do you want to override it?"),
                    QStringLiteral("Caution"), MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes;
    if (refused) {
        storeCell(v.editRow, v.editColumn, v.oldCellText);
        m_model.ledgerChanged = wasChanged;
        v.newCellText = v.oldCellText;
        if (usesCellEditor(v.editColumn))
            setEditorText(v.oldCellText);
    } else {
        for (int column = 2; column <= kColumnCount; ++column) {
            if (result.row[column - 1] != input.row[column - 1])
                storeCell(v.editRow, column, result.row[column - 1]);
        }
        // The cell now holds what was typed; committing it again writes nothing.
        v.oldCellText = v.newCellText;
    }
    refreshRow(v.editRow);
    v.sizePicked = 0;
}

void LedgerGrid::storeCell(int row, int column, const QString &text)
{
    m_model.cell(selectedIssue(), column, rowAd(row)) = text;
    m_model.ledgerChanged = true;
    refreshRow(row);
}

void LedgerGrid::enterPressed()
{
    ViewState &v = view();
    if (v.viewOnly || rowCount() == 0)
        return;
    if (v.currentColumn == ColSalesPerson && m_salesPulldown->currentIndex() >= 0)
        v.newCellText = m_salesPulldown->currentText();
    if (v.currentColumn == ColStatus && m_statusPulldown->currentIndex() >= 0) {
        const QString entry = m_statusPulldown->currentText();
        if (entry != QStringLiteral("P/U"))
            v.newCellText = entry;
    }
    v.currentColumn = nextColumn(v.currentColumn);
    goToCell();
}

void LedgerGrid::cancelEdit()
{
    ViewState &v = view();
    if (v.viewOnly || rowCount() == 0)
        return;
    switch (v.editColumn) {
    case ColSalesPerson:
        selectEntry(m_salesPulldown, v.oldCellText);
        v.newCellText = v.oldCellText;
        break;
    case ColSize:
        selectEntry(m_sizePulldown, v.oldCellText);
        v.newCellText = v.oldCellText;
        break;
    case ColStatus:
        v.newCellText = v.oldCellText;
        setUpPickupStatus(v.oldCellText);
        refreshRow(v.editRow);
        break;
    default:
        setEditorText(v.oldCellText);
        break;
    }
}

void LedgerGrid::removeAdData()
{
    ViewState &v = view();
    if (v.currentColumn == ColSalesPerson || v.currentColumn == ColSize)
        editorFor(v.currentColumn)->hide();
    const QString adName = screenText(v.currentRow, ColAds);
    const MessageAnswer answer =
        showMessage(QStringLiteral("Remove all data for this ad?"), QStringLiteral("Remove Data for ") + adName,
                    MessageButtons::YesNo, MessageIcon::Question);
    if (answer != MessageAnswer::Yes) {
        editorFor(v.currentColumn)->show();
        editorFor(v.currentColumn)->setFocus();
        return;
    }
    // The pending edit goes with the rest of the row.
    v.newCellText = v.oldCellText;
    setEditorText(v.oldCellText);
    for (int column = 2; column <= kColumnCount; ++column)
        storeCell(v.currentRow, column, QString());
    v.oldCellText = v.newCellText = screenText(v.editRow, v.editColumn);
    setEditorText(v.oldCellText);
    v.currentColumn = 2;
    goToCell();
}

void LedgerGrid::saveLedgerNow()
{
    if (showMessage(QStringLiteral("Save file now?"), m_ledgerFile, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const SaveResult saved = writeLedgerFile(m_ledgerFile, m_model);
    if (!saved.ok)
        showMessage(saved.error + QStringLiteral("\n\nYour changes are still here; nothing was lost."),
                    QStringLiteral("Ledger not saved"), MessageButtons::Ok, MessageIcon::Error);
}

void LedgerGrid::setViewOnly(bool viewOnly)
{
    ViewState &v = view();
    if (viewOnly) {
        commitCell();
        v.viewOnly = true;
        hideEditors();
        m_gridList->setFocus();
        showHint(0);
        return;
    }
    v.viewOnly = false;
    showHint(v.currentColumn);
    v.editRow = v.currentRow;
    v.editColumn = v.currentColumn;
    goToCell();
}

void LedgerGrid::resetView()
{
    ViewState &v = view();
    v.selectedPublication = 1;
    v.selectedMonth = 1;
    v.topRow = 1;
    v.currentRow = 1;
    v.currentColumn = 2;
    v.editColumn = 2;
    buildRows();
}

void LedgerGrid::focusGrid()
{
    view().hookReady = 1;
    m_gridList->setFocus();
}

LedgerGrid::SavedCursor LedgerGrid::saveCursor() const
{
    const ViewState &v = view();
    return {v.currentRow, v.currentColumn, v.topRow, v.visibleRows, int(m_model.salesPeople.size())};
}

void LedgerGrid::restoreAfterConfiguration(const SavedCursor &saved)
{
    ViewState &v = view();
    v.currentRow = saved.currentRow;
    v.currentColumn = saved.currentColumn;
    v.topRow = saved.topRow;
    v.visibleRows = saved.visibleRows;
    v.hookReady = 1;
    v.scrollBusy = false;
    buildRows();
    if (int(m_model.salesPeople.size()) != saved.salesCount)
        createEditors();
    v.currentRow = std::clamp(v.currentRow, 1, std::max(1, rowCount()));
    keepCursorShown(v, rowCount());
    setScrollRange();
    fillGrid();
    v.editRow = v.currentRow;
    v.editColumn = v.currentColumn;
    v.oldCellText = v.newCellText = screenText(v.currentRow, v.currentColumn);
    goToCell();
}

bool LedgerGrid::handleShiftKey(QWidget *editor, int key)
{
    ViewState &v = view();
    if (key == Qt::Key_Delete && editor == m_cellEditor) {
        m_cellEditor->clear();
        return true;
    }
    const int topBefore = v.topRow;
    const CursorMove move = moveCursorForShiftKey(v, rowCount(), key, editor == m_cellEditor);
    if (move == CursorMove::None)
        return true;
    if (v.topRow != topBefore) {
        // A one-line scroll: the row being left keeps its pending text and
        // still shows, so the commit in goToCell writes it to that row.
        const QSignalBlocker blocker(m_scrollBar);
        m_scrollBar->setValue(v.topRow);
        refreshShownRows();
    }
    goToCell();
    return true;
}

bool LedgerGrid::handleStatusCtrlKey(int key)
{
    ViewState &v = view();
    if (v.pickupIndex == 0)
        return true;
    const int count = int(pickupCodes().size());
    if (key == Qt::Key_Up)
        v.pickupIndex = v.pickupIndex == 1 ? count : v.pickupIndex - 1;
    else if (key == Qt::Key_Down)
        v.pickupIndex = v.pickupIndex == count ? 1 : v.pickupIndex + 1;
    choosePickup(v.pickupIndex);
    m_pickupList->show();
    return true;
}

bool LedgerGrid::handleCellCharacter(QKeyEvent *key)
{
    if (key->matches(QKeySequence::Paste))
        return true;
    const QString text = key->text();
    if (text.isEmpty())
        return false; // caret keys and the like belong to the text box
    switch (judgeTypedCharacter(view().editColumn, m_cellEditor->text(), text.at(0))) {
    case TypedVerdict::Accept:
        return false;
    case TypedVerdict::ToggleColour:
        setEditorText(toggledColour(m_cellEditor->text()));
        return true;
    case TypedVerdict::Refuse:
        break;
    }
    return true;
}

bool LedgerGrid::handleEditorKey(QWidget *editor, QKeyEvent *key)
{
    ViewState &v = view();
    if (v.viewOnly)
        return false;
    const Qt::KeyboardModifiers mods = key->modifiers();
    const int code = key->key();
    if (code == Qt::Key_Shift || code == Qt::Key_Control || code == Qt::Key_Alt || code == Qt::Key_Meta) {
        if (editor == m_statusPulldown && code == Qt::Key_Control)
            return handleStatusCtrlKey(code);
        return false;
    }
    if (mods & Qt::ShiftModifier)
        return handleShiftKey(editor, code);
    if (editor == m_statusPulldown && (mods & Qt::ControlModifier))
        return handleStatusCtrlKey(code);
    if (mods & Qt::ControlModifier) {
        if (code == Qt::Key_Delete) {
            removeAdData();
            return true;
        }
        if (code == Qt::Key_S) {
            saveLedgerNow();
            return true;
        }
    }
    if (code == Qt::Key_Return || code == Qt::Key_Enter) {
        auto *box = qobject_cast<QComboBox *>(editor);
        if (box && box->view()->isVisible())
            return false;
        enterPressed();
        return true;
    }
    if (code == Qt::Key_Escape) {
        cancelEdit();
        return true;
    }
    if (editor == m_cellEditor) {
        // Control characters other than backspace are refused (no paste, no undo).
        if ((mods & Qt::ControlModifier) && !key->text().isEmpty() && key->text().at(0) < u' ' &&
            key->text().at(0) != u'\b')
            return true;
        return handleCellCharacter(key);
    }
    return false;
}

void LedgerGrid::handleWheel(bool up)
{
    const int code = lineScrollFor(view(), rowCount(), up);
    if (code >= 0)
        scrollGrid(code);
    loadEditor();
}

void LedgerGrid::handleClick(const QPoint &viewportPos)
{
    ViewState &v = view();
    commitCell();
    const QModelIndex index = m_gridList->indexAt(viewportPos);
    v.scrollBusy = false;
    if (!index.isValid())
        return; // below the last row: the cursor stays where it is
    v.currentRow = v.topRow + index.row();
    v.currentColumn = index.column() + 1;
    if (v.viewOnly)
        return;
    if (v.currentColumn == ColAds)
        v.currentColumn = ColSalesPerson;
    goToCell();
}

bool LedgerGrid::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_cellEditor || watched == m_salesPulldown || watched == m_sizePulldown ||
            watched == m_statusPulldown)
            return handleEditorKey(static_cast<QWidget *>(watched), static_cast<QKeyEvent *>(event));
        if (watched == m_gridList) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            // The list never moves its own selection; arrow keys scroll (see MainWindow).
            return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                   key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
        }
        break;
    case QEvent::Wheel:
        if (watched == m_gridList->viewport() || watched == m_cellEditor) {
            handleWheel(static_cast<QWheelEvent *>(event)->angleDelta().y() > 0);
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_gridList->viewport()) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
                handleClick(mouse->position().toPoint());
            return false;
        }
        break;
    case QEvent::MouseButtonDblClick:
        return watched == m_gridList->viewport();
    case QEvent::FocusIn:
        if (watched == m_gridList && !view().viewOnly && rowCount() > 0) {
            QWidget *editor = editorFor(view().currentColumn);
            if (editor->isVisible())
                editor->setFocus();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qm
