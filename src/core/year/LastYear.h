#pragma once

#include "core/rules/YearToDate.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace qm {

class LedgerModel;

// Where this year's files are, for finding last year's archive beside them.
struct LastYearPlace
{
    QString settingsFile;
    QString ledgerFile;
    QString programFolder; // the archive folder is beside the program, or else beside the ledger
};

// Last year's sales as the "Total Sales" view shows them beside this year's.
struct LastYearSales
{
    enum class State {
        Found,   // read cleanly: the amounts below hold
        Missing, // no archive of that year: `message` says where it was looked for
        Damaged, // an archive that did not read cleanly: `message` is the reader's
    };
    State state = State::Missing;
    int year = 0;         // the year looked for
    int throughMonth = 0; // Corvel counts from January up to this month
    QString ledgerFile;   // the archived ledger file found
    QString message;
    // Sales per publication (Corvel, Tarn, Fennet, Wyndle), the yearly issues whole.
    std::array<double, 4> publications{};
    // The whole year's sales of each issue (Corvel's months, then the yearly issues), for the chart.
    QList<double> issues;
};

// The year before `model`'s (before `today`'s when the ledger's year is not
// known), read from its archived pair: the name of each file with "_" and the
// year, in the archive folder beside the program or else in the one beside the
// ledger file (where the year-end archive puts them). Corvel's sales count from
// January up to the month of `today`, or the whole year when the ledger's year
// is already past. Reads the archived files as start-up does; writes nothing.
LastYearSales readLastYear(const LedgerModel &model, const LastYearPlace &place, const QDate &today);

// The report's "Last year" column of sales that were found: the four
// publication rows ("#.00") and the totals row, the total of those four
// figures as shown; the other rows empty.
std::array<QString, kReportRows> lastYearColumn(const LastYearSales &sales);

} // namespace qm
