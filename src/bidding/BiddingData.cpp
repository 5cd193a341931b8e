#include "bidding/BiddingData.h"

#include "convention/CardFile.h"

namespace corvane {

std::string LoadBiddingData(BiddingData& data, const std::filesystem::path& folder,
                            const std::filesystem::path& nsCard, const std::filesystem::path& ewCard) {
    const std::array<std::filesystem::path, 2> files{nsCard, ewCard};
    for (int side = 1; side <= 2; ++side) {
        const std::filesystem::path& name = files[static_cast<size_t>(side - 1)];
        const std::filesystem::path path = name.is_absolute() || std::filesystem::exists(name) ? name : folder / name;
        std::optional<ConventionCard> card = ReadCardFile(path);
        if (!card) return "cannot read the convention card \"" + path.string() + "\"";
        UpgradeCard(*card);
        data.Cards.Card(side) = std::move(*card);
        data.Cards.State(side).CardFileName = path.filename().string();
    }
    data.Cards.UpdateDefences();
    // The table reader takes the folder with its trailing separator.
    const AlertTableLoad alerts = LoadAlertTable((folder / "").string());
    if (alerts.Failed) return alerts.Message;
    data.Alerts = alerts.Table;
    return {};
}

BiddingDataStartup LoadTableBiddingData(BiddingData& data, const std::filesystem::path& folder,
                                        const std::string& nsCard, const std::string& ewCard) {
    BiddingDataStartup startup;
    AlertTableLoad alerts = LoadAlertTable((folder / "").string());
    if (alerts.Failed) {
        startup.Fatal = true;
        startup.Messages.push_back(std::move(alerts.Message));
        return startup;
    }
    data.Alerts = std::move(alerts.Table);
    const std::array<const std::string*, 2> names{&nsCard, &ewCard};
    for (int side = 1; side <= 2; ++side) {
        const std::string& name = *names[static_cast<size_t>(side - 1)];
        data.Cards.State(side).CardFileName = name.empty() ? std::string(DefaultCardFileName) : name;
        CardLoadResult loaded = LoadCard(data.Cards, side, folder);
        for (auto& message : loaded.Messages) startup.Messages.push_back(std::move(message));
        // The missing default card is said once, not once per side.
        if (loaded.Fatal) {
            startup.Fatal = true;
            break;
        }
    }
    return startup;
}

void AttachBiddingData(BidderContext& c, BiddingData& data) {
    c.Cards = &data.Cards;
    c.Alerts = &data.Alerts;
}

void SeatDeal(BidderContext& c, const DealHoldings& deal) {
    for (int seat = 0; seat < SeatCount; ++seat) {
        THands& hand = c.Hands[static_cast<size_t>(seat)];
        hand.SetHoldings(deal[static_cast<size_t>(seat)]);
        hand.PlayedHere = false;
    }
}

}  // namespace corvane
