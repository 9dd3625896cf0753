#pragma once

#include "core/LedgerModel.h"
#include "core/RowSnapshot.h"
#include "core/rules/CellCommit.h"
#include "core/rules/SalesPeopleRules.h"
#include "core/year/Archive.h"
#include "core/year/YearFiles.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace qm {

// What a save writes.
enum class SaveKind {
    Changes, // each changed file (File > Save)
    Ledger,  // the ledger file, and the settings file when it changed (the grid's Ctrl+S)
    Exit,    // each changed file, each followed by its time-stamped backup copy (closing)
};

// The one ledger of a run with the pair of files it belongs to. It owns the
// LedgerModel, makes every change the windows make to it and tells them with
// its signals; the windows read the model and never write it. Loading stamps a
// ledger without a year with the current one; save() is the only way the files
// are written after loading.
class LedgerDocument : public QObject
{
    Q_OBJECT

public:
    explicit LedgerDocument(QObject *parent = nullptr);

    const LedgerModel &model() const { return m_model; }
    const QString &settingsFile() const { return m_settingsFile; }
    const QString &ledgerFile() const { return m_ledgerFile; }

    bool settingsChanged() const { return m_model.settingsChanged; }
    bool ledgerChanged() const { return m_model.ledgerChanged; }
    // Something is not saved yet.
    bool isChanged() const { return settingsChanged() || ledgerChanged(); }

    // Reads the pair of files (see loadFiles) into a new ledger that replaces
    // this one, nothing unsaved. Returns the warnings the user must see.
    QStringList load(const QString &settingsFile, const QString &ledgerFile);
    // Takes a ledger already read from the pair of files as this one.
    void open(LedgerModel model, const QString &settingsFile, const QString &ledgerFile);
    // From now on the document belongs to these files (nothing is written).
    void setFiles(const QString &settingsFile, const QString &ledgerFile);

    // Changes. Each marks what it changed and emits the signal of what it changed.

    // A grid edit as it closes (see commitCellEdit).
    CommitOutcome commitCell(const CellEdit &edit, const OverrideQuestion &allowOverride);
    // Empties columns 2..10 of the ad in one issue once `confirm` says yes.
    bool removeAdData(int issue, int ad, const RemoveQuestion &confirm);
    // The text the pickup status entry shows; no file holds it.
    void setPickupStatus(const QString &text);

    // The configuration: ads, their publications, sales people and prices (see
    // the functions of LedgerModel of the same names). Each changes the model
    // only where the value differs and returns whether it did: then it marks
    // the settings changed (and the ledger, where cells or advance ledgers move)
    // and emits adsChanged, advancesChanged for each advance ledger that moved,
    // and configurationChanged (see beginConfiguration). A value as it was
    // changes, marks and emits nothing.

    // Returns the new ad count.
    int addAd();
    bool renameAd(int ad, const QString &name);
    bool setPublicationCheck(int ad, int publication, bool checked);
    bool deleteAd(int ad);
    // See qm::addSalesPerson.
    AddSalesOutcome addSalesPerson(const QString &name);
    // See qm::removeSalesPerson.
    bool removeSalesPerson(int position);
    // See qm::bringSalesPeopleIntoOrder.
    bool sortSalesPeople();
    bool setSalesPercent(int person, const QString &percent);
    bool storePrice(int entry, PriceKind kind, const QString &text);
    // The user stored a setting as it was: it counts as a change of the
    // settings all the same, which the next save writes.
    void markSettingsChanged();

    // Around a session of the configuration dialog: meanwhile the changes above
    // emit no configurationChanged of their own; the end emits it once when
    // the configuration differs from what it was at the beginning.
    void beginConfiguration();
    void endConfiguration();

    // The advance ledger of sales-person slot 1 or 2.
    void setAdvanceLedger(int slot, const AdvanceLedger &entries);
    void addAdvance(int slot, const AdvanceEntry &entry);
    void replaceAdvance(int slot, int index, const AdvanceEntry &entry); // index from 0
    void deleteAdvance(int slot, int index);
    void clearAdvances(int slot);

    // Going back and forth in the history of changes (see rowEdited and
    // advancesEdited). Each marks the ledger changed and emits the signal of
    // what it changed, but is no edit of its own.

    // Puts back columns 2..10 of a row as the snapshot holds them.
    void restoreRow(const RowSnapshot &row);
    // Puts back the whole advance ledger of a slot.
    void restoreAdvanceLedger(int slot, const AdvanceLedger &entries);
    // The ledger is back as it was last loaded or saved: nothing of it is unsaved.
    void markLedgerUnchanged();

    // The year-end archive of this document's files (see qm::archiveYear).
    ArchiveResult archiveYear(const QString &programFolder, int currentYear, const ConfirmReplace &confirmReplace);

    // Saving. Both emit aboutToSave() first, so that a view commits what is
    // still being edited, then write through the safe save; saved() follows a
    // save without errors.
    SaveReport save(SaveKind kind = SaveKind::Changes);
    // Writes both files under new names; on success the document belongs to them.
    SaveReport saveAs(const QString &settingsFile, const QString &ledgerFile);

signals:
    // A new ledger replaced the one held (load, open, archive).
    void loaded();
    // A cell of an ad in an issue changed, and with it the computed cells of its
    // row; column 0: the whole row.
    void cellChanged(int issue, int ad, int column);
    // The ads, their publications, the sales people or the prices changed.
    void adsChanged();
    void advancesChanged(int slot);
    // An edit of the user's changed a row (its cell `column`, and with it the
    // computed cells; column 2 when the row's data was removed).
    void rowEdited(const qm::RowSnapshot &before, const qm::RowSnapshot &after, int column);
    // An edit of the user's changed the advance ledger of a slot.
    void advancesEdited(int slot, const qm::AdvanceLedger &before, const qm::AdvanceLedger &after);
    // The ads, their publications, the sales people or the prices differ from
    // before a change of them, or from before a session of the configuration
    // dialog (emitted after adsChanged).
    void configurationChanged();
    // Whether something is unsaved turned.
    void changedChanged(bool changed);
    void aboutToSave();
    void saved();

private:
    // Emits changedChanged when isChanged() differs from `before`.
    void noteChanged(bool before);
    void writeAdvanceLedger(int slot, const AdvanceLedger &entries);
    // Makes a change of the configuration (see addAd); returns whether anything differs.
    bool changeConfiguration(const std::function<void(LedgerModel &)> &change);

    LedgerModel m_model;
    QString m_settingsFile;
    QString m_ledgerFile;
    // The configuration as the open dialog session found it.
    bool m_configuring = false;
    QList<AdRecord> m_adsAtBegin;
    QList<SalesPerson> m_salesPeopleAtBegin;
    PriceTable m_pricesAtBegin;
};

} // namespace qm
