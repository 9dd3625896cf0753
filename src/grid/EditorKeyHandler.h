#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace qm {

struct ViewState;
enum class EditorAction;

// The keys of the grid's cell editors (the text box and the three pulldowns):
// installed by the delegate on every editor it makes, it lets the editor keep
// its own keys (caret keys, a pulldown's selection), applies the typed-
// character rule, and reports every other key as what the user asked the grid
// to do. A wheel turned over the text box goes on to the rows under it.
class EditorKeyHandler : public QObject
{
    Q_OBJECT

public:
    // `view` tells the mode and the cell being edited at the time of a key.
    EditorKeyHandler(const ViewState &view, QObject *parent);

    // Takes the keys of `editor` from now on.
    void watch(QWidget *editor);

signals:
    // A Shift key of the grid (a Qt::Key: Up, Down, Left, Right, Page Up/Down,
    // Home, End); `fromTextBox` when it was pressed in the text box.
    void moveRequested(int key, bool fromTextBox);
    // ENTER: the cell is committed and the cursor goes one column on.
    void enterRequested();
    // ESC: the cell shows its stored text again.
    void cancelRequested();
    // The undo key in an editor: the typing not committed yet is given up.
    void undoTypingRequested();
    // Ctrl+Delete: the data of the ad in the shown issue is removed.
    void removeRequested();
    // Ctrl+S: the ledger is saved now.
    void saveRequested();
    // A key pressed with Ctrl in the status column (a Qt::Key): Up and Down
    // choose the pickup code before or after, any other keeps it.
    void pickupRequested(int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the key asks for in the present mode and column.
    EditorAction actionOf(const QKeyEvent *key) const;
    bool shortcutOverride(QKeyEvent *key) const;
    bool keyPress(QWidget *editor, QKeyEvent *key);

    const ViewState &m_view;
};

} // namespace qm
