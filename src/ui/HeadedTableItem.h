#pragma once

#include <QString>
#include <QTableWidgetItem>

namespace qm {

// What a table cell tells assistive technology: its column's heading and its
// value ("Sale: 150.00"), or the heading and "empty".
QString headedCellText(const QString &heading, const QString &value);

// A cell of a table that tells assistive technology which column it is in:
// its accessible name is its column's heading and its value ("Sale: 150.00"),
// or the heading and "empty". Used as a heading itself, its accessible name
// is its text without the blanks that place it. A name set with setData()
// comes first.
class HeadedTableItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;

    QVariant data(int role) const override;
    QTableWidgetItem *clone() const override;
};

} // namespace qm
