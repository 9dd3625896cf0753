#include "core/Version.h"

namespace qm {

namespace {

// The digits a version part begins with, without leading zeros ("" for 0).
QStringView partDigits(QStringView part)
{
    qsizetype end = 0;
    while (end < part.size() && part[end] >= u'0' && part[end] <= u'9')
        ++end;
    qsizetype start = 0;
    while (start < end && part[start] == u'0')
        ++start;
    return part.mid(start, end - start);
}

// Whole numbers of any length, compared by their digits.
int compareDigits(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// The part of `version` before the next point from `at` on, and `at` moved past that point.
QStringView nextPart(QStringView version, qsizetype &at)
{
    if (at >= version.size())
        return {};
    qsizetype point = version.indexOf(u'.', at);
    if (point < 0)
        point = version.size();
    const QStringView part = version.mid(at, point - at);
    at = point + 1;
    return part;
}

} // namespace

int compareVersions(QStringView a, QStringView b)
{
    qsizetype atA = 0;
    qsizetype atB = 0;
    while (atA < a.size() || atB < b.size()) {
        const int order = compareDigits(partDigits(nextPart(a, atA)), partDigits(nextPart(b, atB)));
        if (order != 0)
            return order < 0 ? -1 : 1;
    }
    return 0;
}

} // namespace qm
