#include "config/SalesPeoplePanel.h"

#include "config/ConfigControls.h"
#include "core/LedgerDocument.h"
#include "core/Messages.h"
#include "core/rules/SalesPeopleRules.h"
#include "ui/QuoteFreeValidator.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace qm {

SalesPeoplePanel::SalesPeoplePanel(LedgerDocument &document, QWidget *dialog)
    : QObject(dialog), m_document(document), m_model(document.model())
{
    QLabel *salesLabel = addLabel(dialog, tr("Sales people:"), 20, 350, 80, 15);
    m_salesBox = addChoice(dialog, QStringLiteral("SalesPeopleBox"), 105, 350, 150, 100);
    salesLabel->setBuddy(m_salesBox);
    m_salesBox->setAccessibleName(tr("Sales people"));
    m_salesBox->setAccessibleDescription(configHint(ConfigHint::SalesPeople));
    m_salesBox->setEditable(true);
    m_salesBox->lineEdit()->setAccessibleName(tr("Sales person's name"));
    m_salesBox->setInsertPolicy(QComboBox::NoInsert);
    m_salesBox->setCompleter(nullptr);
    m_salesBox->setDuplicatesEnabled(false);
    m_salesBox->setValidator(new QuoteFreeValidator(m_salesBox));
    m_salesBox->addItems(listedSalesPeople(m_model));
    m_salesBox->setCurrentIndex(-1);
    m_salesBox->setEditText(QString());
    connect(m_salesBox, &QComboBox::currentIndexChanged, this, &SalesPeoplePanel::salesSelected);
    connect(m_salesBox->lineEdit(), &QLineEdit::textEdited, this, &SalesPeoplePanel::salesNameEdited);

    QLabel *percentLabel = addLabel(dialog, tr("Pct comm:"), 280, 350, 70, 15);
    m_percentBox = addTextBox(dialog, QStringLiteral("PercentBox"), 350, 350, 70, 20);
    percentLabel->setBuddy(m_percentBox);
    m_percentBox->setAccessibleName(tr("Commission percent"));
    m_percentBox->setAccessibleDescription(configHint(ConfigHint::Percent));
    connect(m_percentBox, &QLineEdit::textEdited, this, [this] {
        emit hintChanged(ConfigHint::Percent);
        emit controlUsed();
    });

    m_salesBox->installEventFilter(this);
    m_salesBox->lineEdit()->installEventFilter(this);
    m_percentBox->installEventFilter(this);
}

void SalesPeoplePanel::close(const QWidget *focus)
{
    if (m_stopped)
        return;
    if (focus == m_percentBox)
        storePercent();
    m_stopped = true;
}

QStringList SalesPeoplePanel::salesEntries() const
{
    QStringList entries;
    for (int i = 0; i < m_salesBox->count(); ++i)
        entries << m_salesBox->itemText(i);
    return entries;
}

// Empties the name field without it counting as a choice.
void SalesPeoplePanel::clearName()
{
    m_filling = true;
    m_salesBox->setCurrentIndex(-1);
    m_salesBox->setEditText(QString());
    m_filling = false;
}

void SalesPeoplePanel::salesBoxFocused()
{
    clearName();
    m_percentBox->clear();
    emit hintChanged(ConfigHint::SalesPeople);
    emit controlUsed();
}

void SalesPeoplePanel::salesNameEdited()
{
    if (m_stopped)
        return;
    if (m_salesBox->currentIndex() < 0)
        m_percentBox->clear();
    emit hintChanged(ConfigHint::SalesPeople);
    emit controlUsed();
}

void SalesPeoplePanel::salesSelected(int index)
{
    if (m_filling || m_stopped)
        return;
    const int person = index + 1;
    if (person >= 1 && person <= m_model.salesPeople.size()) {
        m_salesBox->setEditText(m_model.salesPeople.at(person - 1).name);
        m_percentBox->setText(m_model.salesPeople.at(person - 1).percent);
    }
    emit hintChanged(ConfigHint::SalesPeople);
    emit controlUsed();
}

bool SalesPeoplePanel::salesBoxKey(QKeyEvent *event)
{
    const int key = event->key();
    if (isEnterKey(key)) {
        addSalesPerson();
        return true;
    }
    if (key == Qt::Key_Delete) {
        // Delete removes the person; characters are erased with Backspace.
        deleteSalesPerson();
        return true;
    }
    if (key == Qt::Key_Escape) {
        emit escapePressed();
        return true;
    }
    return false;
}

void SalesPeoplePanel::addSalesPerson()
{
    const QString name = m_salesBox->currentText();
    const AddSalesOutcome outcome = m_document.addSalesPerson(name);
    switch (outcome.result) {
    case AddSalesResult::Ignored:
        return;
    case AddSalesResult::ReservedName:
        showMessage(ownerNameMessage(), name, MessageButtons::Ok, MessageIcon::Error);
        clearName();
        return;
    case AddSalesResult::LimitReached:
        showMessage(salesLimitMessage(), salesLimitCaption(), MessageButtons::Ok, MessageIcon::Error);
        clearName();
        return;
    case AddSalesResult::Added:
        break;
    }
    m_filling = true;
    m_salesBox->insertItem(outcome.position - 1, name);
    m_salesBox->setCurrentIndex(outcome.position - 1);
    m_salesBox->setEditText(name);
    m_filling = false;
    // Emptied before it takes the focus, so that nothing it showed is stored
    // for the new person on the way.
    m_percentBox->clear();
    m_boundPerson = 0;
    m_percentBox->setFocus(Qt::OtherFocusReason);
    emit hintChanged(ConfigHint::None);
}

void SalesPeoplePanel::deleteSalesPerson()
{
    const QString text = m_salesBox->currentText();
    if (text.isEmpty())
        return;
    const QStringList entries = salesEntries();
    const int position = findSalesPerson(entries, text);
    // The ledger names people exactly as listed, whatever case was typed here.
    if (salesPersonInLedger(m_model, text) ||
        (position > 0 && salesPersonInLedger(m_model, entries.at(position - 1)))) {
        showMessage(salesPersonInUseMessage(), text, MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    if (position == 0)
        return;
    if (salesPersonHasAdvances(m_model, position)) {
        showMessage(salesPersonHasAdvancesMessage(), text, MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    const QString name = entries.at(position - 1);
    m_salesBox->setEditText(name);
    if (showMessage(deleteSalesPersonQuestion(), name, MessageButtons::YesNo, MessageIcon::Question) !=
        MessageAnswer::Yes)
        return;
    if (!m_document.removeSalesPerson(position))
        return;
    m_filling = true;
    m_salesBox->removeItem(position - 1);
    m_filling = false;
    clearName();
    m_percentBox->clear();
    m_boundPerson = 0;
}

void SalesPeoplePanel::percentFocused()
{
    emit hintChanged(ConfigHint::Percent);
    const QString name = m_salesBox->currentText();
    m_boundPerson = name.isEmpty() ? 0 : findSalesPerson(salesEntries(), name);
    if (!name.isEmpty() && m_boundPerson == 0) {
        // A percentage belongs to a configured person: back to the name.
        m_salesBox->setFocus(Qt::OtherFocusReason);
        return;
    }
    emit controlUsed();
}

void SalesPeoplePanel::storePercent()
{
    if (m_boundPerson < 1 || m_boundPerson > m_model.salesPeople.size())
        return;
    // A percentage left as it was is stored all the same.
    if (!m_document.setSalesPercent(m_boundPerson, m_percentBox->text()))
        m_document.markSettingsChanged();
}

bool SalesPeoplePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (m_stopped)
        return false;
    const QEvent::Type type = event->type();
    if (watched == m_salesBox || watched == m_salesBox->lineEdit()) {
        if (type == QEvent::KeyPress)
            return salesBoxKey(static_cast<QKeyEvent *>(event));
        if (watched == m_salesBox && type == QEvent::FocusIn && isControlFocusChange(event))
            salesBoxFocused();
        return false;
    }
    if (watched == m_percentBox) {
        if (type == QEvent::FocusIn && isControlFocusChange(event))
            percentFocused();
        else if (type == QEvent::FocusOut && isControlFocusChange(event))
            storePercent();
    }
    return false;
}

} // namespace qm
