// Every window the libraries make, as assistive technology finds it: each
// control the keyboard reaches has a name (none empty, padded or made of signs
// only), each label that names a control ("Ad size:") leads to it, and the
// ledger's cells tell their column with their value.
#include "AccessibleChecks.h"
#include "core/LedgerDocument.h"
#include "HelpFixture.h"
#include "SampleModel.h"
#include "advances/AdvancesDialog.h"
#include "config/ConfigureDialog.h"
#include "grid/LedgerGrid.h"
#include "help/AppHelp.h"
#include "help/InputTextBox.h"
#include "reports/YearToDateWindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace qm;

namespace {

enum class Window { Configure, Advances, AdvancesEntry, Sales, Commissions, Help, FindText, Grid, GridTyped };

LedgerModel sample()
{
    return SampleModel(3)
        .runningIn(1)
        .person(QStringLiteral("Alpha"), QStringLiteral("15"))
        .advances(1, {AdvanceEntry{QStringLiteral("01/10/2026"), 100, 0}})
        .cell(1, ColSale, 1, QStringLiteral("150.00"))
        .year(2026);
}

void pressOn(QWidget *widget, Qt::Key key)
{
    widget->setFocus();
    QTest::keyClick(widget, key);
}

} // namespace

class TstAccessibility : public QObject
{
    Q_OBJECT

    // The ledger the dialogs and the grid work on: a copy of the test's model.
    LedgerDocument m_document;

    std::unique_ptr<QWidget> open(Window window, LedgerModel &model)
    {
        std::unique_ptr<QWidget> shown;
        m_document.open(model, QString(), QString());
        switch (window) {
        case Window::Configure:
            shown = std::make_unique<ConfigureDialog>(m_document, QString());
            break;
        case Window::Advances:
        case Window::AdvancesEntry:
            shown = std::make_unique<AdvancesDialog>(m_document);
            break;
        case Window::Sales:
        case Window::Commissions:
            shown = std::make_unique<YearToDateWindow>(model);
            break;
        case Window::Help:
            shown = std::make_unique<AppHelp>(
                QList<HelpTopic>{helpTopic(QStringLiteral("Start"), QStringLiteral("Text")),
                                 helpTopic(QStringLiteral("More"), QString(), 1)},
                QString());
            shown->setAttribute(Qt::WA_DeleteOnClose, false);
            break;
        case Window::FindText:
            shown = std::make_unique<InputTextBox>(nullptr, QStringLiteral("Enter text:"),
                                                   QStringLiteral("Text to Find"), QString());
            break;
        case Window::Grid:
        case Window::GridTyped: {
            shown = std::make_unique<QWidget>();
            shown->resize(860, 560);
            auto *grid = new LedgerGrid(m_document, shown.get(), new QStatusBar(shown.get()));
            grid->buildRows();
            grid->fillGrid();
            grid->setViewOnly(false);
            break;
        }
        }
        shown->show();
        QApplication::setActiveWindow(shown.get());
        if (!QTest::qWaitForWindowActive(shown.get()))
            return nullptr;
        // Into the state that shows the controls that only come with it.
        if (window == Window::AdvancesEntry) {
            pressOn(shown->findChild<QComboBox *>(QStringLiteral("PersonBox")), Qt::Key_Down);
            QTest::mouseClick(shown->findChild<QPushButton *>(QStringLiteral("AddEntry")), Qt::LeftButton);
        } else if (window == Window::Commissions) {
            auto *option = shown->findChild<QRadioButton *>(QStringLiteral("CommissionsOption"));
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
        } else if (window == Window::GridTyped) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // from the sales person to the number
        }
        return shown;
    }

private slots:
    // `shows`: a control that only the state the window is put in shows.
    void everyControlIsNamed_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("shows");
        QTest::newRow("configure") << Window::Configure << QStringLiteral("AdEditor");
        QTest::newRow("advances") << Window::Advances << QStringLiteral("EntryList");
        QTest::newRow("advances, adding an entry") << Window::AdvancesEntry << QStringLiteral("DateBox");
        QTest::newRow("year to date, total sales") << Window::Sales << QStringLiteral("ReportTable");
        QTest::newRow("year to date, commissions") << Window::Commissions << QStringLiteral("SalesPerson1Label");
        QTest::newRow("help viewer") << Window::Help << QStringLiteral("TopicText");
        QTest::newRow("find text") << Window::FindText << QStringLiteral("InputEdit");
        QTest::newRow("ledger grid, on a pulldown") << Window::Grid << QStringLiteral("SalesPulldown");
        QTest::newRow("ledger grid, on a typed cell") << Window::GridTyped << QStringLiteral("CellEditor");
    }

    void everyControlIsNamed()
    {
        QFETCH(Window, window);
        QFETCH(QString, shows);
        LedgerModel model = sample();
        const std::unique_ptr<QWidget> shown = open(window, model);
        QVERIFY(shown);
        QVERIFY(shown->findChild<QWidget *>(shows)->isVisible());
        const QStringList unnamed = unnamedControls(*shown);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
        const QStringList labels = labelsWithoutBuddy(*shown);
        QVERIFY2(labels.isEmpty(), qPrintable(labels.join(QStringLiteral("; "))));
    }

    void helpButtonIsCalledHelp()
    {
        LedgerModel model = sample();
        const std::unique_ptr<QWidget> shown = open(Window::Configure, model);
        QVERIFY(shown);
        QCOMPARE(accessibleName(shown->findChild<QPushButton *>(QStringLiteral("HelpButton"))), QStringLiteral("Help"));
    }

    // The ad list's editor is named after the field it lies on.
    void adEditorTellsItsField()
    {
        LedgerModel model = sample();
        const std::unique_ptr<QWidget> shown = open(Window::Configure, model);
        QVERIFY(shown);
        QWidget *editor = shown->findChild<QWidget *>(QStringLiteral("AdEditor"));
        QCOMPARE(accessibleName(editor), QStringLiteral("Ad name"));
        QTest::keyClick(editor, Qt::Key_Right, Qt::ShiftModifier); // to the first checkmark
        // Each cell has an editor of its own.
        editor = shown->findChild<QWidget *>(QStringLiteral("AdEditor"));
        QVERIFY(editor);
        QCOMPARE(accessibleName(editor), QStringLiteral("Runs in Corvel"));
    }

    // The first and last column, a cell with a value and an empty one.
    void gridCellsTellTheirColumn_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("ad") << 0 << int(ColAds) << QStringLiteral("Ads: Ad 1");
        QTest::newRow("sale") << 0 << int(ColSale) << QStringLiteral("Sale: 150.00");
        QTest::newRow("empty") << 1 << int(ColSale) << QStringLiteral("Sale: empty");
        QTest::newRow("last column") << 2 << int(ColCommPaid) << QStringLiteral("CommPd: empty");
    }

    void gridCellsTellTheirColumn()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, name);
        LedgerModel model = sample();
        const std::unique_ptr<QWidget> shown = open(Window::Grid, model);
        QVERIFY(shown);
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(shown->findChild<QTableView *>(QStringLiteral("GridList")));
        QVERIFY(table && table->tableInterface());
        QAccessibleInterface *cell = table->tableInterface()->cellAt(row, column - 1);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), name);
        const QList<QAccessibleInterface *> headers = cell->tableCellInterface()->columnHeaderCells();
        // Qt makes the header cells for the caller, who hands them back to it.
        const auto deleteHeaders = qScopeGuard([&headers] {
            for (QAccessibleInterface *header : headers)
                QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
        });
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers.first()->text(QAccessible::Name), name.section(u':', 0, 0));
    }
};

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
