#pragma once

#include "SampleModel.h"

#include "core/LedgerModel.h"
#include "core/rules/YearToDate.h"

#include <QTest>

// A year's ledger with `people` sales people ("Ann Lee" at 10 %, "Bob" at 15 %)
// and six ads: ads 1 to 4 run in Corvel, ad 4 also in Tarn, ad 5 only in
// Fennet and Wyndle, ad 6 nowhere (its stored cells still count in the totals).
inline qm::LedgerModel sampleLedger(int people)
{
    qm::LedgerModel model = modelWithAds(6);
    const QString check(qm::CHECKMARK);
    for (int ad = 1; ad <= 4; ++ad)
        model.ads[ad - 1].check(1) = check;
    model.ads[3].check(2) = check;
    model.ads[4].check(3) = check;
    model.ads[4].check(4) = check;
    if (people >= 1)
        model.salesPeople << qm::SalesPerson{QStringLiteral("Ann Lee"), QStringLiteral("10")};
    if (people >= 2)
        model.salesPeople << qm::SalesPerson{QStringLiteral("Bob"), QStringLiteral("15")};

    // issue, ad, sales person, number, sale, paid, status, commission, commission paid
    struct Line
    {
        int issue;
        int ad;
        const char *person;
        const char *number;
        const char *sale;
        const char *paid;
        const char *status;
        const char *comm;
        const char *commPaid;
    };
    const Line lines[] = {
        {1, 1, "Ann Lee", "2", "300.00", "300.00", "Ok", "30.00", "30.00"},
        {1, 2, "Bob", "1", "150.00", "100.00", "Proof", "22.50", ""},
        {1, 3, "Owner", "1", "80.00", "80.00", "TK", "", ""},
        {3, 1, "Ann Lee", "1", "120.50", "", "P/U Fen", "12.05", "10"},
        {3, 4, "", "3", "99.99", "50", "Vell", "", ""},
        {7, 2, "Bob", "1x", "75.25", "75.25", "Ok", "11.29", "11.29"},
        {12, 3, "owner", "1", "40.00", "40.00", "Ok", "", ""},
        {13, 4, "Ann Lee", "2", "500.00", "250.00", "Ok", "50.00", ""},
        {14, 5, "Owner ", "1", "60.00", "60.00", "TK", "", ""},
        {15, 5, "Bob", "1", "210.00", "0", "Proof", "31.50", "31.50"},
        {15, 6, "Ann Lee", "1", "10.00", "10.00", "Ok", "1.00", "1.00"},
    };
    for (const Line &l : lines) {
        model.cell(l.issue, qm::ColSalesPerson, l.ad) = QString::fromUtf8(l.person);
        model.cell(l.issue, qm::ColNumber, l.ad) = QString::fromUtf8(l.number);
        model.cell(l.issue, qm::ColSale, l.ad) = QString::fromUtf8(l.sale);
        model.cell(l.issue, qm::ColPaid, l.ad) = QString::fromUtf8(l.paid);
        model.cell(l.issue, qm::ColStatus, l.ad) = QString::fromUtf8(l.status);
        model.cell(l.issue, qm::ColComm, l.ad) = QString::fromUtf8(l.comm);
        model.cell(l.issue, qm::ColCommPaid, l.ad) = QString::fromUtf8(l.commPaid);
    }
    return model;
}

// The year-to-date table as the report window fills it: the sales view, or
// the commission view over it.
inline qm::ReportTable yearToDateTable(int people, bool commissions)
{
    const qm::LedgerModel model = sampleLedger(people);
    qm::ReportTable table;
    qm::fillSalesView(model, table);
    if (commissions)
        qm::fillCommissionView(model, table);
    return table;
}

// One row for each sales-people count and view: "PREFIXsales_N", "PREFIXcommissions_N".
inline void addYearToDateRows(const char *prefix)
{
    QTest::addColumn<int>("people");
    QTest::addColumn<bool>("commissions");
    for (int people = 0; people <= 2; ++people) {
        QTest::addRow("%ssales_%d", prefix, people) << people << false;
        QTest::addRow("%scommissions_%d", prefix, people) << people << true;
    }
}
