#include "grid/LedgerTableModel.h"

#include "core/LedgerColumns.h"
#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "grid/GridNavigation.h"
#include "ui/HeadedTableItem.h"

namespace qm {

LedgerTableModel::LedgerTableModel(LedgerDocument &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document), m_model(document.model())
{
    connect(&m_document, &LedgerDocument::cellChanged, this, &LedgerTableModel::cellChanged);
    connect(&m_document, &LedgerDocument::adsChanged, this, &LedgerTableModel::adsChanged);
    connect(&m_document, &LedgerDocument::loaded, this, [this] {
        beginResetModel();
        m_pendingRow = -1;
        rebuildRows();
        endResetModel();
    });
}

Qt::Alignment LedgerTableModel::columnAlignment(int column) { return ledgerColumn(column).alignment; }

void LedgerTableModel::rebuildRows()
{
    m_rowAd = buildRowMap(m_model, m_publication);
    m_adRow.fill(-1, m_model.adCount());
    for (int row = 0; row < m_rowAd.size(); ++row)
        m_adRow[m_rowAd.at(row) - 1] = row;
}

void LedgerTableModel::showIssue(int publication, int issue, bool rebuild)
{
    if (rebuild || publication != m_publication) {
        beginResetModel();
        m_publication = publication;
        m_issue = issue;
        m_pendingRow = -1;
        rebuildRows();
        endResetModel();
        return;
    }
    m_issue = issue;
    m_pendingRow = -1;
    // The rows stay: a new issue costs what the screen shows, not what the ledger holds.
    if (!m_rowAd.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

void LedgerTableModel::adsChanged()
{
    const QList<int> before = m_rowAd;
    if (buildRowMap(m_model, m_publication) == before && m_adRow.size() == m_model.adCount()) {
        if (!m_rowAd.isEmpty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
        return;
    }
    beginResetModel();
    m_pendingRow = -1;
    rebuildRows();
    endResetModel();
}

void LedgerTableModel::cellChanged(int issue, int ad, int)
{
    if (issue != m_issue || ad < 1 || ad > m_adRow.size() || m_adRow.at(ad - 1) < 0)
        return;
    const int row = m_adRow.at(ad - 1);
    // A commit recomputes the sale and the commission: the whole row.
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

QString LedgerTableModel::cellText(int row, int column) const
{
    if (row < 0 || row >= m_rowAd.size())
        return QString();
    if (row == m_pendingRow && column == m_pendingColumn)
        return m_pendingText;
    const int ad = m_rowAd.at(row);
    if (column == ColAds)
        return m_model.ads.at(ad - 1).name;
    return m_model.cell(m_issue, column, ad);
}

void LedgerTableModel::setPendingText(int row, int column, const QString &text)
{
    clearPendingText();
    if (row < 0 || row >= m_rowAd.size())
        return;
    m_pendingRow = row;
    m_pendingColumn = column;
    m_pendingText = text;
    emit dataChanged(index(row, column - 1), index(row, column - 1));
}

void LedgerTableModel::clearPendingText()
{
    if (m_pendingRow < 0)
        return;
    const int row = m_pendingRow;
    m_pendingRow = -1;
    if (row < m_rowAd.size())
        emit dataChanged(index(row, m_pendingColumn - 1), index(row, m_pendingColumn - 1));
}

int LedgerTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rowAd.size());
}

int LedgerTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant LedgerTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index.row(), column);
    case Qt::TextAlignmentRole:
        return int(columnAlignment(column));
    case Qt::AccessibleTextRole:
        // A cell tells assistive technology its column: "Sale: 150.00", or "Sale: empty".
        return headedCellText(columnHeader(column).trimmed(), cellText(index.row(), column).trimmed());
    default:
        return {};
    }
}

QVariant LedgerTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return columnHeader(section + 1);
    case Qt::AccessibleTextRole:
        return columnHeader(section + 1).trimmed();
    case Qt::TextAlignmentRole:
        return int(columnAlignment(section + 1));
    default:
        return {};
    }
}

Qt::ItemFlags LedgerTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() + 1 == ColAds ? shown : shown | Qt::ItemIsEditable;
}

CommitOutcome LedgerTableModel::commit(const QModelIndex &index, const QString &oldText, const QString &newText,
                                       bool sizePicked)
{
    if (!index.isValid() || index.row() >= m_rowAd.size() || index.column() + 1 == ColAds)
        return CommitOutcome::Unchanged;
    CellEdit edit;
    edit.publication = m_publication;
    edit.issue = m_issue;
    edit.ad = m_rowAd.at(index.row());
    edit.column = index.column() + 1;
    edit.oldText = oldText;
    edit.newText = newText;
    edit.sizePicked = sizePicked;
    // The document tells what changed with cellChanged(), which repaints the row.
    return m_document.commitCell(edit, m_ask ? m_ask : OverrideQuestion([] { return false; }));
}

bool LedgerTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole)
        return false;
    return commit(index, cellText(index.row(), index.column() + 1), value.toString(), false) !=
           CommitOutcome::Refused;
}

} // namespace qm
