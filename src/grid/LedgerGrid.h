#pragma once

#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "core/rules/SaleComputation.h"
#include "grid/GridEditors.h"
#include "grid/ViewState.h"

#include <QList>
#include <QObject>

#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPoint;
class QScrollBar;
class QStatusBar;
class QTableView;
class QWidget;

namespace qm {

class EditorKeyHandler;
class LedgerTableModel;
class LedgerTableView;

// The ledger grid of the main window: GridList (a table view over the shown
// issue) with its own scroll bar, the editor controls laid over the current
// cell, the pickup list and the hints.
// It shows one issue of the ledger of a LedgerDocument and hands every edited
// cell to the document; before the document saves, it commits the cell being
// edited. Display, rows and scrolling are in LedgerGrid.cpp;
// the edit of a cell and the input that drives it in LedgerGridEditing.cpp.
class LedgerGrid : public QObject
{
    Q_OBJECT

public:
    LedgerGrid(LedgerDocument &document, QWidget *window, QStatusBar *hintBar);

    ViewState &view() { return m_view; }
    const ViewState &view() const { return m_view; }

    QTableView *gridList() const;
    LedgerTableModel *table() const { return m_table; }
    QScrollBar *scrollBar() const;
    QLineEdit *cellEditor() const { return m_editors->cellEditor(); }
    QComboBox *salesPulldown() const { return m_editors->salesPulldown(); }
    QComboBox *sizePulldown() const { return m_editors->sizePulldown(); }
    QComboBox *statusPulldown() const { return m_editors->statusPulldown(); }
    QListWidget *pickupList() const { return m_editors->pickupList(); }
    // The editor control of a column (CellEditor for the typed columns).
    QWidget *editorFor(int column) const { return m_editors->editorFor(column); }

    int rowCount() const;
    int rowAd(int row) const;
    RowTexts rowTexts(int row) const;

    void buildRows();
    void reloadRows();
    void fillGrid();
    void refreshShownRows();
    void setScrollRange();
    void scrollGrid(int code, int thumb = 0);
    void goToCell();
    // Moves the cursor to a cell of the shown issue (the current row and column)
    // and opens its editor, committing the cell being left.
    void moveCursorTo(int row, int column);
    void loadEditor();
    void focusEditor(bool caret) { m_editors->focusEditor(caret); }
    void createEditors();
    void showHint(int column);

    void commitCell();
    void enterPressed();
    void cancelEdit();
    // The text box of the cell being edited holds typing not committed yet.
    bool typingPending() const;
    // After an undo or redo put back the row of `ad` in the shown issue: the
    // rows show the ledger again and the cursor goes to the cell of `column`
    // in that row (in view-only mode the row only comes into view). The edit
    // pending before must have been cancelled.
    void showRestoredRow(int ad, int column);
    void removeAdData();
    void saveLedgerNow();

    // Where the grid stands after start-up: Corvel, January, view only, nothing edited.
    void clearView() { m_view = ViewState(); }
    // Records the issue chosen with the selectors; showSelectedIssue() shows it.
    void selectIssue(int publication, int month);
    // Shows the selected issue: the rows are reloaded (a pending edit of the
    // issue shown until now is dropped) and it becomes the shown one.
    void showSelectedIssue();

    void setViewOnly(bool viewOnly);
    // Back to the start of the year (Corvel, January, first row, column 2), rows rebuilt.
    void resetView();
    void focusGrid(); // what the main window's focus message does

    // Around the configuration dialog: the grid's cursor is kept apart from the dialog's.
    struct SavedCursor
    {
        int currentRow, currentColumn, topRow, visibleRows, salesCount;
    };
    // Keeps the cursor and stops the view-only scroll keys until restoreAfterConfiguration().
    SavedCursor leaveForConfiguration();
    void restoreAfterConfiguration(const SavedCursor &saved);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int selectedIssue() const;
    void readVisibleRows();
    void refreshRow();
    void placeEditor();
    void showPickupText(const QString &text);
    QString screenText(int row, int column) const;

    // The grid does what the keys of its editors ask for.
    void connectEditorKeys(EditorKeyHandler *keys);
    void handleShiftKey(int key, bool fromTextBox);
    void handleStatusCtrlKey(int key);
    void handleWheel(bool up);
    void handleClick(const QPoint &viewportPos);
    void onPulldownChosen(QComboBox *box, int index);

    LedgerDocument &m_document;
    const LedgerModel &m_model;
    ViewState m_view;
    QWidget *m_window;
    QStatusBar *m_hintBar;
    LedgerTableModel *m_table = nullptr;
    LedgerTableView *m_gridList = nullptr;
    std::unique_ptr<GridEditors> m_editors;
    bool m_savingStored = false; // the grid's own save: the cell being edited is not committed
};

} // namespace qm
