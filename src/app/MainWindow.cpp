#include "app/MainWindow.h"
#include "app/MainMenu.h"
#include "app/MonthList.h"
#include "app/PublicationTabs.h"
#include "ui/Fonts.h"
#include "ui/TextFit.h"
#include "core/Version.h"

#include "core/Clock.h"
#include "config/ConfigureDialog.h"
#include "advances/AdvancesDialog.h"
#include "grid/GridNavigation.h"
#include "grid/Hints.h"
#include "help/HelpLauncher.h"
#include "grid/LedgerGrid.h"
#include "core/LedgerDocument.h"
#include "core/LedgerModel.h"
#include "core/Messages.h"
#include "core/year/Archive.h"
#include "core/year/LedgerLock.h"
#include "core/year/Startup.h"
#include "app/ArchiveChoiceDialog.h"
#include "print/PrinterChooser.h"
#include "reports/ReportPrinting.h"
#include "reports/YearToDateWindow.h"
#include "ui/DocumentHistory.h"
#include "ui/ProgramSettings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QAbstractItemView>
#include <QAction>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qm {

namespace {

bool onSomeScreen(const QPoint &position)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(position))
            return true;
    }
    return false;
}

} // namespace

MainWindow::MainWindow(LedgerDocument &document, const StartupPaths &paths, ProgramSettings *settings)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_document(document), m_paths(paths), m_settings(settings)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(mainWindowTitle());
    setFont(uiFont(10));
    // The window is its client area of fixed size with the menu bar above it.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setFixedSize(900, 550);
    m_menu = new MainMenu(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menu->menuBar());
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (const std::optional<QPoint> kept = m_settings ? m_settings->windowPosition() : std::nullopt;
        kept && onSomeScreen(*kept))
        move(*kept);
    buildControls();
    buildMenu();
    buildHistory();
}

MainWindow::~MainWindow() = default;

void MainWindow::adoptLock(std::unique_ptr<LedgerLock> lock) { m_lock = std::move(lock); }

QPushButton *MainWindow::addButton(const QString &text, int x, int width)
{
    auto *button = new QPushButton(text, m_client);
    button->setGeometry(x, 470, width, 35);
    button->setAutoDefault(false);
    return button;
}

void MainWindow::buildControls()
{
    m_tabs = new PublicationTabs(m_client);
    m_tabs->setGeometry(0, 10, 810, 25);
    for (int p = 1; p <= kPublicationCount; ++p)
        m_tabs->addTab(publicationLabel(p));
    m_tabs->setCurrentIndex(0);

    m_caption = new QLabel(m_client);
    m_caption->setObjectName(QStringLiteral("CaptionLabel"));
    m_caption->setGeometry(350, 90, 200, 25);
    m_caption->setFont(uiFont(14));

    m_monthList = new MonthList(m_client);
    m_monthList->setObjectName(QStringLiteral("MonthList"));
    m_monthList->setGeometry(120, 50, 120, 24);
    m_monthList->setMaxVisibleItems(12);
    m_monthList->setAccessibleName(tr("Month"));
    for (int month = 1; month <= kMonthCount; ++month)
        m_monthList->addItem(monthTitle(month));
    m_monthList->setCurrentIndex(0);

    m_viewOnly = new QRadioButton(tr("View only"), m_client);
    m_viewOnly->setObjectName(QStringLiteral("ViewOnlyOption"));
    m_viewOnly->setGeometry(20, 50, 100, 15);
    m_editItems = new QRadioButton(tr("Edit items"), m_client);
    m_editItems->setObjectName(QStringLiteral("EditItemsOption"));
    m_editItems->setGeometry(20, 70, 100, 15);
    auto *modes = new QButtonGroup(this);
    modes->addButton(m_viewOnly);
    modes->addButton(m_editItems);
    m_viewOnly->setChecked(true);

    m_hintBar = new QStatusBar(m_client);
    m_hintBar->setObjectName(QStringLiteral("HintBar"));
    m_hintBar->setSizeGripEnabled(false);
    const int hintHeight = 22;
    m_hintBar->setGeometry(0, m_client->height() - hintHeight, m_client->width(), hintHeight);

    m_grid = new LedgerGrid(m_document, m_client, m_hintBar);

    QPushButton *configure = addButton(tr("&Configure Ads"), 20, 100);
    QPushButton *advances = addButton(tr("&Advances"), 190, 100);
    QPushButton *report = addButton(tr("&Show Report"), 300, 100);
    QPushButton *runSheet = addButton(tr("&Run Sheet"), 410, 100);
    m_helpButton = addButton(tr("?"), 520, 30);
    configure->setObjectName(QStringLiteral("ConfigureButton"));
    advances->setObjectName(QStringLiteral("AdvancesButton"));
    report->setObjectName(QStringLiteral("ReportButton"));
    runSheet->setObjectName(QStringLiteral("RunSheetButton"));
    m_helpButton->setObjectName(QStringLiteral("HelpButton"));
    m_helpButton->setAccessibleName(tr("Help"));
    m_helpButton->setToolTip(tr("Help (F1)"));

    setTabOrder(m_monthList, m_viewOnly);
    setTabOrder(m_viewOnly, m_editItems);
    setTabOrder(m_editItems, m_grid->gridList());
    setTabOrder(m_grid->gridList(), configure);
    setTabOrder(configure, advances);
    setTabOrder(advances, report);
    setTabOrder(report, runSheet);
    setTabOrder(runSheet, m_helpButton);
    m_grid->pickupList()->raise();
    fitTexts(this);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) { selectPublication(index + 1); });
    connect(m_monthList, &MonthList::closedUp, this, &MainWindow::monthListClosed);
    connect(m_viewOnly, &QRadioButton::toggled, this, [this](bool on) {
        m_menu->scrollUp()->setEnabled(on);
        m_menu->scrollDown()->setEnabled(on);
        if (on)
            m_grid->setViewOnly(true);
    });
    m_menu->scrollUp()->setEnabled(m_viewOnly->isChecked());
    m_menu->scrollDown()->setEnabled(m_viewOnly->isChecked());
    connect(m_editItems, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_grid->setViewOnly(false);
    });
    // The buttons are the window's commands.
    connect(configure, &QPushButton::clicked, m_menu->configureAds(), &QAction::trigger);
    connect(advances, &QPushButton::clicked, m_menu->advances(), &QAction::trigger);
    connect(report, &QPushButton::clicked, m_menu->showReport(), &QAction::trigger);
    connect(runSheet, &QPushButton::clicked, m_menu->printRunSheet(), &QAction::trigger);
    connect(m_helpButton, &QPushButton::clicked, m_menu->helpContents(), &QAction::trigger);
    // Once there are ads, the prompt to configure them has done its work.
    connect(&m_document, &LedgerDocument::adsChanged, this, [this] {
        if (m_document.model().adCount() > 0 && m_prompt) {
            delete m_prompt;
            m_prompt = nullptr;
        }
    });
}

bool MainWindow::start() { return start(m_document.load(m_paths.settingsFile, m_paths.ledgerFile)); }

bool MainWindow::start(const QStringList &loadWarnings)
{
    m_grid->clearView();
    resetSelectors();
    for (const QString &warning : loadWarnings)
        showMessage(warning, tr("Quillmoor Ad Sales - check your files"), MessageButtons::Ok,
                    MessageIcon::Warning);
    filesChanged();
    rememberLedger();
    delete m_prompt;
    m_prompt = nullptr;
    if (m_document.model().adCount() == 0)
        showPromptLabel();

    m_grid->buildRows();
    m_grid->createEditors();
    m_viewOnly->setChecked(true);
    m_grid->showHint(kNoColumn);

    if (!checkYear())
        return false;

    m_grid->goToCell();
    updateCaption();
    m_grid->reloadRows();
    m_grid->goToCell();
    // Another ledger opened in the running window: the grid gets the focus as at start-up.
    if (isVisible())
        m_grid->focusGrid();
    return true;
}

void MainWindow::resetSelectors()
{
    const QSignalBlocker tabs(m_tabs);
    const QSignalBlocker months(m_monthList);
    m_tabs->setCurrentIndex(0);
    m_monthList->setCurrentIndex(0);
}

bool MainWindow::checkYear()
{
    const int currentYear = Clock::today().year();
    const int ledgerYear = m_document.model().ledgerYear;
    if (currentYear <= ledgerYear || isArchiveCopy(m_document.settingsFile()))
        return true;
    const ArchiveChoice choice = chooseArchive(ledgerYear, this);
    if (choice == ArchiveChoice::Archive)
        archiveYear(currentYear);
    return choice != ArchiveChoice::Quit;
}

void MainWindow::archiveYear(int currentYear)
{
    const QString caption = tr("Year-end archive");
    const QString programFolder =
        m_paths.programFolder.isEmpty() ? QApplication::applicationDirPath() : m_paths.programFolder;
    const ArchiveResult result =
        m_document.archiveYear(programFolder, currentYear, [&caption](const QString &question) {
            // Enter keeps the earlier archive: replacing it takes a deliberate Yes.
            return showMessage(question, caption, MessageButtons::YesNo, MessageIcon::Question,
                               MessageAnswer::No) == MessageAnswer::Yes;
        });
    if (result.outcome == ArchiveOutcome::Archived)
        m_grid->resetView();
    if (!result.message.isEmpty()) {
        showMessage(result.message, caption, MessageButtons::Ok,
                    result.outcome == ArchiveOutcome::Failed ? MessageIcon::Error : MessageIcon::Information);
    }
}

void MainWindow::showPromptLabel()
{
    m_prompt = new QLabel(tr("Press [Configure Ads] to begin"), m_client);
    m_prompt->setObjectName(QStringLiteral("PromptLabel"));
    m_prompt->setGeometry(40, 300, 270, 30);
    m_prompt->setFont(uiFont(14));
    m_prompt->setAutoFillBackground(true);
    QPalette palette = m_prompt->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_prompt->setPalette(palette);
    fitText(m_prompt);
    m_prompt->show();
    m_prompt->raise();
}

void MainWindow::updateCaption()
{
    const ViewState &v = m_grid->view();
    QString caption = publicationLabel(v.selectedPublication).trimmed();
    if (v.selectedPublication == 1)
        caption += QStringLiteral(" - ") + monthTitle(v.selectedMonth);
    m_monthList->setVisible(v.selectedPublication == 1);
    m_caption->setText(caption);
    fitText(m_caption);
}

void MainWindow::selectPublication(int publication)
{
    m_grid->goToCell();
    m_grid->selectIssue(publication, m_grid->view().selectedMonth);
    updateCaption();
    m_grid->showSelectedIssue();
    m_grid->moveCursorTo(1, 2);
}

void MainWindow::monthListClosed()
{
    const ViewState &v = m_grid->view();
    // Closing the list abandons a cell edit in progress, as Esc does.
    m_grid->cancelEdit();
    m_grid->goToCell();
    m_grid->selectIssue(v.selectedPublication, m_monthList->currentIndex() + 1);
    if (v.selectedMonth != v.shownMonth)
        m_grid->showSelectedIssue();
    m_grid->moveCursorTo(1, 2);
    updateCaption();
}

void MainWindow::configureAds()
{
    m_grid->commitCell();
    const LedgerGrid::SavedCursor saved = m_grid->leaveForConfiguration();
    // The dialog's whole session is one change of the configuration: the
    // history is started anew once, when the session changed it.
    const int steps = m_history->count();
    m_document.beginConfiguration();
    openConfigureDialog(m_document, m_paths.helpFile, this);
    m_document.endConfiguration();
    m_grid->restoreAfterConfiguration(saved);
    if (steps > 0 && m_history->count() == 0)
        m_hintBar->showMessage(tr("The ads changed: earlier changes can no longer be undone"));
    focusCellEditor();
}

void MainWindow::focusCellEditor()
{
    if (!m_grid->view().viewOnly && m_grid->rowCount() > 0)
        m_grid->editorFor(m_grid->view().currentColumn)->setFocus();
    else
        m_grid->gridList()->setFocus();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] { m_grid->focusGrid(); });
}

void MainWindow::scrollKey(bool up)
{
    const ViewState &v = m_grid->view();
    if (v.viewOnly && v.hookReady == HookState::Ready && !v.scrollBusy) {
        const int code = lineScrollFor(v, m_grid->rowCount(), up);
        if (code >= 0)
            m_grid->scrollGrid(code);
    }
    // The control with the focus has the key as well, as if there were no
    // scrolling; meanwhile the key is no command, so that it reaches it.
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->window() == this) {
        const bool enabled = m_menu->scrollUp()->isEnabled();
        m_menu->scrollUp()->setEnabled(false);
        m_menu->scrollDown()->setEnabled(false);
        QKeyEvent key(QEvent::KeyPress, up ? Qt::Key_Up : Qt::Key_Down, QApplication::keyboardModifiers());
        QCoreApplication::sendEvent(focus, &key);
        m_menu->scrollUp()->setEnabled(enabled && m_viewOnly->isChecked());
        m_menu->scrollDown()->setEnabled(enabled && m_viewOnly->isChecked());
    }
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter and Esc reach the window from any control that does not take them itself.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_grid->enterPressed();
        break;
    case Qt::Key_Escape:
        m_grid->cancelEdit();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace qm
