#include "core/rules/DateRules.h"

#include "core/Clock.h"
#include "core/files/NumberFormat.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace qm {

namespace {

// The last year whose key, YYYYMMDD as one number, still fits in an int.
constexpr int kLastYear = std::numeric_limits<int>::max() / 10000;

// A field's number, rounded; false when it is too large to be any part of a date.
bool fieldValue(const QStringList &fields, int index, int *value)
{
    const double number = index < fields.size() ? leadingNumber(fields.at(index)) : 0;
    const double rounded = std::round(number);
    if (!(std::fabs(rounded) <= 1e6))
        return false;
    *value = int(rounded);
    return true;
}

} // namespace

int daysInMonth(int month, int year)
{
    if (month == 2) {
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        return leap ? 29 : 28;
    }
    return month < 8 ? 30 + month % 2 : 30 + (month + 1) % 2;
}

int dateKey(QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[-/]"));
    QString date = text;
    if (date.isEmpty())
        date = Clock::today().toString(QStringLiteral("MM/dd/yyyy"));
    QStringList fields = date.split(separators);
    if (fields.size() == 2)
        fields << QString::number(Clock::today().year());

    int month = 0;
    int day = 0;
    int year = 0;
    if (!fieldValue(fields, 0, &month) || !fieldValue(fields, 1, &day) || !fieldValue(fields, 2, &year))
        return 0;
    if (year < 100)
        year += 2000;
    // Below 2000 now lies only what was typed as 100..1999 or as a negative year.
    if (year < 2000 || year > kLastYear)
        return 0;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(month, year))
        return 0;

    text = QStringLiteral("%1/%2/%3").arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0')).arg(year);
    return year * 10000 + month * 100 + day;
}

int dateKeyOf(QString text) { return dateKey(text); }

} // namespace qm
