#pragma once

#include <QFont>
#include <QString>

namespace qm {

// The face every window of the program is drawn in, at the given point size.
QFont uiFont(int points);

// A face asked for by name. Where it is not installed a face of the same kind
// takes its place, of the same widths where there is one: for Courier New and
// its kin a fixed-pitch one (so that columns of characters still line up), for
// the others (Times New Roman) a serif one.
QFont namedFont(const QString &face);

// Where the Wine fonts are installed (the Debian package fonts-wine): among
// them a Tahoma of the same widths as the one the windows are laid out for.
QString wineFontFolder();
// Where the system has no Tahoma, makes the one in `folder` known to this
// program (regular and bold); true when it did. Call once the application
// object exists.
bool addStandInFonts(const QString &folder = wineFontFolder());

} // namespace qm
