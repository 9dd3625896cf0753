#include "core/Clock.h"

namespace qm {

namespace {
QDateTime &fixedNow()
{
    static QDateTime fixed;
    return fixed;
}
} // namespace

QDateTime Clock::now()
{
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime &fixed) { fixedNow() = fixed; }

void Clock::reset() { fixedNow() = QDateTime(); }

} // namespace qm
