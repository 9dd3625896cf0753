#pragma once

#include "core/help/HelpFile.h"

#include <QAbstractItemModel>
#include <QList>

namespace qm {

// The topic tree of the help viewer as a model over the topic table: a topic
// with level 0 is a top-level entry, any other sits under the top-level topic
// before it (at the top level when none came before). An entry's display text is
// the topic's title and Qt::UserRole its topic index. One entry at a time can be
// shown in bold. Nothing is kept per entry beyond three numbers, so that a help
// file of very many topics costs little more than its topic table.
class HelpTopicModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit HelpTopicModel(const QList<HelpTopic> &topics, QObject *parent = nullptr);

    // The entry of a topic; invalid for a topic that does not exist.
    QModelIndex indexOf(int topic) const;
    // The topic of an entry, -1 for none.
    static int topicOf(const QModelIndex &index);
    // The entry shown in bold, -1 for none.
    void setBoldTopic(int topic);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<HelpTopic> m_topics;
    QList<int> m_parents;    // per topic: the topic it sits under, -1 at the top level
    QList<int> m_rows;       // per topic: its row under its parent
    QList<int> m_topLevel;   // the top-level topics in order
    QList<int> m_childCount; // per top-level row: how many topics sit under it
    int m_boldTopic = -1;
};

} // namespace qm
