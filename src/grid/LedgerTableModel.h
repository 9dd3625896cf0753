#pragma once

#include "core/rules/CellCommit.h"

#include <QAbstractTableModel>
#include <QList>

namespace qm {

class LedgerDocument;
class LedgerModel;

// The ledger of one issue as a table: one row per ad that runs in the shown
// publication, in ad order, and the grid's ten columns. It reads the document's
// model and follows the document's signals; an edit stored with setData() goes
// through the document's commit. A status being chosen may show in its cell
// before it is stored (the pending text).
class LedgerTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LedgerTableModel(LedgerDocument &document, QObject *parent = nullptr);

    // Shows an issue of a publication. The rows are rebuilt when `rebuild` is
    // set or the publication changes; a new issue alone only repaints.
    void showIssue(int publication, int issue, bool rebuild);
    int publication() const { return m_publication; }
    int issue() const { return m_issue; }

    int adOfRow(int row) const { return m_rowAd.at(row); } // row from 0, ad from 1
    const QList<int> &rowAds() const { return m_rowAd; }
    // The text a cell shows (column 1..10, row from 0).
    QString cellText(int row, int column) const;

    // Asked before a typed sale or commission replaces a different computed value.
    void setOverrideQuestion(OverrideQuestion ask) { m_ask = std::move(ask); }
    // Stores an edit of a cell (columns 2..10) that began on `oldText` through
    // the document's commit; `sizePicked`: a size was chosen in the pulldown.
    CommitOutcome commit(const QModelIndex &index, const QString &oldText, const QString &newText,
                         bool sizePicked);

    // A text shown in a cell in place of the stored one until cleared.
    void setPendingText(int row, int column, const QString &text);
    void clearPendingText();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An edit that began on the cell's text as shown; false when it was refused.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    static Qt::Alignment columnAlignment(int column);

private:
    void rebuildRows();
    void adsChanged();
    void cellChanged(int issue, int ad, int column);

    LedgerDocument &m_document;
    const LedgerModel &m_model;
    int m_publication = 1;
    int m_issue = 1;
    QList<int> m_rowAd;
    QList<int> m_adRow; // index ad - 1: its row, or -1
    int m_pendingRow = -1;
    int m_pendingColumn = 0;
    QString m_pendingText;
    OverrideQuestion m_ask;
};

} // namespace qm
