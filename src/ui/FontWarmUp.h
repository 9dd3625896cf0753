#pragma once

#include <thread>

namespace qm {

// Reads the system's font list on a second thread while the program reads its
// files and takes its lock, so that the first window that measures a text
// finds the fonts (mostly) ready. The font database may be used from any
// thread. The thread ends before this object does.
class FontWarmUp
{
public:
    // Call once the application object exists.
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Waits for the font list and adds the faces that stand in for missing
    // ones (addStandInFonts), here on the calling thread, so that its fonts
    // are looked up anew. Call before the first window is built.
    void finish();

private:
    std::thread m_thread;
};

} // namespace qm
