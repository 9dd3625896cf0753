#pragma once

#include <QString>

namespace qm {

// The ways the ad list is scrolled: one line, one page (the scroll bar's page)
// or to a thumb position.
enum class AdScroll { LineUp, LineDown, PageUp, PageDown, Thumb };

struct AdScrollRange
{
    int minimum = 1;
    int maximum = 1;
    int page = 1;
    bool scrolls() const { return maximum > minimum; }
};

// Whole rows of `rowHeight` that fit into `height` pixels; at least one, so
// that the list always has a row for the cursor.
int wholeRowsThatFit(int height, int rowHeight);

inline constexpr int kAdFieldCount = 5; // the name and one checkmark per publication

// What a key pressed in the ad list's editor comes to, in this order: the list
// scrolls one line, a checkmark toggles, the editor goes to the cursor's cell.
struct AdKeyEffect
{
    bool handled = false; // false: the key goes on to the text box (the caret in a name)
    int scroll = 0;       // -1 or 1: the list scrolls one line up or down first
    bool toggle = false;  // Space on a checkmark
    bool moved = false;   // the cursor is to be shown on its cell
};

// Where the ad list stands while the configuration dialog is open. Ads, rows and
// fields count from 1: row r shows ad topAd + r - 1; field 1 is the ad's name,
// fields 2..5 the checkmarks of publications 1..4.
//
// Only cursor and paging arithmetic lives here, so that it can be checked
// without a window; the dialog does the drawing.
struct AdListState
{
    int rowsPerPage = 1;
    int shownAds = 0;
    int topAd = 1;
    int curAd = 1;
    int curField = 1;
    int editAd = 0; // the cell whose pending value is held; 0 before the cursor was first placed
    int editField = 0;
    QString entryText;
    QString pendingText;
    int adsAtOpen = 0; // ads numbered higher were added while the dialog is open

    // The state right after opening on nAds ads: cursor on the first ad's name,
    // which counts as entered already.
    void open(int nAds, int rows);

    bool holdsCursorCell() const { return editAd == curAd && editField == curField; }
    void holdCursorCell()
    {
        editAd = curAd;
        editField = curField;
    }
    bool onLastShownRow() const { return curAd == topAd + shownAds - 1; }
    // Row (1-based) that shows the ad, 0 when it is scrolled out of the list.
    int rowOf(int ad) const;
    int lastTop(int nAds) const { return nAds - shownAds + 1; }

    // Scrolls the list so that the cursor's ad is shown; true when topAd moved.
    bool keepCursorShown(int nAds);

    // The top a scroll step leads to, limited to the ads there are; 0 when the
    // list cannot scroll at all because every ad fits.
    int scrollTarget(AdScroll step, int nAds, int page, int thumb = 0) const;
    // Moves the top; the cursor keeps its screen row.
    void scrollTo(int newTop);

    // One ad up or down. On the top (bottom) row the cursor stays and the
    // answer is true: the list is to scroll one line instead.
    bool lineUp();
    bool lineDown(int nAds);
    void pageUp() { curAd = qMax(1, curAd - shownAds); }
    void pageDown(int nAds) { curAd = qMin(nAds, curAd + shownAds); }
    void home() { curAd = 1; }
    void end(int nAds) { curAd = nAds; }
    void fieldLeft() { curField = qMax(1, curField - 1); }
    void fieldRight() { curField = qMin(kAdFieldCount, curField + 1); }
    // After a name was confirmed: on to the next ad's name, or from the last
    // ad's name on to its first checkmark.
    void afterNameEntered(int nAds);
    // Enter anywhere else: one ad down, or up from the last ad; true when the
    // list is to scroll one line down instead.
    bool enterStep(int nAds);

    // Moves the cursor for a key (a Qt::Key) pressed in the editor, with Shift
    // held or not, and says what else the key does.
    AdKeyEffect keyPressed(int key, bool shift, int nAds);

    // After an ad was appended (nAds counts it): the cursor goes onto its name.
    void afterAdd(int nAds);
    // After ad curAd was removed (nAds no longer counts it).
    void afterDelete(int nAds);

    // The range of the ad scroll bar for nAds ads.
    AdScrollRange scrollRange(int nAds) const;
};

} // namespace qm
