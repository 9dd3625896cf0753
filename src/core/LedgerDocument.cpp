#include "core/LedgerDocument.h"

#include "core/Clock.h"

#include <utility>

namespace qm {

LedgerDocument::LedgerDocument(QObject *parent) : QObject(parent) {}

QStringList LedgerDocument::load(const QString &settingsFile, const QString &ledgerFile)
{
    LedgerModel model;
    const QStringList warnings = loadFiles(model, settingsFile, ledgerFile);
    open(std::move(model), settingsFile, ledgerFile);
    return warnings;
}

void LedgerDocument::open(LedgerModel model, const QString &settingsFile, const QString &ledgerFile)
{
    const bool before = isChanged();
    m_model = std::move(model);
    m_model.resizeLedger(m_model.adCount());
    // The year is stamped here and only here: a ledger without one belongs to this year.
    if (m_model.ledgerYear == 0)
        m_model.ledgerYear = Clock::today().year();
    m_model.markUnchanged();
    setFiles(settingsFile, ledgerFile);
    emit loaded();
    noteChanged(before);
}

void LedgerDocument::setFiles(const QString &settingsFile, const QString &ledgerFile)
{
    m_settingsFile = settingsFile;
    m_ledgerFile = ledgerFile;
}

void LedgerDocument::noteChanged(bool before)
{
    if (isChanged() != before)
        emit changedChanged(isChanged());
}

CommitOutcome LedgerDocument::commitCell(const CellEdit &edit, const OverrideQuestion &allowOverride)
{
    const bool before = isChanged();
    const RowSnapshot rowBefore = takeRowSnapshot(m_model, edit.issue, edit.ad);
    const CommitOutcome outcome = commitCellEdit(m_model, edit, allowOverride);
    if (outcome == CommitOutcome::Stored) {
        emit cellChanged(edit.issue, edit.ad, edit.column);
        const RowSnapshot rowAfter = takeRowSnapshot(m_model, edit.issue, edit.ad);
        if (rowAfter != rowBefore)
            emit rowEdited(rowBefore, rowAfter, edit.column);
    }
    noteChanged(before);
    return outcome;
}

bool LedgerDocument::removeAdData(int issue, int ad, const RemoveQuestion &confirm)
{
    const bool before = isChanged();
    const RowSnapshot rowBefore = takeRowSnapshot(m_model, issue, ad);
    if (!qm::removeAdData(m_model, issue, ad, confirm))
        return false;
    emit cellChanged(issue, ad, 0);
    const RowSnapshot rowAfter = takeRowSnapshot(m_model, issue, ad);
    if (rowAfter != rowBefore)
        emit rowEdited(rowBefore, rowAfter, ColSalesPerson);
    noteChanged(before);
    return true;
}

void LedgerDocument::setPickupStatus(const QString &text) { m_model.setPickupStatus(text); }

void LedgerDocument::setAdvanceLedger(int slot, const AdvanceLedger &entries)
{
    if (slot < 1 || slot > int(m_model.advances.size()) || m_model.advanceLedger(slot) == entries)
        return;
    const AdvanceLedger previous = m_model.advanceLedger(slot);
    writeAdvanceLedger(slot, entries);
    emit advancesEdited(slot, previous, entries);
}

void LedgerDocument::writeAdvanceLedger(int slot, const AdvanceLedger &entries)
{
    const bool before = isChanged();
    m_model.setAdvanceLedger(slot, entries);
    emit advancesChanged(slot);
    noteChanged(before);
}

void LedgerDocument::restoreAdvanceLedger(int slot, const AdvanceLedger &entries)
{
    if (slot < 1 || slot > int(m_model.advances.size()) || m_model.advanceLedger(slot) == entries)
        return;
    writeAdvanceLedger(slot, entries);
}

void LedgerDocument::restoreRow(const RowSnapshot &row)
{
    if (!fitsModel(row, m_model))
        return;
    const bool before = isChanged();
    for (int column = ColSalesPerson; column <= kColumnCount; ++column)
        m_model.setCell(row.issue, column, row.ad, row.cell(column));
    emit cellChanged(row.issue, row.ad, 0);
    noteChanged(before);
}

void LedgerDocument::markLedgerUnchanged()
{
    const bool before = isChanged();
    m_model.ledgerChanged = false;
    noteChanged(before);
}

void LedgerDocument::addAdvance(int slot, const AdvanceEntry &entry)
{
    if (slot < 1 || slot > int(m_model.advances.size()))
        return;
    AdvanceLedger entries = m_model.advanceLedger(slot);
    entries << entry;
    setAdvanceLedger(slot, entries);
}

void LedgerDocument::replaceAdvance(int slot, int index, const AdvanceEntry &entry)
{
    if (slot < 1 || slot > int(m_model.advances.size()) || index < 0 || index >= m_model.advanceLedger(slot).size())
        return;
    AdvanceLedger entries = m_model.advanceLedger(slot);
    entries[index] = entry;
    setAdvanceLedger(slot, entries);
}

void LedgerDocument::deleteAdvance(int slot, int index)
{
    if (slot < 1 || slot > int(m_model.advances.size()) || index < 0 || index >= m_model.advanceLedger(slot).size())
        return;
    AdvanceLedger entries = m_model.advanceLedger(slot);
    entries.removeAt(index);
    setAdvanceLedger(slot, entries);
}

void LedgerDocument::clearAdvances(int slot) { setAdvanceLedger(slot, AdvanceLedger()); }

ArchiveResult LedgerDocument::archiveYear(const QString &programFolder, int currentYear,
                                          const ConfirmReplace &confirmReplace)
{
    const bool before = isChanged();
    const ArchiveResult result =
        qm::archiveYear(m_model, {m_settingsFile, m_ledgerFile, programFolder}, currentYear, confirmReplace);
    if (result.outcome == ArchiveOutcome::Archived)
        emit loaded();
    noteChanged(before);
    return result;
}

SaveReport LedgerDocument::save(SaveKind kind)
{
    emit aboutToSave();
    const bool before = isChanged();
    const QDateTime moment = Clock::now();
    SaveReport report;
    switch (kind) {
    case SaveKind::Changes:
        report = saveChangesNow(m_model, m_settingsFile, m_ledgerFile, moment);
        break;
    case SaveKind::Ledger:
        report = saveFilesNow(m_model, m_settingsFile, m_ledgerFile, moment);
        break;
    case SaveKind::Exit:
        report = saveChangedFiles(m_model, m_settingsFile, m_ledgerFile, moment);
        break;
    }
    noteChanged(before);
    if (report.ok())
        emit saved();
    return report;
}

SaveReport LedgerDocument::saveAs(const QString &settingsFile, const QString &ledgerFile)
{
    emit aboutToSave();
    const bool before = isChanged();
    const SaveReport report = saveFilesAs(m_model, settingsFile, ledgerFile);
    if (report.ok())
        setFiles(settingsFile, ledgerFile);
    noteChanged(before);
    if (report.ok())
        emit saved();
    return report;
}

} // namespace qm
