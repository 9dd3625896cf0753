#pragma once

#include "core/year/Startup.h"

#include <QString>
#include <QStringList>

namespace qm {

// What the command line asks for.
struct CommandLineRequest
{
    enum class Action {
        Open,      // the main window on the ledger (today's meaning of the one argument)
        Check,     // --check: report on the pair, write nothing
        ExportCsv, // --export-csv OUT.csv: the ledger and the advances as CSV
        Done,      // --help, --version or a bad command line: print and end with exitCode
    };
    Action action = Action::Open;
    QString ledgerFile; // the positional argument; empty: the default pair
    QString csvFile;
    bool quitWhenShown = false; // --quit-when-shown: ends once the window is up (start-up timing)
    bool documentsFolder = false; // --documents-folder: the default pair in the user's documents folder
    int exitCode = 0;
    QString output; // for standard output
    QString error;  // for standard error
    QString note;   // for standard error whatever the action: the arguments that were ignored
};

// The pair the program works on and the folder its printouts go to (empty:
// the ledger's folder). With --documents-folder (the desktop entry's way of
// starting it) the default pair and the printouts are in the user's documents
// folder, "Quillmoor Ads" in it, made when missing; a ledger named still opens
// where it is. Without it the default pair is in the working folder.
struct StartFiles
{
    FileChoice files;
    QString printFolder;
};
StartFiles startFiles(const CommandLineRequest &request, const QString &programPath);

// Parses the arguments (the program first) with Qt's conventions.
CommandLineRequest parseCommandLine(const QStringList &arguments);

// True when the raw arguments ask for something that needs no window (help,
// version, check, export, or an option the program does not know): it must then
// run without a display. Qt's own window options (-platform, -style...) do not count.
bool runsWithoutWindow(int argc, char **argv);

// Prints the request's note, if any, on standard error.
void printNote(const CommandLineRequest &request);

// Does what the request asks without a window and returns the exit status:
// prints help, version or errors (status 2 for a bad command line), checks
// (0 clean, 1 otherwise) or exports (0 written, 1 not).
int runRequest(const CommandLineRequest &request, const QString &programPath);

// Creates the application object without a display and runs the command line.
int runWithoutWindow(int argc, char **argv);

} // namespace qm
