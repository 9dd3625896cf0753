#pragma once

#include <QString>

namespace qm {

// Whether the view-only arrow keys may scroll the grid.
enum class HookState {
    Starting,    // until start-up has ended
    Ready,       // the main window runs
    Configuring, // the configuration dialog is open
};

// Where the grid stands and what it is editing; not saved.
struct ViewState
{
    int selectedPublication = 1;
    int selectedMonth = 1;
    int shownPublication = 1;
    int shownMonth = 1;
    int topRow = 1;
    int currentRow = 1;
    int currentColumn = 2;
    int editRow = 1;
    int editColumn = 2;
    int visibleRows = 0;
    bool viewOnly = true;
    bool scrollBusy = false;
    HookState hookReady = HookState::Starting;
    QString oldCellText;
    QString newCellText;
    int sizePicked = 0;
    int pickupIndex = 0;
};

} // namespace qm
