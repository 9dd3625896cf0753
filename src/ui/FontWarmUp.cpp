#include "ui/FontWarmUp.h"

#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace qm {

FontWarmUp::FontWarmUp() : m_thread([] { QFontDatabase::families(); }) {}

FontWarmUp::~FontWarmUp()
{
    if (m_thread.joinable())
        m_thread.join();
}

void FontWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    addStandInFonts();
}

} // namespace qm
