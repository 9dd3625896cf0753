#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace qm {

class DocumentHistory;

// Undo and redo in the advances dialog, with the main window's keys: they
// step through the history only while its next step is a change of the
// advances, so that nothing changes in the dialog that it does not show.
class AdvancesHistoryActions : public QObject
{
    Q_OBJECT

public:
    AdvancesHistoryActions(DocumentHistory &history, QWidget *dialog);

    QAction *undo() const { return m_undo; }
    QAction *redo() const { return m_redo; }

private:
    void updateEnabled();

    DocumentHistory &m_history;
    QAction *m_undo;
    QAction *m_redo;
};

} // namespace qm
