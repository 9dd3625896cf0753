// The advances dialog's entry row: opened over the buttons to add or replace
// an entry, and the entry it submits.
#include "advances/AdvancesDialog.h"

#include "core/LedgerDocument.h"
#include "core/Messages.h"
#include "core/files/NumberFormat.h"
#include "core/rules/AdvanceRules.h"
#include "ui/TextFit.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace qm {

void AdvancesDialog::openEntryRow(EntryMode mode)
{
    if (m_advPerson == 0)
        return;
    const int line = selectedLine();
    if (mode == EntryMode::Edit) {
        if (m_workEntries.isEmpty() || line == 0)
            return;
        m_editEntry = entryOfLine(line, int(m_workEntries.size()));
    }
    m_entryMode = mode;

    for (QLineEdit *box : {m_dateBox, m_advancedBox, m_paidBox})
        box->clear();
    m_dateBox->setPlaceholderText(tr("Date"));
    m_advancedBox->setPlaceholderText(tr("Advanced"));
    m_paidBox->setPlaceholderText(tr("Paid"));
    if (mode == EntryMode::Edit) {
        const AdvanceEntry &entry = m_workEntries.at(m_editEntry);
        m_dateBox->setText(entry.date);
        if (entry.advanced != 0)
            m_advancedBox->setText(formatMoney(entry.advanced));
        if (entry.paid != 0)
            m_paidBox->setText(formatMoney(entry.paid));
    }
    m_submitButton->setText(mode == EntryMode::Edit ? tr("Replace") : tr("Submit"));
    fitText(m_submitButton);

    for (QWidget *control : {static_cast<QWidget *>(m_dateBox), static_cast<QWidget *>(m_advancedBox),
                             static_cast<QWidget *>(m_paidBox), static_cast<QWidget *>(m_submitButton)}) {
        control->show();
        control->raise();
    }
    m_dateBox->setFocus();
    setButtonsEnabled(false);
}

void AdvancesDialog::closeEntryRow()
{
    if (m_entryMode != EntryMode::Closed) {
        m_entryMode = EntryMode::Closed;
        m_editEntry = -1;
        for (QWidget *control : {static_cast<QWidget *>(m_dateBox), static_cast<QWidget *>(m_advancedBox),
                                 static_cast<QWidget *>(m_paidBox), static_cast<QWidget *>(m_submitButton)})
            control->hide();
    }
    setButtonsEnabled(true);
}

void AdvancesDialog::submit()
{
    const bool open = m_entryMode != EntryMode::Closed;
    const QString date = open ? m_dateBox->text() : QString();
    const QString advanced = open ? m_advancedBox->text() : QString();
    const QString paid = open ? m_paidBox->text() : QString();
    const int editIndex = m_entryMode == EntryMode::Edit ? m_editEntry : -1;

    const AdvanceSubmitResult result = submitAdvanceEntry(m_workEntries, date, advanced, paid, editIndex);
    switch (result.outcome) {
    case AdvanceSubmit::Nothing:
        m_entryList->setFocus();
        listFocused();
        selectLine(0);
        return;
    case AdvanceSubmit::DateError:
        showMessage(advanceDateError(), advanceErrorCaption(), MessageButtons::Ok, MessageIcon::Error);
        return;
    case AdvanceSubmit::NoAmount:
        showMessage(advanceAmountMissing(), advanceErrorCaption(), MessageButtons::Ok, MessageIcon::Error);
        return;
    case AdvanceSubmit::AmountError:
        showMessage(advanceAmountError(), advanceErrorCaption(), MessageButtons::Ok, MessageIcon::Error);
        return;
    case AdvanceSubmit::Stored:
        fillList(lineOfEntry(result.index, int(m_workEntries.size())), true);
        return;
    }
}

} // namespace qm
