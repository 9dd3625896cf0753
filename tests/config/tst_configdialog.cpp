// The configuration dialog driven like a user does: real key presses and mouse
// clicks on its controls, found by name; the checks read the document's model.
#include "config/ConfigureDialog.h"
#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "SampleModel.h"
#include "DialogSession.h"
#include "ScriptedMessages.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <memory>

using namespace qm;

namespace {

const QString kCheck = QString(QChar(CHECKMARK));
const QString kHelpFile = QStringLiteral("/nonexistent/quillmoorAds.ahp");

// The ledger file of a one-ad model of 2026 with nothing in its cells, ending in
// the given advance section.
QByteArray emptyOneAdLedger(const QByteArray &advances)
{
    QByteArray bytes = "\"1.76\",2026\r\n";
    for (int issue = 1; issue <= kIssueCount; ++issue)
        bytes += "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    return bytes + advances;
}

// The document the dialog works on, opened on a test's model before the dialog is made.
struct OpenedDocument
{
    explicit OpenedDocument(const LedgerModel &model) { document.open(model, QString(), QString()); }
    LedgerDocument document;
};

// One open dialog on a document of a model, shown and active so that focus and
// keys behave as on a desktop.
class Session : private OpenedDocument, public DialogSession<ConfigureDialog>
{
public:
    explicit Session(const LedgerModel &model)
        : OpenedDocument(model), DialogSession(std::make_unique<ConfigureDialog>(document, kHelpFile))
    {
    }

    const LedgerModel &model() const { return document.model(); }
    // The ledger file a save writes now; the ledger is then saved.
    QByteArray savedLedger(const QTemporaryDir &dir)
    {
        const QString path = dir.filePath(QStringLiteral("QuillmoorAds.qmr"));
        LedgerModel saved = document.model();
        if (!writeLedgerFile(path, saved).ok)
            return QByteArray("(not saved)");
        document.markLedgerUnchanged();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not read)");
    }

    QTableView *list() const { return find<QTableView>(QStringLiteral("AdList")); }
    QLineEdit *editor() const { return find<QLineEdit>(QStringLiteral("AdEditor")); }
    // The cursor shows as the editor on its cell; there is none without an ad.
    bool editorShown() const { return editor() && editor()->isVisible(); }
    QScrollBar *bar() const { return find<QScrollBar>(QStringLiteral("AdScrollBar")); }
    QComboBox *salesBox() const { return find<QComboBox>(QStringLiteral("SalesPeopleBox")); }
    QLineEdit *percentBox() const { return find<QLineEdit>(QStringLiteral("PercentBox")); }
    QComboBox *sizeChoice() const { return find<QComboBox>(QStringLiteral("SizeChoice")); }
    QComboBox *publicationChoice() const { return find<QComboBox>(QStringLiteral("PublicationChoice")); }
    QLineEdit *colourBox() const { return find<QLineEdit>(QStringLiteral("ColorPriceBox")); }
    QLineEdit *bwBox() const { return find<QLineEdit>(QStringLiteral("BWPriceBox")); }
    QString hint() const { return find<QStatusBar>(QStringLiteral("ConfigHintBar"))->currentMessage(); }

    // Moves the focus with Tab until it reaches the control.
    bool tabTo(QWidget *control) const
    {
        for (int i = 0; i < 30 && QApplication::focusWidget() != control; ++i)
            key(Qt::Key_Tab);
        return QApplication::focusWidget() == control;
    }

    // Rows count from the top row the list shows, as the user sees them.
    int topRow() const { return qMax(0, list()->rowAt(0)); }
    QModelIndex cellIndex(int row, int column) const { return list()->model()->index(topRow() + row, column); }
    QRect cellRect(int row, int column) const { return list()->visualRect(cellIndex(row, column)); }
    // The rows shown whole, which are all the rows the list draws.
    int shownRows() const
    {
        int rows = 0;
        while (cellIndex(rows, 0).isValid() && list()->viewport()->rect().contains(cellRect(rows, 0)))
            ++rows;
        return rows;
    }
    // The scroll bar's thumb as the ad it puts at the top, and the last such ad.
    int barTop() const { return bar()->value() - bar()->minimum() + 1; }
    int barLastTop() const { return bar()->maximum() - bar()->minimum() + 1; }
    QRect inDialog(QWidget *widget, const QRect &rect) const
    {
        return QRect(widget->mapTo(dialog.get(), rect.topLeft()), rect.size());
    }
    void clickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(list()->viewport(), button, Qt::NoModifier, cellRect(row, column).center());
    }
    // The cell the cursor is on, as 0-based row and column of the list.
    QPoint cursorCell() const
    {
        for (int row = 0; row < shownRows(); ++row)
            for (int column = 0; column < list()->model()->columnCount(); ++column)
                if (editor()->geometry() == cellRect(row, column))
                    return QPoint(column, row);
        return QPoint(-1, -1);
    }
    QString rowText(int row, int column = 0) const { return cellIndex(row, column).data().toString(); }
    void wheel(int notches) const
    {
        QWidget *viewport = list()->viewport();
        const QPointF at(viewport->width() / 2.0, 5);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    }
};

} // namespace

class ConfigDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void windowAndControls()
    {
        LedgerModel model;
        Session s(model);
        QVERIFY(s.active);
        QCOMPARE(s.dialog->objectName(), QStringLiteral("ConfigureDialog"));
        QCOMPARE(s.dialog->windowTitle(), QStringLiteral("Options for Quillmoor Ad Sales"));
        QCOMPARE(s.dialog->size(), QSize(500, 520));
        QCOMPARE(s.dialog->minimumSize(), QSize(500, 520));
        QCOMPARE(s.dialog->maximumSize(), QSize(500, 520));
        QCOMPARE(s.dialog->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(s.dialog->font().pointSize(), 10);

        // The list's frame, and its scroll bar beside it.
        QCOMPARE(s.inDialog(s.list(), s.list()->frameRect()), QRect(10, 50, 435, 230));
        QCOMPARE(s.inDialog(s.bar(), s.bar()->rect()), QRect(445, 50, 20, 230));
        QVERIFY(s.bar()->isVisible());
        QCOMPARE(s.bar()->orientation(), Qt::Vertical);
        QCOMPARE(s.button("&Add Ad")->geometry(), QRect(20, 285, 80, 35));
        QCOMPARE(s.button("&Del Ad")->geometry(), QRect(105, 285, 80, 35));
        QCOMPARE(s.button("?")->geometry(), QRect(440, 410, 30, 35));
        QCOMPARE(s.percentBox()->geometry(), QRect(350, 350, 70, 20));
        QCOMPARE(s.colourBox()->geometry(), QRect(105, 440, 90, 20));
        QCOMPARE(s.bwBox()->geometry(), QRect(295, 440, 90, 20));
        QCOMPARE(s.salesBox()->geometry().topLeft(), QPoint(105, 350));
        QCOMPARE(s.salesBox()->width(), 150);
        QCOMPARE(s.sizeChoice()->geometry().topLeft(), QPoint(105, 410));
        QCOMPARE(s.sizeChoice()->width(), 90);
        QCOMPARE(s.publicationChoice()->geometry().topLeft(), QPoint(295, 410));
        QCOMPARE(s.publicationChoice()->width(), 90);
        auto *hintBar = s.find<QStatusBar>(QStringLiteral("ConfigHintBar"));
        QCOMPARE(hintBar->geometry().bottom(), 519);
        QCOMPARE(hintBar->width(), 500);

        QLabel *title = nullptr;
        for (QLabel *label : s.dialog->findChildren<QLabel *>())
            if (label->text() == QStringLiteral("Configure Ad Sales"))
                title = label;
        QVERIFY(title);
        QCOMPARE(title->geometry(), QRect(10, 10, 200, 24));
        QCOMPARE(title->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(title->font().pointSize(), 14);

        const QStringList headers = {"Ads", "Corvel", "Tarn Mag", "Fennet ", "Wyndle"};
        QCOMPARE(s.list()->model()->columnCount(), 5);
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(s.list()->model()->headerData(column, Qt::Horizontal).toString(), headers.at(column));
            QCOMPARE(s.list()->columnWidth(column), column == 0 ? 150 : 70);
        }
        QCOMPARE(s.list()->verticalScrollBar(), s.bar()); // the one scroll bar is the list's own
        QCOMPARE(s.list()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        QStringList sizes, publications;
        for (int i = 0; i < s.sizeChoice()->count(); ++i)
            sizes << s.sizeChoice()->itemText(i);
        for (int i = 0; i < s.publicationChoice()->count(); ++i)
            publications << s.publicationChoice()->itemText(i);
        QCOMPARE(sizes, QStringList({"Full", "Half", "Quarter", "third", "sixth", "eigth", "ninth"}));
        QCOMPARE(publications, QStringList({"Corvel", "Tarn", "Fennet", "Wyndle"}));
        QCOMPARE(s.sizeChoice()->currentIndex(), -1);
        QCOMPARE(s.publicationChoice()->currentIndex(), -1);
        QVERIFY(s.salesBox()->isEditable());

        // No confirming and no cancelling: the close box is the way out.
        QVERIFY(!s.dialog->findChild<QDialogButtonBox *>());
        for (QPushButton *b : s.dialog->findChildren<QPushButton *>()) {
            QVERIFY(b->text() != QStringLiteral("OK"));
            QVERIFY(b->text() != QStringLiteral("Cancel"));
        }
    }

    void rowsPerPageIsWhatTheListShows()
    {
        LedgerModel model = modelWithAds(30);
        Session s(model);
        const int rows = s.dialog->rowsPerPage();
        const int rowHeight = s.list()->rowHeight(0);
        QVERIFY(rows >= 1);
        QVERIFY(rows * rowHeight <= s.list()->viewport()->height());
        QVERIFY((rows + 1) * rowHeight > s.list()->viewport()->height());
        QCOMPARE(s.shownRows(), rows);
        QCOMPARE(s.barLastTop(), 30 + 1 - rows);
    }

    void openingWithNoAdsThenAddAd()
    {
        LedgerModel model;
        ScriptedMessages messages;
        Session s(model);
        QCOMPARE(s.shownRows(), 0);
        QVERIFY(!s.editorShown());
        QVERIFY(!s.bar()->isEnabled());
        QVERIFY(s.bar()->isVisible());
        Session::key(Qt::Key_Return); // nothing to move to
        Session::key(Qt::Key_Down);
        QCOMPARE(s.model().adCount(), 0);

        s.click("&Add Ad");
        QCOMPARE(s.model().adCount(), 1);
        QCOMPARE(s.model().ads.at(0).name, QString());
        QCOMPARE(s.model().cells.adCount(), 1);
        QVERIFY(s.model().settingsChanged);
        QVERIFY(s.model().ledgerChanged); // the ledger is read with the ad count
        QCOMPARE(s.shownRows(), 1);
        QCOMPARE(s.cursorCell(), QPoint(0, 0));
        QCOMPARE(QApplication::focusWidget(), s.editor());
        QCOMPARE(s.hint(), QStringLiteral("name or description of ad, [ENTER] to save, [ESC] to restore"));
        QVERIFY(messages.asked.isEmpty());

        Session::type(QStringLiteral("Bakery"));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().ads.at(0).name, QStringLiteral("Bakery"));
        QCOMPARE(s.rowText(0), QStringLiteral("Bakery"));
    }

    void typingWithoutEnterKeepsTheOldName()
    {
        LedgerModel model = modelWithAds(3);
        Session s(model);
        QCOMPARE(s.cursorCell(), QPoint(0, 0));
        Session::type(QStringLiteral("Changed"));
        Session::key(Qt::Key_Down);
        QCOMPARE(s.model().ads.at(0).name, QStringLiteral("Ad 1"));
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 1"));
        QCOMPARE(s.cursorCell(), QPoint(0, 1));
        QVERIFY(!s.model().settingsChanged);

        Session::type(QStringLiteral("Other"));
        s.clickCell(2, 0);
        QCOMPARE(s.model().ads.at(1).name, QStringLiteral("Ad 2"));
        QCOMPARE(s.cursorCell(), QPoint(0, 2));
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 3"));
    }

    void enterStoresTheNameAndMovesDown()
    {
        LedgerModel model = modelWithAds(3);
        Session s(model);
        s.editor()->selectAll();
        Session::type(QStringLiteral("Florist"));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().ads.at(0).name, QStringLiteral("Florist"));
        QCOMPARE(s.rowText(0), QStringLiteral("Florist"));
        QVERIFY(s.model().settingsChanged);
        QCOMPARE(s.cursorCell(), QPoint(0, 1));

        // An empty name is not taken.
        s.editor()->selectAll();
        Session::key(Qt::Key_Backspace);
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().ads.at(1).name, QStringLiteral("Ad 2"));
        QCOMPARE(s.cursorCell(), QPoint(0, 1));

        // Esc brings back what the cell held when the cursor came.
        Session::type(QStringLiteral("xyz"));
        Session::key(Qt::Key_Escape);
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 2"));
        QVERIFY(s.dialog->isVisible());
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().ads.at(1).name, QStringLiteral("Ad 2"));
        QCOMPARE(s.cursorCell(), QPoint(0, 2));
    }

    void enterOnTheLastAdsNameMovesToItsCorvelCheckmark()
    {
        LedgerModel model = modelWithAds(2);
        Session s(model);
        Session::key(Qt::Key_End);
        QCOMPARE(s.cursorCell(), QPoint(0, 1));
        s.editor()->selectAll();
        Session::type(QStringLiteral("Last"));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().ads.at(1).name, QStringLiteral("Last"));
        QCOMPARE(s.cursorCell(), QPoint(1, 1));
        QCOMPARE(s.hint(), QStringLiteral("[SPACE] to toggle checkmark on/off"));
    }

    void enterOnACheckmarkMovesDownAndUpOnTheLastAd()
    {
        LedgerModel model = modelWithAds(3);
        Session s(model);
        Session::key(Qt::Key_Right, Qt::ShiftModifier);
        Session::key(Qt::Key_Right);
        QCOMPARE(s.cursorCell(), QPoint(2, 0));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.cursorCell(), QPoint(2, 1));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.cursorCell(), QPoint(2, 2));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.cursorCell(), QPoint(2, 1));
        QVERIFY(s.dialog->isVisible());
    }

    void enterOnTheCheckmarkOfASingleAdStays()
    {
        LedgerModel model = modelWithAds(1);
        Session s(model);
        Session::key(Qt::Key_Right, Qt::ShiftModifier);
        Session::key(Qt::Key_Return);
        QCOMPARE(s.cursorCell(), QPoint(1, 0));
    }

    void spaceTogglesACheckmark()
    {
        LedgerModel model = modelWithAds(2);
        Session s(model);
        Session::key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(s.hint(), QStringLiteral("[SPACE] to toggle checkmark on/off"));
        QVERIFY(s.editor()->isReadOnly());
        Session::key(Qt::Key_Space);
        QCOMPARE(s.rowText(0, 1), kCheck);
        QCOMPARE(s.editor()->text(), kCheck);
        QVERIFY(s.model().settingsChanged);
        Session::type(QStringLiteral("abc"));
        QCOMPARE(s.editor()->text(), kCheck);
        Session::key(Qt::Key_Down);
        QCOMPARE(s.model().ads.at(0).check(1), kCheck);
        QCOMPARE(s.model().ads.at(1).check(1), QString());

        Session::key(Qt::Key_Space);
        Session::key(Qt::Key_Space);
        Session::key(Qt::Key_Up);
        QCOMPARE(s.model().ads.at(1).check(1), QString());
        Session::key(Qt::Key_Space);
        Session::key(Qt::Key_Down);
        QCOMPARE(s.model().ads.at(0).check(1), QString());
    }

    void escOnACheckmarkRestoresIt()
    {
        LedgerModel model = modelWithAds(2);
        model.ads[0].check(4) = kCheck;
        Session s(model);
        for (int i = 0; i < 4; ++i)
            Session::key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(s.cursorCell(), QPoint(4, 0));
        Session::key(Qt::Key_Space);
        QCOMPARE(s.editor()->text(), QString());
        Session::key(Qt::Key_Escape);
        QCOMPARE(s.editor()->text(), kCheck);
        Session::key(Qt::Key_Down);
        QCOMPARE(s.model().ads.at(0).check(4), kCheck);
    }

    void closingWritesAHeldCheckmark()
    {
        LedgerModel model = modelWithAds(1);
        Session s(model);
        Session::key(Qt::Key_Right, Qt::ShiftModifier);
        Session::key(Qt::Key_Right, Qt::ShiftModifier);
        Session::key(Qt::Key_Space);
        s.dialog->close();
        QCOMPARE(s.model().ads.at(0).check(2), kCheck);
    }

    void thirtyAdsScroll()
    {
        LedgerModel model = modelWithAds(30);
        Session s(model);
        const int rows = s.dialog->rowsPerPage();
        QVERIFY(rows < 29);
        const int last = 30 + 1 - rows;
        QCOMPARE(s.barLastTop(), last);
        QCOMPARE(s.bar()->pageStep(), qMax(1, (last - 1) / 6));
        QCOMPARE(s.barTop(), 1);
        QVERIFY(s.bar()->isEnabled());
        if (rows == 12) {
            QCOMPARE(s.barLastTop(), 19);
            QCOMPARE(s.bar()->pageStep(), 3);
        }

        // Dragging the thumb, then a page down on the bar, which stops at the last top.
        s.bar()->setSliderPosition(s.bar()->minimum() + last - 2);
        QCOMPARE(s.rowText(0), QStringLiteral("Ad %1").arg(last - 1));
        QCOMPARE(s.barTop(), last - 1);
        QVERIFY(s.bar()->isEnabled());
        s.bar()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(s.bar(), Qt::Key_PageDown);
        QCOMPARE(s.rowText(0), QStringLiteral("Ad %1").arg(last));
        QCOMPARE(s.rowText(rows - 1), QStringLiteral("Ad 30"));
        QCOMPARE(s.barTop(), last);
        // The cursor kept its row and is back in the editor.
        QCOMPARE(s.cursorCell(), QPoint(0, 0));
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad %1").arg(last));
        QCOMPARE(QApplication::focusWidget(), s.editor());
        QTest::keyClick(s.bar(), Qt::Key_PageDown);
        QCOMPARE(s.rowText(0), QStringLiteral("Ad %1").arg(last));
    }

    void keysPageThroughTheAds()
    {
        LedgerModel model = modelWithAds(30);
        Session s(model);
        const int rows = s.dialog->rowsPerPage();
        Session::key(Qt::Key_End);
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 30"));
        QCOMPARE(s.rowText(rows - 1), QStringLiteral("Ad 30"));
        QCOMPARE(s.cursorCell(), QPoint(0, rows - 1));
        QCOMPARE(s.barTop(), 31 - rows);
        Session::key(Qt::Key_Home);
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 1"));
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 1"));
        Session::key(Qt::Key_PageDown);
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad %1").arg(1 + rows));
        QCOMPARE(s.cursorCell(), QPoint(0, rows - 1));
        Session::key(Qt::Key_Down); // on the last row: the list moves one ad
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad %1").arg(2 + rows));
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 3"));
        Session::key(Qt::Key_PageUp);
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 2"));
        QCOMPARE(s.cursorCell(), QPoint(0, 0));
        Session::key(Qt::Key_Up); // on the top row: the list moves one ad
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 1"));
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 1"));
        Session::key(Qt::Key_Up);
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 1"));
        QVERIFY(!s.model().settingsChanged);
    }

    void homeAndEndInANameMoveTheCaretToo()
    {
        LedgerModel model = modelWithAds(3);
        Session s(model);
        Session::key(Qt::Key_Down);
        Session::key(Qt::Key_Down);
        QCOMPARE(s.editor()->cursorPosition(), 4); // the caret arrives at the end
        Session::key(Qt::Key_Home);
        QCOMPARE(s.cursorCell(), QPoint(0, 0));
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 1"));
        QCOMPARE(s.editor()->cursorPosition(), 0);
        Session::key(Qt::Key_Home); // already on the first ad: only the caret
        QCOMPARE(s.editor()->cursorPosition(), 0);
        Session::key(Qt::Key_End);
        QCOMPARE(s.cursorCell(), QPoint(0, 2));
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 3"));
        QCOMPARE(s.editor()->cursorPosition(), 4);
        QVERIFY(!s.editor()->hasSelectedText());
    }

    void wheelScrollsOneAdPerNotch()
    {
        LedgerModel model = modelWithAds(30);
        Session s(model);
        s.wheel(-1);
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 2"));
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 2"));
        s.wheel(-3);
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 5"));
        QCOMPARE(s.barTop(), 5);
        s.wheel(2);
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 3"));
        s.wheel(5);
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 1"));

        // Over the editor the wheel scrolls the list just the same.
        const QPointF at(5, 5);
        QWheelEvent overEditor(at, s.editor()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(s.editor(), &overEditor);
        QCOMPARE(s.rowText(0), QStringLiteral("Ad 2"));
    }

    void clicksMoveTheCursor()
    {
        LedgerModel model = modelWithAds(3);
        Session s(model);
        s.clickCell(2, 3);
        QCOMPARE(s.cursorCell(), QPoint(3, 2));
        QCOMPARE(s.hint(), QStringLiteral("[SPACE] to toggle checkmark on/off"));
        s.clickCell(1, 0, Qt::RightButton);
        QCOMPARE(s.cursorCell(), QPoint(0, 1));
        // Below the last row nothing happens.
        QTest::mouseClick(s.list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(20, s.cellRect(2, 0).bottom() + 20));
        QCOMPARE(s.cursorCell(), QPoint(0, 1));
    }

    void deleteRefusedForAnAdWithASalePrice()
    {
        LedgerModel model = modelWithAds(3);
        model.cell(13, ColSale, 2) = QStringLiteral("100.00");
        ScriptedMessages messages(MessageAnswer::Yes);
        Session s(model);
        Session::key(Qt::Key_Down);
        s.click("&Del Ad");
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text,
                 QStringLiteral("Cannot delete\r\n\r\nThis ad contains data already input by the user\r\n\r\n"
                                "... either remove that data first or wait untill next year\r\n"
                                "(best to wait because archiving the file clears all data)"));
        QCOMPARE(messages.asked.at(0).caption, QStringLiteral("Ad 2"));
        QCOMPARE(messages.asked.at(0).buttons, MessageButtons::Ok);
        QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
        QCOMPARE(s.model().adCount(), 3);
        QCOMPARE(s.model().cell(13, ColSale, 2), QStringLiteral("100.00"));
        QVERIFY(!s.model().settingsChanged);
    }

    void deleteAllowedForAnAdWithOnlyACommissionPaid()
    {
        LedgerModel model = modelWithAds(3);
        model.cell(4, ColCommPaid, 2) = QStringLiteral("12.00");
        model.cell(4, ColSalesPerson, 3) = QStringLiteral("Owner");
        ScriptedMessages messages;
        messages.answers << MessageAnswer::No << MessageAnswer::Yes;
        Session s(model);
        Session::key(Qt::Key_Down);
        s.click("&Del Ad");
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text, QStringLiteral("Delete this Ad now?"));
        QCOMPARE(messages.asked.at(0).caption, QStringLiteral("Ad 2"));
        QCOMPARE(messages.asked.at(0).buttons, MessageButtons::YesNo);
        QCOMPARE(messages.asked.at(0).icon, MessageIcon::None);
        QCOMPARE(s.model().adCount(), 3); // answered No

        s.click("&Del Ad");
        QCOMPARE(s.model().adCount(), 2);
        QCOMPARE(s.model().ads.at(1).name, QStringLiteral("Ad 3"));
        QCOMPARE(s.model().cells.adCount(), 2);
        QCOMPARE(s.model().cell(4, ColCommPaid, 2), QString());
        QCOMPARE(s.model().cell(4, ColSalesPerson, 2), QStringLiteral("Owner"));
        QVERIFY(s.model().settingsChanged);
        QVERIFY(s.model().ledgerChanged);
        QCOMPARE(s.shownRows(), 2);
        QCOMPARE(s.rowText(1), QStringLiteral("Ad 3"));
        QCOMPARE(s.cursorCell(), QPoint(0, 1));
    }

    void deletingAd3Of5MovesTheLaterCellsDown()
    {
        LedgerModel model = modelWithAds(5);
        for (int issue = 1; issue <= kIssueCount; ++issue)
            for (int column = 1; column <= kColumnCount; ++column)
                for (int ad = 1; ad <= 5; ++ad)
                    if (ad != 3 || column == ColAds || column >= ColComm)
                        model.cell(issue, column, ad) = cellMark(issue, column, ad);
        ScriptedMessages messages(MessageAnswer::Yes);
        Session s(model);
        Session::key(Qt::Key_Down);
        Session::key(Qt::Key_Down);
        s.click("&Del Ad");
        QCOMPARE(s.model().adCount(), 4);
        QCOMPARE(s.model().cells.adCount(), 4);
        for (int issue = 1; issue <= kIssueCount; ++issue) {
            for (int column = 1; column <= kColumnCount; ++column) {
                QCOMPARE(s.model().cell(issue, column, 2), cellMark(issue, column, 2));
                QCOMPARE(s.model().cell(issue, column, 3), cellMark(issue, column, 4));
                QCOMPARE(s.model().cell(issue, column, 4), cellMark(issue, column, 5));
            }
        }
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 4"));
    }

    void theAdLastAtOpeningIsGuardedToo_data()
    {
        QTest::addColumn<int>("addedBefore");
        QTest::newRow("no ad added") << 0;
        QTest::newRow("ads added since") << 2;
    }

    void theAdLastAtOpeningIsGuardedToo()
    {
        QFETCH(int, addedBefore);
        LedgerModel model = modelWithAds(3);
        model.cell(5, ColNumber, 3) = QStringLiteral("2");
        ScriptedMessages messages(MessageAnswer::Yes);
        Session s(model);
        for (int i = 0; i < addedBefore; ++i)
            s.click("&Add Ad");
        Session::key(Qt::Key_Home);
        Session::key(Qt::Key_Down);
        Session::key(Qt::Key_Down);
        QCOMPARE(s.editor()->text(), QStringLiteral("Ad 3"));
        s.click("&Del Ad");
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).caption, QStringLiteral("Ad 3"));
        QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
        QVERIFY(messages.asked.at(0).text.startsWith(QStringLiteral("Cannot delete")));
        QCOMPARE(s.model().adCount(), 3 + addedBefore);
        QCOMPARE(s.model().ads.at(2).name, QStringLiteral("Ad 3"));
        QCOMPARE(s.model().cell(5, ColNumber, 3), QStringLiteral("2"));
    }

    void adsAddedInThisOpeningAreDeletedWithoutTheGuard()
    {
        LedgerModel model = modelWithAds(1);
        ScriptedMessages messages(MessageAnswer::Yes);
        Session s(model);
        s.click("&Add Ad");
        s.click("&Add Ad");
        QCOMPARE(s.model().adCount(), 3);
        QCOMPARE(s.model().cells.adCount(), 3);
        s.click("&Del Ad");
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text, QStringLiteral("Delete this Ad now?"));
        QCOMPARE(s.model().adCount(), 2);
        QCOMPARE(s.model().cells.adCount(), 2);
        QCOMPARE(s.cursorCell(), QPoint(0, 1));

        // Deleting the last ad leaves an empty list without a cursor.
        s.click("&Del Ad");
        Session::key(Qt::Key_Up);
        s.click("&Del Ad");
        QCOMPARE(s.model().adCount(), 0);
        QCOMPARE(s.model().cells.adCount(), 0);
        QCOMPARE(s.shownRows(), 0);
        QVERIFY(!s.editorShown());
        s.click("&Add Ad");
        QCOMPARE(s.model().adCount(), 1);
        QCOMPARE(s.cursorCell(), QPoint(0, 0));
    }

    void addingBeyondAPageScrolls()
    {
        LedgerModel model = modelWithAds(0);
        Session s(model);
        const int rows = s.dialog->rowsPerPage();
        for (int i = 0; i < rows + 2; ++i)
            s.click("&Add Ad");
        QCOMPARE(s.model().adCount(), rows + 2);
        QCOMPARE(s.shownRows(), rows);
        QCOMPARE(s.cursorCell(), QPoint(0, rows - 1));
        QVERIFY(s.bar()->isEnabled());
        QCOMPARE(s.barLastTop(), 3);
        QCOMPARE(s.barTop(), 3);
    }

    void salesPeopleAreAddedInOrder()
    {
        LedgerModel model = modelWithAds(1);
        ScriptedMessages messages;
        Session s(model);
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(QApplication::focusWidget(), s.salesBox());
        QCOMPARE(s.hint(), QStringLiteral("up/down keys or click pulldown list to select, [ENTER] to save"));
        Session::type(QStringLiteral("Delta"));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().salesPeople.size(), 1);
        QCOMPARE(s.model().salesPeople.at(0).name, QStringLiteral("Delta"));
        QVERIFY(s.model().settingsChanged);
        QCOMPARE(QApplication::focusWidget(), s.percentBox());
        QCOMPARE(s.hint(), QString());
        Session::type(QStringLiteral("10"));
        Session::key(Qt::Key_Tab);
        QCOMPARE(s.model().salesPeople.at(0).percent, QStringLiteral("10"));
        // Enter in the name field never moved the ad cursor.
        QCOMPARE(s.cursorCell(), QPoint(0, 0));

        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(s.salesBox()->currentText(), QString());
        Session::type(QStringLiteral("Alpha"));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().salesPeople.size(), 2);
        QCOMPARE(s.model().salesPeople.at(0).name, QStringLiteral("Alpha"));
        QCOMPARE(s.model().salesPeople.at(0).percent, QString());
        QCOMPARE(s.model().salesPeople.at(1).name, QStringLiteral("Delta"));
        QCOMPARE(s.model().salesPeople.at(1).percent, QStringLiteral("10"));
        QCOMPARE(s.model().salesChoices(), QStringList({"Alpha", "Delta", "Owner"}));
        QCOMPARE(s.salesBox()->count(), 2);
        QCOMPARE(s.salesBox()->itemText(0), QStringLiteral("Alpha"));
        QCOMPARE(s.salesBox()->itemText(1), QStringLiteral("Delta"));
        Session::type(QStringLiteral("7"));
        Session::key(Qt::Key_Return); // the dialog's Enter leaves the box, which stores
        QCOMPARE(s.model().salesPeople.at(0).percent, QStringLiteral("7"));
        QCOMPARE(QApplication::focusWidget(), s.editor());
        QVERIFY(messages.asked.isEmpty());
        QVERIFY(s.dialog->isVisible());
    }

    void aThirdSalesPersonIsRefused()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("5")}, {QStringLiteral("Delta"), QStringLiteral("10")}};
        ScriptedMessages messages;
        Session s(model);
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::type(QStringLiteral("delta"));
        Session::key(Qt::Key_Return);
        QVERIFY(messages.asked.isEmpty());
        QCOMPARE(s.model().salesPeople.size(), 2);

        s.salesBox()->lineEdit()->selectAll();
        Session::type(QStringLiteral("Zed"));
        Session::key(Qt::Key_Return);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text, QStringLiteral("Number of sales people is limited to 2"));
        QCOMPARE(messages.asked.at(0).caption, QStringLiteral("QuillmoorAds - ver 1.76"));
        QCOMPARE(messages.asked.at(0).buttons, MessageButtons::Ok);
        QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
        QCOMPARE(s.salesBox()->currentText(), QString());
        QCOMPARE(s.model().salesChoices(), QStringList({"Alpha", "Delta", "Owner"}));
        QCOMPARE(s.salesBox()->count(), 2);
    }

    void aPersonNamedInAnyIssueIsNotDeleted()
    {
        LedgerModel model = modelWithAds(2);
        model.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("5")}, {QStringLiteral("Delta"), QStringLiteral("10")}};
        model.cell(14, ColSalesPerson, 2) = QStringLiteral("Delta"); // Fennet, not the issue in view
        ScriptedMessages messages;
        messages.answers << MessageAnswer::Ok << MessageAnswer::Ok << MessageAnswer::No << MessageAnswer::Yes;
        Session s(model);
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::type(QStringLiteral("Delta"));
        Session::key(Qt::Key_Delete);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text,
                 QStringLiteral("Cannot delete\r\n\r\nAd data has already been assigned to this person\r\n\r\n"
                                "... either remove that data first or wait untill next year\r\n"
                                "(best to wait because archiving the file clears all data)"));
        QCOMPARE(messages.asked.at(0).caption, QStringLiteral("Delta"));
        QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
        QCOMPARE(s.model().salesPeople.size(), 2);
        QCOMPARE(s.salesBox()->currentText(), QStringLiteral("Delta")); // Delete erased nothing

        // The same person typed in other letters is the same person: refused
        // just the same, under the name as typed.
        s.salesBox()->lineEdit()->selectAll();
        Session::type(QStringLiteral("delta"));
        Session::key(Qt::Key_Delete);
        QCOMPARE(messages.asked.size(), 2);
        QCOMPARE(messages.asked.at(1).text, messages.asked.at(0).text);
        QCOMPARE(messages.asked.at(1).caption, QStringLiteral("delta"));
        QCOMPARE(messages.asked.at(1).icon, MessageIcon::Error);
        QCOMPARE(s.model().salesPeople.size(), 2);

        // A person the ledger does not name: asked, No keeps, Yes deletes.
        s.salesBox()->lineEdit()->selectAll();
        Session::type(QStringLiteral("ALPHA"));
        Session::key(Qt::Key_Delete);
        QCOMPARE(messages.asked.size(), 3);
        QCOMPARE(messages.asked.at(2).text, QStringLiteral("Delete this sales person?"));
        QCOMPARE(messages.asked.at(2).caption, QStringLiteral("Alpha"));
        QCOMPARE(messages.asked.at(2).buttons, MessageButtons::YesNo);
        QCOMPARE(messages.asked.at(2).icon, MessageIcon::Question);
        QCOMPARE(s.model().salesPeople.size(), 2);
        QCOMPARE(s.salesBox()->currentText(), QStringLiteral("Alpha"));
        Session::key(Qt::Key_Delete);
        QCOMPARE(s.model().salesPeople.size(), 1);
        QCOMPARE(s.model().salesPeople.at(0).name, QStringLiteral("Delta"));
        QCOMPARE(s.model().salesPeople.at(0).percent, QStringLiteral("10"));
        QCOMPARE(s.salesBox()->count(), 1);
        QCOMPARE(s.salesBox()->currentText(), QString());
        QVERIFY(s.model().settingsChanged);
    }

    void ownerIsNotASalesPersonsName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("as written") << QStringLiteral("Owner");
        QTest::newRow("lower case") << QStringLiteral("owner");
        QTest::newRow("upper case") << QStringLiteral("OWNER");
    }

    void ownerIsNotASalesPersonsName()
    {
        QFETCH(QString, typed);
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("Delta"), QStringLiteral("10")}};
        ScriptedMessages messages;
        Session s(model);
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::type(typed);
        Session::key(Qt::Key_Return);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text,
                 QStringLiteral("Cannot add\r\n\r\nOwner is the name under which the owner's own sales are kept"
                                "\r\n\r\n... please give the sales person another name"));
        QCOMPARE(messages.asked.at(0).caption, typed);
        QCOMPARE(messages.asked.at(0).buttons, MessageButtons::Ok);
        QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
        QCOMPARE(s.model().salesChoices(), QStringList({"Delta", "Owner"}));
        QCOMPARE(s.salesBox()->count(), 1);
        QCOMPARE(s.salesBox()->currentText(), QString());
        QVERIFY(!s.model().settingsChanged);

        // A name that only begins like it is a name like any other.
        Session::type(typed + QStringLiteral("s"));
        Session::key(Qt::Key_Return);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(s.model().salesPeople.size(), 2);
    }

    void tabFollowsTheOrderOfTheControls()
    {
        LedgerModel model = modelWithAds(30); // enough ads for the scroll bar to work
        Session s(model);
        const QList<QWidget *> order = {s.editor(),        s.bar(),      s.button("&Add Ad"),  s.button("&Del Ad"),
                                        s.salesBox(),      s.percentBox(), s.sizeChoice(),     s.publicationChoice(),
                                        s.colourBox(),     s.bwBox(),    s.button("?")};
        QCOMPARE(QApplication::focusWidget(), s.editor());
        for (int i = 1; i <= order.size(); ++i) {
            Session::key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order.at(i % order.size()));
        }
        for (int i = order.size() - 1; i >= 0; --i) {
            Session::key(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), order.at(i));
        }
    }

    // The cursor's editor keeps the list's place in the order, wherever the cursor went.
    void tabFollowsTheOrderAfterTheCursorMoved()
    {
        LedgerModel model = modelWithAds(30);
        Session s(model);
        QTest::mouseClick(s.percentBox(), Qt::LeftButton);
        s.clickCell(2, 0);
        Session::key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(s.cursorCell(), QPoint(1, 2));
        QCOMPARE(QApplication::focusWidget(), s.editor());
        Session::key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s.bar());
        Session::key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), s.editor());
        Session::key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), s.button("?"));
    }

    void advancesFollowTheirSalesPerson()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        LedgerModel model = SampleModel(1).person(QStringLiteral("Delta"), QStringLiteral("10"))
                                .advances(1, {AdvanceEntry{QStringLiteral("03/01/2026"), 500, 0}})
                                .year(2026);
        ScriptedMessages messages(MessageAnswer::Yes);
        Session s(model);

        // Alpha sorts in ahead of Delta; Delta's advances go along to ledger 2.
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::type(QStringLiteral("Alpha"));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().salesChoices(), QStringList({"Alpha", "Delta", "Owner"}));
        QVERIFY(s.model().ledgerChanged);
        QCOMPARE(s.savedLedger(dir), emptyOneAdLedger("0,0\r\n1,0\r\n\"03/01/2026\",500,0\r\n"));

        // Deleting Alpha brings them back to ledger 1 with Delta.
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::type(QStringLiteral("Alpha"));
        Session::key(Qt::Key_Delete);
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text, QStringLiteral("Delete this sales person?"));
        QCOMPARE(s.model().salesChoices(), QStringList({"Delta", "Owner"}));
        QVERIFY(s.model().ledgerChanged);
        QCOMPARE(s.savedLedger(dir), emptyOneAdLedger("1,0\r\n0,0\r\n\"03/01/2026\",500,0\r\n"));

        // Delta has advances: not deleted, nothing asked.
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::type(QStringLiteral("delta"));
        Session::key(Qt::Key_Delete);
        QCOMPARE(messages.asked.size(), 2);
        QCOMPARE(messages.asked.at(1).text,
                 QStringLiteral("Cannot delete\r\n\r\nAdvances have been entered for this person\r\n\r\n"
                                "... delete them under [Advances] first"));
        QCOMPARE(messages.asked.at(1).caption, QStringLiteral("delta"));
        QCOMPARE(messages.asked.at(1).buttons, MessageButtons::Ok);
        QCOMPARE(messages.asked.at(1).icon, MessageIcon::Error);
        QCOMPARE(s.salesBox()->count(), 1);
        QCOMPARE(s.model().salesChoices(), QStringList({"Delta", "Owner"}));
        QVERIFY(!s.model().ledgerChanged);
        QCOMPARE(s.savedLedger(dir), emptyOneAdLedger("1,0\r\n0,0\r\n\"03/01/2026\",500,0\r\n"));
    }

    void choosingAPersonShowsTheirPercentage()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("5")}, {QStringLiteral("Delta"), QStringLiteral("10")}};
        Session s(model);
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::key(Qt::Key_Down);
        QCOMPARE(s.salesBox()->currentText(), QStringLiteral("Alpha"));
        QCOMPARE(s.percentBox()->text(), QStringLiteral("5"));
        Session::key(Qt::Key_Down);
        QCOMPARE(s.salesBox()->currentText(), QStringLiteral("Delta"));
        QCOMPARE(s.percentBox()->text(), QStringLiteral("10"));
        QTest::mouseClick(s.percentBox(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), s.percentBox());
        QCOMPARE(s.hint(), QStringLiteral("percent of sales for sales person, [ENTER] or move to save"));
        s.percentBox()->selectAll();
        Session::type(QStringLiteral("12.5"));
        Session::key(Qt::Key_Tab);
        QCOMPARE(s.model().salesPeople.at(1).percent, QStringLiteral("12.5"));
        QCOMPARE(s.model().salesPeople.at(0).percent, QStringLiteral("5"));
        QVERIFY(s.model().settingsChanged);
    }

    void percentagesOnlyForConfiguredPeople()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("5")}};
        Session s(model);
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::type(QStringLiteral("Stranger"));
        QTest::mouseClick(s.percentBox(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), s.salesBox());

        // With no name nothing is bound and nothing is stored.
        QCOMPARE(s.salesBox()->currentText(), QString());
        QTest::mouseClick(s.percentBox(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), s.percentBox());
        Session::type(QStringLiteral("9"));
        Session::key(Qt::Key_Tab);
        QCOMPARE(s.model().salesPeople.size(), 1);
        QCOMPARE(s.model().salesPeople.at(0).percent, QStringLiteral("5"));
        QVERIFY(!s.model().settingsChanged);
    }

    void tarnHalfShowsPriceEntry9()
    {
        LedgerModel model = modelWithAds(1);
        model.prices.colourPrice(9) = QStringLiteral("250");
        model.prices.bwPrice(9) = QStringLiteral("175");
        Session s(model);
        QVERIFY(s.tabTo(s.sizeChoice()));
        Session::key(Qt::Key_Down);
        Session::key(Qt::Key_Down);
        QCOMPARE(s.sizeChoice()->currentText(), QStringLiteral("Half"));
        QCOMPARE(s.colourBox()->text(), QString());
        QVERIFY(s.tabTo(s.publicationChoice()));
        Session::key(Qt::Key_Down);
        Session::key(Qt::Key_Down);
        QCOMPARE(s.publicationChoice()->currentText(), QStringLiteral("Tarn"));
        QCOMPARE(s.colourBox()->text(), QStringLiteral("250"));
        QCOMPARE(s.bwBox()->text(), QStringLiteral("175"));

        Session::key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s.colourBox());
        QCOMPARE(s.hint(), QStringLiteral("price for Ad size/Publication combination, [ENTER] or move to save"));
        s.colourBox()->selectAll();
        Session::type(QStringLiteral("300"));
        Session::key(Qt::Key_Tab);
        QCOMPARE(s.model().prices.colourPrice(9), QStringLiteral("300"));
        s.bwBox()->selectAll();
        Session::type(QStringLiteral("200"));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().prices.bwPrice(9), QStringLiteral("200"));
        QVERIFY(s.model().settingsChanged);
    }

    // A price still being typed when the dialog is closed is stored, from either box.
    void closingStoresThePriceBeingTyped_data()
    {
        QTest::addColumn<bool>("colour");
        QTest::newRow("colour") << true;
        QTest::newRow("black and white") << false;
    }
    void closingStoresThePriceBeingTyped()
    {
        QFETCH(bool, colour);
        LedgerModel model = modelWithAds(1);
        Session s(model);
        QVERIFY(s.tabTo(s.sizeChoice()));
        Session::key(Qt::Key_End); // the last size
        QVERIFY(s.tabTo(s.publicationChoice()));
        Session::key(Qt::Key_End); // the last publication
        QVERIFY(s.tabTo(colour ? s.colourBox() : s.bwBox()));
        Session::type(QStringLiteral("45"));
        s.dialog->close(); // the close event the close box sends
        QVERIFY(!s.dialog->isVisible());
        QCOMPARE(s.model().prices.colourPrice(kPriceEntryCount), colour ? QStringLiteral("45") : QString());
        QCOMPARE(s.model().prices.bwPrice(kPriceEntryCount), colour ? QString() : QStringLiteral("45"));
        QVERIFY(s.model().settingsChanged);
    }

    void aPriceTypedWithOnlyASizeChosenStoresNothing()
    {
        LedgerModel model = modelWithAds(1);
        Session s(model);
        QVERIFY(s.tabTo(s.sizeChoice()));
        Session::key(Qt::Key_Down);
        QCOMPARE(s.sizeChoice()->currentText(), QStringLiteral("Full"));
        QTest::mouseClick(s.colourBox(), Qt::LeftButton);
        Session::type(QStringLiteral("99"));
        Session::key(Qt::Key_Tab);
        Session::type(QStringLiteral("88"));
        Session::key(Qt::Key_Tab);
        for (int entry = 1; entry <= kPriceEntryCount; ++entry) {
            QCOMPARE(s.model().prices.colourPrice(entry), QString());
            QCOMPARE(s.model().prices.bwPrice(entry), QString());
        }
        QVERIFY(!s.model().settingsChanged);
    }

    void leavingAPriceForAPulldownStoresItUnderTheOldPair()
    {
        LedgerModel model = modelWithAds(1);
        Session s(model);
        QVERIFY(s.tabTo(s.sizeChoice()));
        Session::key(Qt::Key_Down); // Full
        QVERIFY(s.tabTo(s.publicationChoice()));
        Session::key(Qt::Key_Down); // Corvel
        QVERIFY(s.tabTo(s.colourBox()));
        Session::type(QStringLiteral("500"));
        Session::key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), s.publicationChoice());
        QCOMPARE(s.model().prices.colourPrice(1), QStringLiteral("500"));
        Session::key(Qt::Key_Down); // Tarn
        QCOMPARE(s.colourBox()->text(), QString());
        QCOMPARE(s.model().prices.colourPrice(8), QString());
    }

    void doubleQuotesCannotBeTyped()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("5")}};
        Session s(model);
        s.editor()->selectAll();
        Session::type(QStringLiteral("The \"Inn\""));
        QCOMPARE(s.editor()->text(), QStringLiteral("The Inn"));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().ads.at(0).name, QStringLiteral("The Inn"));

        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        Session::type(QStringLiteral("Al\"pha"));
        QCOMPARE(s.salesBox()->currentText(), QStringLiteral("Alpha"));

        QTest::mouseClick(s.percentBox(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), s.percentBox());
        s.percentBox()->clear();
        QApplication::clipboard()->setText(QStringLiteral("1\"2"));
        Session::key(Qt::Key_V, Qt::ControlModifier);
        Session::type(QStringLiteral("\""));
        QCOMPARE(s.percentBox()->text(), QStringLiteral("12"));
        Session::key(Qt::Key_Tab);
        QCOMPARE(s.model().salesPeople.at(0).percent, QStringLiteral("12"));

        QTest::mouseClick(s.colourBox(), Qt::LeftButton);
        Session::type(QStringLiteral("9\"9"));
        QCOMPARE(s.colourBox()->text(), QStringLiteral("99"));
    }

    void otherControlsEndACheckmarkEdit()
    {
        LedgerModel model = modelWithAds(2);
        ScriptedMessages messages;
        Session s(model);
        Session::key(Qt::Key_Right, Qt::ShiftModifier);
        Session::key(Qt::Key_Space);
        QTest::mouseClick(s.percentBox(), Qt::LeftButton);
        QCOMPARE(s.model().ads.at(0).check(1), kCheck);
        QCOMPARE(s.cursorCell(), QPoint(0, 0));
        QCOMPARE(QApplication::focusWidget(), s.percentBox());

        s.clickCell(1, 2);
        Session::key(Qt::Key_Space);
        s.click("?");
        QCOMPARE(s.model().ads.at(1).check(2), kCheck);
        QCOMPARE(s.cursorCell(), QPoint(0, 1));
    }

    void hintsFollowTheFocus()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("5")}};
        Session s(model);
        QCOMPARE(s.hint(), QStringLiteral("name or description of ad, [ENTER] to save, [ESC] to restore"));
        QTest::mouseClick(s.salesBox(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(s.hint(), QStringLiteral("up/down keys or click pulldown list to select, [ENTER] to save"));
        QTest::mouseClick(s.bwBox(), Qt::LeftButton);
        QCOMPARE(s.hint(), QStringLiteral("price for Ad size/Publication combination, [ENTER] or move to save"));
        s.clickCell(0, 4);
        QCOMPARE(s.hint(), QStringLiteral("[SPACE] to toggle checkmark on/off"));
    }

    void enterAndEscNeverClose()
    {
        LedgerModel model = modelWithAds(2);
        Session s(model);
        for (QWidget *control : {static_cast<QWidget *>(s.percentBox()), static_cast<QWidget *>(s.colourBox()),
                                 static_cast<QWidget *>(s.sizeChoice()), static_cast<QWidget *>(s.salesBox())}) {
            QVERIFY(s.tabTo(control));
            Session::key(Qt::Key_Escape);
            Session::key(Qt::Key_Return);
            QVERIFY(s.dialog->isVisible());
        }
        QVERIFY(s.tabTo(s.button("&Add Ad")));
        Session::key(Qt::Key_Return);
        QCOMPARE(s.model().adCount(), 2); // Enter is the dialog's, not the button's
        QVERIFY(s.dialog->isVisible());
        s.dialog->close();
        QVERIFY(!s.dialog->isVisible());
    }

    void helpButtonWithoutAHelpFile()
    {
        LedgerModel model = modelWithAds(1);
        ScriptedMessages messages;
        Session s(model);
        s.click("?");
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.at(0).text, QStringLiteral("Help file not found"));
        QCOMPARE(messages.asked.at(0).icon, MessageIcon::Error);
        QVERIFY(messages.asked.at(0).caption.endsWith(QStringLiteral("quillmoorAds.ahp")));
    }

    void unsortedSalesPeopleAreSortedAtOpening()
    {
        LedgerModel model = modelWithAds(1);
        model.salesPeople = {{QStringLiteral("Zed"), QStringLiteral("5")}, {QStringLiteral("Alpha"), QStringLiteral("7")}};
        model.cell(3, ColSalesPerson, 1) = QStringLiteral("Zed");
        Session s(model);
        QCOMPARE(s.model().salesChoices(), QStringList({"Alpha", "Zed", "Owner"}));
        QCOMPARE(s.model().salesPeople.at(1).percent, QStringLiteral("5"));
        QCOMPARE(s.model().commissionPercent(s.model().cell(3, ColSalesPerson, 1)), QStringLiteral("5"));
        QCOMPARE(s.salesBox()->itemText(0), QStringLiteral("Alpha"));
        QCOMPARE(s.salesBox()->itemText(1), QStringLiteral("Zed"));
        QVERIFY(s.model().settingsChanged);

        LedgerModel sorted = modelWithAds(1);
        sorted.salesPeople = {{QStringLiteral("Alpha"), QStringLiteral("7")}};
        Session second(sorted);
        QVERIFY(!second.model().settingsChanged);
        QVERIFY(!second.model().ledgerChanged);
    }

    void openConfigureDialogRunsModally()
    {
        LedgerModel model = modelWithAds(1);
        QTimer::singleShot(0, [] {
            if (auto *dialog = qobject_cast<ConfigureDialog *>(QApplication::activeModalWidget()))
                dialog->close();
        });
        LedgerDocument document;
        document.open(model, QString(), QString());
        openConfigureDialog(document, kHelpFile, nullptr);
        QCOMPARE(document.model().adCount(), 1);
    }
};

QTEST_MAIN(ConfigDialogTest)
#include "tst_configdialog.moc"
