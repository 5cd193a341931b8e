#include "bidding/DefinitionLanguage.h"
#include "bidding/MeaningText.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(DescribeMeaning, OnlyWhatTheMeaningAddsToWhatWasShown) {
    TBidInfo before;
    before.MinPts = 12;
    before.MaxPts = 14;
    CandidateMeaning candidate;
    DefinitionContext context;
    context.Shown = before;
    ApplyDefinition(DefinitionTokens("P12-14 S5+/Q23/C1 L7.5-9 A2+ B"), 1, context, candidate);
    EXPECT_EQ(DescribeMeaning(candidate.Info, before),
              (std::vector<std::string>{"spades 5-13", "spades first-round control shown",
                                        "spades quality 23", "losers 7.5-9.0", "aces 2+", "balanced"}));
    EXPECT_TRUE(DescribeMeaning(before, before).empty());

    ApplyDefinition(DefinitionTokens("O6-9 H/TO"), 1, context, candidate);
    EXPECT_EQ(DescribeMeaning(candidate.Info, before),
              (std::vector<std::string>{"high-card points 6-9", "trumps the opponents' suit hearts"}));
}

}  // namespace
}  // namespace corvane
