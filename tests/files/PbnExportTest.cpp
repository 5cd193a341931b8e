#include "files/PbnExport.h"

#include "DealFileTestSupport.h"
#include "files/PbnImport.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::HandFileOf;
using test::LinesOfText;

const std::string Deal = "N:T32.AKQ7.T3.AQJT A9864.83.AK4.987 J.JT9542.72.K653 KQ75.6.QJ9865.42";

TBigIniFile Store(const std::string& text) {
    TBigIniFile store(true);
    store.LoadLines(LinesOfText(text));
    return store;
}

TEST(PbnExportTest, DealOnlyBoardIsOneGameWithoutAuctionOrPlay) {
    const std::string pbn = ExportPbnText(Store("[_4]\nEvent=Club\nSite=?\nDealer=E\nVulnerable=NS\nDeal=" + Deal + "\n"));
    EXPECT_EQ(pbn, "[Event \"Club\"]\n[Board \"4\"]\n[Dealer \"E\"]\n[Vulnerable \"NS\"]\n"
                   "[Deal \"E:A9864.83.AK4.987 J.JT9542.72.K653 KQ75.6.QJ9865.42 T32.AKQ7.T3.AQJT\"]\n \n");
}

TEST(PbnExportTest, ResultGameWithAuctionNotesPlayAndScores) {
    const std::string text = "[_1]\nBoard=1\nDealer=N\nVulnerable=None\nDeal=" + Deal +
                             "\nOptimumScore=420\nOptimumResultTable=1,2,3,4,5,6,7,8,9,10,11,12,13,1,2,3,4,5,6,7\n"
                             "[_1.Ann]\nNorth=Ann\nDeclarer=N\nContract=3N\nResult=10\nScore=430\n"
                             "Auction=1N(1),Pass,3N,Pass,Pass,Pass\n(1)=15-17\n"
                             "Play=DA,D2>,,D3,..,..,..,..,,\n";
    const std::string pbn = ExportPbnText(Store(text));
    EXPECT_NE(pbn.find("[OptimumScore NS \"420\"]\n"), std::string::npos);
    EXPECT_NE(pbn.find("[OptimumResultTable \"Declarer Denomination Result\"]\nN   C   1\nN   D   2\n"), std::string::npos);
    EXPECT_NE(pbn.find("W   NT  7\n"), std::string::npos);
    EXPECT_NE(pbn.find("[Contract \"3NT\"]\n"), std::string::npos);
    EXPECT_NE(pbn.find("[Score \"NS 430\"]\n"), std::string::npos);
    EXPECT_NE(pbn.find("[Table \"Ann\"]\n"), std::string::npos);
    EXPECT_NE(pbn.find("[Auction \"N\"]\n1NT=1= Pass 3NT Pass \nPass Pass \n[Note \"1:15-17\"]\n"), std::string::npos);
    EXPECT_NE(pbn.find("[Play \"E\"]\nDA D2 - D3 \n.. .. .. .. \n*\n"), std::string::npos);
    EXPECT_EQ(pbn.find("[Room"), std::string::npos);  // one result: no room name made up

    // What was written reads back to the same values.
    const auto back = HandFileOf(ImportPbn(LinesOfText(pbn)));
    EXPECT_EQ(back.ReadString("_1", "OptimumScore", ""), "420");
    EXPECT_EQ(back.ReadString("_1.Ann", "Auction", ""), "1NT(1),Pass,3NT,Pass,Pass,Pass");
    EXPECT_EQ(back.ReadString("_1.Ann", "(1)", ""), "15-17");
    EXPECT_EQ(back.ReadString("_1", "OptimumResultTable", ""), "1,2,3,4,5,6,7,8,9,10,11,12,13,1,2,3,4,5,6,7");
}

TEST(PbnExportTest, ScoresAreWrittenFromNorthSouthsView) {
    const std::string deal = "[_1]\nDealer=N\nVulnerable=EW\nDeal=" + Deal + "\n";
    // A score without a side belongs to the declaring side; none at all is computed.
    const std::string pbn = ExportPbnText(Store(deal + "[_1.a]\nDeclarer=E\nContract=4S\nResult=10\nScore=620\n"
                                                "[_1.b]\nDeclarer=E\nContract=4S\nResult=10\n"
                                                "[_1.c]\nDeclarer=S\nContract=Pass\nResult=0\n"));
    EXPECT_NE(pbn.find("[Table \"b\"]\n"), std::string::npos);
    size_t count = 0;
    for (size_t at = pbn.find("[Score \"NS -620\"]"); at != std::string::npos; at = pbn.find("[Score \"NS -620\"]", at + 1)) ++count;
    EXPECT_EQ(count, 2U);
    EXPECT_NE(pbn.find("[Score \"0\"]"), std::string::npos);
}

TEST(PbnExportTest, TwoResultsWithoutRoomsAreNamedBySection) {
    const std::string deal = "[_2]\nDealer=N\nDeal=" + Deal + "\n";
    const std::string open = ExportPbnText(Store(deal + "[_2.Ann]\nContract=1S\n[_2.Bob]\nContract=2S\n"));
    EXPECT_EQ(open.find("[Room \"Closed\"]"), std::string::npos);
    EXPECT_NE(open.find("[Room \"Open\"]"), open.rfind("[Room \"Open\"]"));  // both games
    const std::string closed = ExportPbnText(Store(deal + "[_2.T-1]\nContract=1S\n[_2.T-2]\nContract=2S\n"));
    EXPECT_NE(closed.find("[Room \"Closed\"]"), std::string::npos);
    EXPECT_NE(closed.find("[Room \"Open\"]"), std::string::npos);
}

TEST(PbnExportTest, OneBoardOnly) {
    const std::string text = "[_1]\nDealer=N\nDeal=" + Deal + "\n[_2]\nBoard=7\nDealer=S\nDeal=" + Deal +
                             "\n[_2.x]\nContract=1C\n";
    const std::string pbn = ExportPbnText(Store(text), 2);
    EXPECT_EQ(pbn.find("[Board \"1\"]"), std::string::npos);
    EXPECT_NE(pbn.find("[Board \"7\"]"), std::string::npos);
}

TEST(PbnExportTest, CopyToPbnWritesBesideTheHandFileAndSaysSo) {
    test::TempFolder folder;
    const std::string ini = folder.File("deals.ini");
    test::WriteFile(ini, "[_1]\nDealer=N\nDeal=" + Deal + "\n[_2]\nDealer=E\nDeal=" + Deal + "\n");
    TBiggerINIFile handFile(ini, true);

    const PbnCopy whole = CopyToPbn(handFile, 1, false);
    EXPECT_TRUE(whole.written);
    EXPECT_EQ(whole.path, folder.File("deals.pbn"));
    EXPECT_EQ(whole.message, "The entire file has been copied to:\r" + whole.path);
    EXPECT_EQ(HandFileOf(ImportPbn(test::FileLines(whole.path))).Sections().Count(), 2);

    const PbnCopy one = CopyToPbn(handFile, 2, true);
    EXPECT_EQ(one.message, "This deal has been copied to:\r" + one.path);
    EXPECT_EQ(HandFileOf(ImportPbn(test::FileLines(one.path))).Sections().Count(), 1);

    // A copy that cannot be written is never reported as made.
    TBiggerINIFile nowhere(folder.File("missing/deals.ini"), true);
    const PbnCopy failed = CopyToPbn(nowhere, 1, false);
    EXPECT_FALSE(failed.written);
    EXPECT_EQ(failed.message.find("has been copied"), std::string::npos);
    EXPECT_FALSE(failed.message.empty());
}

}  // namespace
}  // namespace corvane
