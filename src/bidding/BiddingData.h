// What a bidder needs beside the deal: the two sides' convention cards and the alert table, read
// from files, and the step that seats a deal in a bidder's working state.
#pragma once

#include "bidding/BidderContext.h"
#include "cards/Cards.h"

#include <filesystem>
#include <string>
#include <vector>

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

// What the table's start-up has to say after reading its bidding data; Fatal when the program
// cannot go on (no alert table, no default card).
struct BiddingDataStartup {
    bool Fatal = false;
    std::vector<std::string> Messages;  // for the person, in order
};

// The table's start-up: "Alerts.txt" of the data folder, then the two sides' cards named in the
// person's options (plain file names in the folder; a missing one is replaced by the default card).
// Without the alert table the cards are not read.
BiddingDataStartup LoadTableBiddingData(BiddingData& data, const std::filesystem::path& folder,
                                        const std::string& nsCard, const std::string& ewCard);

// Points the bidder at the data; the data must outlive the bidder's use of it.
void AttachBiddingData(BidderContext& c, BiddingData& data);

// Gives every seat its dealt cards, all played by the computer.
void SeatDeal(BidderContext& c, const DealHoldings& deal);

}  // namespace corvane
