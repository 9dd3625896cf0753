#include "core/rules/OwedReport.h"

#include "core/LedgerModel.h"
#include "core/files/NumberFormat.h"

#include <QCoreApplication>

namespace qm {

namespace {

QString label(ReportTexts language, const char *text)
{
    return language == ReportTexts::Shown ? QCoreApplication::translate("OwedReport", text) : QString::fromUtf8(text);
}

int publicationOf(int issue) { return issue <= kMonthCount ? 1 : issue - kMonthCount + 1; }

void add(OwedRow &total, const OwedRow &line)
{
    total.sale += line.sale;
    total.paid += line.paid;
    total.owed += line.owed;
}

double advancesBalance(const AdvanceLedger &entries)
{
    double balance = 0;
    for (const AdvanceEntry &entry : entries)
        balance += entry.advanced - entry.paid;
    return balance;
}

} // namespace

OwedReport owedReport(const LedgerModel &model, ReportTexts language)
{
    OwedReport report;
    const int ads = std::min(model.adCount(), model.cells.adCount());
    OwedRow total;
    total.kind = OwedRow::Kind::Total;
    for (int ad = 1; ad <= ads; ++ad) {
        OwedRow adTotal;
        adTotal.kind = OwedRow::Kind::AdTotal;
        adTotal.ad = ad;
        adTotal.adName = model.ads.at(ad - 1).name;
        for (int issue = 1; issue <= kIssueCount; ++issue) {
            const double sale = leadingNumber(model.cell(issue, ColSale, ad));
            const double paid = leadingNumber(model.cell(issue, ColPaid, ad));
            if (!(sale > paid))
                continue;
            OwedRow line;
            line.issue = issue;
            line.ad = ad;
            line.publication = publicationName(publicationOf(issue));
            if (issue <= kMonthCount)
                line.month = language == ReportTexts::Shown ? monthTitle(issue) : monthName(issue);
            line.adName = adTotal.adName;
            line.salesPerson = model.cell(issue, ColSalesPerson, ad);
            line.status = model.cell(issue, ColStatus, ad);
            line.sale = sale;
            line.paid = paid;
            line.owed = sale - paid;
            add(adTotal, line);
            report.rows.append(std::move(line));
        }
        if (adTotal.sale > adTotal.paid) {
            add(total, adTotal);
            report.rows.append(std::move(adTotal));
        }
    }
    report.rows.append(std::move(total));

    // One pass over the lines for every person: each line counts for the person it names.
    const int people = int(qMin<qsizetype>(model.salesPeople.size(), kMaxSalesPeople));
    for (int person = 1; person <= people; ++person) {
        PersonOwed owed;
        owed.name = salesPersonLabel(model, person);
        owed.advancesBalance = advancesBalance(model.advanceLedger(person));
        report.people.append(std::move(owed));
    }
    for (int issue = 1; issue <= kIssueCount && !report.people.isEmpty(); ++issue) {
        for (int ad = 1; ad <= model.cells.adCount(); ++ad) {
            const QString &person = model.cell(issue, ColSalesPerson, ad);
            for (PersonOwed &owed : report.people) {
                if (person != owed.name)
                    continue;
                owed.commissionDue += leadingNumber(model.cell(issue, ColComm, ad));
                owed.commissionPaid += leadingNumber(model.cell(issue, ColCommPaid, ad));
            }
        }
    }
    return report;
}

QStringList owedRowTexts(const OwedRow &row, ReportTexts language)
{
    QString first = row.publication;
    if (row.kind == OwedRow::Kind::AdTotal)
        first = label(language, QT_TRANSLATE_NOOP("OwedReport", "Ad total"));
    else if (row.kind == OwedRow::Kind::Total)
        first = label(language, QT_TRANSLATE_NOOP("OwedReport", "Total"));
    return {first,          row.month,           row.adName,          row.salesPerson,
            row.status,     formatMoney(row.sale), formatMoney(row.paid), formatMoney(row.owed)};
}

QStringList owedTitles(ReportTexts language)
{
    QStringList titles;
    for (const char *title : {QT_TRANSLATE_NOOP("OwedReport", "Publication"), QT_TRANSLATE_NOOP("OwedReport", "Month"),
                              QT_TRANSLATE_NOOP("OwedReport", "Ad"), QT_TRANSLATE_NOOP("OwedReport", "Sales person"),
                              QT_TRANSLATE_NOOP("OwedReport", "Status"), QT_TRANSLATE_NOOP("OwedReport", "Sale"),
                              QT_TRANSLATE_NOOP("OwedReport", "Paid"), QT_TRANSLATE_NOOP("OwedReport", "Owed")})
        titles << label(language, title);
    return titles;
}

QStringList personOwedTexts(const PersonOwed &person)
{
    return {person.name,
            formatMoney(person.commissionDue),
            formatMoney(person.commissionPaid),
            formatMoney(person.stillDue()),
            formatMoney(person.advancesBalance),
            formatMoney(person.owedToPerson())};
}

QStringList personOwedTitles(ReportTexts language)
{
    QStringList titles;
    for (const char *title :
         {QT_TRANSLATE_NOOP("OwedReport", "Sales person"), QT_TRANSLATE_NOOP("OwedReport", "Commission due"),
          QT_TRANSLATE_NOOP("OwedReport", "Commission paid"), QT_TRANSLATE_NOOP("OwedReport", "Still due"),
          QT_TRANSLATE_NOOP("OwedReport", "Advances balance"),
          //: What the year owes the person; a negative amount is owed by the person.
          QT_TRANSLATE_NOOP("OwedReport", "Owed to person")})
        titles << label(language, title);
    return titles;
}

} // namespace qm
