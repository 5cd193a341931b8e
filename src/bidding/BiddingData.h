// What a bidder needs beside the deal: the two sides' convention cards and the alert table, read
// from files, and the step that seats a deal in a bidder's working state.
#pragma once

#include "bidding/BidderContext.h"
#include "cards/Cards.h"

#include <filesystem>
#include <string>

namespace corvane {

inline constexpr std::string_view DefaultCardFileName = "Std American.cc";

struct BiddingData {
    ConventionCards Cards;
    CodeTable Alerts;
};

// Reads the cards of North-South and East-West (paths; relative ones are taken in the folder) and
// "Alerts.txt" of the folder. Empty text on success, else what went wrong.
std::string LoadBiddingData(BiddingData& data, const std::filesystem::path& folder,
                            const std::filesystem::path& nsCard, const std::filesystem::path& ewCard);

// Points the bidder at the data; the data must outlive the bidder's use of it.
void AttachBiddingData(BidderContext& c, BiddingData& data);

// Gives every seat its dealt cards, all played by the computer.
void SeatDeal(BidderContext& c, const DealHoldings& deal);

}  // namespace corvane
