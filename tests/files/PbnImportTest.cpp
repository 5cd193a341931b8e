#include "files/PbnImport.h"

#include "DealFileTestSupport.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::HandFileOf;
using test::LinesOfText;
using test::SectionNames;

const std::string DealA = "N:T32.AKQ7.T3.AQJT A9864.83.AK4.987 J.JT9542.72.K653 KQ75.6.QJ9865.42";
const std::string DealB = "E:AKQJ.T98.765.432 T987.AKQ.432.765 6543.J76.AKQ.AKQ 2.5432.JT98.JT98";
const std::string DealC = "S:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";

std::string Game(const std::string& deal, const std::string& north, const std::string& extra = "") {
    return "[Board \"1\"]\n[North \"" + north + "\"]\n[Dealer \"N\"]\n[Deal \"" + deal + "\"]\n" + extra + "\n";
}

TEST(PbnImportTest, BoardsAreNumberedByDistinctDealsAndRoomsByPlayersOrTables) {
    // Same deal twice, North differs: one board, open and closed room.
    auto store = HandFileOf(ImportPbn(LinesOfText(Game(DealA, "Ann") + Game(DealA, "Bob"))));
    EXPECT_EQ(SectionNames(store), (std::vector<std::string>{"_1", "_1.c", "_1.o"}));
    EXPECT_EQ(store.ReadString("_1.o", "North", ""), "Ann");
    EXPECT_EQ(store.ReadString("_1.c", "North", ""), "Bob");

    // Table names that change name the rooms.
    store = HandFileOf(ImportPbn(LinesOfText(Game(DealA, "Ann", "[Table \"Open Room\"]\n") +
                                             Game(DealA, "Ann", "[Table \"Closed Room\"]\n"))));
    EXPECT_EQ(SectionNames(store), (std::vector<std::string>{"_1", "_1.Closed Room", "_1.Open Room"}));

    // The Board tag is kept as a value; the section follows the deal's order of appearance.
    store = HandFileOf(ImportPbn(LinesOfText(Game(DealA, "A") + Game(DealB, "A") +
                                             "[Board \"17\"]\n[Deal \"" + DealC + "\"]\n")));
    EXPECT_EQ(store.ReadString("_3", "Board", ""), "17");
    EXPECT_EQ(store.ReadString("_3", "Deal", ""), DealC);
    EXPECT_EQ(store.ReadString("_2", "Deal", ""), DealB);
}

TEST(PbnImportTest, ResultsOfOneBoardNeverShareASection) {
    // A traveller: four results of one deal, no tables, three North players unlike the first.
    std::string text;
    for (const char* north : {"A", "B", "C", "D"}) text += Game(DealA, north, "[Contract \"4H\"]\n");
    auto store = HandFileOf(ImportPbn(LinesOfText(text)));
    EXPECT_EQ(SectionNames(store), (std::vector<std::string>{"_1", "_1.c", "_1.c2", "_1.c3", "_1.o"}));
    EXPECT_EQ(store.ReadString("_1.c3", "North", ""), "D");
}

TEST(PbnImportTest, CommentsAndDirectivesAreSkippedButBracesInValuesStay) {
    const std::string text =
        "% PBN 2.1\n"
        "[Event \"Club {night}\"] ; a line comment\n"
        "{ a comment\n"
        "\n"  // a blank line inside a comment does not end the game
        "[Site \"hidden\"] }\n"
        "%[Site \"directive\"]\n"
        "[Deal \"" + DealA + "\"]\n";
    const auto imported = ImportPbn(LinesOfText(text));
    const auto store = HandFileOf(imported);
    EXPECT_EQ(SectionNames(store), std::vector<std::string>{"_1"});
    EXPECT_EQ(store.ReadString("_1", "Event", ""), "Club {night}");
    EXPECT_EQ(store.ReadString("_1", "Site", "none"), "none");
    EXPECT_TRUE(imported.messages.empty());
}

TEST(PbnImportTest, DamagedTextLosesNothingAroundTheDamage) {
    // A comment never closed, then a value never closed: the tags after each are still read,
    // and both are reported.
    const std::string text =
        "[Deal \"" + DealA + "\"]\n"
        "{PAR of the deal: 4H\n"
        "[North \"Ann\"]\n"
        "[Event \"Open]\n"
        "[Contract \"4H\"]\n"
        "\n" +
        Game(DealB, "Bob") + "{never closed\n";
    const auto imported = ImportPbn(LinesOfText(text));
    const auto store = HandFileOf(imported);
    EXPECT_EQ(store.ReadString("_1.o", "North", ""), "Ann");
    EXPECT_EQ(store.ReadString("_1.o", "Contract", ""), "4H");
    EXPECT_EQ(store.ReadString("_1", "Event", ""), "Open");
    EXPECT_EQ(store.ReadString("_2", "Deal", ""), DealB);
    ASSERT_EQ(imported.messages.size(), 3U);
    EXPECT_EQ(imported.messages[0], "Comment not closed at line 2");
    EXPECT_EQ(imported.messages[1], "Tag value not closed at line 4");
    EXPECT_EQ(imported.messages[2], "Comment not closed at line 12");
}

TEST(PbnImportTest, AuctionNotesAndPlay) {
    const std::string text = "[Deal \"" + DealA + "\"]\n[Auction \"N\"]\n1C =1= 1H Pass\n2NT=2= Pass\n"
                             "[Note \"1:strong, artificial\"]\n[Note \"2:18-19\"]\n"
                             "[Play \"E\"]\nDA D2 =3= D5 D3\nC9 $2 C3! - CA\n*\n";
    const auto store = HandFileOf(ImportPbn(LinesOfText(text)));
    EXPECT_EQ(store.ReadString("_1.o", "Auction", ""), "1C,(1),1H,Pass,2NT(2),Pass");
    EXPECT_EQ(store.ReadString("_1.o", "(1)", ""), "strong, artificial");
    EXPECT_EQ(store.ReadString("_1.o", "(2)", ""), "18-19");
    // Play keeps four places a trick: only cards and "-" take a place.
    EXPECT_EQ(store.ReadString("_1.o", "Play", ""), "DA,D2,D5,D3,C9,C3,-,CA");

    // Note references already in parentheses are left alone.
    const auto kept = HandFileOf(ImportPbn(LinesOfText("[Deal \"" + DealA + "\"]\n[Auction \"N\"]\n(1) 1C=1=\n")));
    EXPECT_EQ(kept.ReadString("_1.o", "Auction", ""), "(1),1C=1=");
}

TEST(PbnImportTest, InheritedValues) {
    const std::string text = "[Event \"##Spring Pairs\"]\n[Site \"Oslo\"]\n[Deal \"" + DealA + "\"]\n\n"
                             "[Site \"#\"]\n[Deal \"" + DealB + "\"]\n\n"
                             "[Event \"Final\"]\n[Deal \"" + DealC + "\"]\n\n"
                             "[Deal \"" + DealA + "x\"]\n";
    const auto store = HandFileOf(ImportPbn(LinesOfText(text)));
    EXPECT_EQ(store.ReadString("_1", "Event", ""), "Spring Pairs");
    EXPECT_EQ(store.ReadString("_2", "Event", ""), "Spring Pairs");
    EXPECT_EQ(store.ReadString("_2", "Site", ""), "Oslo");
    EXPECT_EQ(store.ReadString("_3", "Event", ""), "Final");
    EXPECT_EQ(store.ReadString("_4", "Event", ""), "Spring Pairs");
}

TEST(PbnImportTest, OptimumResultTableIsStoredSeatBySeatWhateverTheRowOrder) {
    std::string rows;
    // Rows notrump first, two-wide result column: the stored list is N E S W by C D H S NT.
    const std::vector<std::pair<std::string, int>> strains{{"NT", 4}, {"S", 3}, {"H", 2}, {"D", 1}, {"C", 0}};
    for (const char seat : std::string("NSEW")) {
        for (const auto& [strain, column] : strains) {
            const auto tricks = std::string("NESW").find(seat) * 5 + static_cast<size_t>(column);
            rows += std::string(1, seat) + " " + (strain.size() == 1 ? " " : "") + strain + " " + std::to_string(tricks) + "\n";
        }
    }
    const std::string text = "[Deal \"" + DealA + "\"]\n[OptimumResultTable \"Declarer;Denomination\\2R;Result\\1R\"]\n" +
                             rows + "[Generator \"x\"]\n";
    const auto store = HandFileOf(ImportPbn(LinesOfText(text)));
    EXPECT_EQ(store.ReadString("_1", "OptimumResultTable", ""),
              "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19");

    // A one-row table does not take the tags after it.
    const auto shortTable = HandFileOf(ImportPbn(LinesOfText(
        "[Deal \"" + DealA + "\"]\n[OptimumResultTable \"Declarer Suit Tricks\"]\nN S 9\n[Generator \"x\"]\n")));
    EXPECT_EQ(shortTable.ReadString("_1", "OptimumResultTable", ""), "9");
    EXPECT_EQ(shortTable.ReadString("_1", "Generator", ""), "x");
}

TEST(PbnImportTest, UnlistedTagsAreKeptAndNamedOnce) {
    const std::string text = "[Deal \"" + DealA + "\"]\n[BCFlags \"1f\"]\n\n[Deal \"" + DealB + "\"]\n[BCFlags \"2\"]\n"
                             "[Board \"x\"]\n";
    const auto imported = ImportPbn(LinesOfText(text));
    const auto store = HandFileOf(imported);
    EXPECT_EQ(imported.messages, std::vector<std::string>{"BCFlags"});
    EXPECT_EQ(store.ReadString("_2", "BCFlags", ""), "2");
    EXPECT_EQ(store.ReadString("_2", "Board", ""), "1");  // not a number
    EXPECT_EQ(store.ReadString("_2", "Room", ""), "o");
}

}  // namespace
}  // namespace corvane
