// The date and ledger rules of the advances, without a window.
#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/rules/AdvanceRules.h"
#include "core/rules/DateRules.h"
#include "SampleModel.h"

#include <QBuffer>
#include <QTest>

using namespace qm;

namespace {

AdvanceEntry entry(const QString &date, double advanced, double paid)
{
    AdvanceEntry e;
    e.date = date;
    e.advanced = advanced;
    e.paid = paid;
    return e;
}

QStringList datesOf(const AdvanceLedger &entries)
{
    QStringList dates;
    for (const AdvanceEntry &e : entries)
        dates << e.date;
    return dates;
}

// Five entries of one person, oldest first.
AdvanceLedger fiveEntries()
{
    return {entry("01/05/2026", 100, 0), entry("02/05/2026", 0, 50), entry("03/05/2026", 200, 0),
            entry("03/05/2026", 0, 25), entry("04/05/2026", 10, 0)};
}

} // namespace

class TestAdvanceRules : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 5, 20), QTime(10, 30))); }
    void cleanup() { Clock::reset(); }

    void dateKeyOfTypedDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("stored"); // the text afterwards

        QTest::newRow("month and day take this year") << "5/3" << 20260503 << "05/03/2026";
        QTest::newRow("dashes and a two-digit year") << "5-3-26" << 20260503 << "05/03/2026";
        QTest::newRow("already normal") << "05/03/2026" << 20260503 << "05/03/2026";
        QTest::newRow("separators mixed") << "5/3-2026" << 20260503 << "05/03/2026";
        QTest::newRow("blanks before the fields") << " 5/ 3/ 2026" << 20260503 << "05/03/2026";
        QTest::newRow("2/29 of 2024") << "2/29/2024" << 20240229 << "02/29/2024";
        QTest::newRow("2/29 of 2025") << "2/29/2025" << 0 << "2/29/2025";
        QTest::newRow("2/29 of 2100") << "2/29/2100" << 0 << "2/29/2100";
        QTest::newRow("2/29 of 2000") << "2/29/2000" << 20000229 << "02/29/2000";
        QTest::newRow("2/29 of this year") << "2/29" << 0 << "2/29";
        QTest::newRow("April 31") << "4/31/2026" << 0 << "4/31/2026";
        QTest::newRow("April 30") << "4/30" << 20260430 << "04/30/2026";
        QTest::newRow("month 13") << "13/1/2026" << 0 << "13/1/2026";
        QTest::newRow("month 0") << "0/5/2026" << 0 << "0/5/2026";
        QTest::newRow("day 0") << "5/0/2026" << 0 << "5/0/2026";
        QTest::newRow("empty day") << "5//2026" << 0 << "5//2026";
        QTest::newRow("1999") << "1/1/1999" << 0 << "1/1/1999";
        QTest::newRow("100") << "1/1/100" << 0 << "1/1/100";
        QTest::newRow("99 is 2099") << "1/1/99" << 20990101 << "01/01/2099";
        QTest::newRow("2 is 2002") << "1/1/2" << 20020101 << "01/01/2002";
        QTest::newRow("0 is 2000") << "1/1/0" << 20000101 << "01/01/2000";
        QTest::newRow("a single number") << "5" << 0 << "5";
        QTest::newRow("dots are no separators") << "5.3.2026" << 0 << "5.3.2026";
        QTest::newRow("empty is today") << "" << 20260520 << "05/20/2026";
        QTest::newRow("a fourth field is ignored") << "1/2/2026/7" << 20260102 << "01/02/2026";
        QTest::newRow("fields are rounded") << "4.6/2.4/2026" << 20260502 << "05/02/2026";
        QTest::newRow("text is no number") << "May/3/2026" << 0 << "May/3/2026";
        QTest::newRow("year 9999") << "12/31/9999" << 99991231 << "12/31/9999";
        QTest::newRow("year 10000") << "1/1/10000" << 100000101 << "01/01/10000";
        QTest::newRow("last year that fits") << "12/31/214748" << 2147481231 << "12/31/214748";
        QTest::newRow("first year that does not fit") << "1/1/214749" << 0 << "1/1/214749";
        QTest::newRow("year past any integer") << "1/1/1e300" << 0 << "1/1/1e300";
        QTest::newRow("a dash before the year separates") << "1/1/-1950" << 20000101 << "01/01/2000";
        QTest::newRow("huge day") << "1/4294967297/2026" << 0 << "1/4294967297/2026";
    }
    void dateKeyOfTypedDates()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, stored);
        QString text = typed;
        QCOMPARE(dateKey(text), key);
        QCOMPARE(text, stored);
        QCOMPARE(dateKeyOf(typed), key);
    }

    void dateKeyTakesTheClocksYear()
    {
        Clock::setFixed(QDateTime(QDate(2031, 1, 2), QTime(0, 0)));
        QString text = QStringLiteral("12-24");
        QCOMPARE(dateKey(text), 20311224);
        QCOMPARE(text, QStringLiteral("12/24/2031"));
        text.clear();
        QCOMPARE(dateKey(text), 20310102);
    }

    void daysInMonth_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        const int days2026[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int month = 1; month <= 12; ++month)
            QTest::addRow("%d/2026", month) << month << 2026 << days2026[month - 1];
        QTest::newRow("February 2024") << 2 << 2024 << 29;
        QTest::newRow("February 2100") << 2 << 2100 << 28;
        QTest::newRow("February 2000") << 2 << 2000 << 29;
    }
    void daysInMonth()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, days);
        QCOMPARE(qm::daysInMonth(month, year), days);
    }

    void amountsAreWholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("amount");
        QTest::newRow("empty") << "" << true << 0.0;
        QTest::newRow("blanks") << "   " << true << 0.0;
        QTest::newRow("plain") << "500" << true << 500.0;
        QTest::newRow("blanks around") << "  12.5 " << true << 12.5;
        QTest::newRow("no whole part") << ".5" << true << 0.5;
        QTest::newRow("trailing point") << "5." << true << 5.0;
        QTest::newRow("negative") << "-20" << true << -20.0;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("cents") << "123456.78" << true << 123456.78;
        QTest::newRow("thousands separator") << "1,000" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("number then letters") << "12abc" << false << 0.0;
        QTest::newRow("blank inside") << "1 000" << false << 0.0;
        QTest::newRow("currency sign") << "$5" << false << 0.0;
        QTest::newRow("a point alone") << "." << false << 0.0;
        QTest::newRow("a sign alone") << "-" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("too large for a double") << "1e999" << false << 0.0;
    }
    void amountsAreWholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, amount);
        double read = -1;
        QCOMPARE(readAdvanceAmount(text, &read), accepted);
        if (accepted)
            QCOMPARE(read, amount);
    }

    void listLinesAndBalances_data()
    {
        QTest::addColumn<AdvanceLedger>("entries");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("none") << AdvanceLedger() << QStringList();
        QTest::newRow("advanced, paid, advanced")
            << AdvanceLedger{entry("03/01/2026", 500, 0), entry("03/15/2026", 0, 200), entry("04/01/2026", 100, 0)}
            << QStringList{"04/01/2026\t  100.00\t        \t  400.00", "03/15/2026\t        \t  200.00\t  300.00",
                           "03/01/2026\t  500.00\t        \t  500.00"};
        QTest::newRow("zero balance and both amounts")
            << AdvanceLedger{entry("03/01/2026", 50, 0), entry("03/02/2026", 20, 70)}
            << QStringList{"03/02/2026\t   20.00\t   70.00\t     .00", "03/01/2026\t   50.00\t        \t   50.00"};
        QTest::newRow("long amounts are cut to 8")
            << AdvanceLedger{entry("03/01/2026", 123456.78, 0), entry("03/02/2026", 0, 1234567.5)}
            << QStringList{"03/02/2026\t        \t1234567.\t-1111110", "03/01/2026\t123456.7\t        \t123456.7"};
        QTest::newRow("owing back and cents")
            << AdvanceLedger{entry("x", 0, 0.5)} << QStringList{"x\t        \t     .50\t    -.50"};
    }
    void listLinesAndBalances()
    {
        QFETCH(AdvanceLedger, entries);
        QFETCH(QStringList, lines);
        QCOMPARE(advanceListLines(entries), lines);
    }

    void insertionAfterEqualKeys()
    {
        AdvanceLedger entries = {entry("bad date", 1, 0), entry("03/01/2026", 2, 0), entry("03/15/2026", 3, 0)};
        // A stored date that is not valid counts as key 0 and stays first.
        QCOMPARE(insertAdvanceEntry(entries, entry("03/01/2026", 4, 0), 20260301), 2);
        QCOMPARE(insertAdvanceEntry(entries, entry("01/01/2026", 5, 0), 20260101), 1);
        QCOMPARE(insertAdvanceEntry(entries, entry("12/01/2026", 6, 0), 20261201), 5);
        QCOMPARE(datesOf(entries),
                 QStringList({"bad date", "01/01/2026", "03/01/2026", "03/01/2026", "03/15/2026", "12/01/2026"}));
        QCOMPARE(entries.at(3).advanced, 4.0); // after the entry of the same date
    }

    void submitOutcomes_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("advanced");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<int>("outcome");
        QTest::newRow("all empty") << "" << "" << "" << int(AdvanceSubmit::Nothing);
        QTest::newRow("blank amounts only") << "" << "  " << " " << int(AdvanceSubmit::Nothing);
        QTest::newRow("bad date") << "2/30" << "5" << "" << int(AdvanceSubmit::DateError);
        QTest::newRow("bad date before bad amount") << "13/1" << "x" << "" << int(AdvanceSubmit::DateError);
        QTest::newRow("date, no amount") << "3/1" << "" << "  " << int(AdvanceSubmit::NoAmount);
        QTest::newRow("thousands separator") << "3/1" << "1,000" << "" << int(AdvanceSubmit::AmountError);
        QTest::newRow("letters paid") << "3/1" << "" << "abc" << int(AdvanceSubmit::AmountError);
        QTest::newRow("one good, one bad") << "3/1" << "5" << "five" << int(AdvanceSubmit::AmountError);
        QTest::newRow("year 214749") << "3/1/214749" << "5" << "" << int(AdvanceSubmit::DateError);
        QTest::newRow("year 99999") << "3/1/99999" << "5" << "" << int(AdvanceSubmit::Stored);
        QTest::newRow("stored") << "3/1" << " 500 " << "" << int(AdvanceSubmit::Stored);
        QTest::newRow("empty date is today") << "" << "5" << "" << int(AdvanceSubmit::Stored);
    }
    void submitOutcomes()
    {
        QFETCH(QString, date);
        QFETCH(QString, advanced);
        QFETCH(QString, paid);
        QFETCH(int, outcome);
        const AdvanceLedger before = fiveEntries();
        AdvanceLedger entries = before;
        const AdvanceSubmitResult result = submitAdvanceEntry(entries, date, advanced, paid);
        QCOMPARE(int(result.outcome), outcome);
        if (result.outcome != AdvanceSubmit::Stored) {
            QCOMPARE(entries, before);
            QCOMPARE(result.index, -1);
        } else {
            QCOMPARE(entries.size(), before.size() + 1);
            QVERIFY(entries.at(result.index).advanced == 5 || entries.at(result.index).advanced == 500);
        }
    }

    void submitStoresNormalisedValues()
    {
        AdvanceLedger entries = fiveEntries();
        const AdvanceSubmitResult result = submitAdvanceEntry(entries, "3-5-26", " 12.345 ", "1e2");
        QCOMPARE(int(result.outcome), int(AdvanceSubmit::Stored));
        QCOMPARE(result.index, 4); // after both entries of March 5
        QCOMPARE(entries.at(4), entry("03/05/2026", 12.345, 100));
    }

    // Replacing an entry leaves exactly one entry with the new values, at its sorted place.
    void replaceKeepsOneEntry_data()
    {
        QTest::addColumn<int>("edited");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("to an earlier date")
            << 4 << "1/1" << 0 << QStringList{"01/01/2026", "01/05/2026", "02/05/2026", "03/05/2026", "03/05/2026"};
        QTest::newRow("to its own place")
            << 1 << "2/5" << 1 << QStringList{"01/05/2026", "02/05/2026", "03/05/2026", "03/05/2026", "04/05/2026"};
        QTest::newRow("first of equal dates, date unchanged")
            << 2 << "3/5" << 2 << QStringList{"01/05/2026", "02/05/2026", "03/05/2026", "03/05/2026", "04/05/2026"};
        QTest::newRow("second of equal dates, date unchanged")
            << 3 << "03/05/2026" << 3 << QStringList{"01/05/2026", "02/05/2026", "03/05/2026", "03/05/2026", "04/05/2026"};
        QTest::newRow("to the date of others goes after them")
            << 1 << "3/5" << 3 << QStringList{"01/05/2026", "03/05/2026", "03/05/2026", "03/05/2026", "04/05/2026"};
        QTest::newRow("first entry to an earlier date")
            << 0 << "1/1" << 0 << QStringList{"01/01/2026", "02/05/2026", "03/05/2026", "03/05/2026", "04/05/2026"};
        QTest::newRow("last entry to an earlier date in its place")
            << 4 << "3/31" << 4 << QStringList{"01/05/2026", "02/05/2026", "03/05/2026", "03/05/2026", "03/31/2026"};
        QTest::newRow("to a later date")
            << 0 << "3/6" << 3 << QStringList{"02/05/2026", "03/05/2026", "03/05/2026", "03/06/2026", "04/05/2026"};
        QTest::newRow("to the end")
            << 0 << "12/31" << 4 << QStringList{"02/05/2026", "03/05/2026", "03/05/2026", "04/05/2026", "12/31/2026"};
    }
    void replaceKeepsOneEntry()
    {
        QFETCH(int, edited);
        QFETCH(QString, date);
        QFETCH(int, index);
        QFETCH(QStringList, dates);
        AdvanceLedger entries = fiveEntries();
        const AdvanceSubmitResult result = submitAdvanceEntry(entries, date, "", "7", edited);
        QCOMPARE(int(result.outcome), int(AdvanceSubmit::Stored));
        QCOMPARE(result.index, index);
        QCOMPARE(datesOf(entries), dates);
        QCOMPARE(entries.at(index).paid, 7.0);
        int replaced = 0;
        for (const AdvanceEntry &e : entries)
            replaced += e.paid == 7 ? 1 : 0;
        QCOMPARE(replaced, 1);
    }

    void deleteAndClearByLine()
    {
        AdvanceLedger entries = fiveEntries();
        QVERIFY(!deleteAdvanceLine(entries, 0));
        QVERIFY(!deleteAdvanceLine(entries, 6));
        QVERIFY(deleteAdvanceLine(entries, 1)); // the newest
        QCOMPARE(datesOf(entries), QStringList({"01/05/2026", "02/05/2026", "03/05/2026", "03/05/2026"}));
        QVERIFY(deleteAdvanceLine(entries, 4)); // the oldest
        QCOMPARE(datesOf(entries), QStringList({"02/05/2026", "03/05/2026", "03/05/2026"}));

        entries = fiveEntries();
        QVERIFY(!clearAdvanceLines(entries, 0));
        QVERIFY(clearAdvanceLines(entries, 3)); // line 3 of 5 and the two older ones
        QCOMPARE(entries, AdvanceLedger({entry("03/05/2026", 0, 25), entry("04/05/2026", 10, 0)}));
        QVERIFY(clearAdvanceLines(entries, 1));
        QVERIFY(entries.isEmpty());
        QCOMPARE(clearAdvancesCaption(3, 5), QStringLiteral("Entry 3 to 5"));
        QCOMPARE(deleteAdvanceCaption(3), QStringLiteral("Entry 3"));
    }

    void writeBackMarksTheLedgerChanged()
    {
        LedgerModel model = modelWithAds(1);
        model.advances[1] = {entry("03/01/2026", 500, 0)};
        model.setAdvanceLedger(2, model.advanceLedger(2));
        QVERIFY(!model.ledgerChanged);
        model.setAdvanceLedger(1, {entry("03/01/2026", 1, 0)});
        QVERIFY(model.ledgerChanged);
        QCOMPARE(model.advances[0].size(), 1);
        QCOMPARE(model.advances[1].size(), 1);

        // An emptied ledger is written with a count of 0.
        model.ledgerYear = 2026;
        model.setAdvanceLedger(2, {});
        const QByteArray bytes = ledgerBytes(model);
        QVERIFY(bytes.endsWith("1,0\r\n0,0\r\n\"03/01/2026\",1,0\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestAdvanceRules)
#include "tst_advancerules.moc"
