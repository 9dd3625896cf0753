#include "ConfigureDialog.h"

#include "LedgerModel.h"

namespace qm {

void openConfigureDialog(LedgerModel &model, const QString &helpFile, QWidget *parent)
{
    Q_UNUSED(model);
    Q_UNUSED(helpFile);
    Q_UNUSED(parent);
}

} // namespace qm
