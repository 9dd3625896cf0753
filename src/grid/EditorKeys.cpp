#include "grid/EditorKeys.h"

#include "core/LedgerModel.h"

namespace qm {

namespace {

bool usesTextBox(int column) { return column != ColSalesPerson && column != ColSize && column != ColStatus; }

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

bool isCursorKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

EditorAction editorKeyAction(int key, Qt::KeyboardModifiers modifiers, int column, EditorMode mode)
{
    if (mode == EditorMode::ViewOnly)
        return EditorAction::PassOn;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (isModifierKey(key))
        return column == ColStatus && key == Qt::Key_Control ? EditorAction::PickupKeep : EditorAction::PassOn;
    if (shift && isCursorKey(key))
        return EditorAction::MoveCursor;
    if (shift && key == Qt::Key_Delete && usesTextBox(column))
        return EditorAction::ClearText;
    if (ctrl && column == ColStatus) {
        if (key == Qt::Key_Up)
            return EditorAction::PickupBack;
        if (key == Qt::Key_Down)
            return EditorAction::PickupForward;
        return EditorAction::PickupKeep;
    }
    if (ctrl && !shift && key == Qt::Key_Delete)
        return EditorAction::RemoveAdData;
    if (ctrl && !shift && key == Qt::Key_S)
        return EditorAction::SaveLedger;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return EditorAction::Enter;
    if (key == Qt::Key_Escape)
        return EditorAction::Cancel;
    return usesTextBox(column) ? EditorAction::TypedCharacter : EditorAction::PassOn;
}

} // namespace qm
