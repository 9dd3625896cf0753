#pragma once

namespace qm::bench {

// Opening each view of the year-to-date window with `ads` ads: the time from
// choosing the view until the window is painted with it (medians).
struct ViewTiming
{
    double salesMs = 0;
    double commissionsMs = 0;
    double owedMs = 0;
    double chartMs = 0;
};

// Needs a QApplication.
ViewTiming measureViews(int ads);

} // namespace qm::bench
