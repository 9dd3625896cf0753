#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

namespace qm {

// One topic of the help file.
struct HelpTopic
{
    QString body;      // lines separated by "\r\n", may hold tabs
    QString title;
    qint32 level = 0;  // 0: a top-level topic; anything else: under the top-level topic before it
    qint32 tabWidth = 8; // tab stop distance in average character widths
    qint32 wrapMode = 1; // 1: wrapped at the window edge; -1: not wrapped

    bool operator==(const HelpTopic &) const = default;
};

} // namespace qm

// Moved in memory as it is when a list of topics grows.
Q_DECLARE_TYPEINFO(qm::HelpTopic, Q_RELOCATABLE_TYPE);

namespace qm {

struct HelpFileContents
{
    QList<HelpTopic> topics; // what could be read, in file order
    qint32 topicCount = 0;   // the count the file gives (0 or less: no content)
    bool damaged = false;    // the file ended before everything it announced
};

// Reads a help file: a little-endian topic count N, then N bodies, N titles
// (each a 16-bit length and that many bytes), N levels and N pairs of tab width
// and wrap mode (32-bit each). A file that ends early keeps what was read:
// topics whose body was cut keep the bytes that were there, missing titles are
// empty, missing levels 0 and missing layouts (8, 1). Whatever count the file
// claims, no more topics are kept than its size can hold (each takes at least
// 16 bytes: two lengths, a level and a layout; the texts of the others are
// passed over), and nothing is allocated for a topic before its bytes have been
// read. A file that cannot hold the topics it announces is damaged.
HelpFileContents readHelpFile(QIODevice &device);

// The bytes of a help file holding these topics. Texts longer than a length
// field can say are cut at 65,535 bytes.
QByteArray helpFileBytes(const QList<HelpTopic> &topics);

// For each topic, the topic it sits under in the topic tree: the nearest
// top-level topic before it for a topic with a level other than 0, and -1 for a
// top-level topic or one that comes before any top-level topic.
QList<int> helpTopicParents(const QList<HelpTopic> &topics);

// The topic the viewer opens on: the first one with a body, else the first one
// (-1 when there are none).
int firstShownHelpTopic(const QList<HelpTopic> &topics);

// A body as the viewer shows it and the search counts positions in it: every
// "\r\n" (and a lone "\r") becomes one "\n".
QString helpDisplayText(const QString &body);

} // namespace qm
