// The real program from the command line, without a display: help, version, bad
// options, --check and --export-csv, with their exit statuses.

#include "LedgerPair.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QString out, err;
};

// Runs the program in `folder` where no window can open (a window would fail
// it), or else with an offscreen window. Its home is `home`, or a new empty
// folder: the program's own settings never reach the user's.
Run runProgram(const QString &folder, const QStringList &arguments, bool window = false, QString home = {})
{
    QTemporaryDir emptyHome;
    if (home.isEmpty())
        home = emptyHome.path();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", window ? "offscreen" : "xcb");
    env.insert("HOME", home);
    for (const char *xdg : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        env.remove(xdg);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QM_PROGRAM, arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString real(const QString &path) { return QFileInfo(path).canonicalFilePath(); }

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void statuses_data();
    void statuses();
    void exportWritesBothFiles();
    void furtherFilesAreIgnored_data();
    void furtherFilesAreIgnored();
    void documentsFolder_data();
    void documentsFolder();
};

void CommandLineTest::statuses_data()
{
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("help") << "" << QStringList{"--help"} << 0 << "--export-csv <file>";
    QTest::newRow("version") << "" << QStringList{"--version"} << 0 << "Quillmoor Ad Sales 1.76";
    QTest::newRow("unknown option") << "" << QStringList{"--chek"} << 2 << "Unknown option 'chek'";
    QTest::newRow("export without file") << "" << QStringList{"--export-csv"} << 2 << "Missing value";
    QTest::newRow("check and export") << "" << QStringList{"--check", "--export-csv", "x.csv"} << 2
                                      << "cannot be used together";
    QTest::newRow("check, not a ledger") << "" << QStringList{"--check", "notes.txt"} << 2 << "not a ledger file";
    QTest::newRow("check clean, default pair") << "clean" << QStringList{"--check"} << 0 << "Problems: none";
    QTest::newRow("check clean, named") << "clean" << QStringList{"--check", "year/QuillmoorAds.qmr"} << 0
                                        << "Alice Moor: 2 entries";
    QTest::newRow("check mismatched") << "mismatch" << QStringList{"--check"} << 1 << "The file is short";
    QTest::newRow("check missing") << "" << QStringList{"--check"} << 1 << "no settings file";
    QTest::newRow("check three sales people") << "three people" << QStringList{"--check"} << 1
                                              << "names 3 sales people, but the program keeps at most 2";
    QTest::newRow("export over the ledger")
        << "clean" << QStringList{"--export-csv", "QuillmoorAds.qmr"} << 1 << "never writes over it";
    QTest::newRow("export of a mismatched pair")
        << "mismatch" << QStringList{"--export-csv", "out.csv"} << 1 << "Nothing was exported";
}

void CommandLineTest::statuses()
{
    QFETCH(QString, pair);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QTemporaryDir dir;
    if (!pair.isEmpty()) {
        writePair(dir.path(), filledYear(2026));
        writePair(dir.filePath("year"), filledYear(2026));
        if (pair == "mismatch") {
            qm::LedgerModel fewer = filledYear(2026);
            fewer.ads.removeLast();
            fewer.resizeLedger(2);
            QVERIFY(qm::writeLedgerFile(dir.filePath("QuillmoorAds.qmr"), fewer).ok);
        }
        if (pair == "three people") {
            QByteArray settings = fileBytes(dir.filePath("QuillmoorAds.ini"));
            settings.replace("\r\n3,2\r\n", "\r\n3,3\r\n");
            settings.replace("\"Bram Tully\",\"12.5\"\r\n", "\"Bram Tully\",\"12.5\"\r\n\"Cora Vane\",\"9\"\r\n");
            QFile file(dir.filePath("QuillmoorAds.ini"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
        }
    }
    const QDir folder(dir.path());
    const QStringList before = folder.entryList(QDir::Files);
    const QByteArray ledger = fileBytes(dir.filePath("QuillmoorAds.qmr"));

    const Run run = runProgram(dir.path(), arguments);
    QCOMPARE(run.status, status);
    QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
    QCOMPARE(folder.entryList(QDir::Files), before);
    QCOMPARE(fileBytes(dir.filePath("QuillmoorAds.qmr")), ledger);
}

void CommandLineTest::exportWritesBothFiles()
{
    QTemporaryDir dir;
    writePair(dir.filePath("year"), filledYear(2026));
    const Run run = runProgram(dir.path(), {"--export-csv", "out.csv", "year/QuillmoorAds.qmr"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("4 ledger lines written"));
    QVERIFY(run.out.contains("3 advance entries written"));
    const QByteArray csv = fileBytes(dir.filePath("out.csv"));
    QVERIFY(csv.startsWith("\xEF\xBB\xBFPublication,Month,Ad,Sales person,Number,Size,Colour,Sale,Paid,Status,"
                           "Commission,Commission paid\r\n"));
    QVERIFY(csv.contains("\r\nCorvel,February,\"Tide & Co, Ltd\",Bram Tully,2,Full,no,320.00,100.00,Proof,40.00,\r\n"));
    QVERIFY(csv.contains(QString::fromUtf8("\r\nWyndle,,Café Brönte,Alice Moor,").toUtf8()));
    QVERIFY(fileBytes(dir.filePath("out_advances.csv")).contains("\r\nBram Tully,2026-03-01,75.25,0.00,75.25\r\n"));
    // The Owner's Tarn sale of 140.00 is not paid at all; Bram's February sale of 320.00 in part.
    QVERIFY(run.out.contains("5 rows of what is owed written"));
    const QByteArray owed = fileBytes(dir.filePath("out_owed.csv"));
    QVERIFY(owed.startsWith("\xEF\xBB\xBFPublication,Month,Ad,Sales person,Status,Sale,Paid,Owed\r\n"
                            "Tarn,,Harbour Books,Owner,TK,140.00,0.00,140.00\r\n"));
    QVERIFY(owed.contains("\r\nCorvel,February,\"Tide & Co, Ltd\",Bram Tully,Proof,320.00,100.00,220.00\r\n"));
    QVERIFY(owed.contains("\r\nTotal,,,,,460.00,100.00,360.00\r\n"));
}

void CommandLineTest::furtherFilesAreIgnored_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("window");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("ignored");
    QTest::newRow("window") << QStringList{"--quit-when-shown", "year/QuillmoorAds.qmr", "notes.txt"} << true << ""
                            << "ignored: notes.txt";
    QTest::newRow("window, a name with a dash") << QStringList{"--quit-when-shown", "--", "-year.qmr", "notes.txt"}
                                                << true << "" << "ignored: notes.txt";
    QTest::newRow("check") << QStringList{"--check", "year/QuillmoorAds.qmr", "other.qmr", "notes.txt"} << false
                           << "Alice Moor: 2 entries" << "ignored: other.qmr notes.txt";
    QTest::newRow("check, a name with a dash") << QStringList{"--check", "--", "-year.qmr"} << false
                                               << "-year.qmr (version 1.76)" << "";
}

// The first file named is the ledger; the rest are ignored with a word on
// standard error. A wrong file opened would show a message (no settings file
// beside the default ledger, or not a ledger file) and never end.
void CommandLineTest::furtherFilesAreIgnored()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, window);
    QFETCH(QString, says);
    QFETCH(QString, ignored);
    QTemporaryDir dir;
    const qm::LedgerModel year = filledYear(QDate::currentDate().year());
    writePair(dir.filePath("year"), year);
    writePair(dir.path(), year);
    QVERIFY(QFile::rename(dir.filePath("QuillmoorAds.ini"), dir.filePath("-year.ini")));
    QVERIFY(QFile::copy(dir.filePath("QuillmoorAds.qmr"), dir.filePath("-year.qmr")));

    const Run run = runProgram(dir.path(), arguments, window);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.contains(says), qPrintable(run.out));
    if (ignored.isEmpty())
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    else
        QVERIFY2(run.err.contains("only the first ledger file named is used") && run.err.contains(ignored),
                 qPrintable(run.err));
}

void CommandLineTest::documentsFolder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("window");
    QTest::addColumn<QString>("pairIn"); // "documents", "work", "work/year" or nothing
    QTest::addColumn<bool>("folderMade");
    QTest::newRow("check") << QStringList{"--documents-folder", "--check"} << false << "documents" << true;
    QTest::newRow("window") << QStringList{"--documents-folder", "--quit-when-shown"} << true << "documents" << true;
    QTest::newRow("window, first start") << QStringList{"--documents-folder", "--quit-when-shown"} << true << ""
                                         << true;
    QTest::newRow("window, ledger named") << QStringList{"--documents-folder", "--quit-when-shown",
                                                          "year/QuillmoorAds.qmr"}
                                          << true << "work/year" << true;
    QTest::newRow("window, working folder") << QStringList{"--quit-when-shown"} << true << "work" << false;
}

// The desktop entry's option: the default pair (and printing to PDF) in the
// documents folder, made when missing; a named ledger where it is. The window
// (not a window-less run) notes the ledger it opened among the recent ones.
void CommandLineTest::documentsFolder()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, window);
    QFETCH(QString, pairIn);
    QFETCH(bool, folderMade);
    QTemporaryDir home;
    QTemporaryDir work;
    const QString documents = home.filePath("Documents/Quillmoor Ads");
    const QString folder = pairIn == "documents" ? documents : work.filePath(pairIn.mid(5));
    if (!pairIn.isEmpty())
        writePair(folder, filledYear(QDate::currentDate().year()));

    const Run run = runProgram(work.path(), arguments, window, home.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(QFileInfo(documents).isDir(), folderMade);
    const QString ledger = QDir(folder).filePath("QuillmoorAds.qmr");
    if (!window)
        QVERIFY2(run.out.contains(QDir::toNativeSeparators(ledger)) && run.out.contains("Problems: none"),
                 qPrintable(run.out));
    const QSettings kept(home.filePath(".config/Quillmoor/QuillmoorAds.conf"), QSettings::IniFormat);
    const QStringList recent = kept.value("recentLedgers").toStringList();
    QCOMPARE(real(recent.value(0)), window && !pairIn.isEmpty() ? real(ledger) : QString());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
