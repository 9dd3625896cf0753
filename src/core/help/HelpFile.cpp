#include "core/help/HelpFile.h"

#include "core/files/CodePage.h"

#include <QIODevice>
#include <QtEndian>

namespace qm {

namespace {

constexpr qint64 kMaxTextBytes = 0xFFFF;
// The fewest bytes a topic takes: the lengths of an empty body and an empty
// title, its level and its two layout numbers.
constexpr qint64 kTopicFixedBytes = 2 + 2 + 4 + 8;

// Reads exactly `size` bytes, or fewer at the end of the file.
QByteArray readBytes(QIODevice &device, qint64 size, bool &ended)
{
    QByteArray bytes = device.read(size);
    if (bytes.size() < size)
        ended = true;
    return bytes;
}

bool readInt32(QIODevice &device, qint32 &value, bool &ended)
{
    if (ended)
        return false;
    const QByteArray bytes = readBytes(device, 4, ended);
    if (bytes.size() < 4)
        return false;
    value = qFromLittleEndian<qint32>(bytes.constData());
    return true;
}

// A 16-bit length and the text after it; false when not even the length was there.
bool readText(QIODevice &device, QString &text, bool &ended)
{
    if (ended)
        return false;
    const QByteArray length = readBytes(device, 2, ended);
    if (length.size() < 2)
        return false;
    const quint16 size = qFromLittleEndian<quint16>(length.constData());
    text = decodeCodePage(readBytes(device, size, ended));
    return true;
}

// Passes over a 16-bit length and the text after it without keeping it; false
// when not even the length was there.
bool skipText(QIODevice &device, bool &ended)
{
    if (ended)
        return false;
    char length[2];
    if (device.read(length, 2) < 2) {
        ended = true;
        return false;
    }
    const quint16 size = qFromLittleEndian<quint16>(length);
    if (device.skip(size) < size)
        ended = true;
    return true;
}

void skipBytes(QIODevice &device, qint64 size, bool &ended)
{
    if (!ended && device.skip(size) < size)
        ended = true;
}

void appendInt32(QByteArray &bytes, qint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

void appendText(QByteArray &bytes, const QString &text)
{
    const QByteArray encoded = encodeCodePage(text).left(kMaxTextBytes);
    char raw[2];
    qToLittleEndian(quint16(encoded.size()), raw);
    bytes.append(raw, 2);
    bytes.append(encoded);
}

} // namespace

HelpFileContents readHelpFile(QIODevice &device)
{
    HelpFileContents contents;
    bool ended = false;
    if (!readInt32(device, contents.topicCount, ended)) {
        contents.damaged = true;
        return contents;
    }
    if (contents.topicCount <= 0)
        return contents;

    // No more topics are kept than the rest of the file could hold, whatever
    // count it claims. The texts and levels of the others are passed over, so
    // that every section is still read where it starts.
    const qint64 count = contents.topicCount;
    qint64 keep = count;
    if (!device.isSequential())
        keep = std::min(keep, std::max<qint64>(device.size() - device.pos(), 0) / kTopicFixedBytes);
    qint64 bodies = 0; // read or passed over
    for (; bodies < count; ++bodies) {
        HelpTopic topic;
        const bool kept = bodies < keep;
        if (!(kept ? readText(device, topic.body, ended) : skipText(device, ended)))
            break;
        if (kept)
            contents.topics.append(topic);
    }
    for (qint64 i = 0; i < bodies; ++i) {
        const bool kept = i < contents.topics.size();
        if (!(kept ? readText(device, contents.topics[i].title, ended) : skipText(device, ended)))
            break;
    }
    for (HelpTopic &topic : contents.topics) {
        if (!readInt32(device, topic.level, ended))
            break;
    }
    skipBytes(device, 4 * (bodies - contents.topics.size()), ended);
    for (HelpTopic &topic : contents.topics) {
        qint32 tabWidth = 0;
        qint32 wrapMode = 0;
        if (!readInt32(device, tabWidth, ended) || !readInt32(device, wrapMode, ended))
            break;
        topic.tabWidth = tabWidth;
        topic.wrapMode = wrapMode;
    }
    contents.damaged = ended || contents.topics.size() < contents.topicCount;
    return contents;
}

QByteArray helpFileBytes(const QList<HelpTopic> &topics)
{
    QByteArray bytes;
    appendInt32(bytes, qint32(topics.size()));
    for (const HelpTopic &topic : topics)
        appendText(bytes, topic.body);
    for (const HelpTopic &topic : topics)
        appendText(bytes, topic.title);
    for (const HelpTopic &topic : topics)
        appendInt32(bytes, topic.level);
    for (const HelpTopic &topic : topics) {
        appendInt32(bytes, topic.tabWidth);
        appendInt32(bytes, topic.wrapMode);
    }
    return bytes;
}

QList<int> helpTopicParents(const QList<HelpTopic> &topics)
{
    QList<int> parents;
    parents.reserve(topics.size());
    int topLevel = -1;
    for (int i = 0; i < topics.size(); ++i) {
        if (topics.at(i).level == 0) {
            parents.append(-1);
            topLevel = i;
        } else {
            parents.append(topLevel);
        }
    }
    return parents;
}

int firstShownHelpTopic(const QList<HelpTopic> &topics)
{
    for (int i = 0; i < topics.size(); ++i) {
        if (!topics.at(i).body.isEmpty())
            return i;
    }
    return topics.isEmpty() ? -1 : 0;
}

QString helpDisplayText(const QString &body)
{
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace qm
