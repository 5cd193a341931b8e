#include "files/LinImport.h"

#include "DealFileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace {

using test::HandFileOf;
using test::LinesOfText;
using test::SectionNames;

// South, West and North of one deal; East holds the rest.
const std::string Hands = "S2TKH248TQD7C259T,S456H56JKD45TC7QA,S389QAH379AD29KC3,";
// Eleven tricks of that deal as played after 1S 2N 3C ... 5D by East (North led).
const std::string Play =
    "pc|S2|pc|S4|pc|SA|pc|S7|pc|S3|pc|SJ|pc|SK|pc|S5|pc|ST|pc|S6|pc|SQ|pc|D3|pc|C4|pc|C5|pc|CQ|pc|C3|"
    "pc|DT|pc|D2|pc|D6|pc|D7|pc|D4|pc|D9|pc|DJ|pc|H2|pc|DA|pc|H4|pc|D5|pc|DK|pc|C6|pc|C2|pc|CA|pc|H3|"
    "pc|C7|pc|S9|pc|CK|pc|C9|pc|CJ|pc|CT|pc|H5|pc|H7|pc|C8|pc|H8|pc|H6|pc|H9|";
const std::string Auction =
    "mb|1S|mb|2N!|an|game force: strong|mb|p|mb|3C|mb|p|mb|3D|mb|p|mb|3H|mb|p|mb|4D|mb|p|mb|5D|mb|p|mb|p|mb|p|";

TEST(LinImportTest, DealGivesTheMissingHandItsCardsAndStartsWithTheDealer) {
    const auto store = HandFileOf(ImportLin({"md|3" + Hands + "|sv|b|"}, "2024.03.01"));
    EXPECT_EQ(store.ReadString("_1", "Dealer", ""), "N");
    EXPECT_EQ(store.ReadString("_1", "Deal", ""),
              "N:AQ983.A973.K92.3 J7..AQJ863.KJ864 KT2.QT842.7.T952 654.KJ65.T54.AQ7");
    EXPECT_EQ(store.ReadString("_1", "Vulnerable", ""), "BOTH");
    EXPECT_EQ(store.ReadString("_1", "Date", ""), "2024.03.01");
}

TEST(LinImportTest, ADealThatIsNotWholeIsRefusedNotGuessed) {
    // The same card in two hands, and an old layout without commas that leaves a hand short.
    for (const std::string md : {"md|3S2TKH248TQD7C259T,S2H56JKD45TC7QA,S389QAH379AD29KC3,|",
                                 "md|1SAKQHAKQDAKQCAKQJ|"}) {
        const auto imported = ImportLin({md}, "");
        const auto store = HandFileOf(imported);
        EXPECT_EQ(store.ReadString("_1", "Deal", "none"), "none") << md;
        ASSERT_EQ(imported.messages.size(), 1U) << md;
        EXPECT_EQ(imported.messages[0].rfind("Deal not valid: ", 0), 0U);
    }
}

TEST(LinImportTest, AuctionNotesContractAndClaim) {
    const auto store = HandFileOf(ImportLin({"pn|Sue,Wes,Ned,Eve|md|3" + Hands + "|sv|o|", Auction, Play + "mc|11|"}, ""));
    EXPECT_EQ(store.ReadString("_1.o", "Auction", ""), "1S,2N(1),Pass,3C,Pass,3D,Pass,3H,Pass,4D,Pass,5D,Pass,Pass,Pass");
    EXPECT_EQ(store.ReadString("_1.o", "(1)", ""), "game force: strong");
    EXPECT_EQ(store.ReadString("_1.o", "Contract", ""), "5D");
    EXPECT_EQ(store.ReadString("_1.o", "Declarer", ""), "E");  // East named diamonds first
    EXPECT_EQ(store.ReadString("_1.o", "Result", ""), "11");    // the claim, not the tricks played
    EXPECT_EQ(store.ReadString("_1.o", "Score", ""), "NS -400");
    EXPECT_EQ(store.ReadString("_1.o", "North", ""), "Ned");
    EXPECT_EQ(store.ReadString("_1.o", "East", ""), "Eve");
    const std::string play = store.ReadString("_1.o", "Play", "");
    // North won the first trick and led the second: places stay leader, dummy, third, declarer.
    EXPECT_EQ(play.substr(0, 24), "S2,S4,SA,S7,SK,S5,S3,SJ,");
    EXPECT_EQ(std::count(play.begin(), play.end(), ','), 43);  // eleven tricks
}

TEST(LinImportTest, TricksCountedFromThePlay) {
    // 1N by North; East leads. North wins both tricks played with SA and SQ; a trump contract
    // is not involved, so the highest card of the suit led wins.
    const auto store = HandFileOf(ImportLin({"md|3" + Hands + "|sv|o|mb|1N|mb|p|mb|p|mb|p|"
                                             "pc|SJ|pc|S2|pc|S4|pc|SA|pc|SQ|pc|S7|pc|ST|pc|S5|pc|H2|"}, ""));
    // Places: opening leader (East), dummy (South), third hand (West), declarer (North).
    EXPECT_EQ(store.ReadString("_1.o", "Play", ""), "SJ,S2,S4,SA,S7,ST,S5,SQ,-,-,-,H2");
    EXPECT_EQ(store.ReadString("_1.o", "Result", ""), "2");
    EXPECT_EQ(store.ReadString("_1.o", "Score", ""), "NS -250");
}

TEST(LinImportTest, CallForms) {
    const auto store = HandFileOf(ImportLin({"md|3" + Hands + "|mb|1S!|mb|d|mb|r|mb|-|mb|2NPPP|"}, ""));
    EXPECT_EQ(store.ReadString("_1.o", "Auction", ""), "1S,X,XX,2N,Pass,Pass,Pass");
    EXPECT_EQ(store.ReadString("_1.o", "Contract", ""), "2N");
    EXPECT_EQ(store.ReadString("_1.o", "Declarer", ""), "W");
    // Nothing played and nothing claimed: no result is made up.
    EXPECT_EQ(store.ReadString("_1.o", "Result", "none"), "none");
    EXPECT_EQ(store.ReadString("_1.o", "Score", "none"), "none");
}

TEST(LinImportTest, RoomsAndBoards) {
    const std::string text =
        "vg|Final,Seg 1,I,1,2,Lions,3,Tigers,0|rs|4SN=,4SN-1,,|"
        "pn|S1,W1,N1,E1,S2,W2,N2,E2|"
        "qx|o1|md|3" + Hands + "|sv|n|mb|p|mb|p|mb|p|mb|p|"
        "qx|c1|md|3" + Hands + "|"
        "qx|o2|md|1" + Hands + "|";
    const auto imported = ImportLin(LinesOfText(text), "");
    const auto store = HandFileOf(imported);
    EXPECT_EQ(SectionNames(store), (std::vector<std::string>{"_1", "_1.c", "_1.o", "_2", "_2.o"}));
    EXPECT_EQ(store.ReadString("_1", "Event", ""), "Final");
    EXPECT_EQ(store.ReadString("_1", "Round", ""), "Seg 1");
    EXPECT_EQ(store.ReadString("_1", "Scoring", ""), "IMP");
    EXPECT_EQ(store.ReadString("_1", "CarryOver", ""), "3,0");
    EXPECT_EQ(store.ReadString("_1.o", "Contract", ""), "P");
    EXPECT_EQ(store.ReadString("_1.o", "Score", ""), "NS 0");
    EXPECT_EQ(store.ReadString("_1.c", "North", ""), "N2");
    // No auction in the closed room: the result list gives 4S by North, one down.
    EXPECT_EQ(store.ReadString("_1.c", "Contract", ""), "4S");
    EXPECT_EQ(store.ReadString("_1.c", "Result", ""), "9");
    EXPECT_EQ(store.ReadString("_1.c", "Score", ""), "NS -100");
    EXPECT_EQ(store.ReadString("_2", "Dealer", ""), "S");
}

TEST(LinImportTest, AClosedRoomListedAloneUsesItsOwnFourNames) {
    const auto store = HandFileOf(ImportLin(LinesOfText("pn|S1,W1,N1,E1|qx|o1|md|3" + Hands +
                                                        "|pn|S2,W2,N2,E2|qx|c1|md|3" + Hands + "|"), ""));
    EXPECT_EQ(store.ReadString("_1.o", "South", ""), "S1");
    EXPECT_EQ(store.ReadString("_1.c", "South", ""), "S2");
}

TEST(LinImportTest, SingleDealsOneAfterAnotherAreBoardsOfTheirOwn) {
    const auto store = HandFileOf(ImportLin({"pn|a,b,c,d|md|3" + Hands + "|ah|Board 1|", "pn|a,b,c,d|md|1" + Hands + "|ah|Board 12|"}, ""));
    EXPECT_EQ(SectionNames(store), (std::vector<std::string>{"_1", "_1.o", "_2", "_2.o"}));
    EXPECT_EQ(store.ReadString("_2", "Board", ""), "12");
    EXPECT_EQ(store.ReadString("_2", "Dealer", ""), "S");
}

TEST(LinImportTest, MessagesAndBoardScores) {
    const auto imported = ImportLin(LinesOfText("vg|E,S,P,1,1,,,,,extra|mp|63.5%,|md|3" + Hands + "|sv|x|pc|S1|"), "");
    EXPECT_EQ(imported.messages,
              (std::vector<std::string>{"Unknown VG data: extra", "Bad Vulnerability: x", "Illegal card"}));
    const auto store = HandFileOf(imported);
    EXPECT_EQ(store.ReadString("_1", "Vulnerable", ""), "NONE");
    EXPECT_EQ(store.ReadString("_1", "Scoring", ""), "MP");
    EXPECT_EQ(store.ReadString("_1.o", "ScoreMP", ""), "NS 63.5");

    const auto imps = HandFileOf(ImportLin({"mp|,-2.5|md|3" + Hands + "|"}, ""));
    EXPECT_EQ(imps.ReadString("_1.o", "ScoreIMP", ""), "NS 2.5");
}

TEST(LinImportTest, NotesRunningOverLines) {
    const auto store = HandFileOf(ImportLin({"md|3" + Hands + "|mb|1S|nt|first line", "second line|mb|p|mb|p|mb|p|"}, ""));
    EXPECT_EQ(store.ReadString("_1.o", "(1)", ""), "first line");
    EXPECT_EQ(store.ReadString("_1.o", "(2)", ""), "second line");
    EXPECT_EQ(store.ReadString("_1.o", "Auction", ""), "1S,Pass,Pass,Pass");
}

TEST(LinImportTest, EventDateFromFileName) {
    EXPECT_EQ(EventDateFromFileName("05-12-08 game.lin"), "2008.05.12");
    EXPECT_EQ(EventDateFromFileName("club 11-30-99.lin"), "1999.11.30");
    EXPECT_EQ(EventDateFromFileName("x-00-12-07.lin"), std::nullopt);  // month 00
    EXPECT_EQ(EventDateFromFileName("3381671193.lin"), std::nullopt);
    EXPECT_EQ(EventDateFromFileName("-1-"), std::nullopt);
}

}  // namespace
}  // namespace corvane
