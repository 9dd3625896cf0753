#include "core/LedgerColumns.h"

#include <QCoreApplication>

#include <array>

namespace qm {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

// The headings' blanks keep them clear of the right-aligned amounts.
const std::array<LedgerColumnInfo, kColumnCount> kColumns = {{
    {QT_TRANSLATE_NOOP("LedgerModel", "Ads"), 150, kLeft, EditorKind::None, "Ad", CsvForm::Text},
    {QT_TRANSLATE_NOOP("LedgerModel", "Sales person"), 135, kCentre, EditorKind::Pulldown, "Sales person",
     CsvForm::Text},
    {QT_TRANSLATE_NOOP("LedgerModel", "Number"), 59, kCentre, EditorKind::Number, "Number", CsvForm::Count},
    {QT_TRANSLATE_NOOP("LedgerModel", "Size"), 67, kCentre, EditorKind::Pulldown, "Size", CsvForm::Text},
    {QT_TRANSLATE_NOOP("LedgerModel", "Color"), 45, kCentre, EditorKind::Check, "Colour", CsvForm::YesNo},
    {QT_TRANSLATE_NOOP("LedgerModel", "Sale    "), 70, kRight, EditorKind::Number, "Sale", CsvForm::Amount},
    {QT_TRANSLATE_NOOP("LedgerModel", "Paid    "), 70, kRight, EditorKind::Number, "Paid", CsvForm::Amount},
    {QT_TRANSLATE_NOOP("LedgerModel", "Status"), 70, kCentre, EditorKind::Pulldown, "Status", CsvForm::Text},
    {QT_TRANSLATE_NOOP("LedgerModel", "Comm   "), 70, kRight, EditorKind::Number, "Commission", CsvForm::Amount},
    {QT_TRANSLATE_NOOP("LedgerModel", "CommPd "), 70, kRight, EditorKind::Number, "Commission paid",
     CsvForm::Amount},
}};

} // namespace

const LedgerColumnInfo &ledgerColumn(int column) { return kColumns.at(std::size_t(column - 1)); }

} // namespace qm
