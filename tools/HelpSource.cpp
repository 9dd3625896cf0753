#include "HelpSource.h"

#include "core/files/CodePage.h"

#include <QRegularExpression>

namespace qm {

namespace {

void finish(HelpTopic *topic, QStringList &lines)
{
    if (!topic)
        return;
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    topic->body = lines.join(QStringLiteral("\r\n"));
    lines.clear();
}

bool fitsCodePage(const QString &text) { return decodeCodePage(encodeCodePage(text)) == text; }

} // namespace

QStringList parseHelpSource(const QString &text, const QString &source, QList<HelpTopic> &topics)
{
    static const QRegularExpression heading(QStringLiteral("^(#{1,2}) +(.*)$"));
    static const QRegularExpression option(QStringLiteral("^\\.[a-z]"));
    static const QRegularExpression tabs(QStringLiteral("^\\.tabs +([0-9]{1,2})$"));
    QStringList errors;
    QStringList body;
    HelpTopic *topic = nullptr;
    qsizetype firstNew = topics.size();
    const QStringList lines = QString(text).remove(u'\r').split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = QStringLiteral("%1:%2: ").arg(source).arg(i + 1);
        QString line = lines.at(i);
        while (line.endsWith(u' ') || line.endsWith(u'\t'))
            line.chop(1);
        if (!fitsCodePage(line))
            errors << where + QStringLiteral("a character the Western code page does not have");
        const QRegularExpressionMatch h = heading.match(line);
        if (h.hasMatch()) {
            finish(topic, body);
            HelpTopic next;
            next.title = h.captured(2).trimmed();
            next.level = h.captured(1).size() - 1;
            if (next.level > 0 && topics.size() == firstNew)
                errors << where + QStringLiteral("a sub-topic before any topic");
            topics.append(next);
            topic = &topics.last();
            continue;
        }
        const QRegularExpressionMatch t = tabs.match(line);
        if (topic && t.hasMatch() && t.captured(1).toInt() > 0) {
            topic->tabWidth = t.captured(1).toInt();
        } else if (topic && line == QStringLiteral(".nowrap")) {
            topic->wrapMode = -1;
        } else if (option.match(line).hasMatch()) {
            errors << where + QStringLiteral("unknown line \"%1\"").arg(line);
        } else if (!topic) {
            if (!line.isEmpty())
                errors << where + QStringLiteral("text before the first topic");
        } else {
            body << line;
        }
    }
    finish(topic, body);
    for (qsizetype i = firstNew; i < topics.size(); ++i) {
        if (encodeCodePage(topics.at(i).title).size() > 0xFFFF)
            errors << QStringLiteral("%1: a title is longer than 65,535 bytes").arg(source);
        if (encodeCodePage(topics.at(i).body).size() > 0xFFFF)
            errors << QStringLiteral("%1: the text of \"%2\" is longer than 65,535 bytes").arg(source, topics.at(i).title);
    }
    return errors;
}

} // namespace qm
