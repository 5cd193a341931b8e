// corvane-cli bid --deal "N:..." --dealer N --vul None: the computer bids all four seats by the
// two sides' cards and prints each call with its meaning code and explanation.
#include "app/cli/BiddingOptions.h"
#include "bidding/BidSelection.h"
#include "bidding/BiddingCase.h"
#include "bidding/BiddingData.h"
#include "bidding/CallText.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace corvane::cli {
namespace {

struct BidArguments {
    std::string Deal;
    std::string Dealer = "N";
    std::string Vul = "None";
    BiddingOptions Bidding;
};

[[noreturn]] void Refuse(const std::string& message) {
    std::cerr << "corvane-cli bid: " << message << '\n';
    throw Failure();
}

void Run(const BidArguments& args) {
    DealHoldings deal{};
    if (!DealFromPbn(args.Deal, deal)) Refuse("unreadable deal \"" + args.Deal + "\"");
    static constexpr std::string_view seats = "NESW";
    if (args.Dealer.size() != 1 || seats.find(args.Dealer[0]) == std::string_view::npos) {
        Refuse("the dealer is one of N, E, S, W");
    }
    int vul = -1;
    for (size_t i = 0; i < VulnerabilityNames.size(); ++i) {
        if (args.Vul == VulnerabilityNames[i]) vul = static_cast<int>(i);
    }
    if (vul < 0) Refuse("the vulnerability is one of None, NS, EW, Both");
    BiddingData data;
    if (std::string error = args.Bidding.Load(data); !error.empty()) {
        Refuse(error);
    }
    BidderContext c;
    AttachBiddingData(c, data);
    c.Vul = static_cast<Vulnerability>(vul);
    c.ShowMessage = [](const std::string& message) { std::cerr << message << '\n'; };
    SeatDeal(c, deal);
    StartAuction(c, static_cast<TSeat>(seats.find(args.Dealer[0])));
    while (!AuctionComplete(c.Auction.Calls)) {
        const TSeat seat = c.Bidder;
        ChooseComputerCall(c, false);
        const CallCode call = LegalCalls(c.Auction).Contains(c.ChosenCall) ? c.ChosenCall : Pass;
        const std::string explanation = AcceptCall(c, call);
        std::printf("%c  %-4s %3d  %s\n", seats[seat], CaseCallText(call).c_str(),
                    c.Players[seat].LastMeaning, explanation.c_str());
    }
    std::printf("Contract: %s", ContractText(c.Auction).c_str());
    if (c.Auction.Declarer != NoSeat) std::printf(" by %c", seats[c.Auction.Declarer]);
    std::printf("\n");
}

const CommandRegistration registration([](CLI::App& program) {
    auto* command = program.add_subcommand("bid", "Bid a deal with the computer at all four seats");
    auto args = std::make_shared<BidArguments>();
    command->add_option("--deal", args->Deal, "The deal, e.g. \"N:AKQ2.J54.T9.8765 ...\"")->required();
    command->add_option("--dealer", args->Dealer, "N, E, S or W");
    command->add_option("--vul", args->Vul, "None, NS, EW or Both");
    args->Bidding.AddTo(*command);
    command->callback([args] { Run(*args); });
});

}  // namespace
}  // namespace corvane::cli
