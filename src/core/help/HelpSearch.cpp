#include "core/help/HelpSearch.h"

namespace qm {

QString foldHelpCase(const QString &text)
{
    QString folded = text;
    for (QChar &c : folded)
        c = c.toLower();
    return folded;
}

HelpMatch findText(const QStringList &texts, const QString &searchText, int fromTopic)
{
    return findNext(texts, searchText, fromTopic, 0);
}

HelpMatch findNext(const QStringList &texts, const QString &searchText, int fromTopic, int start)
{
    const QString wanted = foldHelpCase(searchText);
    if (wanted.isEmpty())
        return {};
    for (int topic = std::max(fromTopic, 0); topic < texts.size(); ++topic) {
        const QString text = foldHelpCase(texts.at(topic));
        const qsizetype from = topic == fromTopic ? std::max(start, 0) : 0;
        if (from > text.size())
            continue;
        const qsizetype at = text.indexOf(wanted, from);
        if (at >= 0)
            return {topic, int(at)};
    }
    return {};
}

HelpMatch findPrev(const QStringList &texts, const QString &searchText, int fromTopic, int before)
{
    const QString wanted = foldHelpCase(searchText);
    if (wanted.isEmpty())
        return {};
    for (int topic = std::min(fromTopic, int(texts.size()) - 1); topic >= 0; --topic) {
        QString text = foldHelpCase(texts.at(topic));
        if (topic == fromTopic)
            text.truncate(std::max(before, 0));
        const qsizetype at = text.lastIndexOf(wanted);
        if (at >= 0)
            return {topic, int(at)};
    }
    return {};
}

} // namespace qm
