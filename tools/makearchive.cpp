// Puts a year's pair aside as the program's year-end archive does, for the
// sample's archive of last year in examples/:
//   makearchive LEDGER.qmr PROGRAM_FOLDER CURRENT_YEAR
// The settings file lies beside the ledger. The copies go into
// QuillmoorAds_Archive in PROGRAM_FOLDER, named with the year before
// CURRENT_YEAR, replacing copies of that name. The pair itself is not changed.
#include "core/LedgerModel.h"
#include "core/year/Archive.h"
#include "core/year/YearFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    bool yearOk = false;
    const int year = args.value(2).toInt(&yearOk);
    if (args.size() != 3 || !yearOk) {
        std::fprintf(stderr, "usage: makearchive LEDGER.qmr PROGRAM_FOLDER CURRENT_YEAR\n");
        return 2;
    }
    const QFileInfo ledger(args.at(0));
    const QString settings = ledger.dir().filePath(ledger.completeBaseName() + QStringLiteral(".ini"));
    qm::LedgerModel model;
    const QStringList warnings = qm::readFiles(model, settings, ledger.filePath()).warnings;
    if (!warnings.isEmpty() || model.adCount() == 0) {
        std::fprintf(stderr, "%s\n", qPrintable(warnings.join(QStringLiteral("\n"))));
        return 1;
    }
    const qm::ArchiveResult result = qm::archiveYear(model, {settings, ledger.filePath(), args.at(1)}, year,
                                                     [](const QString &) { return true; });
    std::printf("%s\n", qPrintable(result.message));
    return result.outcome == qm::ArchiveOutcome::Archived ? 0 : 1;
}
