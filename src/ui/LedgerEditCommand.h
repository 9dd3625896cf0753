#pragma once

#include <QUndoCommand>

namespace qm {

// An edit of the ledger that the document has already made when the command
// is pushed: the push's redo() does nothing; later, undo() puts back what was
// there before and redo() makes the edit again (see putBack and putAgain).
class LedgerEditCommand : public QUndoCommand
{
public:
    void undo() final { putBack(); }
    void redo() final;

protected:
    virtual void putBack() = 0;
    virtual void putAgain() = 0;

private:
    bool m_pushed = false;
};

} // namespace qm
