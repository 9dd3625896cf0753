#pragma once

#include "core/LedgerModel.h"

#include <Qt>

namespace qm {

// The kinds of editor the grid's columns have.
enum class EditorKind {
    None,     // the ad's name: never edited
    Number,   // a text box that takes digits (and a point in the money columns)
    Check,    // the colour: a text box without caret that toggles "c"
    Pulldown, // a list to choose from: sales person, size, status
};

// How a column's cells are written to the ledger's CSV export.
enum class CsvForm {
    Text,   // as it is
    Count,  // a whole number
    YesNo,  // "yes" when the cell holds anything, else "no"
    Amount, // money
};

// How the ledger grid shows and edits one of its columns, and how the CSV
// export writes it.
struct LedgerColumnInfo
{
    const char *heading;     // the grid's heading, untranslated: columnHeader() gives it as shown
    int width;               // pixels
    Qt::Alignment alignment; // of the heading and the cells
    EditorKind editor;
    const char *csvTitle;    // the column's title in the CSV export
    CsvForm csv;
};

// Column 1..10 (a LedgerColumn).
const LedgerColumnInfo &ledgerColumn(int column);

} // namespace qm
