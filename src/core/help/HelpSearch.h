#pragma once

#include <QString>
#include <QStringList>

namespace qm {

// Where a search text was found: the topic (index into the list, from 0) and
// the position of the first character in that topic's text (from 0). topic is
// -1 when the text was not found.
struct HelpMatch
{
    int topic = -1;
    int position = 0;

    bool found() const { return topic >= 0; }
    bool operator==(const HelpMatch &) const = default;
};

// The text in the letter case the search compares in: every character lowered
// on its own, so positions stay those of the text.
QString foldHelpCase(const QString &text);

// The help search. `texts` are the topic texts as shown and `searchText` is
// compared without regard to letter case. The search walks the topics in file
// order and never starts again at the first topic; an empty search text is
// never found.

// The first occurrence in topic `fromTopic` or a later one.
HelpMatch findText(const QStringList &texts, const QString &searchText, int fromTopic);
// The first occurrence at or after `start` in topic `fromTopic`, else the first
// one in a later topic.
HelpMatch findNext(const QStringList &texts, const QString &searchText, int fromTopic, int start);
// The last occurrence ending at or before `before` in topic `fromTopic`, else
// the last one in an earlier topic.
HelpMatch findPrev(const QStringList &texts, const QString &searchText, int fromTopic, int before);

} // namespace qm
