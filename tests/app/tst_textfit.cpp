// Every window and every printout with the sample year, in whatever faces this
// machine has (CTest runs it again with DejaVu alone, as on a system without
// the Windows fonts or their stand-ins): no text is cut without a sign, and no
// printed text runs into another or off the page.
#include "advances/AdvancesDialog.h"
#include "app/ArchiveChoiceDialog.h"
#include "app/MainWindow.h"
#include "core/LedgerDocument.h"
#include "config/ConfigureDialog.h"
#include "core/Clock.h"
#include "core/help/HelpFile.h"
#include "core/year/YearFiles.h"
#include "help/AppHelp.h"
#include "help/HelpPrinting.h"
#include "help/InputTextBox.h"
#include "print/QtPrintDevice.h"
#include "reports/ReportPrinting.h"
#include "reports/YearToDateWindow.h"
#include "ui/Fonts.h"
#include "ui/TextFit.h"

#include "DrawnTexts.h"
#include "PrintedBoxes.h"
#include "RecordingPrinter.h"
#include "ScriptedMessages.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

using namespace qm;

namespace {

const QString kLongName = QStringLiteral("Bartholomew Featherstonehaugh-Fortescue");
const QChar kCutMark(0x2026);

QString tooWide(const QWidget *control, const QString &text, int room)
{
    return QStringLiteral("%1 \"%2\" in %3 px").arg(control->objectName(), text).arg(room);
}

// Whether the control draws the text cut short with "…".
bool drawnCut(QWidget *control, const QString &text)
{
    const QStringList drawn = drawnTexts(control);
    return std::any_of(drawn.cbegin(), drawn.cend(), [&text](const QString &shown) {
        return shown.endsWith(kCutMark) && text.startsWith(shown.chopped(1)) && shown.size() <= text.size();
    });
}

// Labels, buttons, options and drop-down lists: a text must fit its room, and
// one cut with "…" (or a list's entry, which is drawn cut) must be whole in
// the tooltip.
QStringList cutControls(const QWidget *window)
{
    QStringList cut;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString text = controlText(w);
        const int room = textRoom(w);
        if (!w->isVisible() || text.isEmpty() || room < 0)
            continue;
        const bool shownCut = qobject_cast<QComboBox *>(w) && w->toolTip() == text && drawnCut(w, text);
        if (textWidth(w, w->font(), text) > room && !shownCut)
            cut << tooWide(w, text, room);
        if (text.endsWith(kCutMark) && !w->toolTip().startsWith(text.chopped(1)))
            cut << QStringLiteral("%1 \"%2\" without its whole text").arg(w->objectName(), text);
    }
    return cut;
}

// Entries of lists, tables and trees and their headings: one wider than its
// box must be drawn cut with "…" and show whole as the tooltip when the mouse
// rests on it.
QStringList cutEntries(const QWidget *window)
{
    QStringList cut;
    const auto check = [&cut](QAbstractItemView *view, const QRect &box, const QString &text, int margin) {
        if (text.contains(u'\t') || box.width() <= 0 ||
            view->fontMetrics().horizontalAdvance(text) <= box.width() - margin)
            return;
        QHelpEvent help(QEvent::ToolTip, box.center(), view->viewport()->mapToGlobal(box.center()));
        QApplication::sendEvent(view->viewport(), &help);
        if (!QToolTip::isVisible() || QToolTip::text() != text || !drawnCut(view, text))
            cut << tooWide(view, text, box.width() - margin);
        QToolTip::hideText();
    };
    for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
        if (!view->isVisible())
            continue;
        if (auto *header = qobject_cast<QHeaderView *>(view)) {
            const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int s = 0; s < header->count() && header->orientation() == Qt::Horizontal; ++s)
                check(header, QRect(header->sectionViewportPosition(s), 0, header->sectionSize(s), header->height()),
                      header->model()->headerData(s, Qt::Horizontal).toString(), margin);
            continue;
        }
        const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
        QList<QModelIndex> pending = {QModelIndex()};
        while (!pending.isEmpty()) {
            const QModelIndex parent = pending.takeFirst();
            for (int r = 0; r < view->model()->rowCount(parent); ++r) {
                for (int c = 0; c < view->model()->columnCount(parent); ++c) {
                    const QModelIndex index = view->model()->index(r, c, parent);
                    pending << index;
                    if (view->viewport()->rect().contains(view->visualRect(index).center()))
                        check(view, view->visualRect(index), index.data().toString(), margin);
                }
            }
        }
    }
    return cut;
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { Clock::reset(); }
    void windows_data();
    void windows();
    void printouts_data();
    void printouts();
    void serifOfTheSameWidths();
    // Last: it adds the stand-in Tahoma also to the run that stands for a system without it.
    void tahomaFromWine();

private:
    void loadSample(LedgerModel &model, bool longNames);

    QTemporaryDir m_dir;
    QList<HelpTopic> m_help;
    QList<HelpTopic> m_topics; // the help file's, with a long title where the row asks for long names
};

void TestTextFit::initTestCase()
{
    // As the program does at start, unless the run stands for a system without the stand-ins.
    if (!qEnvironmentVariableIsSet("QM_WITHOUT_STAND_INS"))
        addStandInFonts();
    Clock::setFixed(QDateTime(QDate(2026, 4, 7), QTime(9, 30)));
    QFile help(QStringLiteral(QM_HELP_FILE));
    QVERIFY(help.open(QIODevice::ReadOnly));
    m_help = readHelpFile(help).topics;
    QVERIFY(!m_help.isEmpty());
    qInfo("Tahoma is drawn in %s, Times New Roman in %s", qPrintable(QFontInfo(uiFont(10)).family()),
          qPrintable(QFontInfo(namedFont(QStringLiteral("Times New Roman"))).family()));
}

// The sample year; with long names its first ad, its first sales person and
// the first help topic have one.
void TestTextFit::loadSample(LedgerModel &model, bool longNames)
{
    for (const QString &name : {QStringLiteral("QuillmoorAds.ini"), QStringLiteral("QuillmoorAds.qmr")}) {
        QFile in(QStringLiteral(QM_EXAMPLES "/") + name);
        QFile out(m_dir.filePath(name));
        QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray bytes = in.readAll();
        if (longNames)
            bytes.replace("Maggie Thorne", kLongName.toLatin1()).replace("Harbour Lights", kLongName.toLatin1());
        QVERIFY(out.write(bytes) == bytes.size());
    }
    QVERIFY(loadFiles(model, m_dir.filePath(QStringLiteral("QuillmoorAds.ini")),
                      m_dir.filePath(QStringLiteral("QuillmoorAds.qmr")))
                .isEmpty());
    m_topics = m_help;
    if (longNames)
        m_topics[firstShownHelpTopic(m_topics)].title.prepend(kLongName + QStringLiteral(" and ") + kLongName);
}

void TestTextFit::windows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("clicked"); // a control clicked before looking, by object name
    QTest::addColumn<bool>("longNames");
    for (bool longNames : {false, true}) {
        const char *names = longNames ? ", long names" : "";
        QTest::addRow("main window%s", names) << "main window" << "" << longNames;
        QTest::addRow("main window, editing%s", names) << "main window" << "EditItemsOption" << longNames;
        QTest::addRow("configure%s", names) << "configure" << "" << longNames;
        QTest::addRow("advances, adding%s", names) << "advances" << "AddEntry" << longNames;
        QTest::addRow("report, sales%s", names) << "report" << "" << longNames;
        QTest::addRow("report, commissions%s", names) << "report" << "CommissionsOption" << longNames;
        QTest::addRow("report, owed%s", names) << "report" << "OwedOption" << longNames;
        QTest::addRow("help%s", names) << "help" << "" << longNames;
    }
    QTest::newRow("main window without ads") << "main window without ads" << "" << false;
    QTest::newRow("find box") << "find box" << "" << false;
    QTest::newRow("archive offer") << "archive offer" << "" << false;
}

void TestTextFit::windows()
{
    QFETCH(QString, window);
    QFETCH(QString, clicked);
    QFETCH(bool, longNames);
    ScriptedMessages messages;
    LedgerModel model;
    const bool empty = window.endsWith(QStringLiteral("without ads"));
    loadSample(model, longNames);
    if (empty)
        model = LedgerModel();
    LedgerDocument document;
    std::unique_ptr<QWidget> shown;
    if (window.startsWith(QStringLiteral("main window"))) {
        const QString name = empty ? QStringLiteral("Empty") : QStringLiteral("QuillmoorAds");
        const QString ini = m_dir.filePath(name + QStringLiteral(".ini"));
        const QString qmr = m_dir.filePath(name + QStringLiteral(".qmr"));
        document.open(model, ini, qmr);
        auto main = std::make_unique<MainWindow>(document, StartupPaths{ini, qmr, QStringLiteral(QM_HELP_FILE)});
        QVERIFY(main->start(QStringList()));
        shown = std::move(main);
    } else if (window == QStringLiteral("configure")) {
        document.open(model, QString(), QString());
        shown = std::make_unique<ConfigureDialog>(document, QString());
    } else if (window == QStringLiteral("advances")) {
        document.open(model, QString(), QString());
        shown = std::make_unique<AdvancesDialog>(document);
    } else if (window == QStringLiteral("report")) {
        shown = std::make_unique<YearToDateWindow>(model);
    } else if (window == QStringLiteral("help")) {
        shown = std::make_unique<AppHelp>(m_topics, QString());
    } else if (window == QStringLiteral("find box")) {
        shown = std::make_unique<InputTextBox>(nullptr, QStringLiteral("Enter text:"), QStringLiteral("Text to Find"),
                                               QString());
    } else {
        shown = std::make_unique<ArchiveChoiceDialog>(2025, nullptr);
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    if (auto *person = shown->findChild<QComboBox *>(QStringLiteral("PersonBox"))) {
        person->setCurrentIndex(0);
        emit person->activated(0);
    }
    if (!clicked.isEmpty()) {
        auto *control = shown->findChild<QAbstractButton *>(clicked);
        QVERIFY(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
    }
    QTest::qWait(20); // drawn, so that drop-down lists have cut their entries
    const QStringList cut = cutControls(shown.get()) + cutEntries(shown.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

void TestTextFit::printouts_data()
{
    QTest::addColumn<QString>("printout");
    QTest::addColumn<bool>("pdf"); // a real printer's fonts, else the recorder's fixed widths
    QTest::addColumn<bool>("longNames");
    for (const char *printout : {"run sheet", "sales", "commissions", "owed", "help"}) {
        for (bool pdf : {true, false}) {
            for (bool longNames : {false, true})
                QTest::addRow("%s, %s%s", printout, pdf ? "PDF" : "recorder", longNames ? ", long names" : "")
                    << QString::fromLatin1(printout) << pdf << longNames;
        }
    }
}

void TestTextFit::printouts()
{
    QFETCH(QString, printout);
    QFETCH(bool, pdf);
    QFETCH(bool, longNames);
    ScriptedMessages messages;
    LedgerModel model;
    loadSample(model, longNames);
    RecordingChooser chooser;
    QSize printable = RecordingDevice().page.printable;
    if (pdf) {
        chooser.make = [&] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(m_dir.filePath(QStringLiteral("printout.pdf")));
            auto device = std::make_unique<QtPrintDevice>(std::move(printer));
            printable = device->geometry().printable;
            return device;
        };
    }
    if (printout == QStringLiteral("run sheet")) {
        printRunSheet(model, 1, 1);
    } else if (printout == QStringLiteral("help")) {
        const HelpTopic &topic = m_topics.at(firstShownHelpTopic(m_topics));
        printHelpTopic(topic.title, topic.body);
    } else {
        YearToDateWindow window(model);
        if (printout == QStringLiteral("commissions"))
            window.findChild<QRadioButton *>(QStringLiteral("CommissionsOption"))->click();
        else if (printout == QStringLiteral("owed"))
            window.findChild<QRadioButton *>(QStringLiteral("OwedOption"))->click();
        window.findChild<QPushButton *>(QStringLiteral("PrintButton"))->click();
    }
    QCOMPARE(chooser.printed.size(), 1);
    const QStringList clashes = printedClashes(chooser.printed.first(), printable);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
}

// Where a face with the widths of Times New Roman is installed, the printouts
// use it rather than just any serif face.
void TestTextFit::serifOfTheSameWidths()
{
    const QStringList sameWidths = {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                                    QStringLiteral("Nimbus Roman"), QStringLiteral("Tinos")};
    const auto ofSameWidths = [&](const QString &family) {
        return sameWidths.contains(family.section(QStringLiteral(" ["), 0, 0));
    };
    const QStringList families = QFontDatabase::families();
    if (std::none_of(families.cbegin(), families.cend(), ofSameWidths))
        QSKIP("No face with the widths of Times New Roman on this system");
    const QString used = QFontInfo(namedFont(QStringLiteral("Times New Roman"))).family();
    QVERIFY2(ofSameWidths(used), qPrintable(used));
}

// Where the Wine fonts are installed, the windows are drawn in their Tahoma.
void TestTextFit::tahomaFromWine()
{
    if (!QFileInfo::exists(QDir(wineFontFolder()).filePath(QStringLiteral("tahoma.ttf"))))
        QSKIP("No Wine fonts on this system");
    addStandInFonts();
    QCOMPARE(QFontInfo(uiFont(10)).family(), QStringLiteral("Tahoma"));
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
