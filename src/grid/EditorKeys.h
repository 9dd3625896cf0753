#pragma once

#include <Qt>

namespace qm {

enum class EditorMode { ViewOnly, Edit };

// What a key pressed in a cell's editor does.
enum class EditorAction {
    PassOn,          // the editor's own handling: caret keys, a pulldown's selection
    TypedCharacter,  // the typed-character rule of the text box decides
    MoveCursor,      // a Shift key of the grid: Up, Down, Left, Right, Page Up/Down, Home, End
    ClearText,       // Shift+Delete in the text box
    PickupBack,      // Ctrl+Up in the status column
    PickupForward,   // Ctrl+Down in the status column
    PickupKeep,      // any other key while Ctrl is held in the status column
    RemoveAdData,    // Ctrl+Delete
    SaveLedger,      // Ctrl+S
    Enter,
    Cancel,          // Esc
};

// The action of a key (a Qt::Key) pressed with the given modifiers in the editor
// of a column (2..10). Only the grid's own Shift keys move the cursor; other
// Shift characters ("C", digits on layouts that need Shift) reach the editor.
EditorAction editorKeyAction(int key, Qt::KeyboardModifiers modifiers, int column, EditorMode mode);

} // namespace qm
