#include "DataFiles.h"
#include "LedgerModel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString base = QFileInfo(app.applicationFilePath()).completeBaseName();
    const QString ledgerFile = args.size() > 1 ? args.at(1) : base + ".qmr";
    QString settingsFile = ledgerFile;
    settingsFile.replace(".qmr", ".ini");

    qm::LedgerModel model;
    QTextStream out(stdout);
    if (QFileInfo::exists(settingsFile)) {
        const auto settings = qm::readSettingsFile(settingsFile, model);
        if (!settings.message.isEmpty())
            out << settings.message << "\n";
        if (QFileInfo::exists(ledgerFile)) {
            const auto ledger = qm::readLedgerFile(ledgerFile, model);
            if (!ledger.message.isEmpty())
                out << ledger.message << "\n";
        }
    }
    out << "Settings: " << settingsFile << ", ledger: " << ledgerFile << "\n"
        << "Ads: " << model.adCount() << ", sales people: " << model.salesPeople.size()
        << ", year: " << model.ledgerYear << "\n";
    return 0;
}
