// The help viewer driven like a user does: keys to the focused control, clicks
// on the tree, its menus and the splitter; the checks read what is on screen
// and which messages were asked.
#include "core/LedgerDocument.h"
#include "help/AppHelp.h"
#include "help/HelpLauncher.h"
#include "HelpFixture.h"
#include "ScriptedMessages.h"
#include "SampleModel.h"
#include "advances/AdvancesDialog.h"
#include "config/ConfigureDialog.h"
#include "reports/YearToDateWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QtTest>

#include <functional>
#include <memory>

using namespace qm;

namespace {

// 0 "Start" (empty), 1 "Grid keys" under it, 2 "Editing" with "grid" twice,
// 3 "Wide" not wrapped, 4 "Files" under "Wide".
const QList<HelpTopic> kTopics = {
    helpTopic("Start", ""),
    helpTopic("Grid keys", "The Grid shows one issue.\r\nShift+Right moves right.", 1),
    helpTopic("Editing", "Edit a grid cell, then leave the GRID cell.", 0, 4),
    helpTopic("Wide", QString(400, u'w') + " grid", 0, 8, -1),
    helpTopic("Files", "Backups of every file.", 2),
};

class Viewer
{
public:
    explicit Viewer(const QList<HelpTopic> &topics = kTopics)
    {
        parent = std::make_unique<QWidget>();
        parent->resize(300, 200);
        parent->move(50, 40);
        parent->show();
        path = writeHelpFile(dir, helpFileBytes(topics));
        help = showHelp(path, QString(), parent.get());
        if (help) {
            QApplication::setActiveWindow(help);
            active = QTest::qWaitForWindowActive(help);
        }
    }
    template <typename T> T *find(const QString &name) const { return help->findChild<T *>(name); }
    QTreeView *tree() const { return find<QTreeView>("TopicTree"); }
    QPlainTextEdit *text() const { return find<QPlainTextEdit>("TopicText"); }
    QString banner() const { return find<QLabel>("Banner")->text(); }
    QString status2() const { return find<QLabel>("StatusPart2")->text(); }
    QString selected() const { return text()->textCursor().selectedText(); }
    int selectionStart() const { return text()->textCursor().selectionStart(); }
    // The tree entry of a topic.
    QModelIndex item(int topic) const
    {
        QAbstractItemModel *model = tree()->model();
        return model->match(model->index(0, 0), Qt::UserRole, topic, 1, Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    }
    bool bold(int topic) const { return item(topic).data(Qt::FontRole).value<QFont>().bold(); }
    bool expanded(int topic) const { return tree()->isExpanded(item(topic)); }
    void select(int topic) const { tree()->setCurrentIndex(item(topic)); }
    // A key to the control with the focus, once the viewer is the active
    // window again (a closed input box hands it back).
    void key(int key, Qt::KeyboardModifiers mods = {})
    {
        if (!help->isActiveWindow()) {
            QApplication::setActiveWindow(help);
            QVERIFY(QTest::qWaitForWindowActive(help));
        }
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mods);
    }
    void find(const QString &what, bool fromTop = true, Qt::Key end = Qt::Key_Return)
    {
        answerInputBox(what, fromTop, end);
        key(Qt::Key_F, Qt::ControlModifier);
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<QWidget> parent;
    QPointer<AppHelp> help;
    bool active = false;
};

int helpWindows()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += qobject_cast<AppHelp *>(w) && w->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void opensBesideItsParentOnTheFirstTopicWithText();
    void messagesWhenThereIsNoHelp_data();
    void messagesWhenThereIsNoHelp();
    void damagedFileShowsWhatCouldBeRead();
    void subTopicShowsParentInStatusBar();
    void capitalsFindMixedCase();
    void nextInSameTopicThenLaterTopics();
    void prevWithOneLetter();
    void prevFindsTheMatchEndingWhereTheCurrentStarts();
    void withoutSearchFromTopNoWrap();
    void escStillSearchesAndEmptyTextFocusesTree();
    void expandAndCollapseAll();
    void treeMenu();
    void wrapModesAndTabStops();
    void splitterDragAndResize();
    void oneWindowUsableBesideConfigure();
    void usableBesideTheOtherDialogs_data();
    void usableBesideTheOtherDialogs();
};

void HelpViewerTest::opensBesideItsParentOnTheFirstTopicWithText()
{
    Viewer v;
    QVERIFY(v.help);
    QVERIFY(v.active);
    QCOMPARE(v.help->windowTitle(), QString("Application Help"));
    QCOMPARE(v.help->size(), QSize(640, 370));
    QCOMPARE(v.help->frameGeometry().topLeft(), v.parent->frameGeometry().topLeft() + QPoint(100, 80));
    QCOMPARE(v.help->currentTopic(), 1);
    QCOMPARE(v.banner(), QString("     Grid keys"));
    QCOMPARE(v.text()->toPlainText(), QString("The Grid shows one issue.\nShift+Right moves right."));
    QVERIFY(v.text()->isReadOnly());
    QCOMPARE(v.find<QLabel>("StatusPart1")->text(), QString("  Right click mouse (or F1) for menu options"));
    // Level 0 at the top, others under the top-level topic before them.
    QCOMPARE(v.tree()->model()->rowCount(), 3);
    QCOMPARE(v.item(1).parent(), v.item(0));
    QCOMPARE(v.item(4).parent(), v.item(3));
    QCOMPARE(v.tree()->model()->rowCount(v.item(3)), 1);
    QVERIFY(v.expanded(0));
    v.key(Qt::Key_Escape);
    QTRY_VERIFY(!v.help);
}

void HelpViewerTest::messagesWhenThereIsNoHelp_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::newRow("missing") << QByteArray() << "Help file not found" << int(MessageIcon::Error);
    QTest::newRow("a folder, not a file") << QByteArray("dir") << "No help available" << int(MessageIcon::Information);
    QTest::newRow("topicCount -1") << QByteArray::fromHex("ffffffff") << "No help content" << int(MessageIcon::Information);
    QTest::newRow("cut in the count") << QByteArray::fromHex("0100") << "No help content" << int(MessageIcon::Information);
}

void HelpViewerTest::messagesWhenThereIsNoHelp()
{
    QFETCH(QByteArray, bytes);
    ScriptedMessages messages;
    QTemporaryDir dir;
    QString path = dir.filePath("quillmoorAds.ahp");
    if (bytes == "dir")
        QDir(dir.path()).mkdir("quillmoorAds.ahp");
    else if (!bytes.isEmpty())
        path = writeHelpFile(dir, bytes);
    QWidget parent;
    QVERIFY(!showHelp(path, QString(), &parent));
    QCOMPARE(messages.asked.size(), 1);
    QTEST(messages.asked.first().text, "text");
    QTEST(int(messages.asked.first().icon), "icon");
    const QString caption = bytes.isEmpty() ? QDir::toNativeSeparators(path) : QString("Help File");
    QCOMPARE(messages.asked.first().caption, caption);
    QVERIFY(QApplication::topLevelWidgets().size() >= 1);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<AppHelp *>(w));
}

void HelpViewerTest::damagedFileShowsWhatCouldBeRead()
{
    const QByteArray whole = helpFileBytes(kTopics);
    Viewer v;
    v.help->close();
    // Cut inside the third body: two topics, the second whole.
    const QByteArray cut = whole.left(4 + 2 + 2 + kTopics.at(1).body.size() + 2 + 10);
    const QString path = writeHelpFile(v.dir, cut, "cut.ahp");
    QPointer<AppHelp> help = showHelp(path, "Cut", v.parent.get());
    QVERIFY(help);
    QCOMPARE(help->topics().size(), 3);
    QCOMPARE(help->currentTopic(), 1);
    QCOMPARE(help->windowTitle(), QString("Cut"));
    help->close();
}

void HelpViewerTest::subTopicShowsParentInStatusBar()
{
    Viewer v;
    QCOMPARE(v.status2(), QString("Start : Grid keys"));
    v.tree()->setFocus();
    v.key(Qt::Key_End);
    QCOMPARE(v.help->currentTopic(), 4);
    QCOMPARE(v.status2(), QString("Wide : Files"));
    QCOMPARE(v.banner(), QString("     Files"));
    v.key(Qt::Key_Up);
    QCOMPARE(v.status2(), QString("Wide"));
}

void HelpViewerTest::capitalsFindMixedCase()
{
    ScriptedMessages messages;
    Viewer v;
    v.find("EDIT A");
    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(v.help->currentTopic(), 2);
    QCOMPARE(v.selected(), QString("Edit a"));
    QVERIFY(v.bold(2));
    v.find("NOWHERE");
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.first().text, QString("None found"));
    QCOMPARE(messages.asked.first().caption, QString("nowhere"));
}

void HelpViewerTest::nextInSameTopicThenLaterTopics()
{
    ScriptedMessages messages;
    Viewer v;
    v.find("grid");
    QCOMPARE(v.help->currentTopic(), 1);
    QCOMPARE(v.selectionStart(), 4);
    v.key(Qt::Key_F3);
    QCOMPARE(v.help->currentTopic(), 2);
    QCOMPARE(v.selectionStart(), 7);
    v.key(Qt::Key_F3);
    QCOMPARE(v.help->currentTopic(), 2);
    QCOMPARE(v.selectionStart(), 33);
    QCOMPARE(v.selected(), QString("GRID"));
    QVERIFY(v.bold(2));
    QVERIFY(!v.bold(1));
    v.key(Qt::Key_F3);
    QCOMPARE(v.help->currentTopic(), 3);
    QCOMPARE(v.selectionStart(), 401);
    QVERIFY(messages.asked.isEmpty());
    v.key(Qt::Key_F3);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.first().text, QString("No more found"));
    QCOMPARE(messages.asked.first().caption, QString("grid"));
    QCOMPARE(v.help->currentTopic(), 3);
    QCOMPARE(v.selectionStart(), 401);
}

void HelpViewerTest::prevWithOneLetter()
{
    ScriptedMessages messages;
    Viewer v;
    // "g" in topic 1: at 4 ("Grid") and at 34 ("Right").
    v.find("g");
    QCOMPARE(v.selectionStart(), 4);
    v.key(Qt::Key_F3);
    QCOMPARE(v.selectionStart(), 34);
    v.key(Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(v.help->currentTopic(), 1);
    QCOMPARE(v.selectionStart(), 4);
    QCOMPARE(v.selected(), QString("G"));
    // Nothing before it, not even in the empty topic 0.
    v.key(Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.first().text, QString("No more found"));
    QCOMPARE(v.selectionStart(), 4);
    // From the last topic back into earlier ones.
    v.select(3);
    v.key(Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(v.help->currentTopic(), 2);
    QCOMPARE(v.selectionStart(), 33);
}

void HelpViewerTest::prevFindsTheMatchEndingWhereTheCurrentStarts()
{
    ScriptedMessages messages;
    Viewer v({helpTopic("Twice", "gridgrid")});
    v.find("grid");
    QCOMPARE(v.selectionStart(), 0);
    v.key(Qt::Key_F3);
    QCOMPARE(v.selectionStart(), 4);
    v.key(Qt::Key_F3, Qt::ShiftModifier);
    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(v.selectionStart(), 0);
    QCOMPARE(v.selected(), QString("grid"));
}

void HelpViewerTest::withoutSearchFromTopNoWrap()
{
    ScriptedMessages messages;
    Viewer v;
    v.select(3);
    v.find("shift", false);
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(messages.asked.first().text, QString("None found"));
    QCOMPARE(v.help->currentTopic(), 3);
    QVERIFY(v.bold(3));
    // Ticked, the same search starts at the first topic.
    v.find("shift");
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(v.help->currentTopic(), 1);
    QCOMPARE(v.selected(), QString("Shift"));
}

void HelpViewerTest::escStillSearchesAndEmptyTextFocusesTree()
{
    ScriptedMessages messages;
    Viewer v;
    v.find("backups", true, Qt::Key_Escape);
    QCOMPARE(v.help->currentTopic(), 4);
    QCOMPARE(v.selected(), QString("Backups"));
    QCOMPARE(v.help->focusWidget(), v.text());
    v.find("   ");
    QCOMPARE(v.help->focusWidget(), v.tree());
    QVERIFY(messages.asked.isEmpty());
}

void HelpViewerTest::expandAndCollapseAll()
{
    Viewer v;
    v.text()->setFocus();
    // Ctrl+C is the window's command even where text could be copied.
    v.key(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!v.expanded(0));
    QVERIFY(!v.expanded(3));
    v.key(Qt::Key_X, Qt::ControlModifier);
    QVERIFY(v.expanded(0));
    QVERIFY(v.expanded(3));

    // The same commands by their actions' names, and the window's close key.
    const auto trigger = [&v](const char *name) {
        QAction *action = v.find<QAction>(name);
        QVERIFY2(action, name);
        action->trigger();
    };
    trigger("CollapseAllAction");
    QVERIFY(!v.expanded(0));
    trigger("ExpandAllAction");
    QVERIFY(v.expanded(0));
    QCOMPARE(v.find<QAction>("CloseAction")->shortcut(), QKeySequence(Qt::Key_Escape));
    trigger("CloseAction");
    QTRY_VERIFY(!v.help);
}

void HelpViewerTest::treeMenu()
{
    Viewer v;
    QTreeView *tree = v.tree();
    // Empty space: no menu.
    const QPoint below(20, tree->viewport()->height() - 5);
    QVERIFY(!tree->indexAt(below).isValid());
    QContextMenuEvent none(QContextMenuEvent::Mouse, below, tree->viewport()->mapToGlobal(below));
    QApplication::sendEvent(tree->viewport(), &none);
    QVERIFY(!QApplication::activePopupWidget());
    // On "Wide": it is selected and the menu comes up; "Collapse topic" folds it.
    const QPoint at = tree->visualRect(v.item(3)).center();
    QContextMenuEvent right(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &right);
    QCOMPARE(v.help->currentTopic(), 3);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList labels;
    for (QAction *a : menu->actions())
        labels << a->text();
    QCOMPARE(labels, QStringList({"Find text\tCTRL+F", "Next\tF3", "Prev\tSHFT+F3", "", "Expand topic",
                                  "Collapse topic", "Expand all\tCTRL+X", "Collapse all\tCTRL+C", "",
                                  "Print item\tCTRL+P"}));
    QAction *collapse = menu->actions().at(5);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(collapse).center());
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(!v.expanded(3));
    QVERIFY(v.expanded(0));
}

void HelpViewerTest::wrapModesAndTabStops()
{
    Viewer v;
    QCOMPARE(v.help->textWrapMode(), 1);
    QCOMPARE(v.text()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const int average = QFontMetrics(v.text()->font()).averageCharWidth();
    QCOMPARE(v.text()->tabStopDistance(), 8.0 * average);
    v.select(3);
    QCOMPARE(v.help->textWrapMode(), -1);
    QCOMPARE(v.text()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QTRY_VERIFY(v.text()->horizontalScrollBar()->maximum() > 0);
    v.select(2);
    QCOMPARE(v.help->textWrapMode(), 1);
    QCOMPARE(v.text()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(v.text()->tabStopDistance(), 4.0 * average);
}

void HelpViewerTest::splitterDragAndResize()
{
    Viewer v;
    QWidget *splitter = v.find<QWidget>("Splitter");
    const QRect tree = v.tree()->geometry();
    const QRect text = v.text()->geometry();
    QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(2, 100));
    QTest::mouseMove(splitter, QPoint(42, 100));
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(42, 100));
    QCOMPARE(v.tree()->width(), tree.width() + 40);
    QCOMPARE(v.text()->geometry(), QRect(text.x() + 40, tree.y() + 23, text.width() - 40, tree.height() - 23));
    QCOMPARE(splitter->x(), 245 + 40);
    QCOMPARE(v.find<QLabel>("Banner")->geometry(), QRect(text.x() + 40, tree.y(), text.width() - 55, 23));

    // Narrower: banner and text shrink from the right, the tree keeps its width.
    const int treeWidth = v.tree()->width();
    v.help->resize(540, 300);
    QCOMPARE(v.tree()->width(), treeWidth);
    QCOMPARE(v.text()->width(), 540 - splitter->x() - 20);
    QCOMPARE(v.text()->height(), 300 - 65);
    QCOMPARE(v.find<QLabel>("Banner")->width(), 540 - splitter->x() - 35);
    QCOMPARE(v.tree()->height(), 300 - 40);
}

// The help window opened from the main window stays usable while Configure is
// open over it; "?" in Configure brings the same window to the front, and it
// stays open when Configure closes, until Esc.
void HelpViewerTest::oneWindowUsableBesideConfigure()
{
    Viewer v;
    QVERIFY(!v.help->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(v.parent->isEnabled());
    const QPointer<AppHelp> first = v.help;
    LedgerDocument document;
    document.open(modelWithAds(1), QString(), QString());
    bool checked = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> configure = QApplication::activeModalWidget();
        const auto closeConfigure = qScopeGuard([&] {
            if (configure)
                configure->close();
        });
        QVERIFY(configure);
        QVERIFY(QTest::qWaitForWindowActive(configure));
        QTest::mouseClick(configure->findChild<QPushButton *>("HelpButton"), Qt::LeftButton);
        QCOMPARE(helpWindows(), 1);
        QVERIFY(first);
        QVERIFY(first->isVisible());
        // Keys reach the help window through the window system while the dialog is open.
        first->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(first));
        QTest::keyClick(first->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!v.expanded(0));
        checked = true;
    });
    openConfigureDialog(document, v.path, v.parent.get());
    QVERIFY(checked);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    v.key(Qt::Key_Escape);
    QTRY_VERIFY(!first);
}

using OpenDialog = std::function<void(LedgerModel &, QWidget *)>;
Q_DECLARE_METATYPE(OpenDialog)

void HelpViewerTest::usableBesideTheOtherDialogs_data()
{
    QTest::addColumn<OpenDialog>("open");
    QTest::newRow("advances") << OpenDialog([](LedgerModel &model, QWidget *parent) {
        LedgerDocument document;
        document.open(model, QString(), QString());
        openAdvancesDialog(document, parent);
    });
    QTest::newRow("year to date")
        << OpenDialog([](LedgerModel &model, QWidget *parent) { showYearToDate(model, parent); });
}

// The help window opened from the main window takes keys while a dialog of
// the main window is open.
void HelpViewerTest::usableBesideTheOtherDialogs()
{
    QFETCH(OpenDialog, open);
    Viewer v;
    const QPointer<AppHelp> help = v.help;
    LedgerModel model = modelWithAds(1);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> dialog = QApplication::activeModalWidget();
        const auto closeDialog = qScopeGuard([&] {
            if (dialog)
                dialog->close();
        });
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!v.expanded(0));
        checked = true;
    });
    open(model, v.parent.get());
    QVERIFY(checked);
    QVERIFY(help);
    v.key(Qt::Key_Escape);
    QTRY_VERIFY(!help);
}

QTEST_MAIN(HelpViewerTest)
#include "tst_helpviewer.moc"
