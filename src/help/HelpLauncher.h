#pragma once

#include <QString>

class QWidget;

namespace qm {

class AppHelp;

// Opens the help viewer on the help file, at the parent's top-left corner plus
// the offsets, or says why there is none: "Help file not found" when the file
// does not exist, "No help available" when it cannot be read, "No help content"
// when it holds no topic. With a parent the viewer is not modal: both windows
// stay usable, and the viewer closes when the parent goes (a viewer already
// open for that parent is replaced, so the file is read anew). Without a parent
// it is modal and showHelp returns once it is closed. Returns the viewer
// opened with a parent.
AppHelp *showHelp(const QString &helpFile, const QString &title, QWidget *parent, int xOffset = 100,
                  int yOffset = 80);

} // namespace qm
