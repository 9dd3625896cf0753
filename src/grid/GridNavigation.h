#pragma once

#include "core/LedgerModel.h"
#include "grid/ViewState.h"

#include <QList>

namespace qm {

// The grid's rows for a publication: the numbers of the ads checked for it, in ad order.
QList<int> buildRowMap(const LedgerModel &model, int publication);

struct ScrollRange
{
    int minimum = 1;
    int maximum = 1;
    int page = 1;
};

// Range of the grid's scroll bar: top rows 1..1 + rowCount - visibleRows, page a sixth of that.
ScrollRange scrollRange(int rowCount, int visibleRows);

enum ScrollCode { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3, ThumbPosition = 4, ThumbTrack = 5 };

// Scrolls the shown window of rows; the cursor keeps its line on screen and moves
// with the content. False when there was nothing to scroll.
bool applyScroll(ViewState &view, int rowCount, int code, int thumb = 0);

// The scroll a wheel notch or a view-only arrow key asks for, or -1 for none.
int lineScrollFor(const ViewState &view, int rowCount, bool up);

enum class CursorMove { None, Row, Column };

// Moves the cursor for a key pressed with Shift in an editor (a Qt::Key).
// Up and Down at the edge of the shown lines scroll by one line.
CursorMove moveCursorForShiftKey(ViewState &view, int rowCount, int key, bool inCellEditor);

// After a jump, scrolls the shown window so that the cursor row is on screen.
void keepCursorShown(ViewState &view, int rowCount);

// ENTER's move: one column right, 10 wrapping to 2.
int nextColumn(int column);

} // namespace qm
