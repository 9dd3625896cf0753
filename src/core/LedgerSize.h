#pragma once

namespace qm {

// The shape of a year: four publications, fifteen issues, ten columns a line.
inline constexpr int kPublicationCount = 4;
inline constexpr int kMonthCount = 12;
inline constexpr int kIssueCount = 15;
inline constexpr int kColumnCount = 10;
inline constexpr int kSizeCount = 7;
inline constexpr int kStatusCount = 5;
inline constexpr int kPriceEntryCount = kPublicationCount * kSizeCount;
inline constexpr int kMaxSalesPeople = 2;

} // namespace qm
