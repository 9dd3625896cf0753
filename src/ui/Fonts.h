#pragma once

#include <QFont>
#include <QString>

namespace qm {

// The face every window of the program is drawn in, at the given point size.
QFont uiFont(int points);

// A face asked for by name. Where it is not installed a face of the same kind
// takes its place: for Courier New and its kin a fixed-pitch one, of the same
// widths where there is one (so that columns of characters still line up), for
// the others a serif one.
QFont namedFont(const QString &face);

} // namespace qm
