#pragma once

#include "config/AdListState.h"
#include "core/rules/PriceRules.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTableWidget;
class QWidget;

namespace qm {

class LedgerModel;

// Opens the configuration dialog modally on the model and returns once it was closed.
void openConfigureDialog(LedgerModel &model, const QString &helpFile, QWidget *parent);

// The configuration dialog: the ads with the publications they run in, the sales
// people with their commission and the price table. It edits the one model in
// place (every change is in force at once and marks the settings changed);
// there is nothing to confirm or cancel, it is left with its close box.
//
// openConfigureDialog() runs it modally; tests construct and show it directly.
class ConfigureDialog : public QDialog
{
    Q_OBJECT
public:
    ConfigureDialog(LedgerModel &model, const QString &helpFile, QWidget *parent = nullptr);
    ~ConfigureDialog() override;

    // Whole rows the ad list shows at once.
    int rowsPerPage() const { return m_list.rowsPerPage; }

    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    int measureRowsPerPage() const;
    QTableWidget *adList() const { return m_adList; }

    // Ad list.
    void setAdRowCount(int rows);
    void RefreshAdRows();
    void GoToAdCell(bool refresh);
    void writeHeldCell();
    void openEditorOnCursor();
    void ScrollAdList(AdScroll step, int thumb = 0);
    void SetAdScrollRange();
    void syncScrollBar();
    void AddAd();
    void DeleteAd();
    void ToggleCheckmark();
    bool adEditorKey(QKeyEvent *event);
    bool adListMouse(QEvent *event);
    void adListWheel(QWheelEvent *event);
    void scrollBarAction(int action);

    // Dialog-wide.
    void enterCommand(bool fromAdEditor);
    void escapeCommand();
    void ShowConfigHint(int hint);
    void applyFocusRule();
    void showHelpFile();

    // Sales people.
    QStringList salesEntries() const;
    void salesBoxFocused();
    void salesNameEdited();
    void salesSelected(int index);
    void AddSalesPerson();
    void DeleteSalesPerson();
    bool salesBoxKey(QKeyEvent *event);
    void percentFocused();
    void storePercent();

    // Prices.
    void ShowPrices();
    void StorePrice(PriceKind kind);

    LedgerModel &m_model;
    QString m_helpFile;
    AdListState m_list;
    int m_editorField = 0; // the kind of cell AdEditor was set up for: 0 none yet, 1 name, 2..5 checkmark
    int m_wheelDelta = 0;
    int m_boundPerson = 0;
    bool m_filling = false;
    bool m_inFocusRule = false;
    bool m_closed = false;

    QTableWidget *m_adList = nullptr;
    QScrollBar *m_adScrollBar = nullptr;
    QLineEdit *m_adEditor = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QComboBox *m_salesBox = nullptr;
    QLineEdit *m_percentBox = nullptr;
    QComboBox *m_sizeChoice = nullptr;
    QComboBox *m_publicationChoice = nullptr;
    QLineEdit *m_colourBox = nullptr;
    QLineEdit *m_bwBox = nullptr;
    QPushButton *m_helpButton = nullptr;
    QStatusBar *m_hintBar = nullptr;
};

} // namespace qm
