#include "app/MainWindow.h"

#include "app/MainMenu.h"
#include "app/MonthList.h"
#include "core/LedgerModel.h"
#include "grid/LedgerGrid.h"
#include "ui/DocumentHistory.h"

#include <QAction>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>

// Undo and redo: the Edit menu's commands and how the window shows what they put back.
namespace qm {

void MainWindow::buildHistory()
{
    m_history = new DocumentHistory(m_document, this);
    const auto updateEnabled = [this] {
        m_menu->undo()->setEnabled(m_history->canUndo());
        m_menu->redo()->setEnabled(m_history->canRedo());
    };
    connect(m_history, &DocumentHistory::stepsChanged, this, updateEnabled);
    updateEnabled();
    connect(m_menu->undo(), &QAction::triggered, this, &MainWindow::undo);
    connect(m_menu->redo(), &QAction::triggered, this, &MainWindow::redo);
    connect(m_history, &DocumentHistory::rowRestored, this, &MainWindow::showRestoredRow);
}

void MainWindow::undo()
{
    // Typing not committed yet is the latest change: the first undo gives it up, as Esc does.
    if (m_grid->typingPending()) {
        m_grid->cancelEdit();
        return;
    }
    // A choice pending in a pulldown goes, so that the cell shows what undo puts back.
    m_grid->cancelEdit();
    const bool advances = m_history->canUndoAdvances();
    if (m_history->undo() && advances)
        m_hintBar->showMessage(tr("Undone: a change of the advances"));
}

void MainWindow::redo()
{
    // Redo would write over typing not committed yet: that is committed or given up first.
    if (m_grid->typingPending())
        return;
    m_grid->cancelEdit();
    const bool advances = m_history->canRedoAdvances();
    if (m_history->redo() && advances)
        m_hintBar->showMessage(tr("Redone: a change of the advances"));
}

void MainWindow::showRestoredRow(int issue, int ad, int column)
{
    const ViewState &v = m_grid->view();
    if (issueIndex(v.shownPublication, v.shownMonth) != issue) {
        const int publication = issuePublication(issue);
        const int month = publication == 1 ? issue : v.selectedMonth;
        {
            const QSignalBlocker tabs(m_tabs);
            const QSignalBlocker months(m_monthList);
            m_tabs->setCurrentIndex(publication - 1);
            m_monthList->setCurrentIndex(month - 1);
        }
        m_grid->selectIssue(publication, month);
        m_grid->showSelectedIssue();
        updateCaption();
    }
    m_grid->showRestoredRow(ad, column);
}

} // namespace qm
