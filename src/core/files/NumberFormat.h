#pragma once

#include <QString>

namespace qm {

// Reads the number a text begins with: leading blanks, tabs and line ends are
// skipped, then an optional sign, digits, one point and an exponent are taken as
// far as they form a number. Anything after is ignored; no number reads as 0.
double leadingNumber(const QString &text);

// Money as the ledger shows it: two decimals, no thousands separator, no zero
// before the point (0 -> ".00", 12.5 -> "12.50"). Halves round away from zero.
QString formatMoney(double value);
// For a value that is the double nearest to a whole number of cents, below
// 10^12 in size: formatMoney's text, written to end at `end` (with
// kWholeCentsRoom bytes before it). Returns where the text begins; nullptr and
// nothing written for any other value.
inline constexpr int kWholeCentsRoom = 24;
char *writeWholeCents(double value, char *end);

// A number as the data files hold it: plain decimal, at most 15 significant
// digits, no trailing zeros, no zero before the point (.5, 1250, 12.5).
QString formatFileNumber(double value);

} // namespace qm
