#include "ui/DocumentHistory.h"

#include "core/LedgerDocument.h"
#include "ui/AdvancesEditCommand.h"
#include "ui/RowEditCommand.h"

#include <QKeyEvent>

namespace qm {

namespace {

bool matchesAny(const QKeyEvent *key, const QList<QKeySequence> &keys)
{
    const QKeySequence typed(key->keyCombination());
    for (const QKeySequence &sequence : keys) {
        if (sequence.matches(typed) == QKeySequence::ExactMatch)
            return true;
    }
    return false;
}

} // namespace

DocumentHistory::DocumentHistory(LedgerDocument &document, QObject *parent)
    : QObject(parent), m_document(document)
{
    connect(&document, &LedgerDocument::rowEdited, this,
            [this](const RowSnapshot &before, const RowSnapshot &after, int column) {
                m_stack.push(new RowEditCommand(m_document, before, after, column));
            });
    connect(&document, &LedgerDocument::advancesEdited, this,
            [this](int slot, const AdvanceLedger &before, const AdvanceLedger &after) {
                m_stack.push(new AdvancesEditCommand(m_document, slot, before, after));
            });
    // Rows and ledgers of the history may belong to ads or people that moved.
    connect(&document, &LedgerDocument::configurationChanged, this, &DocumentHistory::clear);
    connect(&document, &LedgerDocument::loaded, this, &DocumentHistory::clear);
    connect(&document, &LedgerDocument::saved, &m_stack, &QUndoStack::setClean);
    connect(&m_stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean && !m_clearing)
            m_document.markLedgerUnchanged();
    });
    connect(&m_stack, &QUndoStack::indexChanged, this, &DocumentHistory::stepsChanged);
}

// The stack empties itself as it goes: nobody is to hear of that.
DocumentHistory::~DocumentHistory() { m_stack.blockSignals(true); }

QList<QKeySequence> DocumentHistory::undoKeys() { return {QKeySequence(Qt::CTRL | Qt::Key_Z)}; }

QList<QKeySequence> DocumentHistory::redoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
}

bool DocumentHistory::isUndoKey(const QKeyEvent *key) { return matchesAny(key, undoKeys()); }

bool DocumentHistory::isRedoKey(const QKeyEvent *key) { return matchesAny(key, redoKeys()); }

bool DocumentHistory::canUndoAdvances() const
{
    return canUndo() && dynamic_cast<const AdvancesEditCommand *>(m_stack.command(m_stack.index() - 1));
}

bool DocumentHistory::canRedoAdvances() const
{
    return canRedo() && dynamic_cast<const AdvancesEditCommand *>(m_stack.command(m_stack.index()));
}

bool DocumentHistory::undo()
{
    if (!canUndo())
        return false;
    const QUndoCommand *command = m_stack.command(m_stack.index() - 1);
    m_stack.undo();
    announce(command);
    return true;
}

bool DocumentHistory::redo()
{
    if (!canRedo())
        return false;
    const QUndoCommand *command = m_stack.command(m_stack.index());
    m_stack.redo();
    announce(command);
    return true;
}

void DocumentHistory::announce(const QUndoCommand *command)
{
    if (const auto *row = dynamic_cast<const RowEditCommand *>(command))
        emit rowRestored(row->issue(), row->ad(), row->column());
    else if (const auto *advances = dynamic_cast<const AdvancesEditCommand *>(command))
        emit advancesRestored(advances->slot());
}

void DocumentHistory::clear()
{
    // Emptying the stack makes it clean, which here says nothing about the files.
    m_clearing = true;
    m_stack.clear();
    if (m_document.isChanged())
        m_stack.resetClean();
    m_clearing = false;
    emit stepsChanged();
}

} // namespace qm
