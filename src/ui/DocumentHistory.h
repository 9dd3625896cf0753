#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QUndoStack>

class QKeyEvent;
class QUndoCommand;

namespace qm {

class LedgerDocument;

// The history of the user's edits of a document's ledger, for undo and redo:
// the committed grid cells (each with the sale and commission it recomputed)
// and the changes of the advance ledgers. It records what the document
// reports as edited, so the windows keep changing the document as before.
//
// A change of the configuration or another ledger loaded starts the history
// anew. The state last loaded or saved is the clean one: stepping back (or
// forth) to it marks the ledger unchanged again.
class DocumentHistory : public QObject
{
    Q_OBJECT

public:
    explicit DocumentHistory(LedgerDocument &document, QObject *parent = nullptr);
    ~DocumentHistory() override;

    // The keys of the commands, wherever they are offered.
    static QList<QKeySequence> undoKeys();
    static QList<QKeySequence> redoKeys();
    static bool isUndoKey(const QKeyEvent *key);
    static bool isRedoKey(const QKeyEvent *key);

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    // The next undo or redo is a change of the advances.
    bool canUndoAdvances() const;
    bool canRedoAdvances() const;
    // How many edits there are to undo and to redo together.
    int count() const { return m_stack.count(); }

    // Each announces what it put back (rowRestored or advancesRestored); false
    // when there was nothing to do.
    bool undo();
    bool redo();
    // Forgets every edit. When the document holds unsaved changes, no state of
    // the history is the saved one any more.
    void clear();

signals:
    // An undo or redo put back the row of an ad in an issue; `column` is the one edited.
    void rowRestored(int issue, int ad, int column);
    void advancesRestored(int slot);
    // Whether there is something to undo or redo may have turned.
    void stepsChanged();

private:
    void announce(const QUndoCommand *command);

    LedgerDocument &m_document;
    QUndoStack m_stack;
    bool m_clearing = false;
};

} // namespace qm
