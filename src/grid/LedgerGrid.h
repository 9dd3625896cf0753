#pragma once

#include "core/LedgerModel.h"
#include "core/rules/SaleComputation.h"
#include "grid/GridEditors.h"
#include "grid/ViewState.h"

#include <QList>
#include <QObject>

#include <memory>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPoint;
class QScrollBar;
class QStatusBar;
class QTableWidget;
class QWidget;

namespace qm {

// The ledger grid of the main window: GridList with its own scroll bar, the
// editor controls laid over the current cell, the pickup list and the hints.
// It shows one issue of the one LedgerModel and is the only way an edited
// cell reaches the ledger. Display, rows and scrolling are in LedgerGrid.cpp;
// the edit of a cell and the input that drives it in LedgerGridEditing.cpp.
class LedgerGrid : public QObject
{
    Q_OBJECT

public:
    LedgerGrid(LedgerModel &model, QWidget *window, QStatusBar *hintBar);

    ViewState &view() { return m_view; }
    const ViewState &view() const { return m_view; }

    QTableWidget *gridList() const { return m_gridList; }
    QScrollBar *scrollBar() const { return m_scrollBar; }
    QLineEdit *cellEditor() const { return m_editors->cellEditor(); }
    QComboBox *salesPulldown() const { return m_editors->salesPulldown(); }
    QComboBox *sizePulldown() const { return m_editors->sizePulldown(); }
    QComboBox *statusPulldown() const { return m_editors->statusPulldown(); }
    QListWidget *pickupList() const { return m_editors->pickupList(); }
    // The editor control of a column (CellEditor for the typed columns).
    QWidget *editorFor(int column) const { return m_editors->editorFor(column); }

    void setLedgerFile(const QString &path) { m_ledgerFile = path; }
    void setSettingsFile(const QString &path) { m_settingsFile = path; }

    int rowCount() const { return int(m_rowAd.size()); }
    int rowAd(int row) const { return m_rowAd.at(row - 1); }
    RowTexts rowTexts(int row) const;

    void buildRows();
    void reloadRows();
    void fillGrid();
    void refreshShownRows();
    void setScrollRange();
    void scrollGrid(int code, int thumb = 0);
    void goToCell();
    void loadEditor();
    void focusEditor(bool caret) { m_editors->focusEditor(caret); }
    void createEditors();
    void showHint(int column);

    void commitCell();
    void enterPressed();
    void cancelEdit();
    void removeAdData();
    void saveLedgerNow();

    void setViewOnly(bool viewOnly);
    void focusGrid(); // what the main window's focus message does

    // Around the configuration dialog: the grid's cursor is kept apart from the dialog's.
    struct SavedCursor
    {
        int currentRow, currentColumn, topRow, visibleRows, salesCount;
    };
    SavedCursor saveCursor() const;
    void restoreAfterConfiguration(const SavedCursor &saved);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int selectedIssue() const;
    void readVisibleRows();
    void showRow(int item, int row);
    void refreshRow(int row);
    void placeEditor();
    void showPickupText(const QString &text);
    QString screenText(int row, int column) const;

    bool handleEditorKey(QWidget *editor, QKeyEvent *key);
    bool handleShiftKey(QWidget *editor, int key);
    bool handleStatusCtrlKey(int key);
    bool handleCellCharacter(QKeyEvent *key);
    void handleWheel(bool up);
    void handleClick(const QPoint &viewportPos);
    void onPulldownChosen(QComboBox *box, int index);

    LedgerModel &m_model;
    ViewState m_view;
    QWidget *m_window;
    QStatusBar *m_hintBar;
    QTableWidget *m_gridList = nullptr;
    QScrollBar *m_scrollBar = nullptr;
    std::unique_ptr<GridEditors> m_editors;
    QList<int> m_rowAd;
    int m_rowMapPublication = 0;
    QString m_ledgerFile;
    QString m_settingsFile;
};

} // namespace qm
