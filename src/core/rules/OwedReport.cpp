#include "core/rules/OwedReport.h"

#include "core/LedgerModel.h"
#include "core/files/NumberFormat.h"
#include "core/rules/CellNumbers.h"

#include <QCoreApplication>

#include <array>
#include <vector>

namespace qm {

namespace {

QString label(ReportTexts language, const char *text)
{
    return language == ReportTexts::Shown ? QCoreApplication::translate("OwedReport", text) : QString::fromUtf8(text);
}

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

void forEachOwedRow(const LedgerModel &model, ReportTexts language, const std::function<void(const OwedRow &)> &take)
{
    const int ads = std::min(model.adCount(), model.cells.adCount());
    const CellNumbers numbers(model.cells);
    std::array<QString, kIssueCount> publications, months;
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        publications[std::size_t(issue - 1)] = publicationName(issuePublication(issue));
        if (issue <= kMonthCount)
            months[std::size_t(issue - 1)] = language == ReportTexts::Shown ? monthTitle(issue) : monthName(issue);
    }
    OwedRow total;
    total.kind = OwedRow::Kind::Total;
    OwedRow line;
    for (int ad = 1; ad <= ads; ++ad) {
        OwedRow adTotal;
        adTotal.kind = OwedRow::Kind::AdTotal;
        adTotal.ad = ad;
        adTotal.adName = model.ads.at(ad - 1).name;
        for (int issue = 1; issue <= kIssueCount; ++issue) {
            const double sale = numbers.at(issue, ColSale, ad);
            const double paid = numbers.at(issue, ColPaid, ad);
            if (!(sale > paid))
                continue;
            // Texts are shared: each is set again only when it changes.
            if (line.issue != issue) {
                line.publication = publications[std::size_t(issue - 1)];
                line.month = months[std::size_t(issue - 1)];
                line.issue = issue;
            }
            if (line.ad != ad) {
                line.adName = adTotal.adName;
                line.ad = ad;
            }
            line.salesPerson = model.cell(issue, ColSalesPerson, ad);
            line.status = model.cell(issue, ColStatus, ad);
            line.sale = sale;
            line.paid = paid;
            line.owed = sale - paid;
            add(adTotal, line);
            take(line);
        }
        if (adTotal.sale > adTotal.paid) {
            add(total, adTotal);
            take(adTotal);
        }
    }
    take(total);
}

QList<PersonOwed> owedPeople(const LedgerModel &model)
{
    QList<PersonOwed> people;
    const int count = int(qMin<qsizetype>(model.salesPeople.size(), kMaxSalesPeople));
    for (int person = 1; person <= count; ++person) {
        PersonOwed owed;
        owed.name = salesPersonLabel(model, person);
        owed.advancesBalance = advancesBalance(model.advanceLedger(person));
        people.append(std::move(owed));
    }
    if (people.isEmpty())
        return people;
    // Each line counts for every person it names; which those are is worked
    // out once per text the sales person cells hold.
    const LedgerCells &cells = model.cells;
    std::vector<quint32> named(cells.textNumberLimit(), 0); // a bit per person
    for (quint32 number = 0; number < cells.textNumberLimit(); ++number) {
        for (int person = 0; person < count; ++person) {
            if (cells.textOfNumber(number) == people.at(person).name)
                named[number] |= 1u << person;
        }
    }
    const CellNumbers numbers(cells);
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        for (int ad = 1; ad <= cells.adCount(); ++ad) {
            const quint32 persons = named[cells.textNumber(issue, ColSalesPerson, ad)];
            if (persons == 0)
                continue;
            for (int person = 0; person < count; ++person) {
                if (persons & (1u << person)) {
                    people[person].commissionDue += numbers.at(issue, ColComm, ad);
                    people[person].commissionPaid += numbers.at(issue, ColCommPaid, ad);
                }
            }
        }
    }
    return people;
}

OwedReport owedReport(const LedgerModel &model, ReportTexts language)
{
    OwedReport report;
    forEachOwedRow(model, language, [&report](const OwedRow &row) { report.rows.append(row); });
    report.people = owedPeople(model);
    return report;
}

QString owedRowTitle(const OwedRow &row, ReportTexts language)
{
    if (row.kind == OwedRow::Kind::AdTotal)
        return label(language, QT_TRANSLATE_NOOP("OwedReport", "Ad total"));
    if (row.kind == OwedRow::Kind::Total)
        return label(language, QT_TRANSLATE_NOOP("OwedReport", "Total"));
    return row.publication;
}

QStringList owedRowTexts(const OwedRow &row, ReportTexts language)
{
    return {owedRowTitle(row, language), row.month,           row.adName,          row.salesPerson,
            row.status,                  formatMoney(row.sale), formatMoney(row.paid), formatMoney(row.owed)};
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
