#pragma once

#include <QString>

namespace qm::bench {

// Reading and saving both files of a generated ledger, each beside its floors.
struct FileTimes
{
    int ads = 0;
    qint64 bytes = 0;
    double readMs = 0;
    double readFloorMs = 0;   // reading the bytes and counting their lines
    double saveMs = 0;        // the grid's save of both files
    double saveFloorMs = 0;   // the same bytes through QSaveFile: written beside, synced, renamed
    double plainWriteMs = 0;  // the same bytes through one QFile write, nothing synced
    bool sameBytes = true;    // the save wrote back what was read
};

FileTimes measureFiles(const QString &folder, int ads, int runs);

} // namespace qm::bench
