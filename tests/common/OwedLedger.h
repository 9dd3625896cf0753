#pragma once

#include "SampleModel.h"

#include "core/LedgerModel.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// A small year worked by hand for the "Owed" view. Ad 1 is partly paid (March
// 200.00 of which 50.00 paid, January paid in full, Tarn "80 net" unpaid), ad 2
// is unpaid (February) and partly paid (Wyndle), ad 3 is paid in full (May) and
// ad 4 is paid more than its sale (Fennet). Ann (10 %) holds an advance of 30.00
// of which she paid back 10.00; Bob (15 %) an advance of 100.00.
inline qm::LedgerModel owedLedger()
{
    SampleModel model(4);
    model.runningIn(1).person(QStringLiteral("Ann"), QStringLiteral("10")).person(QStringLiteral("Bob"), QStringLiteral("15"));
    // issue, ad: sales person, sale, paid, status, commission, commission paid
    struct Line
    {
        int issue;
        int ad;
        QStringList cells;
    };
    const QList<Line> lines = {
        {1, 1, {"Ann", "100.00", "100.00", "Ok", "10.00", "10.00"}},
        {3, 1, {"Ann", "200.00", "50.00", "Proof", "20.00", "5.00"}},
        {13, 1, {"Owner", "80 net", "", "", "", ""}},
        {2, 2, {"Bob", "300.00", "", "TK", "45.00", ""}},
        {15, 2, {"Bob", "120.50", "20.25", "Vell", "18.08", "18.08"}},
        {5, 3, {"Ann", "75.00", "75.00", "Ok", "7.50", ""}},
        {14, 4, {"", "40.00", "60.00", "Ok", "", ""}},
    };
    for (const Line &line : lines) {
        int column = 0;
        for (int ledgerColumn : {qm::ColSalesPerson, qm::ColSale, qm::ColPaid, qm::ColStatus, qm::ColComm,
                                 qm::ColCommPaid})
            model.cell(line.issue, ledgerColumn, line.ad, line.cells.at(column++));
    }
    model.advances(1, {{QStringLiteral("01/10/2026"), 30, 0}, {QStringLiteral("02/10/2026"), 0, 10}});
    model.advances(2, {{QStringLiteral("03/01/2026"), 100, 0}});
    return model.year(2026);
}

// The rows of the "Owed" view of owedLedger(), worked by hand.
inline QList<QStringList> owedLedgerRows()
{
    return {
        {"Corvel", "March", "Ad 1", "Ann", "Proof", "200.00", "50.00", "150.00"},
        {"Tarn", "", "Ad 1", "Owner", "", "80.00", ".00", "80.00"},
        {"Ad total", "", "Ad 1", "", "", "280.00", "50.00", "230.00"},
        {"Corvel", "February", "Ad 2", "Bob", "TK", "300.00", ".00", "300.00"},
        {"Wyndle", "", "Ad 2", "Bob", "Vell", "120.50", "20.25", "100.25"},
        {"Ad total", "", "Ad 2", "", "", "420.50", "20.25", "400.25"},
        {"Total", "", "", "", "", "700.50", "70.25", "630.25"},
    };
}

// What each sales person of owedLedger() is owed: Ann's commission 10 + 20 +
// 7.50 due, 10 + 5 paid, less her advance balance of 20; Bob's 45 + 18.08
// due, 18.08 paid, less his 100 advance.
inline QList<QStringList> owedLedgerPeople()
{
    return {
        {"Ann", "37.50", "15.00", "22.50", "20.00", "2.50"},
        {"Bob", "63.08", "18.08", "45.00", "100.00", "-55.00"},
    };
}

// The CSV file of the "Owed" view of owedLedger().
inline QByteArray owedLedgerCsv()
{
    return "\xEF\xBB\xBF"
           "Publication,Month,Ad,Sales person,Status,Sale,Paid,Owed\r\n"
           "Corvel,March,Ad 1,Ann,Proof,200.00,50.00,150.00\r\n"
           "Tarn,,Ad 1,Owner,,80.00,0.00,80.00\r\n"
           "Ad total,,Ad 1,,,280.00,50.00,230.00\r\n"
           "Corvel,February,Ad 2,Bob,TK,300.00,0.00,300.00\r\n"
           "Wyndle,,Ad 2,Bob,Vell,120.50,20.25,100.25\r\n"
           "Ad total,,Ad 2,,,420.50,20.25,400.25\r\n"
           "Total,,,,,700.50,70.25,630.25\r\n"
           "\r\n"
           "Sales person,Commission due,Commission paid,Still due,Advances balance,Owed to person\r\n"
           "Ann,37.50,15.00,22.50,20.00,2.50\r\n"
           "Bob,63.08,18.08,45.00,100.00,-55.00\r\n";
}
