#pragma once

#include "core/LedgerModel.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qm {

// The running balance after each entry, oldest first: advanced minus paid.
QList<double> advanceBalances(const AdvanceLedger &entries);

// An amount right-aligned in the list's 8-character field; a longer text keeps
// its first 8 characters. Zero shows empty unless `showZero`.
QString advanceField(double amount, bool showZero);

// The list's lines, newest first: date, advanced, paid and balance, separated by tabs.
QStringList advanceListLines(const AdvanceLedger &entries);

// Entry index (0-based, oldest first) of list line `line` (1 = newest) of a list
// of `count` lines.
inline int entryOfLine(int line, int count) { return count - line; }
inline int lineOfEntry(int index, int count) { return count - index; }

// Places an entry after the last one whose date key is less than or equal to
// its own (first when there is none) and returns its index. Stored dates that
// are not valid count as key 0.
int insertAdvanceEntry(AdvanceLedger &entries, const AdvanceEntry &entry, int key);

// Reads an amount box: empty (after the blanks around it are removed) is 0; a
// text that is a number as a whole is that number; anything else is refused.
bool readAdvanceAmount(const QString &text, double *amount);

enum class AdvanceSubmit {
    Nothing,     // date and both amounts empty
    DateError,   // the date is not valid
    NoAmount,    // neither amount given
    AmountError, // an amount that is not a number
    Stored,
};

struct AdvanceSubmitResult
{
    AdvanceSubmit outcome = AdvanceSubmit::Nothing;
    int index = -1; // where the stored entry now stands
};

// The entry row's Submit (and Replace, with `editIndex` >= 0): checks the
// texts, normalises the date and puts the entry in its place, replacing the
// edited one. A replaced entry whose date is unchanged stays where it was;
// with a new date it goes after the entries of that date. The entries stay
// untouched unless the outcome is Stored.
AdvanceSubmitResult submitAdvanceEntry(AdvanceLedger &entries, const QString &date, const QString &advanced,
                                       const QString &paid, int editIndex = -1);

// Removes the entry of list line `line`; false when there is no such line.
bool deleteAdvanceLine(AdvanceLedger &entries, int line);
// Removes the entry of list line `line` and every older one; false when there is no such line.
bool clearAdvanceLines(AdvanceLedger &entries, int line);

QString advanceDateError();
QString advanceAmountMissing();
QString advanceAmountError();
QString advanceErrorCaption();
QString deleteAdvanceQuestion();
QString clearAdvancesQuestion();
QString deleteAdvanceCaption(int line);
QString clearAdvancesCaption(int line, int count);

} // namespace qm
