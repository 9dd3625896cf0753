#pragma once

#include "grid/ViewState.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QListWidget;
class QObject;
class QRect;
class QWidget;

namespace qm {

class GridDelegate;
class LedgerDocument;
class LedgerModel;

// The editor controls laid over the current cell (CellEditor and the three
// pulldowns, made, filled and placed by the grid's delegate) and the pickup
// list: what they hold, where they stand.
class GridEditors
{
public:
    GridEditors(LedgerDocument &document, const GridDelegate &delegate, ViewState &view, QWidget *gridViewport,
                QWidget *window);

    QLineEdit *cellEditor() const { return m_cellEditor; }
    QComboBox *salesPulldown() const { return m_salesPulldown; }
    QComboBox *sizePulldown() const { return m_sizePulldown; }
    QComboBox *statusPulldown() const { return m_statusPulldown; }
    QListWidget *pickupList() const { return m_pickupList; }
    // The editor control of a column (CellEditor for the typed columns).
    QWidget *editorFor(int column) const;
    bool isPulldown(const QObject *object) const;

    // Creates CellEditor afresh (the pulldowns once) and fills the sales choices.
    void create();
    void fillSalesChoices();

    // Puts a cell's text into the editor of its column.
    void load(int column, const QString &text);
    void setEditorText(const QString &text);
    void selectEntry(QComboBox *box, const QString &text);
    void focusEditor(bool caret);
    void hideAll();
    // Shows the editor of a column over a cell's rectangle and gives it the focus.
    void place(int column, const QRect &rect);

    // The status pulldown for a cell's status: a pickup shows the pickup list.
    void setUpPickupStatus(const QString &text);
    // Chooses pickup code `index` (1..4) and returns the status text it gives.
    QString choosePickup(int index);

private:
    LedgerDocument &m_document;
    const LedgerModel &m_model;
    const GridDelegate &m_delegate;
    ViewState &m_view;
    QWidget *m_parent;
    QLineEdit *m_cellEditor = nullptr;
    QComboBox *m_salesPulldown = nullptr;
    QComboBox *m_sizePulldown = nullptr;
    QComboBox *m_statusPulldown = nullptr;
    QListWidget *m_pickupList = nullptr;
};

} // namespace qm
