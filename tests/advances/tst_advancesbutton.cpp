// The main window's "Advances" button: the pending cell is stored before the
// dialog opens, and the cell editor has the focus again once it has closed.
#include "advances/AdvancesDialog.h"
#include "../grid/GridFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace qm;

class TestAdvancesButton : public QObject
{
    Q_OBJECT

private slots:
    void commitsOpensAndGivesTheFocusBack()
    {
        GridFixture f;
        f.openWith(3);
        f.editMode();
        f.clickCell(1, 3);
        QTest::keyClicks(f.grid()->cellEditor(), "4");
        QCOMPARE(f.model.cell(1, ColNumber, 2), QString());

        QString cellWhileOpen = QStringLiteral("(dialog not seen)");
        QString personsWhileOpen;
        // Looks in from inside the dialog's own loop, then closes it with Esc.
        QTimer watcher;
        watcher.setInterval(10);
        connect(&watcher, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<AdvancesDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isActiveWindow())
                return;
            watcher.stop();
            cellWhileOpen = f.model.cell(1, ColNumber, 2);
            personsWhileOpen = dialog->findChild<QComboBox *>(QStringLiteral("PersonBox"))->itemText(1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QPushButton *button = f.window->findChild<QPushButton *>(QStringLiteral("AdvancesButton"));
        QVERIFY(button);
        watcher.start();
        QTest::mouseClick(button, Qt::LeftButton);

        QCOMPARE(cellWhileOpen, QStringLiteral("4"));
        QCOMPARE(personsWhileOpen, QStringLiteral("Delta"));
        QVERIFY(!QApplication::activeModalWidget());
        // The window's focus is back in the cell (the button had taken it); it
        // shows once the platform makes the window active again.
        QCOMPARE(f.window->focusWidget(), static_cast<QWidget *>(f.grid()->cellEditor()));
        QVERIFY(f.grid()->cellEditor()->isVisible());
    }
};

QTEST_MAIN(TestAdvancesButton)
#include "tst_advancesbutton.moc"
