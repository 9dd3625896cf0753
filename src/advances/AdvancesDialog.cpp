#include "advances/AdvancesDialog.h"

#include "advances/AdvancesHistoryActions.h"
#include "advances/DialogUnits.h"
#include "advances/TabStopDelegate.h"
#include "core/LedgerDocument.h"
#include "core/Messages.h"
#include "core/files/NumberFormat.h"
#include "core/rules/AdvanceRules.h"
#include "core/rules/SalesPeopleRules.h"
#include "ui/Fonts.h"
#include "ui/QuoteFreeValidator.h"
#include "ui/TextFit.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace qm {

namespace {

// Size of the window's inside, in dialog units.
constexpr int kWidth = 200;
constexpr int kHeight = 220;

// The list and the entry row show their figures in a fixed-pitch face, so
// that the amounts line up in their fields.
QFont listFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(9);
    return font;
}

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // Enter is the dialog's Submit wherever the focus is; a button never takes it over.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit *addEntryBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(listFont());
    // The ledger file quotes the date and has no escape for a double quote.
    box->setValidator(new QuoteFreeValidator(box));
    box->hide();
    return box;
}

} // namespace

void openAdvancesDialog(LedgerDocument &document, QWidget *parent, DocumentHistory *history)
{
    AdvancesDialog dialog(document, parent, history);
    dialog.exec();
}

AdvancesDialog::AdvancesDialog(LedgerDocument &document, QWidget *parent, DocumentHistory *history)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_document(document), m_model(document.model())
{
    setObjectName(QStringLiteral("AdvancesDialog"));
    setWindowTitle(tr("Advances"));
    // Modal to the main window only: the help window beside it stays usable.
    setWindowModality(Qt::WindowModal);
    setFont(uiFont(10));
    const DialogUnits units(font());
    setFixedSize(units.size(kWidth, kHeight));
    createControls(units);
    createEntryRow(units);
    setTabOrders();
    fitTexts(this);
    m_entryList->setFocus();
    if (history) // undo and redo with the main window's keys
        new AdvancesHistoryActions(*history, this);
    connect(&document, &LedgerDocument::advancesChanged, this, &AdvancesDialog::showChangedLedger);
}

void AdvancesDialog::createControls(const DialogUnits &units)
{
    QLabel *personLabel = addLabel(this, tr("Sales people:"), units.rect(5, 12, 45, 12));

    // A drop-down list: the height in the layout is the box with its list
    // dropped down; closed it is one line high.
    m_personBox = new QComboBox(this);
    m_personBox->setObjectName(QStringLiteral("PersonBox"));
    m_personBox->setAccessibleName(tr("Sales person"));
    m_personBox->setAccessibleDescription(tr("The sales person whose advances the list shows"));
    personLabel->setBuddy(m_personBox);
    const int lineHeight = QFontMetrics(m_personBox->font()).height();
    const int closedHeight = lineHeight + 7;
    m_personBox->setGeometry(units.x(53), units.y(10), units.x(100), closedHeight);
    m_personBox->setMaxVisibleItems(std::max(1, (units.y(45) - closedHeight) / (lineHeight + 2)));
    m_personBox->addItems(listedSalesPeople(m_model));
    m_personBox->setCurrentIndex(-1);
    connect(m_personBox, &QComboBox::activated, this, &AdvancesDialog::choosePerson);

    //: The headings of the list's four columns, placed over them with blanks.
    QLabel *headings = addLabel(this, tr("    Date            Advanced          Paid         Balance"),
                                units.rect(5, 30, 180, 10));

    m_entryList = new QListWidget(this);
    m_entryList->setObjectName(QStringLiteral("EntryList"));
    m_entryList->setAccessibleName(tr("Advance entries"));
    m_entryList->setAccessibleDescription(tr("Date, amount advanced, amount paid and balance of each entry"));
    headings->setBuddy(m_entryList);
    m_entryList->setGeometry(units.rect(5, 40, 180, 120));
    m_entryList->setFont(listFont());
    m_entryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entryList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_entryList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_entryList->setUniformItemSizes(true);
    m_entryList->setItemDelegate(new TabStopDelegate({units.x(0), units.x(52), units.x(94), units.x(136)}, m_entryList));
    // Always there, usable only when there is something to scroll.
    QScrollBar *bar = m_entryList->verticalScrollBar();
    bar->setEnabled(false);
    connect(bar, &QScrollBar::rangeChanged, bar, [bar](int minimum, int maximum) { bar->setEnabled(maximum > minimum); });

    m_buttons[0] = addButton(this, QStringLiteral("AddEntry"), tr("Add entry"), units.rect(5, 170, 40, 18));
    m_buttons[1] = addButton(this, QStringLiteral("EditEntry"), tr("Edit entry"), units.rect(47, 170, 40, 18));
    m_buttons[2] = addButton(this, QStringLiteral("DelEntry"), tr("Del entry"), units.rect(89, 170, 40, 18));
    m_buttons[3] = addButton(this, QStringLiteral("ClearEntries"), tr("&Clear"), units.rect(150, 170, 40, 18));
    m_buttons[0]->setAccessibleDescription(tr("Adds an entry"));
    m_buttons[1]->setAccessibleDescription(tr("Changes the selected entry"));
    m_buttons[2]->setAccessibleDescription(tr("Deletes the selected entry"));
    m_buttons[3]->setAccessibleDescription(tr("Deletes the selected entry and all earlier ones"));
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { openEntryRow(EntryMode::Add); });
    connect(m_buttons[1], &QPushButton::clicked, this, [this] { openEntryRow(EntryMode::Edit); });
    connect(m_buttons[2], &QPushButton::clicked, this, &AdvancesDialog::deleteEntry);
    connect(m_buttons[3], &QPushButton::clicked, this, &AdvancesDialog::clearEntries);

    m_personBox->installEventFilter(this);
    m_entryList->installEventFilter(this);
}

void AdvancesDialog::createEntryRow(const DialogUnits &units)
{
    // Lies over the lower part of the buttons, which are disabled while it is open.
    m_dateBox = addEntryBox(this, QStringLiteral("DateBox"), units.rect(5, 180, 45, 11));
    m_advancedBox = addEntryBox(this, QStringLiteral("AdvancedBox"), units.rect(50, 180, 45, 11));
    m_paidBox = addEntryBox(this, QStringLiteral("PaidBox"), units.rect(95, 180, 45, 11));
    m_submitButton = addButton(this, QStringLiteral("SubmitButton"), tr("Submit"), units.rect(150, 177, 40, 15));
    m_dateBox->setAccessibleName(tr("Date"));
    m_dateBox->setAccessibleDescription(tr("The date of the entry, as MM/DD/YYYY"));
    m_advancedBox->setAccessibleName(tr("Advanced"));
    m_advancedBox->setAccessibleDescription(tr("The amount advanced"));
    m_paidBox->setAccessibleName(tr("Paid"));
    m_paidBox->setAccessibleDescription(tr("The amount paid back"));
    m_submitButton->setAccessibleDescription(tr("Stores the entry"));
    m_submitButton->hide();
    connect(m_submitButton, &QPushButton::clicked, this, &AdvancesDialog::submit);

    // An entry normally holds one of the two amounts: typing one takes away the other's cue.
    connect(m_advancedBox, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_paidBox->setPlaceholderText(text.isEmpty() ? tr("Paid") : QString()); });
    connect(m_paidBox, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_advancedBox->setPlaceholderText(text.isEmpty() ? tr("Advance") : QString()); });
}

void AdvancesDialog::setTabOrders()
{
    // The pulldown, the list, the four buttons, then the entry row while it is
    // open (the buttons are disabled then, so Shift+Tab from the date box goes
    // back to the list, which ends adding or editing).
    const QList<QWidget *> order = {m_personBox, m_entryList, m_buttons[0], m_buttons[1], m_buttons[2],
                                    m_buttons[3], m_dateBox, m_advancedBox, m_paidBox, m_submitButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

// ---------------------------------------------------------------------------
// The list

void AdvancesDialog::choosePerson(int index)
{
    if (index < 0)
        return;
    m_advPerson = index + 1;
    m_workEntries = m_model.advanceLedger(m_advPerson);
    fillList(1, false);
}

void AdvancesDialog::showChangedLedger(int slot)
{
    // The dialog's own changes are shown already.
    if ((slot == m_advPerson && m_model.advanceLedger(slot) == m_workEntries) || slot > m_personBox->count())
        return;
    const int line = slot == m_advPerson ? selectedLine() : 1;
    m_personBox->setCurrentIndex(slot - 1);
    choosePerson(slot - 1); // selects the first line
    if (line > 1)
        selectLine(std::min(line, int(m_workEntries.size())));
}

void AdvancesDialog::fillList(int line, bool changed)
{
    m_entryList->clear();
    m_entryList->addItems(advanceListLines(m_workEntries));
    if (changed)
        m_document.setAdvanceLedger(m_advPerson, m_workEntries);
    selectLine(line);
    m_entryList->setFocus();
    // The list taking the focus ends adding or editing; also when it had the focus already.
    listFocused();
}

int AdvancesDialog::selectedLine() const
{
    const QList<QListWidgetItem *> selected = m_entryList->selectedItems();
    return selected.isEmpty() ? 0 : m_entryList->row(selected.first()) + 1;
}

void AdvancesDialog::selectLine(int line)
{
    if (line >= 1 && line <= m_entryList->count()) {
        m_entryList->setCurrentRow(line - 1, QItemSelectionModel::ClearAndSelect);
    } else {
        m_entryList->clearSelection();
        m_entryList->setCurrentItem(nullptr);
    }
}

void AdvancesDialog::listFocused()
{
    closeEntryRow();
    if (selectedLine() == 0 && m_entryList->count() > 0)
        selectLine(1);
}

bool AdvancesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (watched == m_entryList)
            listFocused();
        // The pulldown's own list closing gives the focus back; that is not the user arriving.
        else if (watched == m_personBox && reason != Qt::PopupFocusReason)
            selectLine(0);
    }
    return QDialog::eventFilter(watched, event);
}

void AdvancesDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        submit();
        return;
    case Qt::Key_Escape:
        // Esc gives up the entry being typed; with no entry row it closes the
        // dialog, which loses nothing since every change is already stored.
        if (m_entryMode != EntryMode::Closed) {
            m_entryList->setFocus();
            listFocused();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void AdvancesDialog::setButtonsEnabled(bool enabled)
{
    for (QPushButton *button : m_buttons)
        button->setEnabled(enabled);
}

void AdvancesDialog::deleteEntry()
{
    const int line = selectedLine();
    if (m_workEntries.isEmpty() || line == 0)
        return;
    if (showMessage(deleteAdvanceQuestion(), deleteAdvanceCaption(line), MessageButtons::YesNo,
                    MessageIcon::Question) != MessageAnswer::Yes)
        return;
    deleteAdvanceLine(m_workEntries, line);
    fillList(std::min(line, int(m_workEntries.size())), true);
}

void AdvancesDialog::clearEntries()
{
    const int line = selectedLine();
    const int count = int(m_workEntries.size());
    if (count == 0 || line == 0)
        return;
    if (showMessage(clearAdvancesQuestion(), clearAdvancesCaption(line, count), MessageButtons::YesNo,
                    MessageIcon::Question) != MessageAnswer::Yes)
        return;
    clearAdvanceLines(m_workEntries, line);
    fillList(int(m_workEntries.size()), true);
}

} // namespace qm
