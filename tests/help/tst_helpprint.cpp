// Printing a help topic: the printed pages are read back as data from a
// recording printer (fixed metrics: at 600 dpi a 10-point character is 41
// pixels wide, so a line of 7 inches holds 102 of them).
#include "core/help/HelpPrintLayout.h"
#include "help/AppHelp.h"
#include "help/HelpLauncher.h"
#include "help/HelpPrinting.h"
#include "Golden.h"
#include "HelpFixture.h"
#include "RecordingPrinter.h"

#include <QTreeView>
#include <QtTest>

using namespace qm;

namespace {

const QString kBody = QStringLiteral("Courier New 10");

// Remembers the duplex mode the document was printed with.
class DuplexDevice : public RecordingDevice
{
public:
    explicit DuplexDevice(int *printedWith) : m_printedWith(printedWith) { duplexCapable = true; }

protected:
    bool doEnd() override
    {
        *m_printedWith = duplexMode;
        return true;
    }

private:
    int *m_printedWith;
};

// The body lines of every page (the header's three texts left out).
QList<QStringList> bodyLines(const PrintedDocument &document)
{
    QList<QStringList> pages;
    for (const PrintedPage &page : document.pages) {
        QStringList lines;
        for (const PrintedLine &line : page.lines) {
            if (line.font == kBody && !line.text.startsWith(QStringLiteral("Page ")))
                lines << line.text;
        }
        pages << lines;
    }
    return pages;
}

QString manyLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class HelpPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void tabsEveryEightColumns_data();
    void tabsEveryEightColumns();
    void lines_data();
    void lines();
    void longLinesWrapAtSeparators();
    void wordLongerThanTheLine();
    void pagesWithHeaders();
    void duplexOnlyForLongTopics_data();
    void duplexOnlyForLongTopics();
    void nothingForEmptyBodyOrCancel();
    void ctrlPPrintsTheTopicShown();
};

void HelpPrintTest::tabsEveryEightColumns_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expanded");
    QTest::newRow("a bb c") << "a\tbb\tc" << "a" + QString(7, ' ') + "bb" + QString(6, ' ') + "c";
    QTest::newRow("eight wide piece") << "abcdefgh\tx" << "abcdefgh" + QString(8, ' ') + "x";
    QTest::newRow("tab first and last") << "\tx\t" << QString(8, ' ') + "x" + QString(7, ' ');
    QTest::newRow("no tab") << "plain" << "plain";
}

void HelpPrintTest::tabsEveryEightColumns()
{
    QFETCH(QString, line);
    QTEST(expandHelpTabs(line), "expanded");
    RecordingChooser chooser;
    printHelpTopic("Tabs", line);
    QCOMPARE(chooser.printed.size(), 1);
    QTEST(bodyLines(chooser.printed.first()).first().first(), "expanded");
}

void HelpPrintTest::lines_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("last line of one character") << "first\r\nx" << QStringList{"first", "x"};
    QTest::newRow("a single character") << "x" << QStringList{"x"};
    QTest::newRow("break at the end") << "a\r\n" << QStringList{"a"};
    QTest::newRow("empty line: nothing drawn, one line down") << "a\r\n\r\nb" << QStringList{"a", "b"};
}

void HelpPrintTest::lines()
{
    QFETCH(QString, body);
    RecordingChooser chooser;
    printHelpTopic("Lines", body);
    QCOMPARE(chooser.printed.size(), 1);
    QTEST(bodyLines(chooser.printed.first()).first(), "printed");
    // Lines follow each other one line height (107 pixels here) apart.
    const QList<PrintedLine> &drawn = chooser.printed.first().pages.first().lines;
    if (drawn.size() < 4)
        return;
    const int gap = drawn.last().y - drawn.at(drawn.size() - 2).y;
    QVERIFY(qAbs(gap - (body.contains("\r\n\r\n") ? 214 : 107)) <= 1);
}

void HelpPrintTest::longLinesWrapAtSeparators()
{
    // 95 characters, then a bracket that would end past the width.
    const QString line = QString(60, 'a') + " bbbbbbbbbb, cccccccccccccccccccccc (ddddddddddddd) eeee";
    RecordingChooser chooser;
    printHelpTopic("Wrap", line);
    const QStringList printed = bodyLines(chooser.printed.first()).first();
    QCOMPARE(printed, QStringList({QString(60, 'a') + " bbbbbbbbbb, cccccccccccccccccccccc",
                                   "(ddddddddddddd) eeee"}));

    // Blanks and commas: each piece ends just after the last separator that fits.
    QStringList words;
    for (int i = 0; i < 40; ++i)
        words << QStringLiteral("word%1,").arg(i, 2, 10, QChar('0'));
    printHelpTopic("Words", words.join(' '));
    const QStringList wrapped = bodyLines(chooser.printed.last()).first();
    QCOMPARE(wrapped.join(' '), words.join(' '));
    QVERIFY(wrapped.size() == 4);
    for (const QString &piece : wrapped) {
        QVERIFY(piece.size() <= 102);
        QVERIFY(piece.endsWith(','));
    }
    QM_COMPARE_GOLDEN(QStringLiteral(QM_GOLDEN_DIR), "wrapped-words", chooser.printed.last().toText());
}

void HelpPrintTest::wordLongerThanTheLine()
{
    RecordingChooser chooser;
    printHelpTopic("Long", QString(150, 'x'));
    QCOMPARE(bodyLines(chooser.printed.first()).first(), QStringList({QString(102, 'x'), QString(48, 'x')}));
    // A bracket at the very start with no other separator is cut at the width too.
    QCOMPARE(wrapHelpLine("(" + QString(20, 'y'), [](const QString &t) { return t.left(8); }),
             QStringList({"(yyyyyyy", "yyyyyyyy", "yyyyy"}));
}

void HelpPrintTest::pagesWithHeaders()
{
    RecordingChooser chooser;
    printHelpTopic("Long topic", manyLines(120));
    QCOMPARE(chooser.printed.size(), 1);
    const PrintedDocument &doc = chooser.printed.first();
    QCOMPARE(doc.name, QString("appHelp"));
    QCOMPARE(doc.pages.size(), 3);
    for (qsizetype p = 0; p < doc.pages.size(); ++p) {
        const QList<PrintedLine> &lines = doc.pages.at(p).lines;
        QCOMPARE(lines.at(0).text, QString("Long topic"));
        QCOMPARE(lines.at(0).font, QString("Courier New 12 u"));
        QCOMPARE(lines.at(1).text, QStringLiteral("Page %1").arg(p + 1));
        QCOMPARE(lines.at(1).font, kBody);
    }
    QStringList all;
    for (const QStringList &page : bodyLines(doc))
        all << page;
    QCOMPARE(all.join("\r\n"), manyLines(120));
    // Every line of a full page lies above the bottom margin (11 - 0.5 inches).
    for (const PrintedLine &line : doc.pages.first().lines)
        QVERIFY(line.y + 107 <= (11 - 0.5) * 600 - 180);
    QM_COMPARE_GOLDEN(QStringLiteral(QM_GOLDEN_DIR), "two-pages", doc.toText());
}

void HelpPrintTest::duplexOnlyForLongTopics_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("duplex");
    QTest::newRow("one page") << 10 << 1 << 1;
    QTest::newRow("two pages") << 80 << 2 << 2;
}

void HelpPrintTest::duplexOnlyForLongTopics()
{
    QFETCH(int, lineCount);
    int printedWith = 0;
    RecordingChooser chooser;
    chooser.make = [&] { return std::make_unique<DuplexDevice>(&printedWith); };
    printHelpTopic("Duplex", manyLines(lineCount));
    QCOMPARE(chooser.printed.size(), 1);
    QTEST(int(chooser.printed.first().pages.size()), "pages");
    QTEST(printedWith, "duplex");
}

void HelpPrintTest::nothingForEmptyBodyOrCancel()
{
    RecordingChooser chooser;
    printHelpTopic("Empty", QString());
    QVERIFY(chooser.dialogs.isEmpty());
    chooser.cancel = true;
    printHelpTopic("Cancelled", "text");
    QCOMPARE(chooser.dialogs, QStringList{"appHelp"});
    QVERIFY(chooser.printed.isEmpty());
}

void HelpPrintTest::ctrlPPrintsTheTopicShown()
{
    QTemporaryDir dir;
    const QString path = writeHelpFile(dir, helpFileBytes({helpTopic("Top", ""), helpTopic("Keys", "Shift+Right", 1)}));
    QWidget parent;
    parent.show();
    QPointer<AppHelp> help = showHelp(path, QString(), &parent);
    QVERIFY(help);
    QApplication::setActiveWindow(help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    RecordingChooser chooser;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(chooser.printed.size(), 1);
    QCOMPARE(chooser.printed.first().pages.first().lines.first().text, QString("Keys"));
    QCOMPARE(bodyLines(chooser.printed.first()).first(), QStringList{"Shift+Right"});
    // The empty topic prints nothing.
    auto *tree = help->findChild<QTreeView *>("TopicTree");
    tree->setCurrentIndex(tree->model()->index(0, 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(chooser.dialogs.size(), 1);
    help->close();
}

QTEST_MAIN(HelpPrintTest)
#include "tst_helpprint.moc"
