#pragma once

#include <QString>

namespace qm {

// Days of a month (1..12) in a year: 28..31, February 29 in leap years.
int daysInMonth(int month, int year);

// Checks a date typed as month, day and year, with "-" or "/" between the fields
// (in any mix; two in a row make an empty field). An empty text stands for
// today, month and day alone for that day of the current year; two-digit years
// are years 2000..2099 and fields after the third are ignored.
//
// A valid date is rewritten in place as MM/DD/YYYY and gives its key, the
// number YYYYMMDD, which sorts like the dates. An invalid one gives 0 and the
// text stays as it was. Years 100..1999 are refused, and so are years past
// 214748, whose key would no longer fit in 32 bits.
int dateKey(QString &text);

// The key of a stored date, which stays as it is; 0 when it is not valid.
int dateKeyOf(QString text);

} // namespace qm
