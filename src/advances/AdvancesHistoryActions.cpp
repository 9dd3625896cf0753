#include "advances/AdvancesHistoryActions.h"

#include "ui/DocumentHistory.h"

#include <QAction>
#include <QWidget>

namespace qm {

AdvancesHistoryActions::AdvancesHistoryActions(DocumentHistory &history, QWidget *dialog)
    : QObject(dialog), m_history(history), m_undo(new QAction(tr("Undo"), dialog)),
      m_redo(new QAction(tr("Redo"), dialog))
{
    m_undo->setObjectName(QStringLiteral("UndoAction"));
    m_redo->setObjectName(QStringLiteral("RedoAction"));
    m_undo->setShortcuts(DocumentHistory::undoKeys());
    m_redo->setShortcuts(DocumentHistory::redoKeys());
    dialog->addAction(m_undo);
    dialog->addAction(m_redo);
    connect(m_undo, &QAction::triggered, this, [this] {
        if (m_history.canUndoAdvances())
            m_history.undo();
    });
    connect(m_redo, &QAction::triggered, this, [this] {
        if (m_history.canRedoAdvances())
            m_history.redo();
    });
    connect(&history, &DocumentHistory::stepsChanged, this, &AdvancesHistoryActions::updateEnabled);
    updateEnabled();
}

void AdvancesHistoryActions::updateEnabled()
{
    m_undo->setEnabled(m_history.canUndoAdvances());
    m_redo->setEnabled(m_history.canRedoAdvances());
}

} // namespace qm
