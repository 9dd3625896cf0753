#pragma once

#include "core/LedgerModel.h"
#include "core/rules/SaleComputation.h"

#include <QString>

#include <functional>

namespace qm {

// The edit of one grid cell as it closes.
struct CellEdit
{
    int publication = 1;     // the shown publication
    int issue = 1;           // the shown issue
    int ad = 1;              // the ad of the edited row
    int column = 2;          // 2..10
    QString oldText;         // the cell's text when the edit began
    QString newText;         // what the editor holds now
    bool sizePicked = false; // a size was chosen in the size pulldown since the last commit
};

// Asked before a typed sale or commission replaces a different computed value;
// true lets it through.
using OverrideQuestion = std::function<bool()>;

enum class CommitOutcome {
    Unchanged, // the text was the old one: nothing written
    Stored,    // written, and the row's sale and commission recomputed
    Refused,   // the user kept the computed value: the cell and the changed flag are as before
};

// Writes an edited cell into the ledger and recomputes its row. The caller has
// already checked that the edit belongs to the issue still shown and that the
// grid is in edit mode.
CommitOutcome commitCellEdit(LedgerModel &model, const CellEdit &edit, const OverrideQuestion &allowOverride);

// The row of an ad in an issue as the sale computation reads it (column 1: the ad's name).
RowTexts ledgerRow(const LedgerModel &model, int issue, int ad);

// Asked before an ad's data is removed, with the ad's name; true removes it.
using RemoveQuestion = std::function<bool(const QString &adName)>;

// Empties columns 2..10 of the ad in one issue (the other issues keep theirs) once
// the question is answered yes; false when it was not.
bool removeAdData(LedgerModel &model, int issue, int ad, const RemoveQuestion &confirm);

// Index 1..4 of the pickup code of a status text ("P/U Fen": 2), 0 when it names none.
int pickupIndexOf(const QString &statusText);

} // namespace qm
