#pragma once

#include <QString>

namespace qm {

// The status bar's explanation of the current column (0: none chosen).
QString hintText(int column, bool viewOnly);

} // namespace qm
