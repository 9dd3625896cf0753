// Reading and saving the two data files against what the disk alone costs.
#include "FileRows.h"

#include "LedgerGenerator.h"
#include "Measure.h"

#include "core/LedgerModel.h"
#include "core/year/YearFiles.h"

#include <QDateTime>
#include <QFile>

#include <optional>

namespace qm::bench {

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
    const QList<double> read = medianInTurnsMs(runs, {
        {[&] {
             if (!loadFiles(*model, files.settingsFile, files.ledgerFile).isEmpty())
                 qFatal("the generated files did not read cleanly");
         },
         [&] { model.emplace(); }},
        {[&] { lines += readAndCountLines({files.settingsFile, files.ledgerFile}); }},
    });
    t.readMs = read.at(0);
    t.readFloorMs = read.at(1);

    const QString settingsOut = folder + QStringLiteral("/out.ini");
    const QString ledgerOut = folder + QStringLiteral("/out.qmr");
    const std::pair<QString, QByteArray> written[] = {{settingsOut, settings}, {ledgerOut, ledger}};
    // The grid's save with both files changed: each through the safe save.
    auto save = [&] {
        model->settingsChanged = true;
        if (!saveFilesNow(*model, settingsOut, ledgerOut, QDateTime::currentDateTime()).ok())
            qFatal("the files could not be saved");
    };
    save();
    t.sameBytes = fileBytes(settingsOut) == settings && fileBytes(ledgerOut) == ledger;
    // Each starts from a quiet disk: none pays for another's writing.
    auto settle = [&] { settleFiles({settingsOut, ledgerOut}); };
    const QList<double> times = medianInTurnsMs(runs, {
        {save, settle},
        {[&] {
             for (const auto &[path, bytes] : written)
                 saveThroughQSaveFile(path, bytes);
         },
         settle},
        {[&] {
             for (const auto &[path, bytes] : written) {
                 QFile file(path);
                 file.open(QIODevice::WriteOnly | QIODevice::Truncate);
                 file.write(bytes);
             }
         },
         settle},
    });
    t.saveMs = times.at(0);
    t.saveFloorMs = times.at(1);
    t.plainWriteMs = times.at(2);
    settle(); // nothing of this is left for the disk to write during the later rows
    return t;
}

} // namespace qm::bench
