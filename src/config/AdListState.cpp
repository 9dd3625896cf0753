#include "config/AdListState.h"

#include <algorithm>

namespace qm {

int wholeRowsThatFit(int height, int rowHeight)
{
    if (rowHeight <= 0)
        return 1;
    return std::max(1, height / rowHeight);
}

void AdListState::open(int nAds, int rows)
{
    rowsPerPage = std::max(1, rows);
    adsAtOpen = nAds;
    shownAds = std::min(nAds, rowsPerPage);
    topAd = 1;
    curAd = 1;
    curField = 1;
    editAd = 0;
    editField = 0;
    entryText.clear();
    pendingText.clear();
    if (nAds > 0)
        holdCursorCell();
}

int AdListState::rowOf(int ad) const
{
    const int row = ad - topAd + 1;
    return row >= 1 && row <= shownAds ? row : 0;
}

bool AdListState::keepCursorShown(int nAds)
{
    const int oldTop = topAd;
    if (curAd > topAd + shownAds - 1)
        topAd = std::min(std::max(1, curAd - shownAds + 1), lastTop(nAds));
    else if (curAd < topAd)
        topAd = curAd;
    return topAd != oldTop;
}

int AdListState::scrollTarget(AdScroll step, int nAds, int page, int thumb) const
{
    if (rowsPerPage >= nAds)
        return 0;
    int top = topAd;
    switch (step) {
    case AdScroll::LineUp:
        top = topAd - 1;
        break;
    case AdScroll::LineDown:
        top = topAd + 1;
        break;
    case AdScroll::PageUp:
        top = topAd - page;
        break;
    case AdScroll::PageDown:
        top = topAd + page;
        break;
    case AdScroll::Thumb:
        top = thumb;
        break;
    }
    return std::clamp(top, 1, lastTop(nAds));
}

void AdListState::scrollTo(int newTop)
{
    curAd += newTop - topAd;
    topAd = newTop;
}

bool AdListState::lineUp()
{
    if (curAd == topAd)
        return true;
    if (curAd > 1)
        --curAd;
    return false;
}

bool AdListState::lineDown(int nAds)
{
    if (onLastShownRow())
        return true;
    if (curAd < nAds)
        ++curAd;
    return false;
}

void AdListState::afterNameEntered(int nAds)
{
    if (curAd == nAds)
        curField = 2;
    else
        curAd = std::min(nAds, curAd + 1);
}

bool AdListState::enterStep(int nAds)
{
    if (curAd < nAds)
        return lineDown(nAds);
    curAd = std::max(1, curAd - 1);
    return false;
}

AdKeyEffect AdListState::keyPressed(int key, bool shift, int nAds)
{
    const bool nameField = curField == 1;
    AdKeyEffect effect;
    effect.handled = true;
    switch (key) {
    case Qt::Key_Up:
        effect.scroll = lineUp() ? -1 : 0;
        effect.moved = true;
        break;
    case Qt::Key_Down:
        effect.scroll = lineDown(nAds) ? 1 : 0;
        effect.moved = true;
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Plain Left and Right move the caret in a name.
        if (nameField && !shift)
            return {};
        if (key == Qt::Key_Left)
            fieldLeft();
        else
            fieldRight();
        effect.moved = true;
        break;
    case Qt::Key_PageUp:
        pageUp();
        effect.moved = true;
        break;
    case Qt::Key_PageDown:
        pageDown(nAds);
        effect.moved = true;
        break;
    case Qt::Key_Home:
        home();
        effect.moved = true;
        effect.handled = !nameField; // in a name Home also puts the caret at its start
        break;
    case Qt::Key_End:
        end(nAds);
        effect.moved = true;
        break;
    case Qt::Key_Space:
        if (nameField)
            return {};
        effect.toggle = true;
        break;
    default:
        effect.handled = !nameField; // a checkmark takes no characters
        break;
    }
    return effect;
}

void AdListState::afterAdd(int nAds)
{
    curAd = nAds;
    curField = 1;
    shownAds = std::min(rowsPerPage, nAds);
    topAd = std::max(1, nAds - rowsPerPage + 1);
}

void AdListState::afterDelete(int nAds)
{
    if (curAd <= adsAtOpen)
        --adsAtOpen;
    if (rowsPerPage + topAd >= nAds && topAd > 1)
        --topAd;
    shownAds = std::min(rowsPerPage, nAds);
    if (curAd > nAds)
        --curAd;
    // Never leave rows past the last ad.
    topAd = std::clamp(topAd, 1, std::max(1, lastTop(nAds)));
    if (nAds == 0) {
        curAd = 1;
        curField = 1;
        editAd = 0;
        editField = 0;
    }
}

AdScrollRange AdListState::scrollRange(int nAds) const
{
    AdScrollRange range;
    range.minimum = 1;
    range.maximum = std::max(1, nAds + 1 - shownAds);
    range.page = std::max(1, (range.maximum - 1) / 6);
    return range;
}

} // namespace qm
