#include "ui/AdvancesEditCommand.h"

#include "core/LedgerDocument.h"

#include <QCoreApplication>

namespace qm {

AdvancesEditCommand::AdvancesEditCommand(LedgerDocument &document, int slot, const AdvanceLedger &before,
                                         const AdvanceLedger &after)
    : m_document(document), m_slot(slot), m_before(before), m_after(after)
{
    setText(QCoreApplication::translate("DocumentHistory", "Advances change"));
}

void AdvancesEditCommand::putBack() { m_document.restoreAdvanceLedger(m_slot, m_before); }

void AdvancesEditCommand::putAgain() { m_document.restoreAdvanceLedger(m_slot, m_after); }

} // namespace qm
