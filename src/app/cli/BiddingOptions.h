// The options the bidding commands share: the two sides' cards and the folder they are read from.
#pragma once

#include "app/cli/CliCommand.h"
#include "bidding/BiddingData.h"

#include <iostream>
#include <string>

namespace corvane::cli {

struct BiddingOptions {
    std::string NSCard = std::string(DefaultCardFileName);
    std::string EWCard = std::string(DefaultCardFileName);
    std::string Data = CORVANE_SHIPPED_DATA;

    void AddTo(CLI::App& command) {
        command.add_option("--ns-card", NSCard, "North-South's convention card file");
        command.add_option("--ew-card", EWCard, "East-West's convention card file");
        command.add_option("--data", Data, "The folder with the cards and \"Alerts.txt\"");
    }
    // Empty text on success, else what went wrong.
    std::string Load(BiddingData& data) const { return LoadBiddingData(data, Data, NSCard, EWCard); }
    // Loads them, or ends the command with what went wrong.
    void LoadOrFail(BiddingData& data) const {
        if (const std::string error = Load(data); !error.empty()) {
            std::cerr << "corvane-cli: " << error << '\n';
            throw Failure();
        }
    }
};

}  // namespace corvane::cli
