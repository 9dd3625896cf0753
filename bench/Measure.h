#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
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

// One piece of work to time, and what runs untimed before each run of it.
struct Timed
{
    std::function<void()> work;
    std::function<void()> prepare = {};
};

// The medians of `runs` timings of each piece of work, taken in turn run by
// run, so that a busy moment of the machine falls on all of them alike.
inline QList<double> medianInTurnsMs(int runs, const QList<Timed> &works)
{
    QList<QList<double>> times(works.size());
    for (int i = 0; i < runs; ++i) {
        for (qsizetype w = 0; w < works.size(); ++w)
            times[w] << medianMs(1, works.at(w).work, works.at(w).prepare);
    }
    QList<double> medians;
    for (QList<double> &list : times) {
        std::sort(list.begin(), list.end());
        medians << list.at(list.size() / 2);
    }
    return medians;
}

// The same for a figure and its floor.
inline std::pair<double, double> medianPairMs(int runs, const std::function<void()> &work,
                                              const std::function<void()> &floor)
{
    const QList<double> medians = medianInTurnsMs(runs, {{work}, {floor}});
    return {medians.at(0), medians.at(1)};
}

// A file's bytes; the benchmark's own files are always there.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The floor of every reading row: the files' bytes read, their lines counted.
inline qsizetype readAndCountLines(const QStringList &paths)
{
    qsizetype lines = 0;
    for (const QString &path : paths) {
        const QByteArray bytes = fileBytes(path);
        lines += std::count(bytes.begin(), bytes.end(), '\n');
    }
    return lines;
}

// The floor of every saving row: the same bytes through QSaveFile, written
// beside, synced and renamed, as the program's safe save does.
inline void saveThroughQSaveFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        qFatal("the floor could not write %s", qPrintable(path));
}

// Waits until what was written to these files is on the disk, so that a
// timing that follows does not pay for the writing of an earlier one.
void settleFiles(const QStringList &paths);

// The most memory this process has held at once, in bytes.
qint64 peakResidentBytes();

} // namespace qm::bench
