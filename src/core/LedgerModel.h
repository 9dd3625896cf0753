#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/LedgerCells.h"
#include "core/Version.h"

#include <array>
#include <vector>

namespace qm {

inline constexpr char16_t CHECKMARK = 0x2713;

inline constexpr int kPublicationCount = 4;
inline constexpr int kMonthCount = 12;
inline constexpr int kIssueCount = 15;
inline constexpr int kColumnCount = 10;
inline constexpr int kSizeCount = 7;
inline constexpr int kStatusCount = 5;
inline constexpr int kPriceEntryCount = kPublicationCount * kSizeCount;
inline constexpr int kMaxSalesPeople = 2;

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
QString monthName(int month);
QString sizeName(int size);
int sizeIndex(const QString &name); // 0 when the text names no size
QString columnHeader(int column);

// Issue 1..15 of a publication and month: the month for publication 1,
// publication + 11 for the yearly specials (their month is ignored).
int issueIndex(int publication, int month);
// Price table entry 1..28 of a publication and size.
int priceEntry(int publication, int size);

struct AdRecord
{
    QString name;
    std::array<QString, kPublicationCount> checks; // empty or CHECKMARK

    QString &check(int publication) { return checks.at(publication - 1); }
    const QString &check(int publication) const { return checks.at(publication - 1); }
    bool runsIn(int publication) const { return !check(publication).isEmpty(); }
};

struct SalesPerson
{
    QString name;
    QString percent; // as typed
};

struct PriceTable
{
    std::array<QString, kPriceEntryCount> colour;
    std::array<QString, kPriceEntryCount> blackWhite;

    QString &colourPrice(int entry) { return colour.at(entry - 1); }
    QString &bwPrice(int entry) { return blackWhite.at(entry - 1); }
    const QString &colourPrice(int entry) const { return colour.at(entry - 1); }
    const QString &bwPrice(int entry) const { return blackWhite.at(entry - 1); }
};

struct AdvanceEntry
{
    QString date; // as entered
    double advanced = 0;
    double paid = 0;

    bool operator==(const AdvanceEntry &) const = default;
};
using AdvanceLedger = QList<AdvanceEntry>;

// Where the grid stands and what it is editing; not saved.
struct ViewState
{
    int selectedPublication = 1;
    int selectedMonth = 1;
    int shownPublication = 1;
    int shownMonth = 1;
    int topRow = 1;
    int currentRow = 1;
    int currentColumn = 2;
    int editRow = 1;
    int editColumn = 2;
    int visibleRows = 0;
    bool viewOnly = true;
    bool scrollBusy = false;
    int hookReady = 0; // 0 during start-up, 1 when running, 2 while configuring
    QString oldCellText;
    QString newCellText;
    int sizePicked = 0;
    int pickupIndex = 0;
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

    CellRef cell(int issue, int column, int ad) { return cells.at(issue, column, ad); }
    const QString &cell(int issue, int column, int ad) const { return cells.at(issue, column, ad); }

    // Status entry 2 is the only mutable one: it carries the last pickup text.
    const QStringList &statusValues() const { return m_statusValues; }
    void setPickupStatus(const QString &text) { m_statusValues[1] = text; }

    void resizeLedger(int adCount) { cells.resize(adCount); }
    void clearLedger();

    QList<AdRecord> ads;
    QList<SalesPerson> salesPeople;
    PriceTable prices;
    LedgerCells cells;
    std::array<AdvanceLedger, 2> advances;
    int ledgerYear = 0;
    bool settingsChanged = false;
    bool ledgerChanged = false;
    ViewState view;

private:
    QStringList m_statusValues;
};

} // namespace qm
