#include "StartupRows.h"

#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>

namespace qm::bench {

namespace {

// On an X display when there is one: the window is then really mapped, as a
// user sees it; otherwise on Qt's offscreen platform.
QProcessEnvironment startupEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The program's own settings (recent files, window place) go to a folder
    // of the benchmark's, never to the user's.
    static QTemporaryDir settings;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    if (startupPlatform() == QStringLiteral("xcb"))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

// Wall time of a program from its start to its end, in milliseconds.
double runMs(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(startupEnvironment());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s did not end cleanly", qPrintable(program));
    return timer.nsecsElapsed() / 1e6;
}

double median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

QString startupPlatform()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") ? QStringLiteral("offscreen") : QStringLiteral("xcb");
}

StartupTimes measureStartup(const QString &ledgerFile, int runs)
{
    const QString program = QStringLiteral(QM_PROGRAM);
    const QString bare = QStringLiteral(QM_BARE_WINDOW);
    const QStringList programArguments = {QStringLiteral("--quit-when-shown"), ledgerFile};
    const QStringList text = {QStringLiteral("--text")};
    // Warm up: the files and libraries are in the cache for every timed run.
    runMs(program, programArguments);
    runMs(bare, text);
    runMs(bare, {});
    QList<double> programTimes, textTimes, emptyTimes;
    for (int i = 0; i < runs; ++i) {
        programTimes << runMs(program, programArguments);
        textTimes << runMs(bare, text);
        emptyTimes << runMs(bare, {});
    }
    return {median(programTimes), median(textTimes), median(emptyTimes)};
}

} // namespace qm::bench
