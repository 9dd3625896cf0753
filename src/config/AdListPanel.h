#pragma once

#include "config/AdListState.h"
#include "core/rules/ConfigHints.h"

#include <QLineEdit>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>

class QEvent;
class QKeyEvent;
class QModelIndex;
class QPushButton;
class QScrollBar;
class QWidget;

namespace qm {

class AdListModel;
class AdTable;
class LedgerDocument;
class LedgerModel;

// The ad list of the configuration dialog: a paged table of the ads, each with
// its name and its four publication checkmarks, the scroll bar beside it, an
// editor open on the cursor's cell, and the "&Add Ad" and "&Del Ad" buttons.
// The controls are the dialog's own, placed where the dialog's layout has them;
// every change goes to the document at once.
class AdListPanel : public QObject
{
    Q_OBJECT
public:
    AdListPanel(LedgerDocument &document, QWidget *dialog);

    // Fills the list; with ads, the cursor goes onto the first ad's name.
    void open();
    int rowsPerPage() const { return m_list.rowsPerPage; }
    // The editor on the cursor's cell; none while there is no ad.
    QLineEdit *editor() const { return m_adEditor; }
    // Gives the focus to the list: to its editor, or to the list itself while there is no ad.
    void takeFocus();

    // The dialog's Enter: stores a typed name, or steps to the next ad.
    void enterCommand(bool fromAdEditor);
    // The dialog's Esc: the current cell shows what it held when the cursor came.
    void escapeCommand();
    // Ends a checkmark edit: the cursor goes back onto the ad's name, while the
    // focus stays where the user put it.
    void leaveCheckmark();
    // The dialog is closing: the list handles nothing more.
    void stop() { m_stopped = true; }

signals:
    void hintChanged(ConfigHint hint);
    // "&Add Ad" or "&Del Ad" was used.
    void controlUsed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(QWidget *dialog);
    void showTopAd();
    void goToAdCell();
    void storeHeldCell();
    void openEditorOnCursor();
    void closeEditor();
    void scrollAdList(AdScroll step);
    void listScrolled();
    void addAd();
    void deleteAd();
    void toggleCheckmark();
    bool editorKey(QKeyEvent *event);
    void cellPressed(const QModelIndex &index);
    void wheelTurned(int angleDelta);

    LedgerDocument &m_document;
    const LedgerModel &m_model;
    AdListState m_list;
    int m_wheelDelta = 0;
    bool m_inFocusRule = false;
    bool m_stopped = false;
    bool m_movingList = false; // the panel itself moves the table's top

    AdListModel *m_ads = nullptr;
    AdTable *m_adList = nullptr;
    QScrollBar *m_adScrollBar = nullptr;
    QPointer<QLineEdit> m_adEditor;
    QPersistentModelIndex m_editedCell; // the cell m_adEditor lies on
    QPushButton *m_addButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
};

} // namespace qm
