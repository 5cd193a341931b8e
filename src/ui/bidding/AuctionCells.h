// The auction as the grid shows it: columns West, North, East, South, one row per round.
#pragma once

#include "bidding/Call.h"
#include "ui/common/MarkupGrid.h"

#include <vector>

namespace corvane::ui {

inline constexpr int AuctionColumns = 4;

// The grid column of a seat: West first.
constexpr int AuctionColumn(TSeat seat) { return (seat + 1) & 3; }

// Calls in the order made, the first by `dealer`. Cells before the dealer's first call hold the
// "no call" dashes; an empty auction gives one row of blanks.
TextGrid AuctionCells(TSeat dealer, const std::vector<CallCode>& calls);

}  // namespace corvane::ui
