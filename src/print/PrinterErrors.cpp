#include "print/PrinterErrors.h"

#include "core/Messages.h"

#include <QCoreApplication>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PrinterErrors)
};

} // namespace

void showPrinterError(PrinterError error)
{
    QString text;
    switch (error) {
    case PrinterError::Document:
        text = Text::tr("Document printing error");
        break;
    case PrinterError::Page:
        text = Text::tr("Page printing error");
        break;
    case PrinterError::Other:
        text = Text::tr("Unspecified printer error");
        break;
    }
    showMessage(text, Text::tr("Printer Error"), MessageButtons::Ok, MessageIcon::Error);
}

} // namespace qm
