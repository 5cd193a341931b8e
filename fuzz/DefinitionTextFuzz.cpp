// Any text as a bid definition: every alternative is applied, the alternatives combined and
// merged, and the result written out. Nothing may crash or read out of bounds.
#include "bidding/DefinitionLanguage.h"
#include "bidding/MeaningText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> tokens = DefinitionTokens(text);
    DefinitionContext context;
    context.Candidate = static_cast<CallCode>(size % 38);
    context.HighestBid = BidCode(1, NoTrump);
    context.OpponentHasShownSuit = {true, false, true, false};
    context.CardBounds = [](std::string_view code) -> std::optional<std::pair<int, int>> {
        if (code.size() == 3) return std::make_pair(8, 16);
        return std::nullopt;
    };
    context.CardTicked = [](std::string_view item) { return item.size() % 2 == 0; };
    const int count = ScoredAlternativeCount(tokens);
    std::vector<int> scores;
    CandidateMeaning candidate;
    for (int i = 1; i <= count; ++i) {
        candidate.Score = DefinitionStartScore;
        ApplyDefinition(tokens, i, context, candidate);
        DefinitionErrorMessage(candidate.ErrorState, candidate.ErrorCode, i % 2 == 0, context.Candidate);
        scores.push_back(candidate.ErrorState == 0 ? candidate.Score : RejectedAlternativeScore);
        candidate.ErrorState = 0;
    }
    CombineAlternatives(tokens, scores, context, candidate);
    TBidInfo shown = context.Shown;
    MergeShown(shown, candidate.Info);
    DescribeMeaning(shown, context.Shown);
    PointsCode(text.substr(0, 8), 0, 40, context);
    return 0;
}
