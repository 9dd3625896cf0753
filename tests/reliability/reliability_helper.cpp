// A stand-in for a running copy of the program, for the reliability tests:
//
//   reliability_helper save-loop LEDGER.qmr   loads the ledger pair, then flips it
//                                             between two known states and saves
//                                             both files, over and over, until killed
//   reliability_helper hold-lock LEDGER.qmr   takes the ledger's lock and holds it
//                                             until its standard input closes
//
// Each prints one line once it is ready. The save loop stops by itself after a
// minute, the lock holder when the test that started it goes away, so neither
// outlives its test.

#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "core/year/LedgerLock.h"
#include "core/LedgerModel.h"
#include "RandomLedger.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using namespace qm;

namespace {

constexpr int kLifetimeMs = 60 * 1000;

void say(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int saveLoop(const QString &ledgerFile)
{
    const QString settingsFile = testing::settingsPathFor(ledgerFile);
    LedgerModel model;
    const FileResult settings = readSettingsFile(settingsFile, model);
    const FileResult ledger = readLedgerFile(ledgerFile, model);
    if (!settings.ok || settings.damaged || !ledger.ok || ledger.damaged || model.adCount() == 0) {
        say("unreadable");
        return 2;
    }
    say("ready");
    const QDeadlineTimer lifetime(kLifetimeMs);
    while (!lifetime.hasExpired()) {
        testing::flipState(model);
        if (!writeSettingsFile(settingsFile, model).ok || !writeLedgerFile(ledgerFile, model).ok) {
            say("save failed");
            return 3;
        }
    }
    return 0;
}

int holdLock(const QString &ledgerFile)
{
    LedgerLock lock(ledgerFile);
    if (lock.acquire() != LockOutcome::Acquired || !lock.isLocked()) {
        say("not locked");
        return 2;
    }
    say("locked");
    // Holds the lock until the test closes our standard input.
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 3;
    while (!in.readLine().isEmpty()) {
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("save-loop"))
        return saveLoop(args.at(2));
    if (args.size() == 3 && args.at(1) == QLatin1String("hold-lock"))
        return holdLock(args.at(2));
    QTextStream(stderr) << "usage: reliability_helper save-loop|hold-lock LEDGER.qmr\n";
    return 1;
}
