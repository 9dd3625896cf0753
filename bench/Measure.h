#pragma once

#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <functional>

namespace qm::bench {

// The median of `runs` timings of `work`, in milliseconds. The machine is
// shared, so single runs are noisy; the median of several is what counts.
// `prepare`, when given, runs untimed before each run.
inline double medianMs(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// The most memory this process has held at once, in bytes.
qint64 peakResidentBytes();

} // namespace qm::bench
