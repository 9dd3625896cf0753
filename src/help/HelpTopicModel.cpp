#include "help/HelpTopicModel.h"

#include <QFont>

namespace qm {

HelpTopicModel::HelpTopicModel(const QList<HelpTopic> &topics, QObject *parent)
    : QAbstractItemModel(parent), m_topics(topics), m_parents(helpTopicParents(topics))
{
    // The topics under a top-level topic are the ones right after it.
    m_rows.reserve(m_topics.size());
    m_topLevel.reserve(m_topics.size());
    m_childCount.reserve(m_topics.size());
    for (int topic = 0; topic < m_parents.size(); ++topic) {
        const int under = m_parents.at(topic);
        if (under < 0) {
            m_rows.append(int(m_topLevel.size()));
            m_topLevel.append(topic);
            m_childCount.append(0);
        } else {
            m_rows.append(topic - under - 1);
            ++m_childCount[m_rows.at(under)];
        }
    }
}

QModelIndex HelpTopicModel::indexOf(int topic) const
{
    if (topic < 0 || topic >= m_topics.size())
        return QModelIndex();
    return createIndex(m_rows.at(topic), 0, quintptr(topic));
}

int HelpTopicModel::topicOf(const QModelIndex &index)
{
    return index.isValid() ? int(index.internalId()) : -1;
}

void HelpTopicModel::setBoldTopic(int topic)
{
    if (topic == m_boldTopic)
        return;
    const QModelIndex was = indexOf(m_boldTopic);
    m_boldTopic = topic;
    for (const QModelIndex &changed : {was, indexOf(topic)}) {
        if (changed.isValid())
            emit dataChanged(changed, changed, {Qt::FontRole});
    }
}

QModelIndex HelpTopicModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return QModelIndex();
    const int topic = parent.isValid() ? topicOf(parent) + 1 + row : m_topLevel.at(row);
    return createIndex(row, 0, quintptr(topic));
}

QModelIndex HelpTopicModel::parent(const QModelIndex &child) const
{
    const int topic = topicOf(child);
    return topic < 0 ? QModelIndex() : indexOf(m_parents.at(topic));
}

int HelpTopicModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_topLevel.size());
    const int topic = topicOf(parent);
    return m_parents.at(topic) < 0 ? m_childCount.at(m_rows.at(topic)) : 0;
}

int HelpTopicModel::columnCount(const QModelIndex &) const
{
    return 1;
}

Qt::ItemFlags HelpTopicModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // An entry known to stay a leaf is not remembered as expanded by the tree.
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return rowCount(index) > 0 ? flags : flags | Qt::ItemNeverHasChildren;
}

QVariant HelpTopicModel::data(const QModelIndex &index, int role) const
{
    const int topic = topicOf(index);
    if (topic < 0)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_topics.at(topic).title;
    case Qt::UserRole:
        return topic;
    case Qt::FontRole:
        if (topic == m_boldTopic) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

} // namespace qm
