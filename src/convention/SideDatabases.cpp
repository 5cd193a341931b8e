#include "convention/SideDatabases.h"

namespace corvane {

SideCardAccess CardAccess(ConventionCards& cards, int side) {
    SideCardAccess access;
    access.Value = [&cards, side](std::string_view key) { return cards.Card(side).Value(key); };
    access.Tick = [&cards, side](std::string_view key) { cards.Card(side).Set(key, "X"); };
    access.NTStructure = cards.State(side).NTStructure;
    access.DirectDefence = cards.State(side).DirectDefence;
    return access;
}

void BuildDefinitionDatabases(const DefinitionFiles& files, ConventionCards& cards,
                              DefinitionDatabases& databases) {
    for (int side = 1; side <= 2; ++side) {
        SideCardAccess own = CardAccess(cards, side);
        SideCardAccess opponents = CardAccess(cards, 3 - side);
        databases.Side(side) = BuildSideDatabase(files, own, opponents);
    }
}

void SwapSides(ConventionCards& cards, DefinitionDatabases& databases) {
    cards.ExchangeSides();
    databases.SwapSides();
}

void UseCardQueries(DefinitionContext& context, ConventionCards& cards,
                    const OneNTSituation& situation) {
    const std::string range(cards.ActiveOneNTRange(situation));
    const int errorBefore = cards.ErrorState;
    context.OneNTLow = cards.CardLow(range);
    context.OneNTHigh = cards.CardHigh(range);
    cards.ErrorState = errorBefore;  // an unset range reports itself where it is used as a code
    context.VeryLightOpenings = cards.VeryLightOpenings();
    context.CardBounds = [&cards](std::string_view code) -> std::optional<std::pair<int, int>> {
        const int before = cards.ErrorState;
        cards.ErrorState = 0;
        const int low = cards.CardLow(code);
        const int high = cards.CardHigh(code);
        const bool bad = cards.ErrorState != 0;
        cards.ErrorState = before;
        if (bad) return std::nullopt;
        return std::make_pair(low, high);
    };
    context.CardTicked = [&cards](std::string_view item) { return cards.CardTicked(item); };
}

}  // namespace corvane
