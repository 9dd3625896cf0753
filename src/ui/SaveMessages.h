#pragma once

#include <QString>

namespace qm {

struct SaveReport;

// Shows what a save had to say: the copies it kept of files that had not read
// cleanly, then what it could not write, the text ending with `retry` (for
// example "close again."). Returns whether the save went through.
bool showSaveReport(const SaveReport &report, const QString &retry);

} // namespace qm
