// The year-end archive without windows: byte copies under the year's name, the
// emptied ledger, and every way the copies can fail or collide.

#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SafeSave.h"
#include "core/files/SettingsFile.h"
#include "core/files/LineFormat.h"
#include "core/year/Archive.h"
#include "LedgerPair.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qm;

namespace {

// A year on disk and the model start-up read from it.
struct ArchiveFixture
{
    QTemporaryDir dir;
    LedgerModel model;
    QByteArray settingsBytes, ledgerBytes;

    QString data() const { return dir.filePath("data"); }
    QString program() const { return dir.filePath("program"); }
    ArchiveFiles files() const
    {
        return {QDir(data()).filePath("QuillmoorAds.ini"), QDir(data()).filePath("QuillmoorAds.qmr"), program()};
    }

    void make(int year)
    {
        writePair(data(), filledYear(year));
        QVERIFY(QDir().mkpath(program()));
        settingsBytes = fileBytes(files().settingsFile);
        ledgerBytes = fileBytes(files().ledgerFile);
        QVERIFY(readSettingsFile(files().settingsFile, model).ok);
        QVERIFY(readLedgerFile(files().ledgerFile, model).ok);
        QCOMPARE(model.ledgerYear, year);
    }

    // The model still holds the year exactly as read.
    void verifyUntouched(int year)
    {
        LedgerModel expected = filledYear(year);
        QVERIFY(model.cells == expected.cells);
        QCOMPARE(model.ledgerYear, year);
        QVERIFY(!model.ledgerChanged);
        QCOMPARE(fileBytes(files().settingsFile), settingsBytes);
        QCOMPARE(fileBytes(files().ledgerFile), ledgerBytes);
    }
};

ConfirmReplace answer(bool yes, QStringList *asked)
{
    return [yes, asked](const QString &question) {
        *asked << question;
        return yes;
    };
}

} // namespace

class ArchiveTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 1, 5), QTime(9, 30))); }
    void cleanup()
    {
        setSaveFault(SaveFault());
        Clock::reset();
    }

    void copiesAndEmpties_data();
    void copiesAndEmpties();
    void copyNames_data();
    void copyNames();
    void fallsBackBesideLedger();
    void noUsableFolder();
    void failedCopyChangesNothing();
    void existingCopy_data();
    void existingCopy();
};

void ArchiveTest::copiesAndEmpties_data()
{
    QTest::addColumn<int>("ledgerYear");
    QTest::newRow("last year") << 2025;
    QTest::newRow("three years back") << 2023;
}

void ArchiveTest::copiesAndEmpties()
{
    QFETCH(int, ledgerYear);
    ArchiveFixture f;
    f.make(ledgerYear);
    QStringList asked;
    const ArchiveResult result = archiveYear(f.model, f.files(), 2026, answer(true, &asked));

    QCOMPARE(result.outcome, ArchiveOutcome::Archived);
    QVERIFY(asked.isEmpty());
    const QDir archive(QDir(f.program()).filePath("QuillmoorAds_Archive"));
    QCOMPARE(result.folder, archive.path());
    QVERIFY(!result.besideLedger);
    // Named with the year before the current one, whatever year the ledger holds.
    QCOMPARE(archive.entryList(QDir::Files), QStringList({"QuillmoorAds_2025.ini", "QuillmoorAds_2025.qmr"}));
    QCOMPARE(fileBytes(archive.filePath("QuillmoorAds_2025.ini")), f.settingsBytes);
    QCOMPARE(fileBytes(archive.filePath("QuillmoorAds_2025.qmr")), f.ledgerBytes);
    QVERIFY(result.message.contains(QDir::toNativeSeparators(archive.filePath("QuillmoorAds_2025.ini"))));
    QVERIFY(result.message.contains(QDir::toNativeSeparators(archive.filePath("QuillmoorAds_2025.qmr"))));

    // The new year: empty cells, everything else kept, and the ledger due for saving.
    const LedgerModel before = filledYear(ledgerYear);
    for (int issue = 1; issue <= kIssueCount; ++issue)
        for (int column = 1; column <= kColumnCount; ++column)
            for (int ad = 1; ad <= 3; ++ad)
                QVERIFY(f.model.cell(issue, column, ad).isEmpty());
    QCOMPARE(f.model.adCount(), 3);
    QCOMPARE(f.model.ads.at(2).name, before.ads.at(2).name);
    QCOMPARE(f.model.salesPeople.at(1).percent, before.salesPeople.at(1).percent);
    QCOMPARE(f.model.prices.colour, before.prices.colour);
    QCOMPARE(f.model.advances, before.advances);
    QCOMPARE(f.model.ledgerYear, 2026);
    QVERIFY(f.model.ledgerChanged);
    QVERIFY(!f.model.settingsChanged);
    // The files themselves are written only by the save.
    QCOMPARE(fileBytes(f.files().ledgerFile), f.ledgerBytes);
}

void ArchiveTest::copyNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("copy");
    QTest::newRow("ledger") << "/ads/QuillmoorAds.qmr" << "QuillmoorAds_2025.qmr";
    QTest::newRow("settings, dotted name") << "/ads/year.2025.ini" << "year.2025_2025.ini";
    QTest::newRow("windows path") << "C:/Ads/Ledger.qmr" << "Ledger_2025.qmr";
}

void ArchiveTest::copyNames()
{
    QFETCH(QString, file);
    QFETCH(QString, copy);
    QCOMPARE(archiveCopyName(file, 2025), copy);
}

// A program in a folder nobody may write to (here: where a file blocks the
// archive folder) archives beside the ledger and says so.
void ArchiveTest::fallsBackBesideLedger()
{
    ArchiveFixture f;
    f.make(2025);
    QFile blocker(QDir(f.program()).filePath("QuillmoorAds_Archive"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ArchiveResult result = archiveYear(f.model, f.files(), 2026, {});

    QCOMPARE(result.outcome, ArchiveOutcome::Archived);
    QVERIFY(result.besideLedger);
    const QDir archive(QDir(f.data()).filePath("QuillmoorAds_Archive"));
    QCOMPARE(fileBytes(archive.filePath("QuillmoorAds_2025.qmr")), f.ledgerBytes);
    QCOMPARE(fileBytes(archive.filePath("QuillmoorAds_2025.ini")), f.settingsBytes);
    QVERIFY(result.message.contains("beside the ledger file"));
    QVERIFY(result.message.contains(QDir::toNativeSeparators(archive.filePath("QuillmoorAds_2025.qmr"))));
}

void ArchiveTest::noUsableFolder()
{
    ArchiveFixture f;
    f.make(2025);
    for (const QString &folder : {f.program(), f.data()}) {
        QFile blocker(QDir(folder).filePath("QuillmoorAds_Archive"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    const ArchiveResult result = archiveYear(f.model, f.files(), 2026, {});

    QCOMPARE(result.outcome, ArchiveOutcome::Failed);
    QVERIFY(result.message.contains(QDir::toNativeSeparators(QDir(f.program()).filePath("QuillmoorAds_Archive"))));
    QVERIFY(result.message.contains("could not be created"));
    QVERIFY(result.message.contains("keeps all its entries"));
    f.verifyUntouched(2025);
}

// A disk that fills while the ledger's copy is written: the settings copy made
// just before is taken back and the ledger stays full.
void ArchiveTest::failedCopyChangesNothing()
{
    ArchiveFixture f;
    f.make(2025);
    setSaveFault(SaveFault{.failAfter = qint64(f.settingsBytes.size()) + 10, .persistent = true});
    const ArchiveResult result = archiveYear(f.model, f.files(), 2026, {});

    QCOMPARE(result.outcome, ArchiveOutcome::Failed);
    const QDir archive(QDir(f.program()).filePath("QuillmoorAds_Archive"));
    QVERIFY2(result.message.contains(QDir::toNativeSeparators(archive.filePath("QuillmoorAds_2025.qmr"))),
             qPrintable(result.message));
    QVERIFY(archive.entryList(QDir::Files).isEmpty());
    f.verifyUntouched(2025);
}

void ArchiveTest::existingCopy_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("kept on No") << false;
    QTest::newRow("replaced on Yes") << true;
}

void ArchiveTest::existingCopy()
{
    QFETCH(bool, replace);
    ArchiveFixture f;
    f.make(2025);
    const QDir archive(QDir(f.program()).filePath("QuillmoorAds_Archive"));
    QVERIFY(QDir().mkpath(archive.path()));
    QFile earlier(archive.filePath("QuillmoorAds_2025.qmr"));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("the earlier archive");
    earlier.close();

    QStringList asked;
    const ArchiveResult result = archiveYear(f.model, f.files(), 2026, answer(replace, &asked));
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked.first().startsWith("An archive of 2025 already exists"));
    QVERIFY(asked.first().endsWith("replace it?"));
    QVERIFY(asked.first().contains(QDir::toNativeSeparators(earlier.fileName())));
    QVERIFY(!asked.first().contains("QuillmoorAds_2025.ini"));
    if (replace) {
        QCOMPARE(result.outcome, ArchiveOutcome::Archived);
        QCOMPARE(fileBytes(earlier.fileName()), f.ledgerBytes);
        QCOMPARE(f.model.ledgerYear, 2026);
    } else {
        QCOMPARE(result.outcome, ArchiveOutcome::Declined);
        QVERIFY2(result.message.startsWith("The 2025 data was not archived"), qPrintable(result.message));
        QCOMPARE(fileBytes(earlier.fileName()), QByteArray("the earlier archive"));
        QCOMPARE(archive.entryList(QDir::Files), QStringList{"QuillmoorAds_2025.qmr"});
        f.verifyUntouched(2025);
    }
}

QTEST_GUILESS_MAIN(ArchiveTest)
#include "tst_archive.moc"
