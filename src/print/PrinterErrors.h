#pragma once

namespace qm {

enum class PrinterError { Document, Page, Other };

// "Document printing error", "Page printing error" or "Unspecified printer
// error", under the caption "Printer Error".
void showPrinterError(PrinterError error);

} // namespace qm
