#pragma once

#include "print/PrintDevice.h"

#include <QString>

#include <memory>

class QWidget;

namespace qm {

// The one place where printing meets the user's printers: the print dialog and
// the default printer. The program uses the platform's print dialog; tests
// install a chooser that hands out PDF printers or recording devices.
class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;

    // Shows the print dialog; the chosen printer, or null when the user cancelled.
    // The document name names the PDF file offered where there is no printer.
    virtual std::unique_ptr<PrintDevice> choosePrinter(QWidget *parent, const QString &documentName) = 0;
    // The system's default printer; null when there is none.
    virtual std::unique_ptr<PrintDevice> defaultPrinter(const QString &documentName) = 0;
    // Every finished document passes here, as data.
    virtual void documentPrinted(const PrintedDocument &document) { (void)document; }
};

// The chooser in use: the installed one, else the platform's print dialog.
PrinterChooser &printerChooser();
// Installs a chooser (null: the print dialog again); returns the one installed before.
PrinterChooser *setPrinterChooser(PrinterChooser *chooser);

// The folder where the print dialog offers its PDF file when no printer is
// installed (the ledger's folder).
void setPrintFileFolder(const QString &folder);
// The PDF file offered for a document: "<folder>/<document name>.pdf".
QString printFileFor(const QString &documentName);

} // namespace qm
