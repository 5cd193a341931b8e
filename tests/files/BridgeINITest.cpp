#include "files/BridgeINI.h"
#include "files/DealFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include "cards/Dealer.h"

#include <cstdlib>
#include <filesystem>

namespace corvane {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

const char* const DealText =
    "N:874.Q87.KQJ7.QT6 KJ95.JT9.A6.K942 T6.AK542.T84.A87 AQ32.63.9532.J53";

// A hand file with the given text, opened from a fresh folder.
struct HandFile {
    TempFolder folder;
    std::string path;
    explicit HandFile(const std::string& text, const std::string& name = "hands.ini")
        : path(folder.File(name)) {
        WriteFile(path, text);
    }
    TBridgeINI Open() const { return TBridgeINI(path); }
};

std::string Board(int n, const std::string& extra = "") {
    const std::string name = n < 10 ? "_" + std::to_string(n) : std::to_string(n);
    return "[" + name + "]\nBoard=" + std::to_string(n) + "\nDealer=N\nVulnerable=NS\nDeal=" + DealText +
           "\n" + extra;
}

std::string Result(int n, const std::string& suffix, const std::string& lines) {
    const std::string name = n < 10 ? "_" + std::to_string(n) : std::to_string(n);
    return "[" + name + "." + suffix + "]\n" + lines;
}

TEST(HandFileBoards, SectionsStayInBoardOrderWithEachBoardsResultsAfterIt) {
    std::string text;
    for (int n = 12; n >= 1; --n) text += Board(n) + Result(n, "South", "Score=NS 100\n");
    text += Result(5, "Closed Room", "Score=NS 50\n");
    HandFile file(text);
    TBridgeINI hands = file.Open();
    const auto& s = hands.Sections();
    ASSERT_EQ(s.Count(), 25);
    EXPECT_EQ(s.Name(0), "_1");
    EXPECT_EQ(s.Name(1), "_1.South");
    EXPECT_EQ(s.Name(19), "10");
    EXPECT_EQ(s.Name(24), "12.South");
    EXPECT_EQ(hands.ResultSections(5), (std::vector<std::string>{"_5.Closed Room", "_5.South"}));
    EXPECT_EQ(hands.BoardCount(), 12);
    EXPECT_EQ(hands.FirstBoard(), 1);
    EXPECT_EQ(hands.LastBoard(), 12);
    EXPECT_EQ(hands.MaxResults(), 2);
    EXPECT_EQ(hands.HandNumber, 1);
    ASSERT_EQ(hands.LoadResult("_5.closed room"), 0);
    EXPECT_EQ(hands.Record.ResultSuffix, "Closed Room");
}

TEST(HandFileBoards, LastBoardIsFoundBeyondNinetyNine) {
    std::string text;
    for (int n : {1, 99, 100, 250, 31}) text += Board(n);
    HandFile file(text);
    TBridgeINI hands = file.Open();
    EXPECT_EQ(hands.Sections().Name(hands.Sections().Count() - 1), "99");
    EXPECT_EQ(hands.LastBoard(), 250);
    hands.DeleteBoard(250);
    hands.DeleteBoard(100);
    EXPECT_EQ(hands.LastBoard(), 99);
}

TEST(HandFileBoards, ResultsWithoutTheirDealAreNotCountedForAnotherBoard) {
    HandFile file(Board(2) + Result(2, "A", "Score=1\n") + Result(3, "B", "Score=2\n") + Board(4));
    TBridgeINI hands = file.Open();
    EXPECT_EQ(hands.ResultSections(2), (std::vector<std::string>{"_2.A"}));
    EXPECT_TRUE(hands.ResultSections(3).empty());
}

TEST(HandFileLoading, BoardIsLoadedByNumberWithItsDealDealerAndVulnerability) {
    HandFile file(Board(3, "Date=2009.05.01\nGenerator=-1234\n"));
    TBridgeINI hands = file.Open();
    ASSERT_EQ(hands.LoadBoard(3), 0);
    EXPECT_EQ(hands.HandNumber, 3);
    EXPECT_EQ(hands.Record.Dealer, North);
    EXPECT_EQ(hands.Record.Vul, VulNS);
    EXPECT_EQ(PbnDealString(hands.Record.Holdings, North), DealText);
    EXPECT_EQ(hands.Record.Values[tag::Date], "2009.05.01");
    EXPECT_EQ(hands.Record.Values[tag::Generator], "-1234");
    EXPECT_EQ(hands.Record.Values[tag::Event], "?");  // empty leading slots read as "?"
    EXPECT_EQ(hands.Record.Values[tag::Annotator], "");
    EXPECT_EQ(hands.Record.SavedDealValues, hands.Record.Values);
    EXPECT_EQ(hands.LoadBoard(4), -1);
}

TEST(HandFileLoading, ASectionWithAtMostOneLineIsNoBoard) {
    HandFile file("[_1]\nBoard=1\n[_2]\nBoard=2\nDealer=S\n");
    TBridgeINI hands = file.Open();
    EXPECT_EQ(hands.LoadBoard(1), -1);
    EXPECT_GT(hands.LoadBoard(2), 0);  // loads, with the missing Deal reported
    EXPECT_EQ(hands.Record.Values[tag::Board], "2");
}

TEST(HandFileLoading, BadFieldsGoToTheErrorList) {
    const std::string shortDeal = std::string(DealText).substr(0, 68);
    HandFile file("[_1]\nDealer=X\nDeal=" + shortDeal + "\n[_2]\nDealer=^E\nDeal=Q:...\nBoard=\n" +
                  "Vulnerable=n-s\nScoring=Match\n");
    TBridgeINI hands = file.Open();
    ASSERT_EQ(hands.LoadBoard(1), 2);
    EXPECT_EQ(hands.ErrorList[0], "Dealer not N,E,S, or  W : X");
    EXPECT_EQ(hands.ErrorList[1], " 52 cards not dealt : " + shortDeal);
    EXPECT_EQ(hands.Record.Dealer, South);
    EXPECT_EQ(hands.Record.Values[tag::Board], "1");

    ASSERT_EQ(hands.LoadBoard(2), 1);
    EXPECT_EQ(hands.ErrorList[0], "Deal does not start with N,E,S, or  W : Q:...");
    EXPECT_EQ(hands.Record.Dealer, East);
    EXPECT_EQ(hands.Record.Vul, VulNS);
    EXPECT_EQ(hands.Record.Values[tag::Board], "2");

    hands.TeamMatch = true;  // only a team match checks the scoring
    ASSERT_EQ(hands.LoadBoard(2), 2);
    EXPECT_EQ(hands.ErrorList[0], "Scoring Mode is invalid : Match");
}

TEST(HandFileLoading, DatesAndVulnerabilityTexts) {
    std::string text;
    const char* dates[] = {"12/31/2009", "2009.13.01", "1900.01.01", "Sun 2009.05.03", "2009.5.3"};
    const char* vul[] = {"Both", "e/w", "All", "Love", "EW"};
    for (int n = 1; n <= 5; ++n)
        text += "[_" + std::to_string(n) + "]\nDealer=N\nDate=" + dates[n - 1] + "\nVulnerable=" +
                vul[n - 1] + "\n";
    HandFile file(text);
    TBridgeINI hands = file.Open();
    const char* expectDate[] = {"12/31/2009", "?", "?", "Sun 2009.05.03", "?"};
    const Vulnerability expectVul[] = {VulBoth, VulEW, VulBoth, VulNone, VulEW};
    for (int n = 1; n <= 5; ++n) {
        hands.LoadBoard(n);
        EXPECT_EQ(hands.Record.Values[tag::Date], expectDate[n - 1]) << n;
        EXPECT_EQ(hands.Record.Vul, expectVul[n - 1]) << n;
    }
}

TEST(HandFileLoading, ResultScoresFollowTheirPrefixesOrAreComputed) {
    HandFile file(Board(1) +
                  Result(1, "a", "Declarer=S\nContract=4S\nResult=10\nScore=EW 420\n") +
                  Result(1, "b", "Declarer=E\nContract=4S\nResult=10\nScore=-420\n") +
                  Result(1, "c", "Declarer=S\nContract=4S\nResult=10\n") + Board(2) +
                  Result(2, "d", "Declarer=E\nContract=3nx\nResult=NS 9\nScore=NS 100\n"
                                 "ScoreIMP=EW 2,50\nScoreMP=1.5\n"));
    TBridgeINI hands = file.Open();
    hands.LoadBoard(1);
    ASSERT_EQ(hands.LoadResult("_1.a"), 0);
    EXPECT_EQ(hands.Record.Score, -420);
    ASSERT_EQ(hands.LoadResult("_1.b"), 0);
    EXPECT_EQ(hands.Record.Score, 420);
    ASSERT_EQ(hands.LoadResult("_1.c"), 0);
    EXPECT_EQ(hands.Record.Score, 620);  // North-South vulnerable
    ASSERT_EQ(hands.LoadResult("_2.d"), 0);
    EXPECT_EQ(hands.Record.Tricks, 4);
    EXPECT_EQ(hands.Record.Values[tag::Result], "4");
    EXPECT_EQ(hands.Record.Contract, BidCode(3, NoTrump));
    EXPECT_EQ(hands.Record.Doubling, 1);
    EXPECT_EQ(hands.Record.Declarer, East);
    EXPECT_DOUBLE_EQ(hands.Record.ScoreIMP, -2.5);
    EXPECT_DOUBLE_EQ(hands.Record.ScoreMP, -1.5);  // unprefixed: the declarer's side
    EXPECT_EQ(hands.LoadResult("_1.zz"), -1);
}

TEST(HandFileLoading, InvalidResultsAndContractsAreReported) {
    HandFile file(Board(1) + Result(1, "a", "Contract=4S\nResult=15\n") +
                  Result(1, "b", "Contract=9Z\nResult=^7\nDeclarer=^W\n"));
    TBridgeINI hands = file.Open();
    hands.LoadBoard(1);
    ASSERT_EQ(hands.LoadResult("_1.a"), 1);
    EXPECT_EQ(hands.ErrorList[0], " invalid Result : 15");
    EXPECT_EQ(hands.Record.Tricks, 0);
    ASSERT_EQ(hands.LoadResult("_1.b"), 1);
    EXPECT_EQ(hands.ErrorList[0], " invalid Contract : 9Z");
    EXPECT_EQ(hands.Record.Tricks, 7);
    EXPECT_EQ(hands.Record.Declarer, West);
}

TEST(HandFileLoading, PlayersAuctionPlayAndNotes) {
    HandFile file(Board(1) +
                  Result(1, "a", "North=Ann\nSouth=Bob\nAuction=1C(1),Pass,1N,Pass\n(1)=short\n"
                                 "(2)=balanced\n(4)=gap\nPlay=sa>,s2\nContract=1N\nDeclarer=S\n") +
                  Result(1, "b", "Note=one,two\n(1)=ignored\n"));
    TBridgeINI hands = file.Open();
    hands.LoadBoard(1);
    hands.LoadResult("_1.a");
    EXPECT_EQ(hands.Record.Players, (std::array<std::string, 4>{"Ann", "--", "Bob", "--"}));
    EXPECT_EQ(hands.Record.Calls, (std::vector<std::string>{"1C(1)", "Pass", "1N", "Pass"}));
    EXPECT_EQ(hands.Record.Notes, (std::vector<std::string>{"(1)=short", "(2)=balanced"}));
    EXPECT_EQ(hands.Record.Play, (std::vector<std::string>{"SA>", "S2"}));
    hands.LoadResult("_1.b");
    EXPECT_EQ(hands.Record.Notes, (std::vector<std::string>{"one", "two"}));
    EXPECT_TRUE(hands.Record.Calls.empty());
}

TEST(HandFileLoading, ParIsReadUnderOurNamesAndTheImportedOnes) {
    const std::string table = "OptimumResultTable=" + std::string("9,9,8,10,9,4,4,5,3,4,9,9,8,10,9,4,4,5,3,4\n");
    HandFile file(Board(1, "ParContract=4~S N/S\nOptimumResult=620\n" + table) +
                  Board(2, "OptimumContract=4H\nOptimumDeclarer=E\nOptimumScore=NS -420\n" + table) +
                  Board(3));
    TBridgeINI hands = file.Open();
    hands.LoadBoard(1);
    EXPECT_EQ(hands.Record.Optimum.Contract, BidCode(4, Spades));
    EXPECT_EQ(hands.Record.Optimum.Declarer, North);
    EXPECT_EQ(hands.Record.Optimum.Tricks, 10);
    EXPECT_EQ(hands.Record.Optimum.Score, 620);
    hands.LoadBoard(2);
    EXPECT_EQ(hands.Record.Optimum.Contract, BidCode(4, Hearts));
    EXPECT_EQ(hands.Record.Optimum.Declarer, East);
    EXPECT_EQ(hands.Record.Optimum.Tricks, 5);
    EXPECT_EQ(hands.Record.Optimum.Score, -420);
    hands.LoadBoard(3);
    EXPECT_EQ(hands.Record.Optimum.Contract, Pass);
    EXPECT_EQ(hands.Record.Optimum.Declarer, North);  // the dealer
}

TEST(HandFileStatus, PlayedBeforeStatusPerPlayer) {
    HandFile file(Board(1) + Result(1, "Ann", "Score=NS 420\nNorth=Ann\n") +
                  Result(1, "Bob", "Score=-999\nSouth=Bob\n") + Board(2) +
                  Result(2, "Bob", "Score=NS -999\nSouth=Bob\n") + Board(3) +
                  Result(3, "Ann", "North=Ann\n") + Board(4));
    TBridgeINI hands = file.Open();
    EXPECT_EQ(hands.BoardStatus(1, "Ann"), Played);
    EXPECT_EQ(hands.BoardStatus(1, "Bob"), Started);
    EXPECT_EQ(hands.BoardStatus(2, "Bob"), Played);  // "NS -999" is not the bare sentinel
    EXPECT_EQ(hands.BoardStatus(3, "Ann"), NotStarted);
    EXPECT_EQ(hands.BoardStatus(1, "Cy"), NotStarted);

    EXPECT_TRUE(hands.PlayedBoard(1, "Ann"));
    EXPECT_FALSE(hands.PlayedBoard(1, "Bob"));
    EXPECT_TRUE(hands.PlayedBoard(2, "bob"));

    EXPECT_EQ(hands.FirstUnfinishedBoard("Ann"), 2);
    EXPECT_EQ(hands.FirstUnfinishedBoard("Bob"), 1);
    EXPECT_EQ(hands.LastPlayedBoard("Ann"), 1);
    EXPECT_EQ(hands.LastPlayedBoard("Bob"), 2);
    EXPECT_EQ(hands.LastPlayedBoard("Cy"), 0);
    EXPECT_EQ(hands.NextBoard("Bob"), 3);
    EXPECT_EQ(hands.NextBoard("Cy"), 1);
    EXPECT_EQ(hands.PlayerNames(), (std::vector<std::string>{"Ann", "Bob"}));
}

TEST(HandFileStatus, BoardsAreFoundByTheirDisplayNumber) {
    HandFile file("[_1]\nBoard=17\nDealer=N\n[_2]\nDealer=N\n[_3]\nBoard=_5.x\nDealer=N\n");
    TBridgeINI hands = file.Open();
    EXPECT_EQ(hands.FindBoard("17"), 1);
    EXPECT_EQ(hands.FindBoard("2"), 2);   // no Board value: the section's number
    EXPECT_EQ(hands.FindBoard("_5"), 3);
    EXPECT_EQ(hands.FindBoard("5.o"), 3);
    EXPECT_EQ(hands.FindBoard("1"), -1);
    EXPECT_EQ(hands.FindBoard("abc"), -1);
}

// Points the desktop trash at the test's folder while it runs.
struct TrashInFolder {
    std::string old;
    explicit TrashInFolder(const TempFolder& folder) {
        if (const char* v = std::getenv("XDG_DATA_HOME")) old = v;
        ::setenv("XDG_DATA_HOME", folder.File("xdg").c_str(), 1);
    }
    ~TrashInFolder() {
        if (old.empty()) ::unsetenv("XDG_DATA_HOME");
        else ::setenv("XDG_DATA_HOME", old.c_str(), 1);
    }
};

void PrepareDeal(TBridgeINI& hands, int board) {
    hands.HandNumber = board;
    hands.Record = HandRecord{};
    hands.Record.Values[tag::Event] = "Corvane 6 - Random Hands";
    hands.Record.Values[tag::Site] = "?";
    hands.Record.Values[tag::Generator] = "12345";
    hands.Record.Values[tag::North] = "Ann";
    hands.Record.Values[tag::South] = "Bob";
    hands.Record.Dealer = BoardDealer(board);
    hands.Record.Vul = BoardVulnerability(board);
    DealFromPbn(DealText, hands.Record.Holdings);
}

TEST(HandFileWriting, DealsAreWrittenWithTheirKeysInOrderAndReadBack) {
    TempFolder folder;
    const std::string path = folder.File("New Hands.ini");
    {
        TBridgeINI hands(path);
        for (int n = 1; n <= 12; ++n) {
            PrepareDeal(hands, n);
            if (n == 2) {
                hands.Record.Values[tag::OptimumContract] = "4S";
                hands.Record.Values[tag::OptimumScore] = "620";
            }
            hands.WriteDeal(DealWriting{n == 3, MatchpointScoring, "2026.12.09"});
        }
        ASSERT_EQ(hands.Save(), "");
    }
    const std::string text = ReadFile(path);
    EXPECT_EQ(text.substr(0, text.find("\n\n")),
              "[_1]\nEvent=Corvane 6 - Random Hands\nDate=2026.12.09\nBoard=1\nDealer=N\n"
              "Vulnerable=None\nGenerator=12345\nDeal=" + std::string(DealText) + "\nScoring=MP");
    EXPECT_NE(text.find("[_3]\nEvent=Corvane 6 - Random Hands\nCompetition=Match\n"), std::string::npos);
    EXPECT_NE(text.find("Scoring=MP\nParContract=4S\nOptimumResult=620\n"), std::string::npos);

    TBridgeINI again(path);
    EXPECT_FALSE(again.Modified());
    EXPECT_EQ(again.BoardCount(), 12);
    ASSERT_EQ(again.LoadBoard(4), 0);
    EXPECT_EQ(again.Record.Dealer, West);
    EXPECT_EQ(again.Record.Vul, VulBoth);
    EXPECT_EQ(again.Record.Values[tag::Site], "?");
    ASSERT_EQ(again.LoadBoard(2), 0);
    EXPECT_EQ(again.Record.Optimum.Contract, BidCode(4, Spades));
    EXPECT_EQ(again.Record.Optimum.Score, 620);
}

HandOutcome OneNotrumpBySouth(const std::string& player, int score) {
    HandOutcome o;
    o.Player = player;
    o.BidSystemNS = "Std American.cc";
    o.Calls = {"1N(1)", "Pass", "Pass", "Pass"};
    o.Explanations = {"(1)=15-17 balanced"};
    o.Contract = BidCode(1, NoTrump);
    o.Declarer = South;
    o.Tricks = 7;
    PlayedTrick first;  // West leads the ace of spades and wins
    first.Cards = {MakeCard(Spades, 2), MakeCard(Spades, 3), MakeCard(Spades, 4), MakeCard(Spades, Ace)};
    first.Winner = West;
    PlayedTrick second;  // West leads again; North wins with the king
    second.Cards = {MakeCard(Hearts, King), NoCard, NoCard, MakeCard(Hearts, 5)};
    second.Winner = North;
    o.Play = {first, second};
    o.Score = score;
    return o;
}

TEST(HandFileWriting, RecordedResultKeepsAuctionNotesPlayAndScore) {
    TempFolder folder;
    const std::string path = folder.File("hands.ini");
    TBridgeINI hands(path);
    PrepareDeal(hands, 1);
    hands.WriteDeal(DealWriting{false, ImpScoring, "2026.12.09"});
    hands.WriteDefaultResult("Bob");
    EXPECT_EQ(hands.BoardStatus(1, "Bob"), NotStarted);
    ASSERT_EQ(hands.RecordResult(OneNotrumpBySouth("Bob", 90)), "");
    EXPECT_FALSE(hands.Modified());  // saved

    EXPECT_EQ(hands.BoardStatus(1, "Bob"), Played);
    EXPECT_EQ(hands.Record.Score, 90);
    EXPECT_EQ(hands.Record.Notes, (std::vector<std::string>{"(1)=15-17 balanced"}));
    ASSERT_EQ(hands.Record.Play.size(), 52u);
    // Within a trick: opening leader, dummy, third hand, declarer.
    EXPECT_EQ(std::vector<std::string>(hands.Record.Play.begin(), hands.Record.Play.begin() + 9),
              (std::vector<std::string>{"SA>", "S2", "S3", "S4", "H5", "HK>", "..", "..", ".."}));

    TBridgeINI again(path);
    std::vector<std::string> lines;
    again.ReadSectionValues("_1.Bob", lines);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9),
              (std::vector<std::string>{"North=Ann", "East", "South=Bob", "West", "Declarer=S",
                                        "Contract=1N", "Result=7", "BidSystemNS=Std American.cc",
                                        "Auction=1N(1),Pass,Pass,Pass"}));
    EXPECT_EQ(again.ReadString("_1.Bob", "(1)", ""), "15-17 balanced");
    EXPECT_EQ(again.ReadString("_1.Bob", "Score", ""), "NS 90");
    EXPECT_FALSE(again.SectionExists("_1.Bob.x"));

    // Played already: a second recording changes nothing.
    ASSERT_EQ(again.RecordResult(OneNotrumpBySouth("Bob", -50)), "");
    EXPECT_EQ(again.ReadString("_1.Bob", "Score", ""), "NS 90");
}

TEST(HandFileWriting, PassedOutHandHasNoPlay) {
    TempFolder folder;
    TBridgeINI hands(folder.File("hands.ini"));
    PrepareDeal(hands, 1);
    hands.WriteDeal(DealWriting{false, ImpScoring, "2026.12.09"});
    HandOutcome o;
    o.Player = "Bob";
    o.Calls = {"Pass", "Pass", "Pass", "Pass"};
    ASSERT_EQ(hands.RecordResult(o), "");
    EXPECT_EQ(hands.ReadString("_1.Bob", "Play", "none"), "none");
    EXPECT_EQ(hands.ReadString("_1.Bob", "Contract", ""), "Pass");
    EXPECT_EQ(hands.ReadString("_1.Bob", "Score", ""), "NS 0");
}

TEST(HandFileWriting, ResultsOfABoardAreComparedWhenRecordedAndWhenOpened) {
    TempFolder folder;
    const std::string path = folder.File("hands.ini");
    {
        TBridgeINI hands(path);
        PrepareDeal(hands, 1);
        hands.WriteDeal(DealWriting{false, ImpScoring, "2026.12.09"});
        const std::pair<const char*, int> results[] = {{"A", 420}, {"B", 420}, {"C", 170}, {"D", -50}};
        for (const auto& [player, score] : results) {
            HandOutcome o;
            o.Player = player;
            o.Contract = BidCode(4, Spades);
            o.Tricks = 10;
            o.Score = score;
            ASSERT_EQ(hands.RecordResult(o), "");
        }
        EXPECT_DOUBLE_EQ(hands.Record.ScoreMP, 0.0);  // D's result was loaded back
        EXPECT_EQ(hands.ReadString("_1.A", "ScoreIMP", ""), "NS 5.33");
        EXPECT_EQ(hands.ReadString("_1.A", "ScoreMP", ""), "NS 2.50");
        EXPECT_EQ(hands.ReadString("_1.C", "ScoreMP", ""), "NS 1.00");
        EXPECT_EQ(hands.ReadString("_1.D", "ScoreMP", ""), "NS 0.00");
    }
    // A file edited elsewhere: a not-played result changes nothing, a new one is compared at
    // opening.
    std::string text = ReadFile(path);
    WriteFile(path, text + "[_1.E]\nScore=-999\n\n[_2]\nDealer=N\nVulnerable=None\n\n"
                           "[_2.A]\nDeclarer=S\nContract=3N\nResult=9\n\n[_2.B]\nScore=NS -50\n\n");
    TBridgeINI hands(path);
    EXPECT_EQ(hands.ReadString("_1.A", "ScoreIMP", ""), "NS 5.33");
    EXPECT_EQ(hands.ReadString("_1.E", "ScoreIMP", "none"), "NS 0.00");
    EXPECT_EQ(hands.ReadString("_2.A", "ScoreIMP", ""), "NS 10.00");  // 400 computed against -50
    EXPECT_TRUE(hands.Modified());
}

TEST(HandFileOpening, ExtensionsDecideHowTheFileIsReadAndItIsSavedAsIni) {
    TempFolder folder;
    TrashInFolder trash(folder);
    WriteFile(folder.File("deals.ini"), Board(1) + Result(1, "Ann", "Score=NS 100\n"));
    WriteFile(folder.File("deals.txt"), Board(7));
    WriteFile(folder.File("deals.pbn"), std::string("[Event \"Club\"]\n[Board \"4\"]\n[Dealer \"E\"]\n") +
                                            "[Vulnerable \"All\"]\n[Deal \"" + DealText + "\"]\n");
    WriteFile(folder.File("deals.dat"), Board(3));
    {
        // Text from another name replaces deals.ini, which goes to the trash first.
        TBridgeINI txt(folder.File("deals.txt"));
        EXPECT_TRUE(txt.OpenMessages().empty());
        EXPECT_EQ(txt.FileType(), "TXT");
        EXPECT_EQ(txt.Path(), folder.File("deals.ini"));
        EXPECT_EQ(txt.HandNumber, 7);
        ASSERT_EQ(txt.Save(), "");
        EXPECT_NE(ReadFile(folder.File("deals.ini")).find("[_7]"), std::string::npos);
        EXPECT_NE(ReadFile(folder.File("xdg/Trash/files/deals.ini")).find("[_1.Ann]"), std::string::npos);
        EXPECT_NE(ReadFile(folder.File("xdg/Trash/info/deals.ini.trashinfo")).find("Path="),
                  std::string::npos);
    }
    {
        TBridgeINI pbn(folder.File("deals.pbn"));
        EXPECT_EQ(pbn.FileType(), "PBN");
        EXPECT_EQ(pbn.BoardCount(), 1);
        ASSERT_EQ(pbn.LoadBoard(pbn.HandNumber), 0);
        EXPECT_EQ(pbn.Record.Dealer, East);
        EXPECT_EQ(pbn.Record.Values[tag::Board], "4");
        EXPECT_TRUE(pbn.Modified());  // the conversion is saved as deals.ini
        EXPECT_FALSE(std::filesystem::exists(folder.File("deals.ini")));
        EXPECT_NE(ReadFile(folder.File("xdg/Trash/files/deals.2.ini")).find("[_7]"), std::string::npos);
    }
    {
        TBridgeINI other(folder.File("deals.dat"));
        ASSERT_EQ(other.OpenMessages().size(), 1u);
        EXPECT_EQ(other.OpenMessages()[0], UnknownDealFileMessage);
        EXPECT_EQ(other.HandNumber, 3);
    }
    {
        // Nothing to convert: the earlier conversion is opened rather than replaced.
        WriteFile(folder.File("gone.ini"), Board(9));
        TBridgeINI gone(folder.File("gone.lin"));
        EXPECT_EQ(gone.HandNumber, 9);
        EXPECT_FALSE(gone.Modified());
    }
    TBridgeINI missing(folder.File("none.ini"));
    EXPECT_EQ(missing.Sections().Count(), 0);
    EXPECT_EQ(missing.HandNumber, 0);
    EXPECT_EQ(missing.LoadBoard(1), -1);
}

TEST(HandFileDamage, DamagedFilesGiveErrorsNeverACrash) {
    std::string good;
    for (int n = 1; n <= 5; ++n)
        good += Board(n) + Result(n, "Ann", "Contract=4S\nDeclarer=S\nResult=10\nAuction=1S,Pass\n");
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 2654435761u) >> 13);
    static constexpr char WithNulBytes[] = "[_1]\nDeal=\0\0\0\nDate=\xff\xfe";
    const std::string damaged[] = {
        good.substr(0, good.size() / 2),                       // truncated mid-line
        garbage,                                               // binary
        good + "[_2]\nDeal=" + std::string(1000, 'A') + "\n",  // long line, duplicate section
        "[_1]\nBoard\n=\n[_1.]\n[.x]\nScore=NS\nResult=NS \nContract=\n[_2]\nDeal=N" +
            std::string(70, '.') + "\nDealer=^\nOptimumContract=7N\nOptimumResultTable=1,2\n",
        "[_1]\nDeal=N:" + std::string(68, ':') + "\nOptimumContract=xx\nOptimumDeclarer=W\n",
        std::string(WithNulBytes, sizeof WithNulBytes - 1),
    };
    for (const auto& text : damaged) {
        HandFile file(text);
        TBridgeINI hands = file.Open();
        int errors = 0;
        for (int i = 0; i < hands.Sections().Count(); ++i) {
            const std::string& name = hands.Sections().Name(i);
            const int found = IsResultSection(name) ? hands.LoadResult(name)
                                                    : hands.LoadBoard(SectionNumber(name));
            errors += found > 0 ? found : 0;
            EXPECT_EQ(static_cast<int>(hands.ErrorList.size()), std::max(found, 0));
        }
        hands.LastBoard();
        hands.PlayerNames();
        hands.FindBoard("1");
        SUCCEED() << errors;
    }
}

TEST(HandFileDamage, RealDealFilesOpenedAsTextDoNotBreakTheReader) {
    const std::filesystem::path folder = std::filesystem::path(CORVANE_TESTDATA) / "pbn";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no test data at " << folder;
    TempFolder temp;
    TrashInFolder trash(temp);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        // Read as INI text under another extension, so nothing is written beside the data.
        const std::string copy = temp.File(entry.path().filename().string() + ".txt");
        std::filesystem::copy_file(entry.path(), copy);
        TBridgeINI hands(copy);
        for (int i = 0; i < hands.Sections().Count(); ++i) hands.LoadResult(hands.Sections().Name(i));
        ++files;
    }
    EXPECT_GT(files, 0);
}
}  // namespace
}  // namespace corvane
