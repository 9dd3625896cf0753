#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QStringList>

#include <functional>

namespace qm {

// A read-only table of text rows made only when the view shows them, so that
// a report of tens of thousands of lines opens as fast as a short one. The
// first `textColumns` columns are left-aligned, the others (amounts)
// right-aligned; marked rows (totals) are bold. Each cell tells assistive
// technology its column ("Sale: 150.00").
class TextRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using RowTexts = std::function<QStringList(int row)>;
    using RowMarked = std::function<bool(int row)>;

    TextRowsModel(const QStringList &titles, int textColumns, QObject *parent = nullptr);

    // Shows `rows` rows, each row's texts given by `texts`; `bold` marks totals.
    void setRows(int rows, RowTexts texts, RowMarked bold = {});
    // The font of the view, bold for the marked rows.
    void setBoldFont(const QFont &font) { m_bold = font; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(int row, int column) const;
    Qt::Alignment alignment(int column) const;

    QStringList m_titles;
    int m_textColumns = 0;
    int m_rows = 0;
    RowTexts m_texts;
    RowMarked m_marked;
    QFont m_bold;
    // The texts of the row last asked for: a view asks for every column of a row in turn.
    mutable int m_cachedRow = -1;
    mutable QStringList m_cachedTexts;
};

} // namespace qm
