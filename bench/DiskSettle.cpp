#include "Measure.h"

#include <QFile>
#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qm::bench {

void settleFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            continue;
#if defined(Q_OS_WIN)
        _commit(file.handle());
#else
        ::fsync(file.handle());
#endif
    }
}

} // namespace qm::bench
