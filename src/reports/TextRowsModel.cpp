#include "reports/TextRowsModel.h"

#include "ui/HeadedTableItem.h"

#include <utility>

namespace qm {

TextRowsModel::TextRowsModel(const QStringList &titles, int textColumns, QObject *parent)
    : QAbstractTableModel(parent), m_titles(titles), m_textColumns(textColumns)
{
}

void TextRowsModel::setRows(int rows, RowTexts texts, RowMarked bold)
{
    beginResetModel();
    m_rows = rows;
    m_texts = std::move(texts);
    m_marked = std::move(bold);
    m_cachedRow = -1;
    m_cachedTexts.clear();
    endResetModel();
}

int TextRowsModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }

int TextRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QString TextRowsModel::text(int row, int column) const
{
    if (row != m_cachedRow) {
        m_cachedTexts = m_texts ? m_texts(row) : QStringList();
        m_cachedRow = row;
    }
    return m_cachedTexts.value(column);
}

Qt::Alignment TextRowsModel::alignment(int column) const
{
    return (column < m_textColumns ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

QVariant TextRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_titles.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(alignment(index.column()));
    case Qt::FontRole:
        if (m_marked && m_marked(index.row())) {
            QFont font = m_bold;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::AccessibleTextRole:
        return headedCellText(m_titles.at(index.column()).trimmed(), text(index.row(), index.column()).trimmed());
    default:
        return {};
    }
}

QVariant TextRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_titles.at(section);
    if (role == Qt::AccessibleTextRole)
        return m_titles.at(section).trimmed();
    if (role == Qt::TextAlignmentRole)
        return int(alignment(section));
    return {};
}

} // namespace qm
