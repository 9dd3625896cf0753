#pragma once

#include "core/Clock.h"
#include "core/files/LedgerFile.h"
#include "core/files/SettingsFile.h"
#include "grid/LedgerGrid.h"
#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "app/MainWindow.h"
#include "app/MonthList.h"
#include "ui/ProgramSettings.h"
#include "ScriptedMessages.h"

#include <QAbstractItemView>
#include <QDir>
#include <QRadioButton>
#include <QTableView>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A ledger pair in a temporary folder and a main window started on it.
struct GridFixture
{
    QTemporaryDir dir;
    qm::LedgerDocument document;
    const qm::LedgerModel &model = document.model(); // what the window works on
    std::unique_ptr<qm::ProgramSettings> settings; // none: the window keeps nothing between runs
    std::unique_ptr<qm::MainWindow> window;

    // The window keeps its recent ledgers and position in a file of the folder.
    void keepProgramSettings()
    {
        settings = std::make_unique<qm::ProgramSettings>(dir.filePath("config/program.conf"));
    }

    QString settingsPath() const { return dir.filePath("QuillmoorAds.ini"); }
    QString ledgerPath() const { return dir.filePath("QuillmoorAds.qmr"); }

    // `ads` ads, each checked for Corvel; every third also for Tarn.
    static qm::LedgerModel sampleModel(int ads)
    {
        qm::LedgerModel m;
        for (int i = 1; i <= ads; ++i) {
            qm::AdRecord ad;
            ad.name = QString("Ad %1").arg(i);
            ad.check(1) = QString(QChar(qm::CHECKMARK));
            if (i % 3 == 0)
                ad.check(2) = QString(QChar(qm::CHECKMARK));
            m.ads << ad;
        }
        m.salesPeople = {qm::SalesPerson{"Alpha", "15"}, qm::SalesPerson{"Delta", "10"}};
        m.prices.colourPrice(qm::priceEntry(1, 2)) = "150";
        m.prices.bwPrice(qm::priceEntry(1, 2)) = "100";
        m.resizeLedger(ads);
        m.ledgerYear = 2026;
        return m;
    }

    void writeFiles(qm::LedgerModel &m)
    {
        QVERIFY(qm::writeSettingsFile(settingsPath(), m).ok);
        QVERIFY(qm::writeLedgerFile(ledgerPath(), m).ok);
    }

    void open()
    {
        window = std::make_unique<qm::MainWindow>(
            document, qm::StartupPaths{settingsPath(), ledgerPath(), dir.filePath("quillmoorAds.ahp")}, settings.get());
        QVERIFY(window->start());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        QTest::qWait(1);
    }

    void openWith(int ads)
    {
        qm::LedgerModel m = sampleModel(ads);
        writeFiles(m);
        open();
    }

    qm::LedgerGrid *grid() const { return window->grid(); }
    qm::ViewState &view() { return window->grid()->view(); }

    void editMode()
    {
        QTest::mouseClick(window->editItemsOption(), Qt::LeftButton);
        QVERIFY(!view().viewOnly);
    }

    // Opens the month list with a click and clicks the month in it; Qt closes the list.
    void chooseMonth(int month)
    {
        qm::MonthList *list = window->monthList();
        QTest::mouseClick(list, Qt::LeftButton);
        QAbstractItemView *popup = list->view();
        QTRY_VERIFY(popup->isVisible());
        const QRect item = popup->visualRect(popup->model()->index(month - 1, 0));
        QTest::mouseMove(popup->viewport(), item.center());
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!popup->isVisible());
    }

    // Opens the month list and works it with keys in its view (Down, Up, Return, Escape).
    void monthKeys(const QList<Qt::Key> &keys)
    {
        qm::MonthList *list = window->monthList();
        QTest::mouseClick(list, Qt::LeftButton);
        QAbstractItemView *popup = list->view();
        QTRY_VERIFY(popup->isVisible());
        for (Qt::Key key : keys)
            QTest::keyClick(popup, key);
        QTRY_VERIFY(!popup->isVisible());
    }

    QWidget *focused() const { return QApplication::focusWidget(); }

    // Clicks the cell of a shown line (0-based) and column (1-based).
    void clickCell(int line, int column, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(grid()->gridList()->viewport(), button, {}, cellRect(line, column).center());
    }

    // The cell of a shown line (0-based: the first line shows the top row) and column (1-based).
    QModelIndex shownCell(int line, int column) const
    {
        const QTableView *list = grid()->gridList();
        return list->model()->index(list->rowAt(0) + line, column - 1);
    }

    QRect cellRect(int line, int column) const { return grid()->gridList()->visualRect(shownCell(line, column)); }

    // The text the user sees in a cell of a shown line.
    QString shownText(int line, int column) const { return shownCell(line, column).data().toString(); }

    QByteArray fileBytes(const QString &path) const
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};
