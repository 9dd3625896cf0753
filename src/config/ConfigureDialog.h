#pragma once

#include "core/rules/ConfigHints.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QStatusBar;
class QWidget;

namespace qm {

class AdListPanel;
class LedgerDocument;
class PricePanel;
class SalesPeoplePanel;

// Opens the configuration dialog modally on the document and returns once it was closed.
void openConfigureDialog(LedgerDocument &document, const QString &helpFile, QWidget *parent);

// The configuration dialog: the ads with the publications they run in, the sales
// people with their commission and the price table, each in a panel of its own.
// It reads the document's model and changes it through the document (every
// change is in force at once and marks the document changed); there is nothing
// to confirm or cancel, it is left with its close box.
//
// openConfigureDialog() runs it modally; tests construct and show it directly.
class ConfigureDialog : public QDialog
{
    Q_OBJECT
public:
    ConfigureDialog(LedgerDocument &document, const QString &helpFile, QWidget *parent = nullptr);
    ~ConfigureDialog() override;

    // Whole rows the ad list shows at once.
    int rowsPerPage() const;

    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showConfigHint(ConfigHint hint);
    void applyFocusRule();
    void showHelpFile();
    // The dialog is closing: the panels store what `focus` holds and handle nothing more.
    void stopPanels(const QWidget *focus);

    LedgerDocument &m_document;
    QString m_helpFile;
    bool m_closed = false;

    AdListPanel *m_adList = nullptr;
    SalesPeoplePanel *m_salesPeople = nullptr;
    PricePanel *m_prices = nullptr;
    QPushButton *m_helpButton = nullptr;
    QStatusBar *m_hintBar = nullptr;
};

} // namespace qm
