#pragma once

#include <QString>

class QWidget;

namespace qm {

class AppHelp;

// Opens the help viewer on the help file, at the parent's top-left corner plus
// the offsets, or says why there is none: "Help file not found" when the file
// does not exist, "No help available" when it cannot be read, "No help content"
// when it holds no topic. There is one viewer at a time: while it is open,
// asking again brings it to the front as it is. With a parent the viewer is a
// window of its own beside it, not modal and owned by no dialog, so that it
// stays usable while a dialog is open over the parent; it lives until Esc, its
// close box or the end of the parent (the main window: the end of the
// program). Without a parent it is modal and showHelp returns once it is
// closed. Returns the viewer when there is a parent.
AppHelp *showHelp(const QString &helpFile, const QString &title, QWidget *parent, int xOffset = 100,
                  int yOffset = 80);

} // namespace qm
