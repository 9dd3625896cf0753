#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/LedgerCells.h"
#include "core/LedgerSize.h"
#include "core/Version.h"

#include <array>
#include <vector>

namespace qm {

inline constexpr char16_t CHECKMARK = 0x2713;

// Ledger columns, counted from 1.
enum LedgerColumn {
    ColAds = 1,
    ColSalesPerson,
    ColNumber,
    ColSize,
    ColColor,
    ColSale,
    ColPaid,
    ColStatus,
    ColComm,
    ColCommPaid,
};

// The fixed vocabularies; every index counts from 1.
QString publicationName(int publication);
QString publicationLabel(int publication); // the 13-character selector label
const QStringList &pickupCodes();
QString monthName(int month); // as the data files and exports hold it
QString monthTitle(int month); // as the user reads it
QString sizeName(int size);
int sizeIndex(const QString &name); // 0 when the text names no size
QString columnHeader(int column); // the grid's column heading, as the user reads it

// Issue 1..15 of a publication and month: the month for publication 1,
// publication + 11 for the yearly specials (their month is ignored).
int issueIndex(int publication, int month);
// The publication of issue 1..15; the month of issues 1..12 is the issue itself.
int issuePublication(int issue);
// Price table entry 1..28 of a publication and size.
int priceEntry(int publication, int size);

struct AdRecord
{
    QString name;
    std::array<QString, kPublicationCount> checks; // empty or CHECKMARK

    QString &check(int publication) { return checks.at(publication - 1); }
    const QString &check(int publication) const { return checks.at(publication - 1); }
    bool runsIn(int publication) const { return !check(publication).isEmpty(); }
    bool operator==(const AdRecord &) const = default;
};

struct SalesPerson
{
    QString name;
    QString percent; // as typed

    bool operator==(const SalesPerson &) const = default;
};

enum class PriceKind { Colour, BlackWhite };

struct PriceTable
{
    std::array<QString, kPriceEntryCount> colour;
    std::array<QString, kPriceEntryCount> blackWhite;

    QString &colourPrice(int entry) { return colour.at(entry - 1); }
    QString &bwPrice(int entry) { return blackWhite.at(entry - 1); }
    const QString &colourPrice(int entry) const { return colour.at(entry - 1); }
    const QString &bwPrice(int entry) const { return blackWhite.at(entry - 1); }
    bool operator==(const PriceTable &) const = default;
};

struct AdvanceEntry
{
    QString date; // as entered
    double advanced = 0;
    double paid = 0;

    bool operator==(const AdvanceEntry &) const = default;
};
using AdvanceLedger = QList<AdvanceEntry>;

// What the data files on disk hold, as far as this run knows: set when they
// are loaded and saved, so that a save never leaves the two files with
// different ad counts and never replaces a file it could not trust without
// keeping a copy of it first.
struct FilesOnDisk
{
    int adCount = 0;               // the ad count both files were read or written with; -1: unknown
    bool keepSettingsCopy = false; // the settings file on disk did not read cleanly, or was not read
    bool keepLedgerCopy = false;   // the same for the ledger file
    bool settingsUnread = false;   // the settings file exists but could not be read
    bool ledgerUnread = false;     // the ledger file exists but was not read (no readable settings file)
};

// The whole year's advertising ledger. There is one per run; every window works
// on it by reference.
class LedgerModel
{
public:
    LedgerModel();

    int adCount() const { return int(ads.size()); }
    QStringList salesChoices() const; // the sales people's names, then "Owner"
    // Text of the person's commission percentage; empty for "Owner" or a stranger.
    QString commissionPercent(const QString &salesName) const;

    // Cells: every change a window makes goes through the setters below, and each
    // marks the ledger changed. (The file reader fills the cells through `cells`.)
    CellRef cell(int issue, int column, int ad) { return cells.at(issue, column, ad); }
    const QString &cell(int issue, int column, int ad) const { return cells.at(issue, column, ad); }
    void setCell(int issue, int column, int ad, const QString &text);
    // Takes back a write the user refused: the cell and the changed flag as they were.
    void restoreCell(int issue, int column, int ad, const QString &text, bool ledgerChangedBefore);
    // Empties columns 2..10 of an ad in one issue.
    void clearAdCells(int issue, int ad);
    // Empties every cell of the year.
    void clearLedger();
    // The files were just read: nothing is unsaved.
    void markUnchanged()
    {
        settingsChanged = false;
        ledgerChanged = false;
    }

    // Status entry 2 is the only mutable one: it carries the last pickup text.
    const QStringList &statusValues() const { return m_statusValues; }
    void setPickupStatus(const QString &text) { m_statusValues[1] = text; }

    void resizeLedger(int adCount) { cells.resize(adCount); }

    // Configuration. Each change marks what it changed: settingsChanged for what
    // the settings file holds, and ledgerChanged where ledger cells or advances
    // move. Ads, publications, sales people and price entries count from 1.

    // Appends an ad with every field empty and returns the new ad count. The
    // ledger file is read back with the settings file's ad count, so both files
    // are to be written after this.
    int addAd();
    void renameAd(int ad, const QString &name);
    void setPublicationCheck(int ad, int publication, bool checked);
    // Removes an ad and its ledger cells; every later ad takes the number one lower.
    void deleteAd(int ad);

    // Advance ledger k belongs to sales person k, so the ledgers move with their
    // people. Inserts a person with an empty percentage at `position`; the free advance
    // ledger (the one after the last person's) becomes the new person's. False
    // when the list is full.
    bool insertSalesPerson(int position, const QString &name);
    // Removes a person whose advance ledger is empty (false otherwise, nothing
    // changed); the later people and their ledgers move up.
    bool deleteSalesPerson(int position);
    // Puts the people into a new order: person k becomes the one that was at
    // order[k - 1] (1-based), with its advance ledger; the people not named are dropped.
    void reorderSalesPeople(const QList<int> &order);
    void setSalesPercent(int person, const QString &percent);

    void storePrice(int entry, PriceKind kind, const QString &text);

    // Advances
    // The advance ledger of sales-person slot 1 or 2.
    const AdvanceLedger &advanceLedger(int slot) const { return advances.at(std::size_t(slot - 1)); }
    // Writes back the whole advance ledger of a slot; marks the ledger changed
    // when it differs from the one held.
    void setAdvanceLedger(int slot, const AdvanceLedger &entries);

    // A new year: every cell emptied, the configuration and the advances kept, the
    // year set and the ledger marked changed so the empty year reaches the file.
    void startYear(int year);

    QList<AdRecord> ads;
    QList<SalesPerson> salesPeople;
    PriceTable prices;
    LedgerCells cells;
    std::array<AdvanceLedger, 2> advances;
    int ledgerYear = 0;
    bool settingsChanged = false;
    bool ledgerChanged = false;
    FilesOnDisk onDisk;

private:
    QStringList m_statusValues;
};

} // namespace qm
