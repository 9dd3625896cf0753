#pragma once

#include "core/LedgerModel.h"

#include <QString>

#include <array>

namespace qm {

inline constexpr int kReportRows = 19;
inline constexpr int kReportColumns = 6;
inline constexpr int kCorvelTotalRow = 14;
inline constexpr int kTotalsRow = 19;

// The language of a report's labels: the user's on screen and on paper, the
// program's own in exported files, which spreadsheets and scripts read.
enum class ReportTexts { Shown, Exported };

// The year-to-date report's table of texts: 19 rows (the twelve months of
// Corvel, a blank row, the Corvel total, the three yearly issues, a blank row
// and the totals) and six columns, the first of them fixed.
struct ReportTable
{
    explicit ReportTable(ReportTexts language = ReportTexts::Shown);

    // A label of the report (marked with QT_TRANSLATE_NOOP("YearToDate", ...)) in the table's language.
    QString label(const char *text) const;

    QString &cell(int row, int column) { return cells.at(row - 1).at(column - 1); }
    const QString &cell(int row, int column) const { return cells.at(row - 1).at(column - 1); }
    QString &title(int column) { return titles.at(column - 1); }
    const QString &title(int column) const { return titles.at(column - 1); }

    // Titles, then one line per row, cells between "|".
    QString toText() const;

    ReportTexts texts;
    std::array<QString, kReportColumns> titles;
    std::array<std::array<QString, kReportColumns>, kReportRows> cells;
};

// The table row of an issue: months to rows 1..12, the yearly issues to 15..17.
int reportRow(int issue);
// Sales person 1 or 2 as the report names them: the name, else "salesPerson1" / "salesPerson2".
QString salesPersonLabel(const LedgerModel &model, int person);

// The "Total Sales" view: sales of the owner and of each sales person, total and paid sales.
void fillSalesView(const LedgerModel &model, ReportTable &table);
// The "Commissions" view: commission due and paid of each sales person.
void fillCommissionView(const LedgerModel &model, ReportTable &table);

// Columns on paper: 3 with no sales person, 5 with one, 7 with two.
int printedReportColumns(int salesPeople);

} // namespace qm
