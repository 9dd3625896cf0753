// The grid's modes and the hand-over around the configuration dialog: view
// only or editing, the view reset for a new ledger, and the cursor kept while
// the ads change.
#include "grid/LedgerGrid.h"

#include "grid/GridNavigation.h"
#include "grid/Hints.h"
#include "grid/LedgerTableView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>

namespace qm {

void LedgerGrid::setViewOnly(bool viewOnly)
{
    ViewState &v = view();
    if (viewOnly) {
        commitCell();
        v.viewOnly = true;
        m_editors->hideAll();
        m_gridList->setFocus();
        showHint(kNoColumn);
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
    m_view.hookReady = HookState::Ready;
    m_gridList->setFocus();
}

LedgerGrid::SavedCursor LedgerGrid::leaveForConfiguration()
{
    ViewState &v = view();
    v.hookReady = HookState::Configuring;
    return {v.currentRow, v.currentColumn, v.topRow, v.visibleRows, int(m_model.salesPeople.size())};
}

void LedgerGrid::restoreAfterConfiguration(const SavedCursor &saved)
{
    ViewState &v = view();
    v.currentRow = saved.currentRow;
    v.currentColumn = saved.currentColumn;
    v.topRow = saved.topRow;
    v.visibleRows = saved.visibleRows;
    v.hookReady = HookState::Ready;
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

} // namespace qm
