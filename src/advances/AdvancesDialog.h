#pragma once

#include "core/LedgerModel.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qm {

class DialogUnits;
class DocumentHistory;
class LedgerDocument;

// Opens the advances dialog modally on the document and returns once it was
// closed; with `history`, its changes of the advances can be undone there.
void openAdvancesDialog(LedgerDocument &document, QWidget *parent, DocumentHistory *history = nullptr);

// Each sales person's commission advances and repayments, newest first with
// the running balance. Every change goes into the document at once, so there is
// nothing to confirm and closing loses nothing.
//
// openAdvancesDialog() runs it modally; tests construct and show it directly.
class AdvancesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AdvancesDialog(LedgerDocument &document, QWidget *parent = nullptr, DocumentHistory *history = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class EntryMode { Closed, Add, Edit };

    void createControls(const DialogUnits &units);
    void createEntryRow(const DialogUnits &units);
    void setTabOrders();

    void choosePerson(int index);
    // The document's ledger of a slot changed under the dialog (an undo or redo): it is shown.
    void showChangedLedger(int slot);
    void fillList(int selectLine, bool changed);
    int selectedLine() const;
    void selectLine(int line);
    void listFocused();

    void openEntryRow(EntryMode mode);
    void closeEntryRow();
    void setButtonsEnabled(bool enabled);
    void submit();
    void deleteEntry();
    void clearEntries();

    LedgerDocument &m_document;
    const LedgerModel &m_model;
    int m_advPerson = 0; // slot 1 or 2; 0 until a person is chosen
    AdvanceLedger m_workEntries;
    EntryMode m_entryMode = EntryMode::Closed;
    int m_editEntry = -1;

    QComboBox *m_personBox = nullptr;
    QListWidget *m_entryList = nullptr;
    std::array<QPushButton *, 4> m_buttons{};
    QLineEdit *m_dateBox = nullptr;
    QLineEdit *m_advancedBox = nullptr;
    QLineEdit *m_paidBox = nullptr;
    QPushButton *m_submitButton = nullptr;
};

} // namespace qm
