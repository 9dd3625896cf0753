#include "ui/HeadedTableItem.h"

#include <QCoreApplication>
#include <QTableWidget>

namespace qm {

namespace {

// The texts of this file that the user reads, for translation.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HeadedTableItem)
};

} // namespace

QString headedCellText(const QString &heading, const QString &value)
{
    return value.isEmpty() ? Text::tr("%1: empty").arg(heading) : Text::tr("%1: %2").arg(heading, value);
}

QVariant HeadedTableItem::data(int role) const
{
    const QVariant own = QTableWidgetItem::data(role);
    if (role != Qt::AccessibleTextRole || own.isValid())
        return own;
    const QString value = text().trimmed();
    const QTableWidget *table = tableWidget();
    const int at = table ? table->column(this) : -1;
    const QTableWidgetItem *header = at >= 0 ? table->horizontalHeaderItem(at) : nullptr;
    const QString heading = header ? header->text().trimmed() : QString();
    if (heading.isEmpty())
        return value;
    return headedCellText(heading, value);
}

QTableWidgetItem *HeadedTableItem::clone() const { return new HeadedTableItem(*this); }

} // namespace qm
