#include "cards/Hands.h"
#include "cards/NewBoard.h"
#include "cards/SeedEntry.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SeedEntryTest, AcceptsNumbersAndRefusesZeroOrOverlongText) {
    const SeedEntryResult ok = CheckSeedEntry("  12345 ");
    EXPECT_TRUE(ok.Accepted);
    EXPECT_EQ(ok.Seed, 12345);
    EXPECT_EQ(ok.ReproductionText, "12345");
    EXPECT_EQ(CheckSeedEntry("-77").Seed, -77);

    EXPECT_EQ(CheckSeedEntry("0").Message, SeedZeroMessage);
    EXPECT_EQ(CheckSeedEntry("").Message, SeedZeroMessage);
    EXPECT_EQ(CheckSeedEntry("   ").Message, SeedZeroMessage);
    EXPECT_EQ(CheckSeedEntry("12ab").Message, SeedZeroMessage);  // not a number reads as 0
    EXPECT_EQ(CheckSeedEntry("000000000").Message, SeedTooLongMessage);
    EXPECT_EQ(CheckSeedEntry("99999999999").Message, SeedTooLongMessage);  // does not fit
    EXPECT_TRUE(CheckSeedEntry("2147483647").Accepted);
    EXPECT_FALSE(CheckSeedEntry("0").Accepted);
}

TEST(NewBoardTest, SeatNamesAndEventTitle) {
    BoardNaming naming;
    naming.CurrentPlayer = "Ann";
    naming.HandsPlayed = SeatBit(South) | SeatBit(North);
    naming.NSTeam = "Std American";
    naming.EWTeam = "Two over One";
    const auto players = NewBoardPlayers(naming);
    EXPECT_EQ(players[North], "Ann");
    EXPECT_EQ(players[East], "Two over One E");
    EXPECT_EQ(players[South], "Ann");
    EXPECT_EQ(players[West], "Two over One W");

    EXPECT_EQ(NewBoardEvent(naming), "Corvane 6 - Random Hands");
    naming.Practice = true;
    EXPECT_EQ(NewBoardEvent(naming), "Corvane 6 - Practice Hands");
    naming.PracticeName = "Strong Notrump";
    naming.MatchPlay = true;
    EXPECT_EQ(NewBoardEvent(naming), "Corvane 6 - Strong Notrump - Match Play");
}

}  // namespace
}  // namespace corvane
