#include "core/rules/YearToDate.h"

#include "core/files/NumberFormat.h"

#include <QCoreApplication>

namespace qm {

namespace {

constexpr int kSpecialIssues[] = {13, 14, 15};

// Column total of one issue over every ad, or over the ads whose sales person
// is `owner` exactly when `owner` is given.
double issueTotal(const LedgerModel &model, int issue, int column, const QString *owner = nullptr)
{
    double total = 0;
    for (int ad = 1; ad <= model.cells.adCount(); ++ad) {
        if (owner && model.cell(issue, ColSalesPerson, ad) != *owner)
            continue;
        total += leadingNumber(model.cell(issue, column, ad));
    }
    return total;
}

// Writes a person's totals of one ledger column into one table column: a row
// per issue and the Corvel total of the months.
void writePersonColumn(const LedgerModel &model, ReportTable &table, const QString &person, int ledgerColumn,
                       int tableColumn)
{
    double months = 0;
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        const double total = issueTotal(model, issue, ledgerColumn, &person);
        table.cell(reportRow(issue), tableColumn) = formatMoney(total);
        if (issue <= kMonthCount)
            months += total;
    }
    table.cell(kCorvelTotalRow, tableColumn) = formatMoney(months);
}

// The totals row adds the rounded figures shown in rows 14 to 17.
void writeShownTotal(ReportTable &table, int column)
{
    double total = 0;
    for (int row = kCorvelTotalRow; row <= 17; ++row)
        total += leadingNumber(table.cell(row, column));
    table.cell(kTotalsRow, column) = formatMoney(total);
}

} // namespace

ReportTable::ReportTable(ReportTexts language) : texts(language)
{
    for (int month = 1; month <= kMonthCount; ++month)
        cell(month, 1) = language == ReportTexts::Shown ? monthTitle(month) : monthName(month);
    cell(kCorvelTotalRow, 1) = label(QT_TRANSLATE_NOOP("YearToDate", "Corvel Magazine"));
    cell(15, 1) = label(QT_TRANSLATE_NOOP("YearToDate", "Tarn Magazine"));
    cell(16, 1) = label(QT_TRANSLATE_NOOP("YearToDate", "Fennet Magazine"));
    cell(17, 1) = label(QT_TRANSLATE_NOOP("YearToDate", "Wyndle Magazine"));
    cell(kTotalsRow, 1) = QString(6, u' ') + label(QT_TRANSLATE_NOOP("YearToDate", "Totals"));
    title(1) = label(QT_TRANSLATE_NOOP("YearToDate", "Publication"));
    title(6) = label(QT_TRANSLATE_NOOP("YearToDate", "Paid Sales"));
}

QString ReportTable::label(const char *text) const
{
    return texts == ReportTexts::Shown ? QCoreApplication::translate("YearToDate", text) : QString::fromUtf8(text);
}

QString ReportTable::toText() const
{
    QString out = QStringList(titles.begin(), titles.end()).join(u'|') + u'\n';
    for (const auto &row : cells)
        out += QStringList(row.begin(), row.end()).join(u'|') + u'\n';
    return out;
}

int reportRow(int issue)
{
    return issue <= kMonthCount ? issue : issue + 2;
}

QString salesPersonLabel(const LedgerModel &model, int person)
{
    if (person >= 1 && person <= model.salesPeople.size())
        return model.salesPeople.at(person - 1).name;
    return QStringLiteral("salesPerson%1").arg(person);
}

void fillSalesView(const LedgerModel &model, ReportTable &table)
{
    const int people = int(qMin<qsizetype>(model.salesPeople.size(), kMaxSalesPeople));
    //: The column of the sales kept under the name "Owner".
    table.title(2) = table.label(QT_TRANSLATE_NOOP("YearToDate", "Owner"));
    table.title(3) = salesPersonLabel(model, 1);
    table.title(4) = salesPersonLabel(model, 2);
    table.title(5) = table.label(QT_TRANSLATE_NOOP("YearToDate", "Total Sales")) + u' ';
    table.title(6) = table.label(QT_TRANSLATE_NOOP("YearToDate", "Paid Sales"));

    const QString owner = QStringLiteral("Owner");
    writePersonColumn(model, table, owner, ColSale, 2);
    for (int person = 1; person <= people; ++person)
        writePersonColumn(model, table, salesPersonLabel(model, person), ColSale, 2 + person);
    for (int column = 2; column <= 2 + people; ++column)
        writeShownTotal(table, column);

    double monthSales = 0;
    double monthPaid = 0;
    for (int issue = 1; issue <= kIssueCount; ++issue) {
        const double sale = issueTotal(model, issue, ColSale);
        const double paid = issueTotal(model, issue, ColPaid);
        table.cell(reportRow(issue), 5) = formatMoney(sale);
        table.cell(reportRow(issue), 6) = formatMoney(paid);
        if (issue <= kMonthCount) {
            monthSales += sale;
            monthPaid += paid;
        }
    }
    table.cell(kCorvelTotalRow, 5) = formatMoney(monthSales);
    table.cell(kCorvelTotalRow, 6) = formatMoney(monthPaid);
    double yearSales = monthSales;
    double yearPaid = monthPaid;
    for (int issue : kSpecialIssues) {
        yearSales += issueTotal(model, issue, ColSale);
        yearPaid += issueTotal(model, issue, ColPaid);
    }
    table.cell(kTotalsRow, 5) = formatMoney(yearSales);
    table.cell(kTotalsRow, 6) = formatMoney(yearPaid);
}

void fillCommissionView(const LedgerModel &model, ReportTable &table)
{
    const int people = int(qMin<qsizetype>(model.salesPeople.size(), kMaxSalesPeople));
    table.title(2) = table.label(QT_TRANSLATE_NOOP("YearToDate", "Commission1"));
    table.title(3) = table.label(QT_TRANSLATE_NOOP("YearToDate", "Comm1 Paid"));
    table.title(4) = table.label(QT_TRANSLATE_NOOP("YearToDate", "Commission2"));
    table.title(5) = table.label(QT_TRANSLATE_NOOP("YearToDate", "Comm2 Paid"));
    for (int row = 1; row <= kReportRows; ++row) {
        for (int column = 2; column <= 5; ++column)
            table.cell(row, column).clear();
    }
    for (int person = 1; person <= people; ++person) {
        const QString name = salesPersonLabel(model, person);
        const int dueColumn = 2 * person;
        writePersonColumn(model, table, name, ColComm, dueColumn);
        writePersonColumn(model, table, name, ColCommPaid, dueColumn + 1);
        writeShownTotal(table, dueColumn);
        writeShownTotal(table, dueColumn + 1);
    }
}

int printedReportColumns(int salesPeople)
{
    return 3 + 2 * qBound(0, salesPeople, kMaxSalesPeople);
}

} // namespace qm
