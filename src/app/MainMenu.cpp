#include "app/MainMenu.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace qm {

namespace {

QAction *addCommand(QMenu *menu, const char *name, const QString &text, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

// A command of the window that is in no menu.
QAction *addCommand(QWidget *window, const char *name, const QString &text, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(text, window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    window->addAction(action);
    return action;
}

} // namespace

MainMenu::MainMenu(QWidget *window) : QObject(window), m_menuBar(new QMenuBar(window))
{
    m_menuBar->setObjectName(QStringLiteral("MenuBar"));

    QMenu *file = m_menuBar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    m_save = addCommand(file, "SaveAction", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAs = addCommand(file, "SaveAsAction", QStringLiteral("Save &As..."),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    m_open = addCommand(file, "OpenAction", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m_recent = file->addMenu(QStringLiteral("Open &Recent"));
    m_recent->setObjectName(QStringLiteral("OpenRecentMenu"));
    file->addSeparator();
    m_export = addCommand(file, "ExportLedgerAction", QStringLiteral("&Export Ledger as CSV..."));
    m_runSheet = addCommand(file, "PrintRunSheetAction", QStringLiteral("Print Run S&heet..."));
    m_yearToDate = addCommand(file, "PrintYearToDateAction", QStringLiteral("Print &Year-to-Date..."));
    file->addSeparator();
    m_quit = addCommand(file, "QuitAction", QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *help = m_menuBar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    m_help = addCommand(help, "HelpContentsAction", QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1));
    m_about = addCommand(help, "AboutAction", QStringLiteral("&About Quillmoor Ad Sales"));
    m_about->setMenuRole(QAction::AboutRole);
    m_quit->setMenuRole(QAction::QuitRole);

    // The buttons' commands; their keys are the buttons' own.
    m_configure = addCommand(window, "ConfigureAdsAction", QStringLiteral("&Configure Ads"));
    m_advances = addCommand(window, "AdvancesAction", QStringLiteral("&Advances"));
    m_report = addCommand(window, "ShowReportAction", QStringLiteral("&Show Report"));
    m_scrollUp = addCommand(window, "ScrollUpAction", QStringLiteral("Scroll Up"), QKeySequence(Qt::Key_Up));
    m_scrollDown = addCommand(window, "ScrollDownAction", QStringLiteral("Scroll Down"), QKeySequence(Qt::Key_Down));

    showRecentLedgers({});
}

void MainMenu::showRecentLedgers(const QStringList &ledgerFiles)
{
    m_recent->clear();
    for (int i = 0; i < ledgerFiles.size(); ++i) {
        const QString path = ledgerFiles.at(i);
        // "&&": a "&" in a folder name is shown, not taken as the entry's key.
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(u'&', QStringLiteral("&&"));
        QAction *entry = m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setObjectName(QStringLiteral("OpenRecent%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, path] { emit recentLedgerChosen(path); });
    }
    m_recent->setEnabled(!ledgerFiles.isEmpty());
}

} // namespace qm
