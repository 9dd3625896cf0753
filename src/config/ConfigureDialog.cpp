#include "config/ConfigureDialog.h"

#include "config/AdListPanel.h"
#include "config/ConfigControls.h"
#include "config/PricePanel.h"
#include "config/SalesPeoplePanel.h"
#include "core/LedgerDocument.h"
#include "help/HelpLauncher.h"
#include "ui/Fonts.h"
#include "ui/TextFit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace qm {

namespace {

constexpr int kDialogWidth = 500;
constexpr int kDialogHeight = 520;

} // namespace

void openConfigureDialog(LedgerDocument &document, const QString &helpFile, QWidget *parent)
{
    ConfigureDialog dialog(document, helpFile, parent);
    dialog.exec();
}

ConfigureDialog::ConfigureDialog(LedgerDocument &document, const QString &helpFile, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_document(document),
      m_helpFile(helpFile)
{
    // The box below lists the sales people sorted; sales person k must be its entry k.
    m_document.sortSalesPeople();

    setObjectName(QStringLiteral("ConfigureDialog"));
    setWindowTitle(tr("Options for Quillmoor Ad Sales"));
    // Modal to the main window only: the help window beside it stays usable.
    setWindowModality(Qt::WindowModal);
    setFont(uiFont(10));
    setFixedSize(kDialogWidth, kDialogHeight);

    // The controls in the order of the layout, which is also the order of Tab.
    auto *title = addLabel(this, tr("Configure Ad Sales"), 10, 10, 200, 24);
    title->setFont(uiFont(14));
    m_adList = new AdListPanel(m_document, this);
    m_salesPeople = new SalesPeoplePanel(m_document, this);
    m_prices = new PricePanel(m_document, this);
    m_helpButton = addButton(this, QStringLiteral("HelpButton"), tr("?"), 440, 410, 30, 35);
    m_helpButton->setAccessibleName(tr("Help"));
    m_helpButton->setAccessibleDescription(tr("Opens the help file"));
    m_hintBar = new QStatusBar(this);
    m_hintBar->setObjectName(QStringLiteral("ConfigHintBar"));
    m_hintBar->setAccessibleName(tr("Hint"));
    m_hintBar->setSizeGripEnabled(false);
    const int barHeight = m_hintBar->sizeHint().height();
    m_hintBar->setGeometry(0, kDialogHeight - barHeight, kDialogWidth, barHeight);

    fitTexts(this);

    connect(m_adList, &AdListPanel::hintChanged, this, &ConfigureDialog::showConfigHint);
    connect(m_adList, &AdListPanel::controlUsed, this, &ConfigureDialog::applyFocusRule);
    connect(m_salesPeople, &SalesPeoplePanel::hintChanged, this, &ConfigureDialog::showConfigHint);
    connect(m_salesPeople, &SalesPeoplePanel::controlUsed, this, &ConfigureDialog::applyFocusRule);
    connect(m_salesPeople, &SalesPeoplePanel::escapePressed, m_adList, &AdListPanel::escapeCommand);
    connect(m_prices, &PricePanel::hintChanged, this, &ConfigureDialog::showConfigHint);
    connect(m_prices, &PricePanel::controlUsed, this, &ConfigureDialog::applyFocusRule);
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        showHelpFile();
        applyFocusRule();
    });

    m_adList->open();
    m_adList->takeFocus();
}

ConfigureDialog::~ConfigureDialog()
{
    // The controls go with the dialog's base; nothing they do on the way may
    // reach the panels or this dialog any more.
    stopPanels(nullptr);
    for (QObject *panel : {static_cast<QObject *>(m_adList), static_cast<QObject *>(m_salesPeople),
                           static_cast<QObject *>(m_prices)})
        disconnect(panel, nullptr, this, nullptr);
    disconnect(m_helpButton, nullptr, this, nullptr);
}

int ConfigureDialog::rowsPerPage() const { return m_adList->rowsPerPage(); }

void ConfigureDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing a dialog hands its focus widget a Tab focus, which would select
    // the whole name; the cursor arrives on a name with the caret at its end.
    QLineEdit *editor = m_adList->editor();
    if (visible && editor && editor->hasSelectedText())
        editor->deselect();
}

void ConfigureDialog::keyPressEvent(QKeyEvent *event)
{
    // Neither Enter nor Esc closes the dialog; only its close box does.
    if (isEnterKey(event->key())) {
        m_adList->enterCommand(false);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        m_adList->escapeCommand();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ConfigureDialog::showConfigHint(ConfigHint hint) { m_hintBar->showMessage(configHint(hint)); }

// Working in any other control ends a checkmark edit: the held checkmark is
// written and the cursor goes back onto the ad's name, while the focus stays
// where the user put it.
void ConfigureDialog::applyFocusRule()
{
    if (!m_closed)
        m_adList->leaveCheckmark();
}

void ConfigureDialog::showHelpFile()
{
    showHelp(m_helpFile, QString(), parentWidget() ? parentWidget() : this);
}

void ConfigureDialog::stopPanels(const QWidget *focus)
{
    // What the focused box holds is stored as on leaving it.
    m_salesPeople->close(focus);
    m_prices->close(focus);
    m_adList->stop();
    m_closed = true;
}

void ConfigureDialog::done(int result)
{
    if (!m_closed)
        stopPanels(focusWidget());
    QDialog::done(result);
}

} // namespace qm
