#include "ui/LedgerEditCommand.h"

namespace qm {

void LedgerEditCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    putAgain();
}

} // namespace qm
