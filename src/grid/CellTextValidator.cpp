#include "grid/CellTextValidator.h"

#include "core/rules/CellInput.h"

namespace qm {

CellTextValidator::CellTextValidator(std::function<int()> editColumn, QObject *parent)
    : QValidator(parent), m_editColumn(std::move(editColumn))
{
}

QValidator::State CellTextValidator::validate(QString &input, int &) const
{
    if (input == m_accepted)
        return Acceptable;
    if (!acceptsCellEdit(m_editColumn(), m_accepted, input))
        return Invalid;
    m_accepted = input;
    return Acceptable;
}

} // namespace qm
