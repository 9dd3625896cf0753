#include "app/CommandLine.h"

#include "core/LedgerModel.h"
#include "core/Version.h"
#include "core/year/FileCheck.h"
#include "core/year/LedgerExport.h"
#include "core/year/Startup.h"
#include "ui/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

namespace qm {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString kProgramName = QStringLiteral("QuillmoorAds");

// The options Qt's application object takes for itself.
bool isQtWindowOption(QString name)
{
    static const QStringList names = {
        "platform", "platformpluginpath", "platformtheme", "plugin",   "qwindowgeometry", "qwindowicon",
        "qwindowtitle", "reverse",        "session",       "display",  "geometry",        "style",
        "stylesheet", "widgetcount",      "nograb",        "dograb",   "sync",            "name",
        "title",      "visual",           "ncols",         "cmap",     "qmljsdebugger",   "fn",
        "font",       "bg",               "background",    "fg",       "foreground",      "btn",
        "button",     "im",               "inputstyle"};
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    name = name.section(u'=', 0, 0);
    return names.contains(name);
}

void print(FILE *stream, const QString &text)
{
    if (text.isEmpty())
        return;
    QTextStream out(stream);
    out << text;
    if (!text.endsWith(u'\n'))
        out << '\n';
}

CommandLineRequest done(int exitCode, const QString &output, const QString &error = QString())
{
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::Done;
    request.exitCode = exitCode;
    request.output = output;
    request.error = error;
    return request;
}

CommandLineRequest usageError(const QString &message)
{
    return done(2, QString(),
                Text::tr("%1: %2\nTry '%1 --help' for more information.").arg(kProgramName, message));
}

int check(const FileChoice &files)
{
    LedgerModel model;
    const FileReport report = checkFiles(model, files.settingsFile, files.ledgerFile);
    print(stdout, report.text());
    return report.clean() ? 0 : 1;
}

int exportCsv(const FileChoice &files, const QString &csvFile)
{
    const LedgerExport exported = exportLedgerCsv(files.settingsFile, files.ledgerFile, csvFile);
    print(exported.ok ? stdout : stderr, exported.ok ? exported.report : exported.error);
    return exported.ok ? 0 : 1;
}

} // namespace

CommandLineRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr("Quillmoor Ad Sales keeps one year's ledger of advertising sales.\n"
                       "Without options it opens the ledger in its window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption checkOption(QStringLiteral("check"),
                                         Text::tr("Reads the ledger and its settings file as start-up does, "
                                                        "prints what it found and writes nothing. Exit status 0 "
                                                        "when the files are sound, 1 otherwise."));
    const QCommandLineOption exportOption(
        QStringLiteral("export-csv"),
        Text::tr("Writes the ledger to <file> as CSV (one row per issue and ad that holds anything) and the "
                       "advances beside it with \"_advances\" before the extension, and what is owed (sales above "
                       "their paid amounts, the sales people's commissions and advances) with \"_owed\"."),
        QStringLiteral("file"));
    QCommandLineOption quitOption(QStringLiteral("quit-when-shown"),
                                  Text::tr("Ends the program as soon as its window is shown."));
    quitOption.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption documentsOption(
        QStringLiteral("documents-folder"),
        Text::tr("Without a ledger named: works on the default pair in the folder \"Quillmoor Ads\" of "
                       "your documents folder (made when missing) instead of the working folder; printouts "
                       "to PDF go there too. The menu entry starts the program this way."));
    parser.addOption(checkOption);
    parser.addOption(exportOption);
    parser.addOption(quitOption);
    parser.addOption(documentsOption);
    parser.addPositionalArgument(QStringLiteral("ledger"),
                                 Text::tr("The ledger file (.qmr); its settings file (.ini) lies beside "
                                                "it. Without it: QuillmoorAds.qmr and .ini in the working folder. "
                                                "Any further files named are ignored; a name that begins with "
                                                "\"-\" goes after \"--\"."),
                                 QStringLiteral("[LEDGER.qmr]"));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return done(0, parser.helpText());
    if (parser.isSet(version))
        return done(0, Text::tr("Quillmoor Ad Sales %1").arg(kVersion));
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(checkOption) && parser.isSet(exportOption))
        return usageError(Text::tr("--check and --export-csv cannot be used together."));

    CommandLineRequest request;
    // The first argument is the ledger file; any after it are ignored, as the
    // program has always done, but not without a word.
    request.ledgerFile = positional.value(0);
    if (positional.size() > 1) {
        request.note = Text::tr("%1: only the first ledger file named is used (%2); ignored: %3")
                           .arg(kProgramName, positional.first(), positional.mid(1).join(Text::tr(" ")));
    }
    request.quitWhenShown = parser.isSet(quitOption);
    request.documentsFolder = parser.isSet(documentsOption);
    if (parser.isSet(checkOption)) {
        request.action = CommandLineRequest::Action::Check;
    } else if (parser.isSet(exportOption)) {
        request.action = CommandLineRequest::Action::ExportCsv;
        request.csvFile = parser.value(exportOption);
        if (request.csvFile.isEmpty())
            return usageError(Text::tr("--export-csv needs the name of the CSV file to write."));
    }
    return request;
}

bool runsWithoutWindow(int argc, char **argv)
{
    static const QStringList qtFlags = {"reverse", "nograb", "dograb", "sync"};
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == Text::tr("--"))
            break; // only file names follow, even those that begin with "-"
        if (argument == Text::tr("--quit-when-shown") || argument == Text::tr("--documents-folder"))
            continue; // an option of the window's own
        if (argument.size() < 2 || !argument.startsWith(u'-'))
            continue; // a file name: the first is the ledger, the rest are ignored
        if (!isQtWindowOption(argument))
            return true;
        if (!argument.contains(u'=') && !qtFlags.contains(argument.section(u'-', -1)))
            ++i; // the Qt option's value
    }
    return false;
}

StartFiles startFiles(const CommandLineRequest &request, const QString &programPath)
{
    if (!request.documentsFolder)
        return {chooseFiles({programPath, request.ledgerFile}, programPath), QString()};
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder =
        documents.isEmpty() ? QString() : QDir(documents).filePath(QStringLiteral("Quillmoor Ads"));
    StartFiles start{chooseFiles({programPath, request.ledgerFile}, programPath, folder), folder};
    if (start.files.error.isEmpty() && (folder.isEmpty() || !QDir().mkpath(folder))) {
        start.files.error = Text::tr("The folder \"Quillmoor Ads\" could not be made in your documents "
                                           "folder (%1).\n\nQuillmoor Ad Sales ends without opening or changing "
                                           "any file.")
                                .arg(QDir::toNativeSeparators(documents));
    }
    return start;
}

void printNote(const CommandLineRequest &request) { print(stderr, request.note); }

int runRequest(const CommandLineRequest &request, const QString &programPath)
{
    printNote(request);
    if (request.action == CommandLineRequest::Action::Done || request.action == CommandLineRequest::Action::Open) {
        print(stdout, request.output);
        print(stderr, request.error);
        return request.exitCode;
    }
    const FileChoice files = startFiles(request, programPath).files;
    if (!files.error.isEmpty()) {
        print(stderr, files.error);
        return 2;
    }
    if (request.action == CommandLineRequest::Action::Check)
        return check(files);
    return exportCsv(files, request.csvFile);
}

int runWithoutWindow(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    QCoreApplication::setApplicationName(kProgramName);
    QCoreApplication::setApplicationVersion(kVersion);
    return runRequest(parseCommandLine(QCoreApplication::arguments()), QCoreApplication::applicationFilePath());
}

} // namespace qm
