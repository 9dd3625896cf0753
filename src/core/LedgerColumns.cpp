#include "core/LedgerColumns.h"

#include <array>

namespace qm {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

const std::array<LedgerColumnInfo, kColumnCount> kColumns = {{
    {150, kLeft, EditorKind::None, "Ad", CsvForm::Text},
    {135, kCentre, EditorKind::Pulldown, "Sales person", CsvForm::Text},
    {59, kCentre, EditorKind::Number, "Number", CsvForm::Count},
    {67, kCentre, EditorKind::Pulldown, "Size", CsvForm::Text},
    {45, kCentre, EditorKind::Check, "Colour", CsvForm::YesNo},
    {70, kRight, EditorKind::Number, "Sale", CsvForm::Amount},
    {70, kRight, EditorKind::Number, "Paid", CsvForm::Amount},
    {70, kCentre, EditorKind::Pulldown, "Status", CsvForm::Text},
    {70, kRight, EditorKind::Number, "Commission", CsvForm::Amount},
    {70, kRight, EditorKind::Number, "Commission paid", CsvForm::Amount},
}};

} // namespace

const LedgerColumnInfo &ledgerColumn(int column) { return kColumns.at(std::size_t(column - 1)); }

} // namespace qm
