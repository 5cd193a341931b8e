#include "files/CbfImport.h"

#include "DealFileTestSupport.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::HandFileOf;
using test::LinesOfText;
using test::SectionNames;

const std::string Board7 =
    "DOCTYPE: CBF\n"
    "EVENT: Club night\n"
    "EVENT: Second session\n"
    "EVENT: ignored\n"
    "DEAL: 7\n"
    "DEALER: S\n"
    "VULN: N-S\n"
    "REM: anything\n"
    "CARDS: N: S:AKQ2 H:J54 D:T9 C:8765\n"
    "       E: S:T98 H:AKQ D:AKQ2 C:432\n"
    "       S: S:J765 H:T98 D:876 C:AKQ\n"
    "       W: S:43 H:7632 D:J543 C:JT9\n"
    "TABLE: 1\n"
    "PLAYERS: N: Ann\n"
    "         E: Bob\n"
    "         S: Cy\n"
    "         W: Di\n"
    "BIDS: 1C, Pass, 1S\n"
    "Pass, 2S Pass\n"
    "Pass\n"
    "CONTRACT: 2S\n"
    "TRICKS: 8\n"
    "SCORE: 110\n"
    "PLAY: x\n"
    "SA, S3, S2, S8\n"
    "HA, H2, H4, H8,\n"
    "DA, D3, D6...D9\n"
    "TABLE: 2\n"
    "CONTRACT: 3N\n";

TEST(CbfImportTest, BoardWithTwoTables) {
    const auto store = HandFileOf(ImportCbf(LinesOfText(Board7)));
    EXPECT_EQ(SectionNames(store), (std::vector<std::string>{"_7", "_7.1", "_7.2"}));
    EXPECT_EQ(store.ReadString("_7", "Event", ""), "Club night - Second session");
    EXPECT_EQ(store.ReadString("_7", "Board", ""), "7");
    EXPECT_EQ(store.ReadString("_7", "Dealer", ""), "S");
    EXPECT_EQ(store.ReadString("_7", "Vulnerable", ""), "NS");
    EXPECT_EQ(store.ReadString("_7", "Deal", ""),
              "N:AKQ2.J54.T9.8765 T98.AKQ.AKQ2.432 J765.T98.876.AKQ 43.7632.J543.JT9");
    EXPECT_EQ(store.ReadString("_7.1", "North", ""), "Ann");
    EXPECT_EQ(store.ReadString("_7.1", "West", ""), "Di");
    EXPECT_EQ(store.ReadString("_7.1", "Auction", ""), "1C,Pass,1S,Pass,2S,Pass,Pass");
    EXPECT_EQ(store.ReadString("_7.1", "Play", ""), "SA,S3,S2,S8,HA,H2,H4,H8,DA,D3,D6");
    EXPECT_EQ(store.ReadString("_7.1", "Contract", ""), "2S");
    EXPECT_EQ(store.ReadString("_7.1", "Result", ""), "8");
    EXPECT_EQ(store.ReadString("_7.1", "Score", ""), "110");
    EXPECT_EQ(store.ReadString("_7.2", "Contract", ""), "3N");
}

TEST(CbfImportTest, FirstLineMustBeTheDocType) {
    const auto imported = ImportCbf(LinesOfText("EVENT: x\nDOCTYPE: CBF\nDEAL: 1\nTABLE: 1\n"));
    EXPECT_TRUE(imported.lines.empty());
    EXPECT_EQ(imported.messages, std::vector<std::string>{std::string(CbfDocTypeMessage)});
    EXPECT_EQ(ImportCbf({}).messages.size(), 1U);
}

TEST(CbfImportTest, PlayWithoutItsEndMarkStopsAtTheNextTag) {
    const auto store = HandFileOf(ImportCbf(LinesOfText("DOCTYPE: CBF\nTABLE: 1\nPLAY:\nSA, S2\nCONTRACT: 1S\n")));
    EXPECT_EQ(store.ReadString("_1.1", "Play", ""), "SA,S2");
    EXPECT_EQ(store.ReadString("_1.1", "Contract", ""), "1S");
}

TEST(CbfImportTest, TruncatedFilesConvertWhatTheyHold) {
    // A player block and a deal block at the end of the file.
    const auto store = HandFileOf(ImportCbf(LinesOfText("DOCTYPE: CBF\nTABLE: 1\nPLAYERS: N: Ann")));
    EXPECT_EQ(store.ReadString("_1.1", "North", ""), "Ann");
    const auto cut = HandFileOf(ImportCbf(LinesOfText("DOCTYPE: CBF\nTABLE: 1\nCARDS: N: S:AK")));
    EXPECT_TRUE(cut.SectionExists("_1"));
}

}  // namespace
}  // namespace corvane
