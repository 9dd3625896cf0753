#pragma once

#include "core/rules/ConfigHints.h"

#include <QObject>
#include <QStringList>

class QComboBox;
class QEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace qm {

class LedgerDocument;
class LedgerModel;

// The sales people of the configuration dialog: the name box, whose sorted list
// holds the people in their order (entry k is sales person k), and the box of
// the commission percentage of the person named there. Enter in the name box
// adds the person typed, Delete removes the one named.
class SalesPeoplePanel : public QObject
{
    Q_OBJECT
public:
    SalesPeoplePanel(LedgerDocument &document, QWidget *dialog);

    QComboBox *salesBox() const { return m_salesBox; }
    QLineEdit *percentBox() const { return m_percentBox; }

    // The dialog is closing: a percentage still being typed is stored, and
    // nothing more is handled.
    void close(const QWidget *focus);

signals:
    void hintChanged(ConfigHint hint);
    // The user worked in one of the boxes.
    void controlUsed();
    // Esc in the name box, which is the dialog's Esc.
    void escapePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList salesEntries() const;
    void clearName();
    void salesBoxFocused();
    void salesNameEdited();
    void salesSelected(int index);
    bool salesBoxKey(QKeyEvent *event);
    void addSalesPerson();
    void deleteSalesPerson();
    void percentFocused();
    void storePercent();

    LedgerDocument &m_document;
    const LedgerModel &m_model;
    int m_boundPerson = 0; // the person whose percentage the box edits; 0 for none
    bool m_filling = false;
    bool m_stopped = false;

    QComboBox *m_salesBox = nullptr;
    QLineEdit *m_percentBox = nullptr;
};

} // namespace qm
