#pragma once

#include <QFont>

namespace qm {

// The face every window of the program is drawn in, at the given point size.
QFont uiFont(int points);

} // namespace qm
