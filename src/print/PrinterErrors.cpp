#include "print/PrinterErrors.h"

#include "core/Messages.h"

namespace qm {

void showPrinterError(PrinterError error)
{
    QString text;
    switch (error) {
    case PrinterError::Document:
        text = QStringLiteral("Document printing error");
        break;
    case PrinterError::Page:
        text = QStringLiteral("Page printing error");
        break;
    case PrinterError::Other:
        text = QStringLiteral("Unspecified printer error");
        break;
    }
    showMessage(text, QStringLiteral("Printer Error"), MessageButtons::Ok, MessageIcon::Error);
}

} // namespace qm
