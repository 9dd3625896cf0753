#pragma once

#include <QString>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabBar;

namespace qm {

class LedgerGrid;
class LedgerModel;
class MonthList;

struct StartupPaths
{
    QString settingsFile;
    QString ledgerFile;
    QString helpFile;
    QString programFolder = {}; // where the year-end archive goes; empty: the running program's folder
};

// The program's only top-level window: publication tabs, month list, mode
// options, the ledger grid, the buttons and the hint bar.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    MainWindow(LedgerModel &model, const StartupPaths &paths);

    // Loads the files and readies the grid; false when the program must end at once.
    bool start();
    // The same, for files that loadFiles() has already read into the model,
    // with the warnings it gave.
    bool start(const QStringList &loadWarnings);

    LedgerGrid *grid() const { return m_grid; }
    QTabBar *publicationTabs() const { return m_tabs; }
    MonthList *monthList() const { return m_monthList; }
    QLabel *captionLabel() const { return m_caption; }
    QRadioButton *viewOnlyOption() const { return m_viewOnly; }
    QRadioButton *editItemsOption() const { return m_editItems; }
    QStatusBar *hintBar() const { return m_hintBar; }
    QLabel *promptLabel() const { return m_prompt; }

    void selectPublication(int publication);
    void monthListClosed();
    void configureAds();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void updateCaption();
    void showPromptLabel();
    // Runs at start-up when the calendar year is past the ledger's; false ends the program.
    bool checkYear();
    void archiveYear(int currentYear);
    QPushButton *addButton(const QString &text, int x, int width);
    void focusCellEditor();

    LedgerModel &m_model;
    StartupPaths m_paths;
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
