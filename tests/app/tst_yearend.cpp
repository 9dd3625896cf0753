// The year-end offer at start-up, through the real main window, the real offer
// dialog and real files, with the clock in 2026.

#include "app/ArchiveChoiceDialog.h"
#include "core/LedgerDocument.h"
#include "app/MainWindow.h"
#include "core/Clock.h"
#include "core/LedgerModel.h"
#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "grid/LedgerGrid.h"
#include "LedgerPair.h"
#include "ScriptedMessages.h"
#include "ui/MessageBoxes.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace qm;

namespace {

using DialogAction = std::function<void(ArchiveChoiceDialog *)>;

// Acts on the offer as soon as it is on screen; `offered` tells whether it came.
// The watch ends with `context`.
void whenOffered(QObject *context, DialogAction act, bool *offered, int tries = 200)
{
    QTimer::singleShot(tries == 200 ? 0 : 10, context, [context, act, offered, tries] {
        auto *dialog = qobject_cast<ArchiveChoiceDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (tries > 0)
                whenOffered(context, act, offered, tries - 1);
            return;
        }
        *offered = true;
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QApplication::setActiveWindow(dialog);
        QTRY_VERIFY(dialog->isActiveWindow());
        act(dialog);
    });
}

// Keys go where the focus is, as the user's do.
QWidget *focused(ArchiveChoiceDialog *dialog)
{
    QWidget *widget = QApplication::focusWidget();
    return widget && widget->window() == dialog ? widget : dialog;
}

void pressOk(ArchiveChoiceDialog *dialog) { QTest::keyClick(focused(dialog), Qt::Key_Return); }

// Answers every real message box with Enter where its focus is, as a hurried
// user does, and notes what each said. The watch ends with `context`.
void pressEnterOnMessageBoxes(QObject *context, QStringList *shown)
{
    auto *timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop(); // not again while this box is waited for
        const bool exposed = QTest::qWaitForWindowExposed(box);
        timer->start();
        if (!exposed)
            return;
        *shown << box->text();
        QApplication::setActiveWindow(box);
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == box ? focus : box, Qt::Key_Return);
    });
    timer->start(10);
}

void chooseArchiveOption(ArchiveChoiceDialog *dialog)
{
    QTest::mouseClick(dialog->archiveOption(), Qt::LeftButton);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
}

struct YearEnd
{
    QTemporaryDir dir;
    LedgerDocument document;
    const LedgerModel &model = document.model();
    std::unique_ptr<MainWindow> window;
    ScriptedMessages messages{MessageAnswer::No};
    QString folder;
    QString opened; // the folder part of the paths the window is given, as typed
    QObject watch;  // ends the wait for the offer with the test

    QString settingsFile() const { return opened + "QuillmoorAds.ini"; }
    QString ledgerFile() const { return opened + "QuillmoorAds.qmr"; }
    QString program() const { return dir.filePath("program"); }
    QDir archive() const { return QDir(QDir(program()).filePath("QuillmoorAds_Archive")); }

    explicit YearEnd(int year, const QString &sub = "ads")
    {
        folder = dir.filePath(sub);
        opened = folder + "/";
        writePair(folder, filledYear(year));
        QDir().mkpath(program());
    }

    // Starts the main window as main() does; false when start-up ended the program.
    bool start(DialogAction act, bool *offered)
    {
        whenOffered(&watch, act, offered);
        window = std::make_unique<MainWindow>(
            document, StartupPaths{settingsFile(), ledgerFile(), dir.filePath("quillmoorAds.ahp"), program()});
        if (!window->start())
            return false;
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    // The sales person of the first line on screen (Corvel, January: ad 1).
    QString firstSalesPerson() const { return window->grid()->gridList()->model()->index(0, 1).data().toString(); }
};

} // namespace

class YearEndTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(QDate(2026, 1, 5), QTime(9, 30))); }
    void cleanup() { Clock::reset(); }

    void offerShowsTheLedgerYear_data();
    void offerShowsTheLedgerYear();
    void noOfferInsideArchive_data();
    void noOfferInsideArchive();
    void noOfferForThisYear();
    void closeCommandEndsAtOnce();
    void archiveFromTheOffer();
    void archiveFailureKeepsTheLedger();
    void existingArchiveNeedsYes();
    void endToEnd();
};

void YearEndTest::offerShowsTheLedgerYear_data()
{
    QTest::addColumn<int>("year");
    QTest::newRow("2025") << 2025;
    QTest::newRow("2023") << 2023;
}

// The offer as the user sees it; Ok on the preselected option keeps the year.
void YearEndTest::offerShowsTheLedgerYear()
{
    QFETCH(int, year);
    YearEnd y(year);
    bool offered = false;
    QString continueText, archiveText, title;
    bool continueChecked = false, hasTitleBar = true;
    QSize size;
    QVERIFY(y.start(
        [&](ArchiveChoiceDialog *d) {
            continueText = d->continueOption()->text();
            archiveText = d->archiveOption()->text();
            continueChecked = d->continueOption()->isChecked();
            title = d->windowTitle();
            hasTitleBar = d->windowFlags().testFlag(Qt::WindowTitleHint);
            size = d->size();
            pressOk(d);
        },
        &offered));
    QVERIFY(offered);
    QCOMPARE(continueText, QString("Continue with %1 data").arg(year));
    QCOMPARE(archiveText, QString("Archive %1 data and reset for next year").arg(year));
    QVERIFY(continueChecked);
    QCOMPARE(title, QString("What now?"));
    QVERIFY(!hasTitleBar);
    QCOMPARE(size, QSize(300, 180));

    QCOMPARE(y.firstSalesPerson(), QString("Alice Moor"));
    QCOMPARE(y.model.ledgerYear, year);
    QVERIFY(!y.archive().exists());
    QVERIFY(y.messages.asked.isEmpty());
}

void YearEndTest::noOfferInsideArchive_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("typed"); // how the folder is named on the command line
    QTest::newRow("as made") << "QuillmoorAds_Archive" << "absolute";
    QTest::newRow("lower case") << "quillmoorads_archive" << "absolute";
    QTest::newRow("upper case") << "QUILLMOORADS_ARCHIVE" << "absolute";
    QTest::newRow("started in the archive folder") << "QuillmoorAds_Archive" << "";
    QTest::newRow("started in it, with ./") << "QuillmoorAds_Archive" << "./";
    QTest::newRow("started beside it") << "QuillmoorAds_Archive" << "QuillmoorAds_Archive/";
    QTest::newRow("through a link to it") << "QuillmoorAds_Archive" << "link";
}

// An archived year opened for viewing, however its path is typed.
void YearEndTest::noOfferInsideArchive()
{
    QFETCH(QString, folder);
    QFETCH(QString, typed);
    YearEnd y(2025, folder);
    const QString workingFolder = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(workingFolder); });
    if (typed == "link") {
#ifndef Q_OS_UNIX
        QSKIP("A link to a folder is a shortcut file elsewhere, not a path the program is started with");
#endif
        QVERIFY(QFile::link(y.folder, y.dir.filePath("last year")));
        y.opened = y.dir.filePath("last year") + "/";
    } else if (typed != "absolute") {
        QVERIFY(QDir::setCurrent(typed.contains(folder) ? y.dir.path() : y.folder));
        y.opened = typed;
    }
    const QByteArray ledger = fileBytes(y.ledgerFile());
    bool offered = false;
    QVERIFY(y.start(chooseArchiveOption, &offered));
    QTest::qWait(50);
    QVERIFY(!offered);
    QCOMPARE(y.firstSalesPerson(), QString("Alice Moor"));
    QCOMPARE(y.model.ledgerYear, 2025);
    QVERIFY(!y.model.ledgerChanged);
    QCOMPARE(fileBytes(y.ledgerFile()), ledger);
    QVERIFY(!y.archive().exists());
}

void YearEndTest::noOfferForThisYear()
{
    YearEnd y(2026);
    bool offered = false;
    QVERIFY(y.start(chooseArchiveOption, &offered));
    QTest::qWait(50);
    QVERIFY(!offered);
}

// Alt+F4 on the offer ends the program before the window shows, without a question.
void YearEndTest::closeCommandEndsAtOnce()
{
    YearEnd y(2025);
    const QByteArray ledger = fileBytes(y.ledgerFile());
    bool offered = false;
    QVERIFY(!y.start(
        [](ArchiveChoiceDialog *d) { QTest::keyClick(focused(d), Qt::Key_F4, Qt::AltModifier); },
        &offered));
    QVERIFY(offered);
    QVERIFY(y.messages.asked.isEmpty());
    QVERIFY(!y.window->isVisible());
    QCOMPARE(fileBytes(y.ledgerFile()), ledger);
    QVERIFY(!y.archive().exists());
}

void YearEndTest::archiveFromTheOffer()
{
    YearEnd y(2025);
    bool offered = false;
    QVERIFY(y.start(chooseArchiveOption, &offered));
    QVERIFY(offered);
    QCOMPARE(y.firstSalesPerson(), QString());
    QCOMPARE(y.window->captionLabel()->text(), QString("Corvel - January"));
    QCOMPARE(y.model.ledgerYear, 2026);
    // One message tells where both copies are.
    QCOMPARE(y.messages.asked.size(), 1);
    const QString told = y.messages.asked.first().text;
    QVERIFY(told.contains(QDir::toNativeSeparators(y.archive().filePath("QuillmoorAds_2025.ini"))));
    QVERIFY(told.contains(QDir::toNativeSeparators(y.archive().filePath("QuillmoorAds_2025.qmr"))));
}

void YearEndTest::archiveFailureKeepsTheLedger()
{
    YearEnd y(2025);
    // Neither beside the program nor beside the ledger can the folder be made.
    for (const QString &folder : {y.program(), y.folder}) {
        QFile blocker(QDir(folder).filePath("QuillmoorAds_Archive"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    bool offered = false;
    QVERIFY(y.start(chooseArchiveOption, &offered));
    QCOMPARE(y.messages.asked.size(), 1);
    QCOMPARE(y.messages.asked.first().icon, MessageIcon::Error);
    QVERIFY(y.messages.asked.first().text.contains("could not be created"));
    QCOMPARE(y.firstSalesPerson(), QString("Alice Moor"));
    QCOMPARE(y.model.ledgerYear, 2025);
    QVERIFY(!y.model.ledgerChanged);
}

// Last year's archive is replaced only by a deliberate Yes: Enter on the real
// question keeps it, and the user is told that the year was not archived.
void YearEndTest::existingArchiveNeedsYes()
{
    YearEnd y(2025);
    QVERIFY(QDir().mkpath(y.archive().path()));
    QFile earlier(y.archive().filePath("QuillmoorAds_2025.ini"));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("kept");
    earlier.close();
    installMessageBoxes();
    QStringList shown;
    pressEnterOnMessageBoxes(&y.watch, &shown);
    bool offered = false;
    QVERIFY(y.start(chooseArchiveOption, &offered));
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown.at(0).startsWith("An archive of 2025 already exists"), qPrintable(shown.at(0)));
    QVERIFY2(shown.at(1).startsWith("The 2025 data was not archived"), qPrintable(shown.at(1)));
    QCOMPARE(fileBytes(earlier.fileName()), QByteArray("kept"));
    QVERIFY(!QFileInfo::exists(y.archive().filePath("QuillmoorAds_2025.qmr")));
    QCOMPARE(y.firstSalesPerson(), QString("Alice Moor"));
}

// A folder with last year's ledger: started, archived, closed with Yes.
void YearEndTest::endToEnd()
{
    YearEnd y(2025);
    const QByteArray settingsBefore = fileBytes(y.settingsFile());
    const QByteArray ledgerBefore = fileBytes(y.ledgerFile());
    bool offered = false;
    QVERIFY(y.start(chooseArchiveOption, &offered));
    y.messages.answers = {MessageAnswer::Yes};
    QVERIFY(y.window->close());
    QCOMPARE(y.messages.asked.size(), 2);
    QCOMPARE(y.messages.asked.last().text, QString("Do you want to save the files?"));

    QCOMPARE(fileBytes(y.archive().filePath("QuillmoorAds_2025.ini")), settingsBefore);
    QCOMPARE(fileBytes(y.archive().filePath("QuillmoorAds_2025.qmr")), ledgerBefore);
    // Only the ledger changed: the settings file stays as it was.
    QCOMPARE(fileBytes(y.settingsFile()), settingsBefore);
    const QByteArray ledgerAfter = fileBytes(y.ledgerFile());
    QVERIFY(ledgerAfter.startsWith("\"1.76\",2026\r\n"));
    LedgerModel reread;
    QVERIFY(readSettingsFile(y.settingsFile(), reread).ok);
    QVERIFY(readLedgerFile(y.ledgerFile(), reread).ok);
    LedgerModel empty = filledYear(2025);
    empty.clearLedger();
    QVERIFY(reread.cells == empty.cells);
    QCOMPARE(reread.advances, filledYear(2025).advances);
    QCOMPARE(reread.ledgerYear, 2026);
}

QTEST_MAIN(YearEndTest)
#include "tst_yearend.moc"
