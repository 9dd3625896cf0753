#pragma once

#include <QString>

class QWidget;

namespace qm {

// Prints a help topic through the print dialog: the underlined title and
// "Page n" at the top of every page, the text in 10-point Courier New with tabs
// every 8 columns and long lines wrapped at blanks and punctuation, two-sided
// where the printer can and the topic needs more than one page. Nothing
// happens for an empty body or when the dialog is cancelled.
void printHelpTopic(const QString &title, const QString &body, QWidget *parent = nullptr);

} // namespace qm
