#pragma once

namespace qm::bench {

struct GridTiming
{
    double monthSwitchUs = 0;
    double scrollUs = 0;
};

// The grid's month switch and page scroll in a shown main window with `ads`
// ads (medians of several rounds); needs a QApplication.
GridTiming measureGrid(int ads);

} // namespace qm::bench
