#pragma once

#include <QTableWidget>

namespace qm {

// The table of the ad list: one row per shown ad, the name and the four
// publication checkmarks in its columns. It never scrolls or edits by itself;
// the ad list moves it a whole ad at a time and lays its editor over a cell.
// Rows and fields count from 1, as the ad list counts them.
class AdTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit AdTable(QWidget *parent);

    // Whole rows the table shows at once.
    int wholeRowsPerPage() const;
    void setRows(int rows);
    void setCellText(int row, int field, const QString &text);
    QString cellText(int row, int field) const;
    QRect cellRect(int row, int field) const;
    // The heading of a field's column, as the user reads it.
    QString fieldHeading(int field) const;
};

} // namespace qm
