#include "config/AdListModel.h"

#include "config/AdListState.h"
#include "core/LedgerDocument.h"
#include "core/rules/AdRules.h"
#include "ui/HeadedTableItem.h"

namespace qm {

namespace {

Qt::Alignment columnAlignment(int column)
{
    return column == 0 ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter);
}

} // namespace

AdListModel::AdListModel(LedgerDocument &document, QObject *parent) : QAbstractTableModel(parent), m_document(document)
{
}

int AdListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_document.model().adCount();
}

int AdListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kAdFieldCount; }

QVariant AdListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_document.model().adCount())
        return QVariant();
    const QString text = adFieldText(m_document.model().ads.at(index.row()), index.column() + 1);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columnAlignment(index.column()));
    case Qt::AccessibleTextRole: {
        // A cell tells which column it is in: "Corvel: empty", "Ads: Bakery".
        const QString heading = fieldHeading(index.column() + 1);
        return headedCellText(heading, text.trimmed());
    }
    default:
        return QVariant();
    }
}

QVariant AdListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kAdFieldCount)
        return QVariant();
    // "Fennet " keeps the blank that places it.
    static const char *const headings[] = {QT_TR_NOOP("Ads"), QT_TR_NOOP("Corvel"), QT_TR_NOOP("Tarn Mag"),
                                           QT_TR_NOOP("Fennet "), QT_TR_NOOP("Wyndle")};
    switch (role) {
    case Qt::DisplayRole:
        return tr(headings[section]);
    case Qt::AccessibleTextRole:
        return tr(headings[section]).trimmed();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columnAlignment(section));
    default:
        return QVariant();
    }
}

Qt::ItemFlags AdListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool AdListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= m_document.model().adCount())
        return false;
    const int ad = index.row() + 1;
    const int field = index.column() + 1;
    const QString text = value.toString();
    const bool changed =
        field == 1 ? m_document.renameAd(ad, text) : m_document.setPublicationCheck(ad, field - 1, !text.isEmpty());
    if (!changed)
        m_document.markSettingsChanged();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
    return true;
}

int AdListModel::addAd()
{
    const int row = m_document.model().adCount();
    beginInsertRows(QModelIndex(), row, row);
    const int count = m_document.addAd();
    endInsertRows();
    return count;
}

void AdListModel::deleteAd(int ad)
{
    if (ad < 1 || ad > m_document.model().adCount())
        return;
    beginRemoveRows(QModelIndex(), ad - 1, ad - 1);
    m_document.deleteAd(ad);
    endRemoveRows();
}

QString AdListModel::fieldHeading(int field) const
{
    return headerData(field - 1, Qt::Horizontal, Qt::AccessibleTextRole).toString();
}

} // namespace qm
