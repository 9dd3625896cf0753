// Measures how the program's work grows with the ledger and compares each
// figure with a baseline measured in the same run; one line per target.
//
//   qm_bench [--quick]                    runs every measurement and prints the table
//   qm_bench --peak-memory [INI QMR]      (child) loads the files, prints its peak memory
//   qm_bench --write-files FOLDER ADS     writes a generated ledger there (for a profiler)
//   qm_bench --load-files INI QMR         (for a profiler) loads the files 20 times
//   qm_bench --save-files INI QMR         (for a profiler) loads the files and saves them beside
#include "BenchTable.h"
#include "FileRows.h"
#include "GridTiming.h"
#include "ViewTiming.h"
#include "LedgerGenerator.h"
#include "Measure.h"
#include "OutputRows.h"
#include "StartupRows.h"
#include "UndoRows.h"

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

QString number(double value, int decimals) { return QString::number(value, 'f', decimals); }

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
    BenchTable table;
    // --quick leaves out the 100,000-ad ledger (and with it the growth lines).
    const bool quick = arguments.contains(QStringLiteral("--quick"));
    const QList<std::pair<int, int>> sizes = {{1000, 11}, {10000, 15}, {100000, 3}};

    out() << "Figures are medians of several runs; each floor is measured in the same run." << Qt::endl;
    out() << "ads       MB    read ms  (bytes, lines)    save ms  (QSaveFile)  (QFile)  bytes kept" << Qt::endl;
    QList<FileTimes> files;
    for (const auto &[ads, runs] : sizes) {
        if (quick && ads == 100000)
            break;
        const FileTimes t = measureFiles(folder.path(), ads, runs);
        files << t;
        out() << QString::number(ads).leftJustified(7) << number(t.bytes / 1e6, 2).rightJustified(7)
              << number(t.readMs, 2).rightJustified(11) << number(t.readFloorMs, 2).rightJustified(16)
              << number(t.saveMs, 2).rightJustified(11) << number(t.saveFloorMs, 2).rightJustified(13)
              << number(t.plainWriteMs, 2).rightJustified(9) << (t.sameBytes ? "  yes" : "  NO") << Qt::endl;
        if (!t.sameBytes)
            table.fail(QStringLiteral("the save of %1 ads changed the files' bytes").arg(ads));
    }
    out() << Qt::endl << "ads     report ms (floor)   run sheet ms (floor)   export ms (floor)   check ms (floor)"
          << Qt::endl;
    QList<OutputTimes> outputs;
    for (const auto &[ads, runs] : sizes) {
        if (quick && ads == 100000)
            break;
        const OutputTimes t = measureOutputs(folder.path(), ads, ads == 100000 ? 3 : 7);
        outputs << t;
        auto pair = [](double figure, double floor, int width) {
            return (number(figure, 1) + " (" + number(floor, 1) + ")").rightJustified(width);
        };
        out() << QString::number(ads).leftJustified(7) << pair(t.reportMs, t.reportFloorMs, 18)
              << pair(t.runSheetMs, t.runSheetFloorMs, 23) << pair(t.exportMs, t.exportFloorMs, 20)
              << pair(t.checkMs, t.checkFloorMs, 19) << Qt::endl;
    }
    out() << Qt::endl;

    const FileTimes &t = files.at(1);
    const QString sizeText = number(t.bytes / 1e6, 1) + " MB";
    table.target("read both files (10,000 ads, " + sizeText + "), aim 3x", ms(t.readMs), ms(t.readFloorMs),
                 t.readMs / t.readFloorMs, 4);
    table.target("save both files (10,000 ads) against QSaveFile", ms(t.saveMs), ms(t.saveFloorMs),
                 t.saveMs / t.saveFloorMs, 1.5);
    table.info("save both files (10,000 ads) against a plain QFile", ms(t.saveMs), ms(t.plainWriteMs),
               t.saveMs / t.plainWriteMs);

    for (const auto &[ads, limit] : {std::pair(500, 1.3), std::pair(10000, 1.6)}) {
        const GeneratedFiles startFiles = writeGeneratedFiles(folder.path(), ads);
        const StartupTimes start = measureStartup(startFiles.ledgerFile, 11);
        table.target(QStringLiteral("start with %1 ads until shown (%2), against one text line")
                         .arg(ads)
                         .arg(startupPlatform()),
                     ms(start.programMs), ms(start.textWindowMs), start.programMs / start.textWindowMs, limit);
        if (ads == 500)
            table.info("start with 500 ads until shown, against an empty window", ms(start.programMs),
                       ms(start.emptyWindowMs), start.programMs / start.emptyWindowMs);
    }

    const GeneratedFiles memoryFiles = writeGeneratedFiles(folder.path(), 10000);
    const qint64 loaded = childPeakBytes({memoryFiles.settingsFile, memoryFiles.ledgerFile});
    const qint64 bare = childPeakBytes({});
    table.target("peak memory of the loaded 10,000 ads, above bare", number((loaded - bare) / 1e6, 1) + " MB",
                 number(memoryFiles.bytes / 1e6, 1) + " MB", double(loaded - bare) / memoryFiles.bytes, 4);

    const OutputTimes &o = outputs.at(1);
    table.target("year-to-date tables (10,000 ads), against summing cells", ms(o.reportMs), ms(o.reportFloorMs),
                 o.reportMs / o.reportFloorMs, 3);
    table.target("run sheet to PDF (10,000 ads), against QPdfWriter", ms(o.runSheetMs), ms(o.runSheetFloorMs),
                 o.runSheetMs / o.runSheetFloorMs, 1.5);
    table.target("--export-csv (10,000 ads), against reading the pair and writing its bytes", ms(o.exportMs), ms(o.exportFloorMs),
                 o.exportMs / o.exportFloorMs, 2);
    table.target("--check (10,000 ads), against reading the bytes", ms(o.checkMs), ms(o.checkFloorMs),
                 o.checkMs / o.checkFloorMs, 4);

    measureGrid(20); // warm up
    const GridTiming few = measureGrid(20);
    const GridTiming many = measureGrid(10000);
    table.target("month switch, 10,000 ads against 20", number(many.monthSwitchUs, 0) + " us",
                 number(few.monthSwitchUs, 0) + " us", many.monthSwitchUs / few.monthSwitchUs, 2);
    table.target("page scroll, 10,000 ads against 20", number(many.scrollUs, 0) + " us",
                 number(few.scrollUs, 0) + " us", many.scrollUs / few.scrollUs, 2);

    const ViewTiming views = measureViews(10000);
    for (const auto &[view, figure] : {std::pair("commission", views.commissionsMs), std::pair("owed", views.owedMs),
                                       std::pair("chart", views.chartMs)}) {
        table.target(QStringLiteral("open the %1 view (10,000 ads), against the sales view").arg(view), ms(figure),
                     ms(views.salesMs), figure / views.salesMs, 2);
    }

    // Linear: ten times the changes take no more than half again ten times as long.
    measureUndoMs(100, 3); // warm up
    const double undoFew = measureUndoMs(100, 15);
    const double undoMany = measureUndoMs(1000, 15);
    table.target("undo of 1,000 cell changes, growth from 100", number(undoMany / undoFew, 1) + "x",
                 number(10, 1) + "x", undoMany / undoFew / 10, 1.5);

    if (!quick) {
        // Linear: each figure grows no faster than half again the ledger's bytes.
        const double bytesGrowth = double(files.last().bytes) / files.first().bytes;
        const QList<std::pair<QString, std::pair<double, double>>> growth = {
            {"read", {files.first().readMs, files.last().readMs}},
            {"save", {files.first().saveMs, files.last().saveMs}},
            {"year-to-date tables", {outputs.first().reportMs, outputs.last().reportMs}},
            {"run sheet to PDF", {outputs.first().runSheetMs, outputs.last().runSheetMs}},
            {"--export-csv", {outputs.first().exportMs, outputs.last().exportMs}},
            {"--check", {outputs.first().checkMs, outputs.last().checkMs}},
        };
        for (const auto &[work, times] : growth) {
            table.target(QStringLiteral("growth of %1 from 1,000 to 100,000 ads").arg(work),
                         number(times.second / times.first, 1) + "x", number(bytesGrowth, 1) + "x",
                         times.second / times.first / bytesGrowth, 1.5);
        }
    }

    out() << (table.allPassed() ? "every row PASS" : "some rows FAIL") << Qt::endl;
    return table.allPassed() ? 0 : 1;
}
