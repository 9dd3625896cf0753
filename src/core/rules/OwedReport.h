#pragma once

#include "core/rules/YearToDate.h"

#include <QList>
#include <QString>

#include <functional>

namespace qm {

class LedgerModel;

// A row of the "Owed" view: an issue's ad line whose sale is above its paid
// amount, an ad's subtotal under its lines, or the grand total at the end.
struct OwedRow
{
    enum class Kind { Line, AdTotal, Total };
    Kind kind = Kind::Line;
    int issue = 0; // lines only
    int ad = 0;    // lines and subtotals
    QString publication;
    QString month; // Corvel lines only
    QString adName;
    QString salesPerson;
    QString status;
    double sale = 0;
    double paid = 0;
    double owed = 0;
};

// What the year owes a sales person, and what the person owes back.
struct PersonOwed
{
    QString name;
    double commissionDue = 0;
    double commissionPaid = 0;
    double advancesBalance = 0; // advanced less repaid: what the person holds in advance

    double stillDue() const { return commissionDue - commissionPaid; }
    // Positive: owed to the person; negative: owed by the person.
    double owedToPerson() const { return stillDue() - advancesBalance; }
};

struct OwedReport
{
    QList<OwedRow> rows; // lines by ad, then issue; each ad's subtotal; the grand total last
    QList<PersonOwed> people; // one per configured sales person
};

// The "Owed" view of the year. Amounts are read as the year-to-date report reads
// them (the leading number of each cell, empty is 0): every issue and ad whose
// sale is above its paid amount gives a line (publication, month, ad, sales
// person, status, sale, paid, owed), in the order of the ad list and, per ad,
// of the issues (publications in order, Corvel by month). Each ad with lines
// ends with its subtotal, the report with the grand total. Below come the
// configured sales people with their commission due and paid over the whole
// year (their lines as the report counts them) and their advances balance.
OwedReport owedReport(const LedgerModel &model, ReportTexts language = ReportTexts::Shown);
// The report's rows one by one, in its order, without keeping them.
void forEachOwedRow(const LedgerModel &model, ReportTexts language, const std::function<void(const OwedRow &)> &take);
// The report's sales people.
QList<PersonOwed> owedPeople(const LedgerModel &model);

// A row's texts as shown: publication, month, ad, sales person, status, then
// the sale, paid and owed amounts ("#.00"). Subtotals name their ad, the grand
// total says "Total".
QStringList owedRowTexts(const OwedRow &row, ReportTexts language = ReportTexts::Shown);
// The first of them: the publication, or what the total is.
QString owedRowTitle(const OwedRow &row, ReportTexts language = ReportTexts::Shown);
// The titles of those eight columns.
QStringList owedTitles(ReportTexts language = ReportTexts::Shown);

// A person's texts: name, commission due, commission paid, still due, advances
// balance and what is owed to (negative: by) the person.
QStringList personOwedTexts(const PersonOwed &person);
QStringList personOwedTitles(ReportTexts language = ReportTexts::Shown);

} // namespace qm

Q_DECLARE_TYPEINFO(qm::OwedRow, Q_RELOCATABLE_TYPE);
