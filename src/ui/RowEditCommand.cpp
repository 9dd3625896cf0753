#include "ui/RowEditCommand.h"

#include "core/LedgerDocument.h"

#include <QCoreApplication>

namespace qm {

RowEditCommand::RowEditCommand(LedgerDocument &document, const RowSnapshot &before, const RowSnapshot &after,
                               int column)
    : m_document(document), m_before(before), m_after(after), m_column(column)
{
    setText(QCoreApplication::translate("DocumentHistory", "Cell change"));
}

void RowEditCommand::putBack() { m_document.restoreRow(m_before); }

void RowEditCommand::putAgain() { m_document.restoreRow(m_after); }

} // namespace qm
