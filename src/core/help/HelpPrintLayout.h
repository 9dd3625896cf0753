#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace qm {

// How a help topic's text is laid out on paper, apart from the printer.

// The lines of a body, split at each line break; a break at the very end
// starts no further line, and a last line of any length is kept.
QStringList helpPrintLines(const QString &body);

// Tabs expanded to stops every 8 columns: each piece before a tab is followed
// by 1 to 8 blanks up to the next multiple of 8.
QString expandHelpTabs(const QString &line);

// Cuts a line that is too wide into pieces. `fit` gives the longest beginning
// of a text that fits the line width (the whole text when it fits). A piece
// ends after the last separator of " -,;:.()[]{}<>~/|\=" in the beginning that
// fits, except that an opening bracket of "([{<" starts the next piece; a
// beginning without a separator is cut at the width. Pieces come with blanks
// at both ends removed; a line that fits is one piece, kept as it is.
QStringList wrapHelpLine(const QString &line, const std::function<QString(const QString &)> &fit);

} // namespace qm
