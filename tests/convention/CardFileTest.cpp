#include "convention/CardFile.h"
#include "convention/CardVocabulary.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane {
namespace {

namespace fs = std::filesystem;

class CardFolderTest : public ::testing::Test {
protected:
    void Write(const std::string& name, const std::string& text) {
        test::WriteFile(temp_.File(name), text);
    }
    std::string Read(const std::string& name) const { return test::ReadFile(temp_.File(name)); }
    std::string Folder() const { return (folder_ / "").string(); }
    // Loads the named card for the side into cards.
    CardLoadResult Load(ConventionCards& cards, int side, const std::string& name) const {
        cards.State(side).CardFileName = name;
        return LoadCard(cards, side, folder_);
    }
    int FileCount() const {
        int n = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++n;
        return n;
    }

    test::TempFolder temp_;
    fs::path folder_{temp_.Path()};
};

TEST_F(CardFolderTest, OldCardIsUpgradedAndRewritten) {
    Write("Std American.cc", "StrongNTHCP=15\r\n");
    Write("Old.cc", "1N2D=JACH\r\nSTAY=X\r\nSMOL1=X\r\nIN-X=X\r\nGENS=STD\r\n");
    ConventionCards cards;
    const CardLoadResult result = Load(cards, 1, "Old.cc");
    EXPECT_FALSE(result.Fatal);
    EXPECT_TRUE(result.Messages.empty());
    const ConventionCard& card = cards.Card(1);
    EXPECT_EQ(card.Value("M:1N2D"), "JACH");
    EXPECT_EQ(card.Value("1N2D"), "");
    EXPECT_EQ(card.Value("M:IN-X"), "X");
    EXPECT_EQ(card.Value("SMOL1"), "X");  // the last structure key is not moved
    EXPECT_EQ(card.Value("StrongNTHCP"), "14");
    EXPECT_EQ(Read("Old.cc"),
              "GENS=STD\r\nM:1N2D=JACH\r\nM:IN-X=X\r\nM:STAY=X\r\nSMOL1=X\r\nStrongNTHCP=14\r\n");
    cards.SelectSide(1);
    EXPECT_TRUE(cards.UsesJacobyTransfers());
    EXPECT_EQ(FileCount(), 2);  // no temporary file left beside
}

TEST_F(CardFolderTest, CurrentCardIsNotTouched) {
    const std::string text = "1N2D=JACH\nStrongNTHCP=13\n";
    Write("Std American.cc", text);
    ConventionCards cards;
    Load(cards, 2, "Std American.cc");
    EXPECT_EQ(cards.Card(2).Value("1N2D"), "JACH");
    EXPECT_EQ(cards.Card(2).Value("StrongNTHCP"), "13");
    EXPECT_EQ(Read("Std American.cc"), text);
    auto unchanged = ConventionCard::FromText(text);
    EXPECT_FALSE(UpgradeCard(unchanged));
}

TEST_F(CardFolderTest, MissingSideCardIsReplacedByTheDefault) {
    Write("Std American.cc", "GENS=STD\nStrongNTHCP=14\n");
    ConventionCards cards;
    const CardLoadResult ns = Load(cards, 1, "Gone.cc");
    const CardLoadResult ew = Load(cards, 2, "Gone.cc");
    EXPECT_FALSE(ns.Fatal);
    ASSERT_EQ(ns.Messages.size(), 1u);
    EXPECT_EQ(ns.Messages[0], "Convention Card file " + Folder() +
                                  "Gone.cc has not been found. \"Std American.cc\" is being "
                                  "substituted for N-S");
    ASSERT_EQ(ew.Messages.size(), 1u);
    EXPECT_EQ(ew.Messages[0].substr(ew.Messages[0].size() - 8), " for E-W");
    EXPECT_EQ(cards.State(1).CardFileName, "Std American.cc");
    EXPECT_EQ(cards.State(2).CardFileName, "Std American.cc");
    EXPECT_EQ(cards.Card(2).Value("GENS"), "STD");
}

TEST_F(CardFolderTest, MissingDefaultCardIsFatal) {
    Write("Mine.cc", "GENS=2/1\nStrongNTHCP=14\n");
    ConventionCards cards;
    CardLoadResult result = Load(cards, 1, "Mine.cc");
    EXPECT_TRUE(result.Fatal);
    ASSERT_EQ(result.Messages.size(), 1u);
    EXPECT_EQ(result.Messages[0], "The \"" + Folder() +
                                      "Std American.cc\" file has not been found. You must now "
                                      "re-install Corvane");
    EXPECT_EQ(cards.Card(1).Value("GENS"), "2/1");  // the side's own card still loads

    result = Load(cards, 2, "Gone.cc");
    EXPECT_TRUE(result.Fatal);
    EXPECT_EQ(result.Messages.size(), 2u);
    EXPECT_TRUE(cards.Card(2).Lines().empty());
}

TEST_F(CardFolderTest, OnlyFilesOfTheFolderAreRead) {
    Write("Std American.cc", "GENS=STD\nStrongNTHCP=14\n");
    fs::create_directories(folder_ / "sub");
    Write("sub/Other.cc", "GENS=PREC\nStrongNTHCP=14\n");
    ConventionCards cards;
    const CardLoadResult result = Load(cards, 1, "sub/Other.cc");
    EXPECT_EQ(result.Messages.size(), 1u);
    EXPECT_EQ(cards.Card(1).Value("GENS"), "STD");
    EXPECT_EQ(Load(cards, 1, "..").Messages.size(), 1u);
}

TEST_F(CardFolderTest, SaveWritesInKeyOrderAndReportsFailure) {
    auto card = ConventionCard::FromText("b=2\na=1\n");
    card.Set("M:STAY", "X");
    EXPECT_EQ(SaveCard(card, folder_ / "New.cc"), "");
    EXPECT_EQ(Read("New.cc"), "a=1\r\nb=2\r\nM:STAY=X\r\n");
    EXPECT_EQ(*ReadCardFile(folder_ / "New.cc"), card);
    EXPECT_EQ(FileCount(), 1);

    EXPECT_NE(SaveCard(card, folder_ / "missing" / "New.cc"), "");
    EXPECT_FALSE(ReadCardFile(folder_ / "missing.cc").has_value());
}

}  // namespace
}  // namespace corvane
