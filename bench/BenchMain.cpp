// Measures how the program's work grows with the ledger and compares each
// figure with a baseline measured in the same run; one line per target.
//
//   qm_bench [--quick]                    runs every measurement and prints the table
//   qm_bench --peak-memory [INI QMR]      (child) loads the files, prints its peak memory
//   qm_bench --write-files FOLDER ADS     writes a generated ledger there (for a profiler)
//   qm_bench --load-files INI QMR         (for a profiler) loads the files 20 times
//   qm_bench --save-files INI QMR         (for a profiler) loads the files and saves them beside
#include "GridTiming.h"
#include "LedgerGenerator.h"
#include "Measure.h"

#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "core/year/YearFiles.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <optional>

using namespace qm;
using namespace qm::bench;

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

QString ms(double value) { return QString::number(value, 'f', value < 10 ? 2 : 1) + QStringLiteral(" ms"); }

void row(const QString &work, const QString &figure, const QString &baseline, double ratio, double target,
         bool *allPassed)
{
    const bool pass = ratio <= target;
    *allPassed = *allPassed && pass;
    out() << work.leftJustified(52) << figure.rightJustified(12) << "  baseline " << baseline.rightJustified(10)
          << "  ratio " << QString::number(ratio, 'f', 2).rightJustified(6) << "x  target <= " << target << "x  "
          << (pass ? "PASS" : "FAIL") << Qt::endl;
}

struct FileTimes
{
    int ads = 0;
    qint64 bytes = 0;
    double readMs = 0;
    double readBaselineMs = 0;
    double writeMs = 0;
    double writeBaselineMs = 0;
    bool sameBytes = true;
};

FileTimes measureFiles(const QString &folder, int ads, int runs)
{
    const GeneratedFiles files = writeGeneratedFiles(folder, ads);
    const QByteArray settings = fileBytes(files.settingsFile);
    const QByteArray ledger = fileBytes(files.ledgerFile);
    FileTimes t;
    t.ads = ads;
    t.bytes = files.bytes;

    std::optional<LedgerModel> model;
    qsizetype lines = 0;
    std::tie(t.readMs, t.readBaselineMs) = medianPairMs(runs, [&] {
        if (!loadFiles(*model, files.settingsFile, files.ledgerFile).isEmpty())
            qFatal("the generated files did not read cleanly");
    }, [&] {
        for (const QString &path : {files.settingsFile, files.ledgerFile}) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            lines += std::count(bytes.begin(), bytes.end(), '\n');
        }
    }, [&] { model.emplace(); });

    const QString settingsOut = folder + QStringLiteral("/out.ini");
    const QString ledgerOut = folder + QStringLiteral("/out.qmr");
    // The grid's save with both files changed: each through the safe save.
    auto save = [&] {
        model->settingsChanged = true;
        if (!saveFilesNow(*model, settingsOut, ledgerOut, QDateTime::currentDateTime()).ok())
            qFatal("the files could not be saved");
    };
    save();
    t.sameBytes = fileBytes(settingsOut) == settings && fileBytes(ledgerOut) == ledger;
    // Both start from a quiet disk: neither pays for the other's writing.
    auto settle = [&] { settleFiles({settingsOut, ledgerOut}); };
    std::tie(t.writeMs, t.writeBaselineMs) = medianPairMs(runs, save, [&] {
        for (const auto &[path, bytes] : {std::pair(settingsOut, settings), std::pair(ledgerOut, ledger)}) {
            QFile file(path);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(bytes);
        }
    }, settle, settle);
    settle(); // nothing of this is left for the disk to write during the later rows
    return t;
}

// Wall time of a program from its start to its end, in milliseconds.
double runMs(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s did not end cleanly", qPrintable(program));
    return timer.nsecsElapsed() / 1e6;
}

// Medians of both programs started in turn, so that both see the same load.
std::pair<double, double> startupMs(const QString &ledgerFile, int runs)
{
    QList<double> program;
    QList<double> bare;
    runMs(QStringLiteral(QM_PROGRAM), {QStringLiteral("--quit-when-shown"), ledgerFile}); // warm up
    runMs(QStringLiteral(QM_BARE_WINDOW), {});
    for (int i = 0; i < runs; ++i) {
        program << runMs(QStringLiteral(QM_PROGRAM), {QStringLiteral("--quit-when-shown"), ledgerFile});
        bare << runMs(QStringLiteral(QM_BARE_WINDOW), {});
    }
    std::sort(program.begin(), program.end());
    std::sort(bare.begin(), bare.end());
    return {program.at(runs / 2), bare.at(runs / 2)};
}

qint64 childPeakBytes(const QStringList &files)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--peak-memory")} + files);
    if (!child.waitForFinished(120000) || child.exitCode() != 0)
        qFatal("the memory child failed");
    return child.readAllStandardOutput().trimmed().toLongLong();
}

int peakMemoryChild(const QStringList &arguments)
{
    LedgerModel model;
    if (arguments.size() == 2) {
        readSettingsFile(arguments.at(0), model);
        readLedgerFile(arguments.at(1), model);
    }
    out() << peakResidentBytes() << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (arguments.value(0) == QStringLiteral("--peak-memory")) {
        QCoreApplication app(argc, argv);
        return peakMemoryChild(arguments.mid(1));
    }
    if (arguments.value(0) == QStringLiteral("--write-files")) {
        QCoreApplication app(argc, argv);
        const GeneratedFiles files = writeGeneratedFiles(arguments.value(1), arguments.value(2).toInt());
        out() << files.settingsFile << ' ' << files.ledgerFile << Qt::endl;
        return 0;
    }
    if (arguments.value(0) == QStringLiteral("--load-files")) {
        QCoreApplication app(argc, argv);
        for (int i = 0; i < 20; ++i) {
            LedgerModel model;
            loadFiles(model, arguments.value(1), arguments.value(2));
        }
        return 0;
    }
    if (arguments.value(0) == QStringLiteral("--save-files")) {
        QCoreApplication app(argc, argv);
        LedgerModel model;
        readSettingsFile(arguments.value(1), model);
        readLedgerFile(arguments.value(2), model);
        for (int i = 0; i < 5; ++i) {
            writeSettingsFile(arguments.value(1) + QStringLiteral(".saved"), model);
            writeLedgerFile(arguments.value(2) + QStringLiteral(".saved"), model);
        }
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    bool allPassed = true;

    out() << "Figures are medians of several runs; each baseline is measured in the same run." << Qt::endl;
    out() << "ads       MB    read ms  (bytes, lines)   write ms  (QFile once)  bytes kept" << Qt::endl;
    QList<FileTimes> sizes;
    // --quick leaves out the 100,000-ad ledger (and with it the growth line).
    const bool quick = arguments.contains(QStringLiteral("--quick"));
    for (const auto &[ads, runs] : {std::pair(100, 15), std::pair(1000, 11), std::pair(10000, 15), std::pair(100000, 3)}) {
        if (quick && ads == 100000)
            break;
        const FileTimes t = measureFiles(folder.path(), ads, runs);
        sizes << t;
        out() << QString::number(ads).leftJustified(7) << QString::number(t.bytes / 1e6, 'f', 2).rightJustified(7)
              << QString::number(t.readMs, 'f', 2).rightJustified(11) << QString::number(t.readBaselineMs, 'f', 2).rightJustified(16)
              << QString::number(t.writeMs, 'f', 2).rightJustified(11) << QString::number(t.writeBaselineMs, 'f', 2).rightJustified(14)
              << (t.sameBytes ? "  yes" : "  NO: the files changed") << Qt::endl;
        allPassed = allPassed && t.sameBytes;
    }
    const FileTimes &small = sizes.at(1);
    const FileTimes &large = sizes.last();
    const double bytesGrowth = double(large.bytes) / small.bytes;
    if (!quick)
        out() << QString("growth from 1,000 to 100,000 ads: bytes %1x, read %2x, write %3x (linear: about the bytes' growth)")
                 .arg(bytesGrowth, 0, 'f', 1)
                 .arg(large.readMs / small.readMs, 0, 'f', 1)
                 .arg(large.writeMs / small.writeMs, 0, 'f', 1)
              << Qt::endl;
    out() << Qt::endl;

    const FileTimes &t = sizes.at(2);
    const QString sizeText = QString::number(t.bytes / 1e6, 'f', 1) + " MB";
    row("read both files into the model (10,000 ads, " + sizeText + ")", ms(t.readMs), ms(t.readBaselineMs),
        t.readMs / t.readBaselineMs, 4, &allPassed);
    row("write both files through the safe save (10,000 ads)", ms(t.writeMs), ms(t.writeBaselineMs),
        t.writeMs / t.writeBaselineMs, 3, &allPassed);

    const GeneratedFiles startFiles = writeGeneratedFiles(folder.path(), 500);
    const auto [programMs, bareMs] = startupMs(startFiles.ledgerFile, 11);
    row("start with a 500-ad ledger until the window is shown", ms(programMs), ms(bareMs), programMs / bareMs, 1.3,
        &allPassed);

    const GeneratedFiles memoryFiles = writeGeneratedFiles(folder.path(), 10000);
    const qint64 loaded = childPeakBytes({memoryFiles.settingsFile, memoryFiles.ledgerFile});
    const qint64 bare = childPeakBytes({});
    row("peak memory of the loaded 10,000-ad ledger, above bare", QString::number((loaded - bare) / 1e6, 'f', 1) + " MB",
        QString::number(memoryFiles.bytes / 1e6, 'f', 1) + " MB", double(loaded - bare) / memoryFiles.bytes, 4,
        &allPassed);

    measureGrid(20); // warm up
    const GridTiming few = measureGrid(20);
    const GridTiming many = measureGrid(10000);
    const double monthRatio = many.monthSwitchUs / few.monthSwitchUs;
    const double scrollRatio = many.scrollUs / few.scrollUs;
    row("month switch, 10,000 ads against 20", QString::number(many.monthSwitchUs, 'f', 0) + " us",
        QString::number(few.monthSwitchUs, 'f', 0) + " us", monthRatio, 2, &allPassed);
    row("page scroll, 10,000 ads against 20", QString::number(many.scrollUs, 'f', 0) + " us",
        QString::number(few.scrollUs, 'f', 0) + " us", scrollRatio, 2, &allPassed);

    out() << (allPassed ? "every row PASS" : "some rows FAIL") << Qt::endl;
    return allPassed ? 0 : 1;
}
