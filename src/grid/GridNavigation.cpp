#include "grid/GridNavigation.h"

#include <Qt>

#include <algorithm>
#include <cmath>

namespace qm {

QList<int> buildRowMap(const LedgerModel &model, int publication)
{
    QList<int> rows;
    for (int ad = 1; ad <= model.adCount(); ++ad) {
        if (model.ads.at(ad - 1).runsIn(publication))
            rows << ad;
    }
    return rows;
}

ScrollRange scrollRange(int rowCount, int visibleRows)
{
    ScrollRange range;
    range.maximum = std::max(1, 1 + rowCount - visibleRows);
    // Halves go to the even neighbour.
    range.page = std::max(1, int(std::nearbyint((range.maximum - range.minimum) / 6.0)));
    return range;
}

bool applyScroll(ViewState &view, int rowCount, int code, int thumb)
{
    if (view.visibleRows > rowCount || code < LineUp || code > ThumbTrack)
        return false;
    const ScrollRange range = scrollRange(rowCount, view.visibleRows);
    const int offset = view.topRow - view.currentRow;
    int p = view.topRow;
    switch (code) {
    case LineDown:
        p += 1;
        break;
    case LineUp:
        p -= 1;
        break;
    case PageDown:
        p += range.page;
        break;
    case PageUp:
        p -= range.page;
        break;
    default:
        p = thumb;
        break;
    }
    p = std::clamp(p, range.minimum, range.maximum);
    view.topRow = p;
    view.currentRow = view.topRow - offset;
    view.editRow = view.currentRow;
    return true;
}

int lineScrollFor(const ViewState &view, int rowCount, bool up)
{
    if (up)
        return view.topRow > 1 && view.currentRow > 1 ? LineUp : -1;
    return rowCount - view.visibleRows + 1 > view.topRow && rowCount > view.currentRow ? LineDown : -1;
}

CursorMove moveCursorForShiftKey(ViewState &view, int rowCount, int key, bool inCellEditor)
{
    switch (key) {
    case Qt::Key_Up:
        if (view.currentRow == view.topRow) {
            if (view.visibleRows <= rowCount && view.topRow > 1) {
                --view.topRow;
                --view.currentRow;
            }
        } else if (view.currentRow > 1) {
            --view.currentRow;
        }
        return CursorMove::Row;
    case Qt::Key_Down:
        if (view.currentRow == view.topRow + view.visibleRows - 1) {
            if (view.topRow < scrollRange(rowCount, view.visibleRows).maximum && view.visibleRows <= rowCount) {
                ++view.topRow;
                ++view.currentRow;
            }
        } else if (view.currentRow < rowCount) {
            ++view.currentRow;
        }
        return CursorMove::Row;
    case Qt::Key_Left:
        view.currentColumn = std::max(2, view.currentColumn - 1);
        return CursorMove::Column;
    case Qt::Key_Right:
        view.currentColumn = inCellEditor ? nextColumn(view.currentColumn) : std::min(10, view.currentColumn + 1);
        return CursorMove::Column;
    case Qt::Key_PageUp:
        view.currentRow = std::max(1, view.currentRow - view.visibleRows + 1);
        return CursorMove::Row;
    case Qt::Key_PageDown:
        view.currentRow = std::min(rowCount, view.currentRow + view.visibleRows - 1);
        return CursorMove::Row;
    case Qt::Key_Home:
        view.currentRow = 1;
        return CursorMove::Row;
    case Qt::Key_End:
        view.currentRow = rowCount;
        return CursorMove::Row;
    default:
        return CursorMove::None;
    }
}

void keepCursorShown(ViewState &view, int rowCount)
{
    const ScrollRange range = scrollRange(rowCount, view.visibleRows);
    if (view.currentRow < view.topRow)
        view.topRow = view.currentRow;
    else if (view.currentRow > view.topRow + view.visibleRows - 1)
        view.topRow = view.currentRow - view.visibleRows + 1;
    view.topRow = std::clamp(view.topRow, range.minimum, range.maximum);
}

int nextColumn(int column) { return column >= 10 ? 2 : column + 1; }

} // namespace qm
