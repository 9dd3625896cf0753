#include "print/PrinterChooser.h"

#include "print/QtPrintDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PrinterChooser)
};

QString &fileFolder()
{
    static QString folder;
    return folder;
}

// Without an installed printer the dialog offers only its PDF file: that file
// goes into the ledger's folder, named after the document.
void offerFileWhereNoPrinter(QPrinter &printer, const QString &documentName)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFileFor(documentName));
}

class DialogPrinterChooser : public PrinterChooser
{
public:
    std::unique_ptr<PrintDevice> choosePrinter(QWidget *parent, const QString &documentName) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(documentName);
        offerFileWhereNoPrinter(*printer, documentName);
        QPrintDialog dialog(printer.get(), parent);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return std::make_unique<QtPrintDevice>(std::move(printer));
    }

    std::unique_ptr<PrintDevice> defaultPrinter(const QString &documentName) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(documentName);
        return std::make_unique<QtPrintDevice>(std::move(printer));
    }
};

PrinterChooser *&installed()
{
    static PrinterChooser *chooser = nullptr;
    return chooser;
}

} // namespace

PrinterChooser &printerChooser()
{
    static DialogPrinterChooser dialog;
    return installed() ? *installed() : dialog;
}

PrinterChooser *setPrinterChooser(PrinterChooser *chooser)
{
    PrinterChooser *previous = installed();
    installed() = chooser;
    return previous;
}

void setPrintFileFolder(const QString &folder)
{
    fileFolder() = folder;
}

QString printFileFor(const QString &documentName)
{
    QString name = documentName.trimmed();
    static const QString unsafe = QStringLiteral("\\/:*?\"<>|");
    for (QChar &c : name) {
        if (unsafe.contains(c) || c.unicode() < 0x20)
            c = u'_';
    }
    if (name.isEmpty())
        name = Text::tr("Quillmoor Ads");
    const QString folder = fileFolder().isEmpty() ? QDir::currentPath() : fileFolder();
    return QDir(folder).absoluteFilePath(name + QStringLiteral(".pdf"));
}

} // namespace qm
