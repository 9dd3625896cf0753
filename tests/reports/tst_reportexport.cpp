// The year-to-date report's "&Export...": both views as one CSV file, named in the
// file dialog, holding what the window shows.

#include "reports/YearToDateWindow.h"
#include "FileDialogAnswer.h"
#include "ReportFixture.h"
#include "ScriptedMessages.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace qm;

namespace {

QList<QStringList> readCsv(const QString &path)
{
    // The report's texts hold no commas or quotes: a plain split reads them.
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return {};
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts))
        rows << line.split(',');
    return rows;
}

// What a spreadsheet reads from a shown amount: ".00" is 0, empty stays empty.
QString asNumber(const QString &shown)
{
    return shown.isEmpty() ? QString() : QString::number(shown.toDouble(), 'f', 2);
}

} // namespace

class ReportExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void exportMatchesBothViews();
    void refusesDataFile();
};

void ReportExportTest::exportMatchesBothViews()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ytd.csv");
    const LedgerModel model = sampleLedger(2);
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QObject context;
    answerFileDialog(&context, path);
    QTest::mouseClick(window.findChild<QPushButton *>("ExportButton"), Qt::LeftButton);

    const QList<QStringList> rows = readCsv(path);
    QCOMPARE(rows.size(), 1 + 19);
    QTableWidget *table = window.reportTable();
    auto compareColumns = [&](int firstField, int columns) {
        for (int column = 1; column <= columns; ++column) {
            QCOMPARE(rows.at(0).at(firstField + column - 1),
                     table->horizontalHeaderItem(column)->text().trimmed());
            for (int row = 0; row < 19; ++row)
                QCOMPARE(rows.at(row + 1).at(firstField + column - 1), asNumber(table->item(row, column)->text()));
        }
    };
    for (int row = 0; row < 19; ++row)
        QCOMPARE(rows.at(row + 1).at(0), table->item(row, 0)->text().trimmed());
    QCOMPARE(rows.at(0).mid(0, 6), QStringList({"Publication", "Owner", "Ann Lee", "Bob", "Total Sales",
                                                "Paid Sales"}));
    compareColumns(1, 5);
    QTest::mouseClick(window.findChild<QRadioButton *>("CommissionsOption"), Qt::LeftButton);
    compareColumns(6, 4);
    QCOMPARE(rows.at(19).at(0), QString("Totals"));
}

// A name of the program's data files is refused, whatever the folder.
void ReportExportTest::refusesDataFile()
{
    QTemporaryDir dir;
    const QString ledger = dir.filePath("Other.qmr");
    ScriptedMessages messages;
    const LedgerModel model = sampleLedger(1);
    YearToDateWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QObject context;
    answerFileDialog(&context, ledger);
    QTest::mouseClick(window.findChild<QPushButton *>("ExportButton"), Qt::LeftButton);
    QCOMPARE(messages.asked.size(), 1);
    QVERIFY(messages.asked.first().text.contains("never writes over it"));
    QVERIFY(!QFileInfo::exists(ledger));
}

QTEST_MAIN(ReportExportTest)
#include "tst_reportexport.moc"
