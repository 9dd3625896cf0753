#pragma once

#include <QString>

namespace qm {

// The column of a hint when none is chosen (at start-up and in view-only mode).
inline constexpr int kNoColumn = 0;

// The status bar's explanation of the current column (a LedgerColumn or kNoColumn).
QString hintText(int column, bool viewOnly);

} // namespace qm
