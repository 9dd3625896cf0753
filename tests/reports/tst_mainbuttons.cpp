#include "reports/YearToDateWindow.h"

#include "GridFixture.h"
#include "RecordingPrinter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace qm;

// The main window's two report buttons: the report commits the cell being
// edited first, the run sheet prints the ledger as stored.
class TestMainButtons : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 3, 3), QTime(14, 5))); }
    void cleanup() { Clock::reset(); }
    void runSheetPrintsStoredValues();
    void showReportCommitsFirst();
};

void TestMainButtons::runSheetPrintsStoredValues()
{
    GridFixture f;
    LedgerModel m = GridFixture::sampleModel(4);
    m.cell(1, ColNumber, 2) = QStringLiteral("1");
    m.cell(1, ColStatus, 2) = QStringLiteral("Proof");
    f.writeFiles(m);
    f.open();
    f.editMode();
    f.clickCell(0, 3);
    QTest::keyClicks(f.grid()->cellEditor(), "3");

    RecordingChooser chooser;
    QTest::mouseClick(f.window->findChild<QPushButton *>(QStringLiteral("RunSheetButton")), Qt::LeftButton);
    QCOMPARE(chooser.dialogs, QStringList(QStringLiteral("Quillmoor Run Sheet - January")));
    QCOMPARE(chooser.printed.size(), 1);
    QStringList lines;
    for (const PrintedLine &line : chooser.printed.first().pages.first().lines)
        lines << line.text;
    QCOMPARE(lines, QStringList({"        Quillmoor Run Sheet for January Magazine - 2026", "Sold Ads", "Status",
                                 "Ad 2", "Proof"}));
    QCOMPARE(f.model.cell(1, ColNumber, 1), QString());
    QVERIFY(!f.model.ledgerChanged);
}

void TestMainButtons::showReportCommitsFirst()
{
    GridFixture f;
    f.openWith(4);
    f.editMode();
    f.clickCell(0, 6);
    QTest::keyClicks(f.grid()->cellEditor(), "99");

    QString shownSale;
    QString title;
    QTimer::singleShot(0, [&] {
        auto *report = qobject_cast<YearToDateWindow *>(QApplication::activeModalWidget());
        QVERIFY(report);
        title = report->windowTitle();
        shownSale = report->reportTable()->item(0, 4)->text();
        QTest::mouseClick(report->findChild<QPushButton *>(QStringLiteral("CloseButton")), Qt::LeftButton);
    });
    QTest::mouseClick(f.window->findChild<QPushButton *>(QStringLiteral("ReportButton")), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Year to date reporting"));
    QCOMPARE(shownSale, QStringLiteral("99.00"));
    QCOMPARE(f.model.cell(1, ColSale, 1), QStringLiteral("99"));
    QVERIFY(f.model.ledgerChanged);
}

QTEST_MAIN(TestMainButtons)
#include "tst_mainbuttons.moc"
