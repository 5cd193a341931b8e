#include "convention/CardFile.h"
#include "convention/SideDatabases.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

const std::filesystem::path Data = std::filesystem::path(CORVANE_SOURCE_DIR) / "data";

class SideDatabasesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* names[2] = {"Std American.cc", "Two over One.cc"};
        for (int side = 1; side <= 2; ++side) {
            std::optional<ConventionCard> card = ReadCardFile(Data / names[side - 1]);
            ASSERT_TRUE(card.has_value());
            cards.Card(side) = *card;
            cards.State(side).CardFileName = names[side - 1];
        }
        cards.UpdateDefences();
        BuildDefinitionDatabases(files, cards, databases);
    }
    std::string Definition(int side, std::string_view sequence) const {
        const DefinitionEntry* entry = databases.Side(side).Find(sequence);
        return entry == nullptr ? "-" : entry->Section + ": " + entry->Definition;
    }

    DefinitionFiles files =
        DefinitionFiles::ReadOnly(Data.string(), (Data / std::string(SectionOrderFileName)).string());
    ConventionCards cards;
    DefinitionDatabases databases;
};

TEST_F(SideDatabasesTest, EachSideGetsTheSectionsOfItsCard) {
    EXPECT_EQ(Definition(1, "@4N-5C"), "{RKC: A0 OR A4 !0.OR.4.ACES");
    EXPECT_EQ(Definition(2, "@4N-5C"), "RKC_MW>0314: Y0 OR Y3 !0.OR.3.KEY.CARDS");
    EXPECT_EQ(Definition(1, "1H-2C-2N"), "-");
    EXPECT_EQ(Definition(2, "1H-2C-2N"), "2/1: P12-14 B !112");
    // Takeout doubles of preempts through 4H on both cards.
    EXPECT_NE(Definition(1, "(4H)-X-P"), "-");
    EXPECT_EQ(Definition(1, "(4S)-X-P"), "-");
    // Each side's defence to the other side's strong notrump.
    EXPECT_EQ(cards.State(1).DirectDefence, "LANDY");
    EXPECT_NE(Definition(1, "(1N)-2C-2D"), "-");
    EXPECT_EQ(Definition(1, "(1N)-X-2C"), "-");
    EXPECT_EQ(cards.State(2).DirectDefence, "DONT");
    EXPECT_NE(Definition(2, "(1N)-X-2C"), "-");
}

TEST_F(SideDatabasesTest, SwappingSidesMovesCardsFileNamesAndDatabases) {
    SwapSides(cards, databases);
    EXPECT_TRUE(databases.Swapped);
    EXPECT_EQ(cards.State(1).CardFileName, "Two over One.cc");
    EXPECT_EQ(Definition(1, "1H-2C-2N"), "2/1: P12-14 B !112");
    EXPECT_EQ(cards.Card(1).Value("GENS"), "2/1");
    // Rebuilding from the swapped cards gives the same databases.
    DefinitionDatabases rebuilt;
    BuildDefinitionDatabases(files, cards, rebuilt);
    for (int side = 1; side <= 2; ++side) {
        EXPECT_EQ(rebuilt.Side(side).Count(), databases.Side(side).Count());
    }
}

TEST_F(SideDatabasesTest, DefinitionsAskTheCurrentCard) {
    cards.SelectSide(1);
    DefinitionContext context;
    UseCardQueries(context, cards, OneNTSituation{});
    EXPECT_EQ(context.OneNTLow, 15);
    EXPECT_EQ(context.OneNTHigh, 17);
    EXPECT_FALSE(context.VeryLightOpenings);
    EXPECT_EQ(context.CardBounds("SOC"), std::make_pair(8, 16));
    EXPECT_EQ(context.CardBounds("XYZ"), std::nullopt);
    EXPECT_EQ(cards.ErrorState, 0);  // the definition reports the bad code itself
    EXPECT_TRUE(context.CardTicked("SPLINT"));
    EXPECT_TRUE(context.CardTicked("1M1N=N"));

    CandidateMeaning candidate;
    ApplyDefinition(DefinitionTokens("PSOC [SPLINT"), 1, context, candidate);
    EXPECT_EQ(candidate.Info.MinPts, 8);
    EXPECT_EQ(candidate.Info.MaxPts, 16);
    ApplyDefinition(DefinitionTokens("PXYZ"), 1, context, candidate);
    EXPECT_EQ(candidate.ErrorState, definition_error::PointsCode);
}

}  // namespace
}  // namespace corvane
