// corvane-cli eval --hand "S:AKQ2 H:J54 D:T9 C:8765": every figure the bidder reads from one
// hand, evaluated as at the start of an auction, so the evaluator can be checked by eye.
#include "app/cli/CliCommand.h"
#include "bidding/BiddingCase.h"
#include "bidding/HandEvaluation.h"
#include "bidding/SuitEvaluation.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace corvane::cli {
namespace {

const char* YesNo(bool b) { return b ? "yes" : "no"; }

std::string SuitName(Strain s) { return std::string(1, StrainLetters[s]); }

void PrintSuits(const THands& hand) {
    std::printf("%-5s %-14s %4s %5s %6s %7s %4s %6s %6s %4s %5s %4s %5s %5s %5s %5s %5s\n", "Suit",
                "Cards", "HCP", "NoAce", "LenPts", "Honours", "Top", "Quick", "Losers", "Ung",
                "Stop", "Ten", "Ctl1", "Ctl2", "NWeak", "Good", "Long");
    for (int s = Spades; s >= Clubs; --s) {
        const Holding h = hand.HoldingOf(s);
        const std::string cards = HoldingText(h).empty() ? "-" : HoldingText(h);
        const char* longSuit = IsSolidLongSuit(h) ? "solid" : IsStrongLongSuit(h) ? "strng" : "-";
        std::printf("%-5s %-14s %4d %5d %6d %7.1f %4s %6.1f %6.1f %4s %5s %4s %5s %5s %5s %5s %5s\n",
                    SuitName(static_cast<Strain>(s)).c_str(), cards.c_str(), SuitHCP(h),
                    SuitHCPWithoutAce(h), SuitLengthPoints(h), HonourCount(h),
                    TopHonours(h).empty() ? "-" : TopHonours(h).c_str(), QuickTricks(h),
                    SuitLosers(h), YesNo(UnguardedHonour(h)), YesNo(IsStopper(h)),
                    YesNo(HasTenace(h)), YesNo(FirstRoundControl(h)), YesNo(SecondRoundControl(h)),
                    YesNo(NotWeakLength(h)), YesNo(IsGoodSuit(h)), longSuit);
    }
}

void PrintHand(const THands& h) {
    const auto suitAndLength = [&](Strain s) {
        return SuitName(s) + " (" + std::to_string(SuitLength(h, s)) + ")";
    };
    std::printf("HCP                %d\n", h.HCP);
    std::printf("LengthPts          %d\n", h.LengthPts);
    std::printf("SupportPts         %d\n", h.SupportPts);
    std::printf("TotalPoints        %d\n", TotalPoints(h));
    std::printf("ShapeCode          %d\n", h.ShapeCode);
    std::printf("Balanced           %s\n", YesNo(h.Balanced));
    std::printf("LosingTricks       %.1f\n", h.LosingTricks);
    std::printf("LosingTrickTotal   %.1f\n", LosingTrickTotal(h));
    std::printf("HandQuickTricks    %.1f\n", h.HandQuickTricks);
    std::printf("Aces, Kings        %d, %d\n", Aces(h), Kings(h));
    std::printf("Controls           %d\n", Controls(h));
    std::printf("PlayingStrength    %d\n", PlayingStrength(h));
    std::printf("LongestSuit        %s\n", suitAndLength(LongestSuit(h)).c_str());
    std::printf("SecondSuit         %s\n", suitAndLength(SecondSuit(h)).c_str());
    std::printf("MainSuit           %s\n", suitAndLength(MainSuit(h)).c_str());
    std::printf("ShortestSuit       %s\n", suitAndLength(ShortestSuit(h)).c_str());
    std::printf("VoidCount          %d\n", VoidCount(h));
    std::printf("HasVoid            %s\n", YesNo(HasVoid(h)));
    std::printf("HasSingleton       %s\n", YesNo(HasSingleton(h)));
    std::printf("NonVoidSuits       %d\n", NonVoidSuits(h));
    std::printf("FirstRoundControls %d in a suit contract, %d in notrump\n",
                FirstRoundControls(h, Spades), FirstRoundControls(h, NoTrump));
    std::printf("UncontrolledSuits  %d in a suit contract, %d in notrump\n",
                UncontrolledSuits(h, Spades), UncontrolledSuits(h, NoTrump));
}

const CommandRegistration registration([](CLI::App& program) {
    auto* command = program.add_subcommand("eval", "Print every bidding figure of one hand");
    auto hand = std::make_shared<std::string>();
    command->add_option("--hand", *hand, "The hand, e.g. \"S:AKQ2 H:J54 D:T9 C:8765\"")->required();
    command->callback([hand] {
        std::array<Holding, 4> suits{};
        std::string error;
        if (!ReadCaseHand(*hand, suits, error)) {
            std::cerr << "corvane-cli eval: " << error << '\n';
            throw Failure();
        }
        TableHands hands = MakeTableHands();
        hands[South].SetHoldings(suits);
        PrepareHandsForAuction(hands, false);
        PrintSuits(hands[South]);
        std::printf("\n");
        PrintHand(hands[South]);
    });
});

}  // namespace
}  // namespace corvane::cli
