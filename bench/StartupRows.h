#pragma once

#include <QString>

namespace qm::bench {

struct StartupTimes
{
    double programMs = 0;
    double textWindowMs = 0;  // a window with one line of text
    double emptyWindowMs = 0; // a window with nothing in it
};

// "xcb" where an X display is set (DISPLAY), else "offscreen": the platform the
// start-up rows run on.
QString startupPlatform();

// Medians of the program started on `ledgerFile` until its window is shown,
// and of both floors, all started in turn so that they see the same load.
StartupTimes measureStartup(const QString &ledgerFile, int runs);

} // namespace qm::bench
