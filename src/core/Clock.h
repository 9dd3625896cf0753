#pragma once

#include <QDateTime>

namespace qm {

// The program's one source of "now". Tests pin it with setFixed().
class Clock
{
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    static void setFixed(const QDateTime &fixed);
    static void reset();
};

} // namespace qm
