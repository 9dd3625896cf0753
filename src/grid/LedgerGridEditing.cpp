#include "grid/LedgerGrid.h"

#include "core/Messages.h"
#include "ui/SaveMessages.h"
#include "core/rules/CellCommit.h"
#include "grid/EditorKeyHandler.h"
#include "grid/GridDelegate.h"
#include "grid/GridNavigation.h"
#include "grid/LedgerTableModel.h"
#include "grid/LedgerTableView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QWheelEvent>

// The edit of a cell: its commit, ENTER, ESC, removing a row's data, the save
// shortcut, and the keys, wheel turns and clicks that drive them.
namespace qm {

namespace {

bool usesCellEditor(int column) { return column != ColSalesPerson && column != ColSize && column != ColStatus; }

} // namespace

void LedgerGrid::commitCell()
{
    ViewState &v = m_view;
    if (v.viewOnly) {
        v.sizePicked = 0;
        return;
    }
    if (usesCellEditor(v.editColumn))
        v.newCellText = cellEditor()->text();
    const bool selectionShown =
        v.selectedPublication == v.shownPublication && v.selectedMonth == v.shownMonth;
    if (!selectionShown || v.editRow < 1 || v.editRow > rowCount()) {
        v.sizePicked = 0;
        return;
    }
    const QModelIndex cell = m_table->index(v.editRow - 1, v.editColumn - 1);
    switch (m_table->commit(cell, v.oldCellText, v.newCellText, v.sizePicked != 0)) {
    case CommitOutcome::Unchanged:
        v.sizePicked = 0;
        return;
    case CommitOutcome::Refused:
        v.newCellText = v.oldCellText;
        if (usesCellEditor(v.editColumn))
            m_editors->setEditorText(v.oldCellText);
        break;
    case CommitOutcome::Stored:
        // The cell now holds what was typed; committing it again writes nothing.
        v.oldCellText = v.newCellText;
        break;
    }
    refreshRow();
    v.sizePicked = 0;
}

void LedgerGrid::enterPressed()
{
    ViewState &v = m_view;
    if (v.viewOnly || rowCount() == 0)
        return;
    if (v.currentColumn == ColSalesPerson && salesPulldown()->currentIndex() >= 0)
        v.newCellText = salesPulldown()->currentText();
    if (v.currentColumn == ColStatus && statusPulldown()->currentIndex() >= 0) {
        const QString entry = statusPulldown()->currentText();
        if (entry != QStringLiteral("P/U"))
            v.newCellText = entry;
    }
    v.currentColumn = nextColumn(v.currentColumn);
    goToCell();
}

void LedgerGrid::cancelEdit()
{
    ViewState &v = m_view;
    if (v.viewOnly || rowCount() == 0)
        return;
    switch (v.editColumn) {
    case ColSalesPerson:
        m_editors->selectEntry(salesPulldown(), v.oldCellText);
        v.newCellText = v.oldCellText;
        break;
    case ColSize:
        m_editors->selectEntry(sizePulldown(), v.oldCellText);
        v.newCellText = v.oldCellText;
        break;
    case ColStatus:
        v.newCellText = v.oldCellText;
        m_editors->setUpPickupStatus(v.oldCellText);
        refreshRow();
        break;
    default:
        m_editors->setEditorText(v.oldCellText);
        break;
    }
}

bool LedgerGrid::typingPending() const
{
    const ViewState &v = m_view;
    return !v.viewOnly && rowCount() > 0 && usesCellEditor(v.editColumn) && cellEditor()->text() != v.oldCellText;
}

void LedgerGrid::showRestoredRow(int ad, int column)
{
    ViewState &v = m_view;
    const int row = int(m_table->rowAds().indexOf(ad)) + 1;
    if (row > 0) {
        v.currentRow = row;
        if (!v.viewOnly)
            v.currentColumn = column;
        keepCursorShown(v, rowCount());
    }
    // The rows are shown from the top row the cursor needs.
    refreshShownRows();
    // The cell under the cursor opens afresh on what was put back.
    goToCell();
}

void LedgerGrid::removeAdData()
{
    ViewState &v = m_view;
    if (v.currentColumn == ColSalesPerson || v.currentColumn == ColSize)
        editorFor(v.currentColumn)->hide();
    const auto confirm = [](const QString &adName) {
        return showMessage(tr("Remove all data for this ad?"), tr("Remove Data for %1").arg(adName),
                           MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
    };
    if (!m_document.removeAdData(selectedIssue(), rowAd(v.currentRow), confirm)) {
        editorFor(v.currentColumn)->show();
        editorFor(v.currentColumn)->setFocus();
        return;
    }
    // The pending edit goes with the rest of the row.
    refreshRow();
    v.oldCellText = v.newCellText = screenText(v.editRow, v.editColumn);
    m_editors->setEditorText(v.oldCellText);
    v.currentColumn = 2;
    goToCell();
}

// Ctrl+S in an editor. The cell being edited is not committed first: the file
// gets what is stored, and the text still being typed goes with a later save.
void LedgerGrid::saveLedgerNow()
{
    if (showMessage(tr("Save file now?"), m_document.ledgerFile(), MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    // The settings go with the ledger when they changed, so the two files keep the same ads.
    m_savingStored = true;
    const SaveReport saved = m_document.save(SaveKind::Ledger);
    m_savingStored = false;
    showSaveReport(saved, tr("save again."));
}

void LedgerGrid::onPulldownChosen(QComboBox *box, int index)
{
    ViewState &v = m_view;
    if (v.viewOnly || index < 0)
        return;
    v.newCellText = box->itemText(index);
    // A pickup always names its publication: "P/U" before a code is chosen keeps the old status.
    if (box == statusPulldown() && v.newCellText == QStringLiteral("P/U"))
        v.newCellText = v.oldCellText;
    if (box == sizePulldown()) {
        v.sizePicked = index + 1;
    } else if (box == statusPulldown()) {
        if (index == 1) {
            const QSignalBlocker blocker(pickupList());
            pickupList()->setCurrentRow(v.pickupIndex - 1);
            pickupList()->show();
        } else {
            pickupList()->hide();
        }
        statusPulldown()->setFocus();
    }
}

void LedgerGrid::showPickupText(const QString &text)
{
    m_table->setPendingText(m_view.editRow - 1, ColStatus, text);
    if (statusPulldown()->isVisible())
        statusPulldown()->setFocus();
}

void LedgerGrid::handleShiftKey(int key, bool fromTextBox)
{
    ViewState &v = m_view;
    const int topBefore = v.topRow;
    const CursorMove move = moveCursorForShiftKey(v, rowCount(), key, fromTextBox);
    if (move == CursorMove::None)
        return;
    if (v.topRow != topBefore) {
        // A one-line scroll: the row being left keeps its pending text and
        // still shows, so the commit in goToCell writes it to that row.
        refreshShownRows();
    }
    goToCell();
}

void LedgerGrid::handleStatusCtrlKey(int key)
{
    ViewState &v = m_view;
    if (v.pickupIndex == 0)
        return;
    const int count = int(pickupCodes().size());
    if (key == Qt::Key_Up)
        v.pickupIndex = v.pickupIndex == 1 ? count : v.pickupIndex - 1;
    else if (key == Qt::Key_Down)
        v.pickupIndex = v.pickupIndex == count ? 1 : v.pickupIndex + 1;
    showPickupText(m_editors->choosePickup(v.pickupIndex));
    pickupList()->show();
}

void LedgerGrid::connectEditorKeys(EditorKeyHandler *keys)
{
    connect(keys, &EditorKeyHandler::moveRequested, this, &LedgerGrid::handleShiftKey);
    connect(keys, &EditorKeyHandler::enterRequested, this, &LedgerGrid::enterPressed);
    connect(keys, &EditorKeyHandler::cancelRequested, this, &LedgerGrid::cancelEdit);
    connect(keys, &EditorKeyHandler::undoTypingRequested, this, [this] {
        if (typingPending())
            cancelEdit();
    });
    connect(keys, &EditorKeyHandler::removeRequested, this, &LedgerGrid::removeAdData);
    connect(keys, &EditorKeyHandler::saveRequested, this, &LedgerGrid::saveLedgerNow);
    connect(keys, &EditorKeyHandler::pickupRequested, this, &LedgerGrid::handleStatusCtrlKey);
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
    ViewState &v = m_view;
    commitCell();
    const QModelIndex index = m_gridList->indexAt(viewportPos);
    v.scrollBusy = false;
    // Below the last row, or on the part of a line under the whole ones: the cursor stays where it is.
    if (!index.isValid() || index.row() + 1 >= v.topRow + v.visibleRows)
        return;
    v.currentRow = index.row() + 1;
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
        if (watched == m_gridList) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            // The list never moves its own selection; arrow keys scroll (see MainWindow).
            return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                   key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
        }
        break;
    case QEvent::Wheel:
        // A wheel turned over the text box comes here too (see EditorKeyHandler).
        if (watched == m_gridList->viewport()) {
            // A focused pulldown takes the wheel itself: it changes its selection,
            // which becomes the text the next commit stores.
            QWidget *focus = QApplication::focusWidget();
            if (!view().viewOnly && focus && focus != cellEditor() && focus->isVisible() &&
                (focus == salesPulldown() || focus == sizePulldown() || focus == statusPulldown()))
                return QApplication::sendEvent(focus, event);
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
