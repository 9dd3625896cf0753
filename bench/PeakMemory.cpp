#include "Measure.h"

#include <QFile>
#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <windows.h>
#include <psapi.h>
#elif defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

namespace qm::bench {

namespace {

// Linux keeps the getrusage() peak across exec, so a child started by a large
// parent would report the parent's peak; /proc has the child's own.
qint64 procPeakBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

} // namespace

qint64 peakResidentBytes()
{
    if (const qint64 bytes = procPeakBytes(); bytes >= 0)
        return bytes;
#if defined(Q_OS_WIN)
    PROCESS_MEMORY_COUNTERS counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return qint64(counters.PeakWorkingSetSize);
    return -1;
#elif defined(Q_OS_UNIX)
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return -1;
#if defined(Q_OS_DARWIN)
    return qint64(usage.ru_maxrss); // bytes
#else
    return qint64(usage.ru_maxrss) * 1024; // kilobytes
#endif
#else
    return -1;
#endif
}

} // namespace qm::bench
