#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace qm {

// The main window's commands: every one as a QAction, each with its object name
// and with its shortcut set here and nowhere else. Those of the menu bar are in
// its menus; the others (the buttons' commands, the view-only scroll keys)
// belong to the window itself.
class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget *window);

    QMenuBar *menuBar() const { return m_menuBar; }

    QAction *save() const { return m_save; }
    QAction *saveAs() const { return m_saveAs; }
    QAction *open() const { return m_open; }
    QAction *exportLedger() const { return m_export; }
    QAction *printRunSheet() const { return m_runSheet; }
    QAction *printYearToDate() const { return m_yearToDate; }
    QAction *quit() const { return m_quit; }
    QAction *undo() const { return m_undo; }
    QAction *redo() const { return m_redo; }
    QAction *helpContents() const { return m_help; }
    QAction *about() const { return m_about; }
    QAction *configureAds() const { return m_configure; }
    QAction *advances() const { return m_advances; }
    QAction *showReport() const { return m_report; }
    // Up and Down scroll the grid a line in view-only mode, wherever the focus is
    // in the window; they are enabled only then.
    QAction *scrollUp() const { return m_scrollUp; }
    QAction *scrollDown() const { return m_scrollDown; }

    // Fills "Open Recent" with the ledgers, the newest first ("OpenRecent1".. by name).
    void showRecentLedgers(const QStringList &ledgerFiles);

signals:
    void recentLedgerChosen(const QString &ledgerFile);

private:
    QMenuBar *m_menuBar;
    QMenu *m_recent = nullptr;
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_open = nullptr;
    QAction *m_export = nullptr;
    QAction *m_runSheet = nullptr;
    QAction *m_yearToDate = nullptr;
    QAction *m_quit = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_help = nullptr;
    QAction *m_about = nullptr;
    QAction *m_configure = nullptr;
    QAction *m_advances = nullptr;
    QAction *m_report = nullptr;
    QAction *m_scrollUp = nullptr;
    QAction *m_scrollDown = nullptr;
};

} // namespace qm
