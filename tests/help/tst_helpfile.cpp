// The help file reader and the help search, without a window: files built in
// the test, damaged in every way a file can be, and searches over topic texts.
#include "core/help/HelpFile.h"
#include "core/help/HelpSearch.h"
#include "HelpSource.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <QtTest>

using namespace qm;

namespace {

HelpFileContents readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readHelpFile(buffer);
}

QByteArray int32(qint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    return QByteArray(raw, 4);
}

QByteArray text(const QByteArray &bytes)
{
    char raw[2];
    qToLittleEndian(quint16(bytes.size()), raw);
    return QByteArray(raw, 2) + bytes;
}

HelpTopic topic(const QString &title, const QString &body, int level = 0, int tabWidth = 8, int wrapMode = 1)
{
    HelpTopic t;
    t.title = title;
    t.body = body;
    t.level = level;
    t.tabWidth = tabWidth;
    t.wrapMode = wrapMode;
    return t;
}

const QList<HelpTopic> kSmall = {topic("Start", "", 0), topic("Keys", "Shift+Right\r\nmoves", 1, 4, -1),
                                 topic("Files", "x", 0)};

} // namespace

class HelpFileTest : public QObject
{
    Q_OBJECT

private slots:
    void bytesOfOneTopic();
    void reads_data();
    void reads();
    void everyTruncation();
    void hugeCountAllocatesOnlyWhatIsThere_data();
    void hugeCountAllocatesOnlyWhatIsThere();
    void lengthPastTheEnd();
    void parentsAndFirstShownTopic_data();
    void parentsAndFirstShownTopic();
    void displayText();
    void search_data();
    void search();
    void helpSource();
    void helpSourceMistakes_data();
    void helpSourceMistakes();
    void programHelpFile();
};

// The layout the program and the help tool write, byte for byte.
void HelpFileTest::bytesOfOneTopic()
{
    const QByteArray expected = QByteArray::fromHex("01000000"       // one topic
                                                    "0200" "6869"   // body "hi"
                                                    "0300" "546f70" // title "Top"
                                                    "00000000"      // level 0
                                                    "04000000" "ffffffff"); // tab 4, not wrapped
    QCOMPARE(helpFileBytes({topic("Top", "hi", 0, 4, -1)}), expected);
}

void HelpFileTest::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint32>("count");
    QTest::addColumn<QList<HelpTopic>>("topics");

    QTest::newRow("one topic, empty body")
        << int32(1) + text("") + text("Title") + int32(0) + int32(4) + int32(1) << 1
        << QList<HelpTopic>{topic("Title", "", 0, 4, 1)};
    QTest::newRow("first topic not top-level")
        << int32(2) + text("a") + text("b") + text("Sub") + text("Top") + int32(2) + int32(0) + int32(8) + int32(1) +
               int32(8) + int32(-1)
        << 2 << QList<HelpTopic>{topic("Sub", "a", 2), topic("Top", "b", 0, 8, -1)};
    QTest::newRow("lengths of 0: empty body, unnamed topic")
        << int32(1) + text("") + text("") + int32(0) + int32(8) + int32(1) << 1
        << QList<HelpTopic>{topic("", "", 0)};
    QTest::newRow("count -1") << int32(-1) + text("x") << -1 << QList<HelpTopic>{};
    QTest::newRow("count 0") << int32(0) << 0 << QList<HelpTopic>{};
    QTest::newRow("Western code page")
        << int32(1) + text("\x80\xe9") + text("\x9c") + int32(0) + int32(8) + int32(1) << 1
        << QList<HelpTopic>{topic(QString(QChar(0x0153)), QString(QChar(0x20AC)) + QChar(0xE9))};
    QTest::newRow("bytes after the last layout are left alone")
        << int32(1) + text("b") + text("t") + int32(0) + int32(8) + int32(1) + "more" << 1
        << QList<HelpTopic>{topic("t", "b")};
}

void HelpFileTest::reads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint32, count);
    QFETCH(QList<HelpTopic>, topics);
    const HelpFileContents read = readBytes(bytes);
    QCOMPARE(read.topicCount, count);
    QVERIFY(!read.damaged);
    QCOMPARE(read.topics, topics);
}

// A file cut after any byte reads what is there and says it is damaged: texts
// cut short keep their beginning, missing fields take their defaults.
void HelpFileTest::everyTruncation()
{
    const QByteArray whole = helpFileBytes(kSmall);
    QCOMPARE(readBytes(whole).topics, kSmall);
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        const HelpFileContents read = readBytes(whole.left(cut));
        QVERIFY2(read.damaged, qPrintable(QString::number(cut)));
        QVERIFY(read.topics.size() <= kSmall.size());
        for (qsizetype i = 0; i < read.topics.size(); ++i) {
            const HelpTopic &got = read.topics.at(i);
            QVERIFY(kSmall.at(i).body.startsWith(got.body));
            QVERIFY(kSmall.at(i).title.startsWith(got.title));
            QVERIFY(got.level == kSmall.at(i).level || got.level == 0);
            QVERIFY((got.tabWidth == kSmall.at(i).tabWidth && got.wrapMode == kSmall.at(i).wrapMode) ||
                    (got.tabWidth == 8 && got.wrapMode == 1));
        }
    }
    // Cut inside the last layout: every text is whole, the last topic keeps the defaults.
    const HelpFileContents nearlyAll = readBytes(whole.left(whole.size() - 1));
    QCOMPARE(nearlyAll.topics.size(), kSmall.size());
    QCOMPARE(nearlyAll.topics.last().title, kSmall.last().title);
    QCOMPARE(nearlyAll.topics.at(1).wrapMode, -1);
    QCOMPARE(nearlyAll.topics.last().tabWidth, 8);
}

// Every topic takes at least 16 bytes: two empty texts, a level and a layout.
// A file announcing more topics than it can hold gives only as many as fit.
void HelpFileTest::hugeCountAllocatesOnlyWhatIsThere_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("topics");
    QByteArray small = helpFileBytes(kSmall);
    qToLittleEndian(qint32(0x7fffffff), small.data());
    // 81 bytes after the count: the titles are read as two more bodies.
    QTest::newRow("a small file") << small << 5;
    QTest::newRow("a megabyte of zeros") << int32(0x7fffffff) + QByteArray(1 << 20, '\0') << (1 << 20) / 16;
}

void HelpFileTest::hugeCountAllocatesOnlyWhatIsThere()
{
    QFETCH(QByteArray, bytes);
    const HelpFileContents read = readBytes(bytes);
    QVERIFY(read.damaged);
    QCOMPARE(read.topicCount, 0x7fffffff);
    QTEST(int(read.topics.size()), "topics");
    QCOMPARE(read.topics.first().body, QString());
}

void HelpFileTest::lengthPastTheEnd()
{
    const HelpFileContents read = readBytes(int32(2) + QByteArray::fromHex("ffff") + "cut short, the rest is gone");
    QVERIFY(read.damaged);
    QCOMPARE(read.topics, QList<HelpTopic>{topic("", "cut short, the rest is gone")});
}

void HelpFileTest::parentsAndFirstShownTopic_data()
{
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QStringList>("bodies");
    QTest::addColumn<QList<int>>("parents");
    QTest::addColumn<int>("shown");

    QTest::newRow("tops and subs") << QList<int>{0, 1, 1, 0, 5} << QStringList{"", "", "b", "c", ""}
                                   << QList<int>{-1, 0, 0, -1, 3} << 2;
    QTest::newRow("sub before any top") << QList<int>{1, -1, 0, 2} << QStringList{"a", "", "", ""}
                                        << QList<int>{-1, -1, -1, 2} << 0;
    QTest::newRow("all bodies empty") << QList<int>{0, 0} << QStringList{"", ""} << QList<int>{-1, -1} << 0;
    QTest::newRow("no topics") << QList<int>{} << QStringList{} << QList<int>{} << -1;
}

void HelpFileTest::parentsAndFirstShownTopic()
{
    QFETCH(QList<int>, levels);
    QFETCH(QStringList, bodies);
    QList<HelpTopic> topics;
    for (qsizetype i = 0; i < levels.size(); ++i)
        topics << topic(QString::number(i), bodies.at(i), levels.at(i));
    QTEST(helpTopicParents(topics), "parents");
    QTEST(firstShownHelpTopic(topics), "shown");
}

void HelpFileTest::displayText()
{
    QCOMPARE(helpDisplayText("a\r\nb\rc\n\r\n"), QString("a\nb\nc\n\n"));
}

void HelpFileTest::search_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("searchText");
    QTest::addColumn<int>("fromTopic");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("at");

    // Texts: 0 "Grid keys: GRID and Grid", 1 "no match", 2 "the grid", 3 "ÉCRAN écran"
    QTest::newRow("capitals find mixed case") << "text" << "GRID" << 0 << 0 << 0 << 0;
    QTest::newRow("from a later topic") << "text" << "grid" << 1 << 0 << 2 << 4;
    QTest::newRow("no wrap to the first topic") << "text" << "keys" << 1 << 0 << -1 << 0;
    QTest::newRow("accented letters fold too") << "text" << "écran" << 0 << 0 << 3 << 0;
    QTest::newRow("empty text never found") << "text" << "" << 0 << 0 << -1 << 0;
    QTest::newRow("next in the same topic") << "next" << "grid" << 0 << 4 << 0 << 11;
    QTest::newRow("next, then later topics from their start") << "next" << "grid" << 0 << 21 << 2 << 4;
    QTest::newRow("next past the end of a text") << "next" << "grid" << 0 << 999 << 2 << 4;
    QTest::newRow("next at the last topic: none") << "next" << "ÉCRAN" << 3 << 1 << 3 << 6;
    QTest::newRow("nothing after the last one") << "next" << "écran" << 3 << 7 << -1 << 0;
    QTest::newRow("prev, one letter, not the current") << "prev" << "r" << 0 << 12 << 0 << 1;
    QTest::newRow("prev must end before the start") << "prev" << "grid" << 0 << 14 << 0 << 0;
    QTest::newRow("prev into earlier topics") << "prev" << "grid" << 2 << 4 << 0 << 20;
    QTest::newRow("prev at the start of topic 0") << "prev" << "grid" << 0 << 0 << -1 << 0;
}

void HelpFileTest::search()
{
    QFETCH(QString, how);
    QFETCH(QString, searchText);
    QFETCH(int, fromTopic);
    QFETCH(int, position);
    const QStringList texts = {"Grid keys: GRID and Grid", "no match", "the grid",
                               QString::fromUtf8("ÉCRAN écran")};
    HelpMatch match;
    if (how == "text")
        match = findText(texts, searchText, fromTopic);
    else if (how == "next")
        match = findNext(texts, searchText, fromTopic, position);
    else
        match = findPrev(texts, searchText, fromTopic, position);
    QTEST(match.topic, "topic");
    if (match.found())
        QTEST(match.position, "at");
}

void HelpFileTest::helpSource()
{
    QList<HelpTopic> topics;
    const QStringList errors = parseHelpSource("# Start\n\nFirst line  \n\tsecond\n\n## Keys\n.tabs 4\n.nowrap\n"
                                               "Shift+Right\n... and more\n# Empty\n",
                                               "a.txt", topics);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QCOMPARE(topics, QList<HelpTopic>({topic("Start", "First line\r\n\tsecond"),
                                       topic("Keys", "Shift+Right\r\n... and more", 1, 4, -1), topic("Empty", "")}));
}

void HelpFileTest::helpSourceMistakes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("text first") << "hello\n# T" << "a.txt:1: text before the first topic";
    QTest::newRow("sub-topic first") << "## T" << "a.txt:1: a sub-topic before any topic";
    QTest::newRow("unknown option") << "# T\n.tab 4" << "a.txt:2: unknown line \".tab 4\"";
    QTest::newRow("outside the code page") << QString::fromUtf8("# T\n\u2192") << "a.txt:2: a character the Western code page does not have";
    QTest::newRow("too long") << "# T\n" + QString(70000, 'x') << "a.txt: the text of \"T\" is longer than 65,535 bytes";
}

void HelpFileTest::helpSourceMistakes()
{
    QFETCH(QString, text);
    QList<HelpTopic> topics;
    QTEST(parseHelpSource(text, "a.txt", topics).value(0), "error");
}

// The help file the build puts beside the program: complete, and a topic for
// every part of the program.
void HelpFileTest::programHelpFile()
{
    QFile file(QStringLiteral(QM_HELP_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const HelpFileContents help = readHelpFile(file);
    QVERIFY(!help.damaged);
    QCOMPARE(help.topicCount, help.topics.size());
    QStringList topLevel;
    for (const HelpTopic &t : help.topics) {
        if (t.level == 0)
            topLevel << t.title;
    }
    QCOMPARE(topLevel, QStringList({"Getting started", "The main window", "Editing and computed values", "Configuration",
                                    "Advances", "Reports and the run sheet", "The year-end archive",
                                    "Files and backups"}));
    QVERIFY(help.topics.size() > 2 * topLevel.size());
    QCOMPARE(help.topics.first().level, 0);
    QVERIFY(!help.topics.first().body.isEmpty());
}

QTEST_GUILESS_MAIN(HelpFileTest)
#include "tst_helpfile.moc"
