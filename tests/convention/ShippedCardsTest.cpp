// The cards the program ships must give every key of the vocabulary a value the bidder can use.
#include "bidding/CallText.h"
#include "convention/CardFile.h"
#include "convention/CardVocabulary.h"
#include "platform/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace corvane {
namespace {

const std::filesystem::path DataFolder = std::filesystem::path(CORVANE_SOURCE_DIR) / "data";

bool IsCode(std::string_view codes, const std::string& value) {
    std::istringstream in{std::string(codes)};
    std::string code;
    while (in >> code) {
        if (code == value) return true;
    }
    return false;
}

// The value a key of the given kind must have on a shipped card; empty when it is fine.
std::string Problem(const ConventionCard& card, const std::string& key, const CardKeyInfo& info) {
    const std::string& value = card.Value(key);
    switch (info.Kind) {
    case CardValueKind::Tick:
        return value.empty() || value == Ticked ? "" : "not a box value: " + value;
    case CardValueKind::Choice:
        return IsCode(info.Codes, value) ? "" : "not one of its codes: '" + value + "'";
    case CardValueKind::HcpRange: {
        const std::string& low = card.Value(key + "L");
        const std::string& high = card.Value(key + "H");
        if (low == UnsetBound && high == UnsetBound) return "";
        const int l = ReadBound(low);
        const int h = high == "+UP" ? TopBound : ReadBound(high);
        return l >= 0 && l <= 30 && h >= l && h <= TopBound ? "" : "bad range " + low + "/" + high;
    }
    case CardValueKind::CallLimit: {
        const CallCode call = CallFromText(value);
        return !value.empty() && IsBid(call) ? "" : "not a call: '" + value + "'";
    }
    case CardValueKind::Position: {
        const int n = ReadBound(value);
        return n >= 1 && n < static_cast<int>(key.size()) ? "" : "not a position: '" + value + "'";
    }
    case CardValueKind::Text: return "";
    }
    return "unknown kind";
}

class ShippedCardTest : public ::testing::TestWithParam<const char*> {
protected:
    ConventionCard Card() const {
        const auto card = ReadCardFile(DataFolder / GetParam());
        EXPECT_TRUE(card.has_value()) << GetParam();
        return card.value_or(ConventionCard());
    }
};

TEST_P(ShippedCardTest, EveryKeyHasAUsableValue) {
    const ConventionCard card = Card();
    for (const auto& info : card_keys::Vocabulary) {
        const std::string key(info.Key);
        EXPECT_EQ(Problem(card, key, info), "") << key;
    }
    for (const char structure : NTStructureCodes) {
        for (const auto& info : card_keys::StructureVocabulary) {
            const std::string key = std::string(1, structure) + ":" + std::string(info.Key);
            EXPECT_EQ(Problem(card, key, info), "") << key;
        }
    }
    EXPECT_FALSE(card.Value("TEAM").empty());
}

TEST_P(ShippedCardTest, BoxesAgreeWithEachOther) {
    const ConventionCard card = Card();
    for (const auto& group : card_keys::OneOfThree) {
        int ticked = 0;
        for (auto key : group) ticked += card.Value(key) == Ticked;
        EXPECT_LE(ticked, 1) << group[0];
    }
    for (const auto& pair : card_keys::ExclusivePairs) {
        EXPECT_FALSE(card.Value(pair[0]) == Ticked && card.Value(pair[1]) == Ticked) << pair[0];
    }
    // The general approach is written twice: as the choice and as its own box.
    for (const char* approach : {"STD", "2/1", "K-S", "PREC", "GOREN", "CAN"}) {
        EXPECT_EQ(card.Value(approach) == Ticked, card.Value("GENS") == approach) << approach;
    }
    EXPECT_EQ(card.Value("5MAJ12"), Ticked);
    EXPECT_EQ(card.Value("5MAJ34"), Ticked);
    EXPECT_EQ(card.Value("JOW"), Ticked);
}

TEST_P(ShippedCardTest, LoadsWithoutUpgradeOrMessage) {
    auto card = Card();
    EXPECT_FALSE(UpgradeCard(card));
    // Written as the program writes cards, so saving one unchanged changes nothing.
    std::string text, error;
    platform::ReadWholeFile((DataFolder / GetParam()).string(), text, error);
    EXPECT_EQ(card.ToText(), text);
    ConventionCards cards;
    cards.State(1).CardFileName = GetParam();
    const CardLoadResult result = LoadCard(cards, 1, DataFolder);
    EXPECT_FALSE(result.Fatal);
    EXPECT_TRUE(result.Messages.empty());
    cards.SelectSide(1);
    EXPECT_EQ(cards.CardLow("ONA"), 15);
    EXPECT_EQ(cards.CardHigh("ONA"), 17);
    EXPECT_EQ(cards.CardHigh("TCH"), TopBound);
    EXPECT_EQ(cards.TwoLevelOpeningHigh(Hearts), 11);
    EXPECT_EQ(cards.ErrorState, 0);
    EXPECT_TRUE(cards.CardStructEquals(":STAY", "X"));
    EXPECT_TRUE(cards.UsesJacobyTransfers());
    EXPECT_TRUE(cards.UsesGerber());
    EXPECT_TRUE(cards.CueBidIsMichaels(CueOver::Major));
    EXPECT_EQ(cards.NegativeDoubleLimit(), BidCode(2, Spades));
    EXPECT_EQ(cards.ActiveOneNTRange({true, true, true}), "ONA");
}

INSTANTIATE_TEST_SUITE_P(Cards, ShippedCardTest,
                         ::testing::Values("Std American.cc", "Two over One.cc"));

TEST(ShippedCardsTest, TheTwoSystemsDiffer) {
    ConventionCards cards;
    cards.Card(1) = ReadCardFile(DataFolder / "Std American.cc").value_or(ConventionCard());
    cards.Card(2) = ReadCardFile(DataFolder / "Two over One.cc").value_or(ConventionCard());
    cards.UpdateDefences();
    cards.SelectSide(1);
    EXPECT_TRUE(cards.IsStandardAmerican());
    EXPECT_FALSE(cards.TwoOverOneGameForcing());
    EXPECT_FALSE(cards.OneMajorOneNTForcing());
    EXPECT_FALSE(cards.MinorRaiseForcing(Pass));
    cards.SelectSide(2);
    EXPECT_TRUE(cards.IsTwoOverOne());
    EXPECT_TRUE(cards.TwoOverOneGameForcing());
    EXPECT_TRUE(cards.OneMajorOneNTForcing());
    EXPECT_TRUE(cards.MinorRaiseForcing(Pass));
    EXPECT_TRUE(cards.UsesRKC(false));
    // 15-17 notrumps count as strong for both (threshold 15): each side meets the other's with
    // its own "VNTS" defence.
    EXPECT_EQ(cards.State(1).DirectDefence, "LANDY");
    EXPECT_EQ(cards.State(2).DirectDefence, "DONT");
}

}  // namespace
}  // namespace corvane
