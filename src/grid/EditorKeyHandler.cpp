#include "grid/EditorKeyHandler.h"

#include "grid/EditorKeys.h"
#include "grid/GridDelegate.h"
#include "grid/ViewState.h"
#include "ui/DocumentHistory.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace qm {

EditorKeyHandler::EditorKeyHandler(const ViewState &view, QObject *parent) : QObject(parent), m_view(view) {}

void EditorKeyHandler::watch(QWidget *editor) { editor->installEventFilter(this); }

EditorAction EditorKeyHandler::actionOf(const QKeyEvent *key) const
{
    const EditorMode mode = m_view.viewOnly ? EditorMode::ViewOnly : EditorMode::Edit;
    return editorKeyAction(key->key(), key->modifiers(), m_view.currentColumn, mode);
}

bool EditorKeyHandler::shortcutOverride(QKeyEvent *key) const
{
    // An editor keeps its own Ctrl+S ("Save file now?", or nothing in the
    // status column) before the window's Save shortcut can take it.
    if (key->key() == Qt::Key_S && key->modifiers() == Qt::ControlModifier && actionOf(key) != EditorAction::PassOn) {
        key->accept();
        return true;
    }
    // Undo and redo are the window's, not the text box's own (see MainWindow).
    if (DocumentHistory::isUndoKey(key) || DocumentHistory::isRedoKey(key)) {
        key->ignore();
        return true;
    }
    return false;
}

bool EditorKeyHandler::keyPress(QWidget *editor, QKeyEvent *key)
{
    // The undo and redo keys reach an editor only while the window has nothing
    // to undo or redo: then the undo key still gives up the typing, like Esc.
    if (DocumentHistory::isUndoKey(key) || DocumentHistory::isRedoKey(key)) {
        if (DocumentHistory::isUndoKey(key))
            emit undoTypingRequested();
        return true;
    }
    auto *textBox = qobject_cast<QLineEdit *>(editor);
    switch (actionOf(key)) {
    case EditorAction::PassOn:
        return false;
    case EditorAction::TypedCharacter:
        return textBox && GridDelegate::takeTypedKey(textBox, key, m_view.editColumn);
    case EditorAction::MoveCursor:
        emit moveRequested(key->key(), textBox != nullptr);
        return true;
    case EditorAction::ClearText:
        if (textBox)
            textBox->clear();
        return true;
    case EditorAction::PickupBack:
    case EditorAction::PickupForward:
    case EditorAction::PickupKeep:
        emit pickupRequested(key->key());
        return true;
    case EditorAction::RemoveAdData:
        emit removeRequested();
        return true;
    case EditorAction::SaveLedger:
        emit saveRequested();
        return true;
    case EditorAction::Enter: {
        auto *box = qobject_cast<QComboBox *>(editor);
        if (box && box->view()->isVisible())
            return false; // the open list takes its own ENTER
        emit enterRequested();
        return true;
    }
    case EditorAction::Cancel:
        emit cancelRequested();
        return true;
    }
    return false;
}

bool EditorKeyHandler::eventFilter(QObject *watched, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(watched);
    if (!editor)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        return shortcutOverride(static_cast<QKeyEvent *>(event));
    case QEvent::KeyPress:
        return keyPress(editor, static_cast<QKeyEvent *>(event));
    case QEvent::Wheel:
        // The rows under the text box take the wheel (a focused pulldown's own turn comes from there).
        if (qobject_cast<QLineEdit *>(editor) && editor->parentWidget())
            return QApplication::sendEvent(editor->parentWidget(), event);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qm
