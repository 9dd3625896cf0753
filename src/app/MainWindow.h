#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabBar;

namespace qm {

class DocumentHistory;
class LedgerDocument;
class LedgerGrid;
class LedgerLock;
class MainMenu;
class MonthList;
class ProgramSettings;

// The files the window starts on: start() loads the pair into the document.
struct StartupPaths
{
    QString settingsFile;
    QString ledgerFile;
    QString helpFile;
    QString programFolder = {}; // where the year-end archive goes; empty: the running program's folder
    QString printFolder = {};   // where printouts to PDF go; empty: the ledger's folder
};

// The program's only top-level window: the menu bar, and below it the client
// area with the publication tabs, month list, mode options, the ledger grid,
// the buttons and the hint bar. It works on the ledger of a LedgerDocument.
// The menu and its commands are in MainWindowCommands.cpp.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // With `settings`, the recent ledgers and the window's position are kept there.
    MainWindow(LedgerDocument &document, const StartupPaths &paths, ProgramSettings *settings = nullptr);
    ~MainWindow() override;

    // The lock of the ledger the window was started on; it moves with the ledger open.
    void adoptLock(std::unique_ptr<LedgerLock> lock);

    // Loads the files and readies the grid; false when the program must end at once.
    bool start();
    // The same, for files the document has already loaded, with the warnings it gave.
    bool start(const QStringList &loadWarnings);

    LedgerGrid *grid() const { return m_grid; }
    QTabBar *publicationTabs() const { return m_tabs; }
    MonthList *monthList() const { return m_monthList; }
    QLabel *captionLabel() const { return m_caption; }
    QRadioButton *viewOnlyOption() const { return m_viewOnly; }
    QRadioButton *editItemsOption() const { return m_editItems; }
    QStatusBar *hintBar() const { return m_hintBar; }
    QLabel *promptLabel() const { return m_prompt; }
    MainMenu *mainMenu() const { return m_menu; }
    DocumentHistory *history() const { return m_history; }

    void selectPublication(int publication);
    void monthListClosed();
    void configureAds();

    // The file commands of the menu.
    void saveNow();
    void saveAs();
    void openLedger();
    void openRecentLedger(const QString &ledgerFile);
    void exportLedger();
    void printYearToDate();
    void showAbout();

    // The Edit menu (see MainWindowHistory.cpp).
    void undo();
    void redo();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();
    void buildControls();
    void resetSelectors();
    // Before another ledger replaces this one: commits the cell being edited and
    // offers to save the changes. False when the user cancels or the save failed.
    bool settleChanges(const QString &retry);
    void openPair(const QString &ledgerFile);
    // The document's files changed: printouts go beside them.
    void filesChanged();
    void rememberLedger();
    void showRecentLedgers();
    void updateCaption();
    void showPromptLabel();
    // Runs at start-up when the calendar year is past the ledger's; false ends the program.
    bool checkYear();
    void archiveYear(int currentYear);
    QPushButton *addButton(const QString &text, int x, int width);
    void focusCellEditor();
    // The view-only Up and Down keys: a line of the grid; the key then goes on
    // to the control that has the focus.
    void scrollKey(bool up);
    void buildHistory();
    // Shows the row of an ad in an issue that an undo or redo put back,
    // switching the publication and month to its issue.
    void showRestoredRow(int issue, int ad, int column);

    LedgerDocument &m_document;
    StartupPaths m_paths;
    ProgramSettings *m_settings;
    std::unique_ptr<LedgerLock> m_lock;
    MainMenu *m_menu = nullptr;
    DocumentHistory *m_history = nullptr;
    QWidget *m_client = nullptr;
    LedgerGrid *m_grid = nullptr;
    QTabBar *m_tabs = nullptr;
    MonthList *m_monthList = nullptr;
    QLabel *m_caption = nullptr;
    QRadioButton *m_viewOnly = nullptr;
    QRadioButton *m_editItems = nullptr;
    QStatusBar *m_hintBar = nullptr;
    QLabel *m_prompt = nullptr;
    QPushButton *m_helpButton = nullptr;
};

} // namespace qm
