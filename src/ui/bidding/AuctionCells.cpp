#include "ui/bidding/AuctionCells.h"

#include "bidding/CallText.h"

namespace corvane::ui {

TextGrid AuctionCells(TSeat dealer, const std::vector<CallCode>& calls) {
    TextGrid rows(1, std::vector<std::string>(AuctionColumns, " "));
    const int first = AuctionColumn(dealer);
    for (int c = 0; c < first; ++c) rows[0][size_t(c)] = std::string(NoCallDisplayText);
    for (size_t i = 0; i < calls.size(); ++i) {
        const size_t slot = size_t(first) + i;
        const size_t row = slot / AuctionColumns;
        if (row >= rows.size()) rows.emplace_back(AuctionColumns, " ");
        rows[row][slot % AuctionColumns] = CallDisplayText(calls[i]);
    }
    return rows;
}

}  // namespace corvane::ui
