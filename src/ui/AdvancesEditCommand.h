#pragma once

#include "core/LedgerModel.h"
#include "ui/LedgerEditCommand.h"

namespace qm {

class LedgerDocument;

// An entry added, replaced or deleted, or entries cleared, in the advance
// ledger of a slot, already made in the document when the command is pushed:
// undo puts the ledger back as it was, redo as the edit left it.
class AdvancesEditCommand : public LedgerEditCommand
{
public:
    AdvancesEditCommand(LedgerDocument &document, int slot, const AdvanceLedger &before, const AdvanceLedger &after);

    int slot() const { return m_slot; }

protected:
    void putBack() override;
    void putAgain() override;

private:
    LedgerDocument &m_document;
    int m_slot;
    AdvanceLedger m_before;
    AdvanceLedger m_after;
};

} // namespace qm
