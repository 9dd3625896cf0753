#include "core/LedgerColumns.h"

#include <array>

namespace qm {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

const std::array<LedgerColumnInfo, kColumnCount> kColumns = {{
    {150, kLeft, EditorKind::None},       // Ads
    {135, kCentre, EditorKind::Pulldown}, // Sales person
    {59, kCentre, EditorKind::Number},    // Number
    {67, kCentre, EditorKind::Pulldown},  // Size
    {45, kCentre, EditorKind::Check},     // Color
    {70, kRight, EditorKind::Number},     // Sale
    {70, kRight, EditorKind::Number},     // Paid
    {70, kCentre, EditorKind::Pulldown},  // Status
    {70, kRight, EditorKind::Number},     // Comm
    {70, kRight, EditorKind::Number},     // CommPd
}};

} // namespace

const LedgerColumnInfo &ledgerColumn(int column) { return kColumns.at(std::size_t(column - 1)); }

} // namespace qm
