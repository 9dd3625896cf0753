// Undo: the history's way back through the cell changes of a session, each
// putting back its row with its sale and commission.
#include "UndoRows.h"

#include "LedgerGenerator.h"
#include "Measure.h"

#include "core/LedgerDocument.h"
#include "core/rules/CellCommit.h"
#include "ui/DocumentHistory.h"

#include <memory>

namespace qm::bench {

namespace {

struct Session
{
    LedgerDocument document;
    DocumentHistory history{document};
};

// The Number cell of ad after ad in January, Corvel, each given a new count.
void makeChanges(Session &session, int changes)
{
    const LedgerModel &model = session.document.model();
    for (int i = 0; i < changes; ++i) {
        CellEdit edit;
        edit.ad = 1 + i % model.adCount();
        edit.column = ColNumber;
        edit.oldText = model.cell(1, ColNumber, edit.ad);
        edit.newText = QString::number(i + 1000);
        session.document.commitCell(edit, [] { return true; });
    }
}

} // namespace

double measureUndoMs(int changes, int runs)
{
    const LedgerModel ledger = generateLedger(1000);
    std::unique_ptr<Session> session;
    const auto prepare = [&] {
        session = std::make_unique<Session>();
        session->document.open(ledger, QString(), QString());
        makeChanges(*session, changes);
    };
    const auto work = [&] {
        while (session->history.undo()) {
        }
    };
    const double result = medianMs(runs, work, prepare);
    if (session->history.canUndo() || session->document.isChanged())
        qFatal("undo did not take the ledger back to the one loaded");
    return result;
}

} // namespace qm::bench
