#include "app/MainMenu.h"

#include "ui/DocumentHistory.h"

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

    QMenu *file = m_menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    m_save = addCommand(file, "SaveAction", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAs = addCommand(file, "SaveAsAction", tr("Save &As..."),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    m_open = addCommand(file, "OpenAction", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m_recent = file->addMenu(tr("Open &Recent"));
    m_recent->setObjectName(QStringLiteral("OpenRecentMenu"));
    file->addSeparator();
    m_export = addCommand(file, "ExportLedgerAction", tr("&Export Ledger as CSV..."));
    m_runSheet = addCommand(file, "PrintRunSheetAction", tr("Print Run S&heet..."));
    m_yearToDate = addCommand(file, "PrintYearToDateAction", tr("Print &Year-to-Date..."));
    file->addSeparator();
    m_quit = addCommand(file, "QuitAction", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = m_menuBar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    m_undo = addCommand(edit, "UndoAction", tr("&Undo"));
    m_undo->setShortcuts(DocumentHistory::undoKeys());
    m_redo = addCommand(edit, "RedoAction", tr("&Redo"));
    m_redo->setShortcuts(DocumentHistory::redoKeys());

    QMenu *help = m_menuBar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    m_help = addCommand(help, "HelpContentsAction", tr("&Contents"), QKeySequence(Qt::Key_F1));
    m_about = addCommand(help, "AboutAction", tr("&About Quillmoor Ad Sales"));
    m_about->setMenuRole(QAction::AboutRole);
    m_quit->setMenuRole(QAction::QuitRole);

    // The buttons' commands; their keys are the buttons' own.
    m_configure = addCommand(window, "ConfigureAdsAction", tr("&Configure Ads"));
    m_advances = addCommand(window, "AdvancesAction", tr("&Advances"));
    m_report = addCommand(window, "ShowReportAction", tr("&Show Report"));
    m_scrollUp = addCommand(window, "ScrollUpAction", tr("Scroll Up"), QKeySequence(Qt::Key_Up));
    m_scrollDown = addCommand(window, "ScrollDownAction", tr("Scroll Down"), QKeySequence(Qt::Key_Down));

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
