#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <utility>

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

// The medians of `runs` timings each of `work` and of its `baseline`, taken in
// turn, so that a busy moment of the machine falls on both alike.
inline std::pair<double, double> medianPairMs(int runs, const std::function<void()> &work,
                                              const std::function<void()> &baseline,
                                              const std::function<void()> &prepare = {},
                                              const std::function<void()> &prepareBaseline = {})
{
    QList<double> times;
    QList<double> baselineTimes;
    for (int i = 0; i < runs; ++i) {
        times << medianMs(1, work, prepare);
        baselineTimes << medianMs(1, baseline, prepareBaseline);
    }
    std::sort(times.begin(), times.end());
    std::sort(baselineTimes.begin(), baselineTimes.end());
    return {times.at(runs / 2), baselineTimes.at(runs / 2)};
}

// Waits until what was written to these files is on the disk, so that a
// timing that follows does not pay for the writing of an earlier one.
void settleFiles(const QStringList &paths);

// The most memory this process has held at once, in bytes.
qint64 peakResidentBytes();

} // namespace qm::bench
