#pragma once

#include <QAbstractTableModel>

namespace qm {

class LedgerDocument;

// The ads of the ledger as the ad list shows them: one row per ad, the name in
// column 0 and the checkmarks of publications 1..4 in columns 1..4. Reads the
// document's ad records and changes them only through the document's own
// functions, so that every change marks the settings as changed.
class AdListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    AdListModel(LedgerDocument &document, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Gives the ad's field the text: a name as it is, a checkmark set when the
    // text is not empty. Always a change, even to the same text.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Appends an ad with all its fields empty; returns the new ad count.
    int addAd();
    // Removes ad `ad` (from 1) and its ledger cells.
    void deleteAd(int ad);

private:
    // The heading of a field's column (fields count from 1), as the user reads it.
    QString fieldHeading(int field) const;

    LedgerDocument &m_document;
};

} // namespace qm
