#pragma once

#include "core/RowSnapshot.h"
#include "ui/LedgerEditCommand.h"

namespace qm {

class LedgerDocument;

// An edit of one ad's row in one issue, already made in the document when the
// command is pushed: undo puts the row back as it was, redo as the edit left it.
class RowEditCommand : public LedgerEditCommand
{
public:
    RowEditCommand(LedgerDocument &document, const RowSnapshot &before, const RowSnapshot &after, int column);

    int issue() const { return m_before.issue; }
    int ad() const { return m_before.ad; }
    int column() const { return m_column; }

protected:
    void putBack() override;
    void putAgain() override;

private:
    LedgerDocument &m_document;
    RowSnapshot m_before;
    RowSnapshot m_after;
    int m_column;
};

} // namespace qm
