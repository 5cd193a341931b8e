// The readers against files written by other programs (the shared test corpus), and the round
// trip PBN -> hand file -> PBN on real events.
#include "DealFileTestSupport.h"
#include "bidding/CallText.h"
#include "cards/Cards.h"
#include "files/BridgeINI.h"
#include "files/HandFields.h"
#include "files/CbfImport.h"
#include "files/HandFileKeys.h"
#include "files/LinImport.h"
#include "files/PbnExport.h"
#include "files/PbnImport.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

namespace corvane {
namespace {

using test::CorpusFiles;
using test::FileLines;
using test::HandFileOf;

int Games(const std::filesystem::path& file) {
    int deals = 0;
    for (const auto& line : FileLines(file)) deals += line.rfind("[Deal ", 0) == 0;
    return deals;
}

bool WholeDeal(const std::string& value) {
    DealHoldings deal{};
    if (value.size() < 69 || !DealFromPbn(value, deal)) return false;
    int cards = 0;
    for (const auto& hand : deal) {
        for (const Holding h : hand) cards += Length(h);
    }
    return cards == 52;
}

TEST(DealFileCorpusTest, EveryPbnFileConverts) {
    const auto files = CorpusFiles("pbn");
    CORVANE_SKIP_WITHOUT_CORPUS(files, "pbn");
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const auto imported = ImportPbn(FileLines(file));
        const auto store = HandFileOf(imported);
        const std::string name = file.filename().string();
        if (Games(file) > 0) {
            EXPECT_GT(store.Sections().Count(), 0);
        }
        // Writing it back and reading that again works too.
        ImportPbn(SplitTextLines(ExportPbnText(store)));
        bool textDamage = false;
        for (const auto& message : imported.messages) textDamage = textDamage || message.find(" at line ") != std::string::npos;
        if (name.find("correct_") != std::string::npos) {
            EXPECT_FALSE(textDamage) << "a correct file reported damage";
        }
        if (name.find("unterminated_comment") != std::string::npos) {
            EXPECT_TRUE(textDamage);
        }
    }
}

TEST(DealFileCorpusTest, CorrectVerifierFilesConvertCompletely) {
    const auto files = CorpusFiles("pbn");
    CORVANE_SKIP_WITHOUT_CORPUS(files, "pbn");
    int checked = 0;
    for (const auto& file : files) {
        if (file.filename().string().find("correct_") == std::string::npos) continue;
        SCOPED_TRACE(file.filename().string());
        ++checked;
        const auto store = HandFileOf(ImportPbn(FileLines(file)));
        // Every game's deal is a board, and every board has its deal.
        int boards = 0;
        for (int i = 0; i < store.Sections().Count(); ++i) {
            const std::string& section = store.Sections().Name(i);
            if (IsResultSection(section)) continue;
            ++boards;
            EXPECT_FALSE(store.ReadString(section, "Deal", "").empty()) << section;
        }
        std::set<std::string> deals;
        for (const auto& line : FileLines(file)) {
            if (line.rfind("[Deal \"", 0) == 0) deals.insert(LowerCase(line.substr(7, line.find('"', 7) - 7)));
        }
        EXPECT_EQ(boards, static_cast<int>(deals.size()));
    }
    EXPECT_EQ(checked, 3);
}

TEST(DealFileCorpusTest, BrokenRealFilesKeepTheirGoodBoards) {
    const auto files = CorpusFiles("pbn");
    CORVANE_SKIP_WITHOUT_CORPUS(files, "pbn");
    for (const auto& file : files) {
        const std::string name = file.filename().string();
        if (name.find("unterminated_comment") != std::string::npos) {
            // Every game's players survive the comments left open before them.
            const auto store = HandFileOf(ImportPbn(FileLines(file)));
            int results = 0;
            int named = 0;
            for (int i = 0; i < store.Sections().Count(); ++i) {
                const std::string& section = store.Sections().Name(i);
                if (!IsResultSection(section)) continue;
                ++results;
                named += !store.ReadString(section, "South", "").empty() && !store.ReadString(section, "Declarer", "").empty();
            }
            EXPECT_GT(results, 60);
            EXPECT_EQ(named, results);
        } else if (name.find("bad_event_quote") != std::string::npos) {
            const auto store = HandFileOf(ImportPbn(FileLines(file)));
            EXPECT_EQ(store.ReadString("_1", "Event", ""), "Random]");
            EXPECT_TRUE(WholeDeal(store.ReadString("_1", "Deal", "")));
        }
    }
}

TEST(DealFileCorpusTest, EveryLinFileConverts) {
    const auto files = CorpusFiles("lin");
    CORVANE_SKIP_WITHOUT_CORPUS(files, "lin");
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const auto store = HandFileOf(ImportLin(FileLines(file), ""));
        int boards = 0;
        for (int i = 0; i < store.Sections().Count(); ++i) {
            const std::string& section = store.Sections().Name(i);
            if (IsResultSection(section)) continue;
            ++boards;
            EXPECT_TRUE(WholeDeal(store.ReadString(section, "Deal", ""))) << section;
        }
        EXPECT_GT(boards, 0);
    }
}

TEST(DealFileCorpusTest, LinRecordsOfOneEventAgreeWithItsPbn) {
    // Two single-deal LIN records and the PBN another program made of them.
    const auto lin = test::TestDataFolder("lin") / "pbntools_3381671193.lin";
    const auto pbn = test::TestDataFolder("pbn") / "pbntools_history_expected.pbn";
    if (!std::filesystem::exists(lin) || !std::filesystem::exists(pbn)) GTEST_SKIP() << "shared test data not present";
    const auto fromLin = HandFileOf(ImportLin(FileLines(lin), ""));
    const auto fromPbn = HandFileOf(ImportPbn(FileLines(pbn)));
    DealHoldings a{}, b{};
    ASSERT_TRUE(DealFromPbn(fromLin.ReadString("_1", "Deal", ""), a));
    ASSERT_TRUE(DealFromPbn(fromPbn.ReadString("_1", "Deal", ""), b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(fromLin.ReadString("_1.o", "Contract", ""), "5D");
    EXPECT_EQ(fromLin.ReadString("_1.o", "Declarer", ""), "E");
    EXPECT_EQ(fromLin.ReadString("_1.o", "Result", ""), "11");
}

// The values a round trip must keep, normalised to what they mean.
struct ResultValues {
    DealHoldings deal{};
    std::string dealer, vulnerable, auction, play, result;
    CallCode contract = NoCall;
    int doubling = 0;
    std::optional<int> score;
};

std::string CallsMeaning(const std::string& list) {
    std::string out;
    for (const auto& call : SplitCommaList(list)) out += UpperCase(call == "AP" ? call : CallText(CallFromText(call)) + call.substr(std::min(call.find('('), call.size()))) + ",";
    return out;
}

std::map<std::string, ResultValues> ResultsOf(const TBigIniFile& store) {
    std::map<std::string, ResultValues> results;
    for (int i = 0; i < store.Sections().Count(); ++i) {
        const std::string& section = store.Sections().Name(i);
        if (!IsResultSection(section)) continue;
        const std::string deal = DealSectionName(SectionNumber(section));
        ResultValues v;
        DealFromPbn(store.ReadString(deal, "Deal", ""), v.deal);
        v.dealer = store.ReadString(deal, "Dealer", "");
        v.vulnerable = store.ReadString(deal, "Vulnerable", "");
        v.auction = CallsMeaning(store.ReadString(section, "Auction", ""));
        v.play = store.ReadString(section, "Play", "");
        v.result = store.ReadString(section, "Result", "");
        const std::string contract = UpperCase(store.ReadString(section, "Contract", ""));
        v.contract = CallFromText(contract);
        v.doubling = contract.find("XX") != std::string::npos ? 2 : contract.find('X') != std::string::npos;
        const TSeat declarer = SeatFromLetter(store.ReadString(section, "Declarer", "")).value_or(South);
        const std::string score = store.ReadString(section, "Score", "");
        if (!score.empty()) v.score = ScoreFromText(score, declarer);
        results[section] = v;
    }
    return results;
}

TEST(DealFileCorpusTest, RealEventsSurviveTheRoundTripThroughAHandFile) {
    const auto files = CorpusFiles("pbn");
    CORVANE_SKIP_WITHOUT_CORPUS(files, "pbn");
    int events = 0;
    for (const std::string name : {"endplay_example1_eyc1998.pbn", "endplay_example2_realbridge2021.pbn",
                                   "endplay_example3_wc2012_final_seg1_excerpt.pbn", "pbntools_aba_17901_pairs.pbn",
                                   "pbntools_skyclub_2196.pbn", "pbntools_sm0807_latin2.pbn",
                                   "robotutil_match_gibns_v_gibew_bm.pbn", "robotutil_match_gibns_v_gibew_bc.pbn"}) {
        const auto file = test::TestDataFolder("pbn") / name;
        if (!std::filesystem::exists(file)) continue;
        SCOPED_TRACE(name);
        ++events;
        const auto first = HandFileOf(ImportPbn(FileLines(file)));
        const auto second = HandFileOf(ImportPbn(SplitTextLines(ExportPbnText(first))));
        const auto before = ResultsOf(first);
        const auto after = ResultsOf(second);
        ASSERT_EQ(before.size(), after.size());
        EXPECT_GT(before.size(), 0U);
        // Sections are named by room: match them by board and order within the board.
        auto a = before.begin();
        auto b = after.begin();
        for (; a != before.end(); ++a, ++b) {
            SCOPED_TRACE(a->first + " / " + b->first);
            EXPECT_EQ(SectionNumber(a->first), SectionNumber(b->first));
            EXPECT_EQ(a->second.deal, b->second.deal);
            EXPECT_EQ(a->second.dealer, b->second.dealer);
            EXPECT_EQ(a->second.vulnerable, b->second.vulnerable);
            EXPECT_EQ(a->second.auction, b->second.auction);
            EXPECT_EQ(a->second.play, b->second.play);
            EXPECT_EQ(a->second.contract, b->second.contract);
            EXPECT_EQ(a->second.doubling, b->second.doubling);
            EXPECT_EQ(a->second.result, b->second.result);
            if (a->second.score) {
                EXPECT_EQ(a->second.score, b->second.score);
            }
        }
    }
    EXPECT_GT(events, 0);
}

class TrashHome {
public:
    explicit TrashHome(const std::string& folder) {
        if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
        ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    }
    ~TrashHome() {
        if (old_) ::setenv("XDG_DATA_HOME", old_->c_str(), 1);
        else ::unsetenv("XDG_DATA_HOME");
    }

private:
    std::optional<std::string> old_;
};

TEST(DealFileOpeningTest, OpeningADealFileReplacesItsEarlierConversionThroughTheTrash) {
    test::TempFolder folder;
    TrashHome trash(folder.File("data"));
    test::WriteFile(folder.File("deals.ini"), "[_1]\nDeal=old\n[_1.Ann]\nScore=NS 420\n");
    test::WriteFile(folder.File("deals.pbn"), "[Event \"Club\"]\n[Dealer \"N\"]\n[Deal \"N:T32.AKQ7.T3.AQJT "
                                              "A9864.83.AK4.987 J.JT9542.72.K653 KQ75.6.QJ9865.42\"]\n[BCFlags \"1\"]\n");
    TBridgeINI handFile(folder.File("deals.pbn"));
    EXPECT_EQ(handFile.Path(), folder.File("deals.ini"));
    EXPECT_EQ(handFile.OpenMessages(), std::vector<std::string>{"BCFlags"});
    EXPECT_EQ(handFile.ReadString("_1", "Event", ""), "Club");
    EXPECT_FALSE(handFile.SectionExists("_1.Ann"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("deals.ini")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("data/Trash/files/deals.ini")));
    EXPECT_TRUE(handFile.Save().empty());
    EXPECT_TRUE(std::filesystem::exists(folder.File("deals.ini")));

    // LIN files take their date from the name; CBF files convert through the same door.
    test::WriteFile(folder.File("05-12-08 game.lin"), "md|3S2TKH248TQD7C259T,S456H56JKD45TC7QA,S389QAH379AD29KC3,|\n");
    const auto lin = OpenDealFile(folder.File("05-12-08 game.lin"));
    EXPECT_EQ(lin.kind, DealFileKind::Lin);
    EXPECT_EQ(lin.iniPath, folder.File("05-12-08 game.ini"));
    EXPECT_NE(std::find(lin.lines.begin(), lin.lines.end(), "Date=2008.05.12"), lin.lines.end());
    test::WriteFile(folder.File("x.cbf"), "EVENT: x\n");
    const auto cbf = OpenDealFile(folder.File("x.cbf"));
    EXPECT_TRUE(cbf.lines.empty());
    EXPECT_EQ(cbf.messages, std::vector<std::string>{std::string(CbfDocTypeMessage)});
    EXPECT_TRUE(OpenDealFile(folder.File("none.pbn")).lines.empty());
}

}  // namespace
}  // namespace corvane
