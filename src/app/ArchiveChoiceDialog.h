#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace qm {

enum class ArchiveChoice {
    Continue, // keep working on the year's data
    Archive,  // put the year aside and start the new one
    Quit,     // the dialog was closed without a choice: the program ends at once
};

// The year-end offer at start-up: a small frameless dialog with two options and
// "&Ok". "&Ok" or Enter takes the selected option; the close command (Alt+F4)
// ends the dialog with Quit.
class ArchiveChoiceDialog : public QDialog
{
    Q_OBJECT

public:
    ArchiveChoiceDialog(int ledgerYear, QWidget *parent);

    ArchiveChoice choice() const { return m_choice; }
    QRadioButton *continueOption() const { return m_continue; }
    QRadioButton *archiveOption() const { return m_archive; }
    QPushButton *okButton() const { return m_ok; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QRadioButton *m_continue = nullptr;
    QRadioButton *m_archive = nullptr;
    QPushButton *m_ok = nullptr;
    ArchiveChoice m_choice = ArchiveChoice::Quit;
};

// Shows the offer modally over `parent` and returns what the user chose.
ArchiveChoice chooseArchive(int ledgerYear, QWidget *parent);

} // namespace qm
