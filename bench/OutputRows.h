#pragma once

#include <QString>

namespace qm::bench {

// What the program makes of a ledger, each beside the least that output costs.
struct OutputTimes
{
    int ads = 0;
    double reportMs = 0, reportFloorMs = 0;     // both report views; one pass summing the cells
    double runSheetMs = 0, runSheetFloorMs = 0; // January's run sheet to PDF; QPdfWriter drawing its lines
    double exportMs = 0, exportFloorMs = 0;     // --export-csv's work; writing its CSV bytes
    double checkMs = 0, checkFloorMs = 0;       // --check's work; reading the bytes, counting lines
};

// Needs a QApplication (the run sheet prints with fonts).
OutputTimes measureOutputs(const QString &folder, int ads, int runs);

} // namespace qm::bench
