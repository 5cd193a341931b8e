#include "bidding/CallText.h"
#include "bidding/DefinitionLanguage.h"
#include "convention/DefinitionDatabase.h"
#include "convention/SectionConditions.h"
#include "platform/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace corvane {
namespace {

// A card held as a plain map, with the access the database uses.
struct FakeCard {
    explicit FakeCard(std::map<std::string, std::string> v = {}) : values(std::move(v)) {}

    std::map<std::string, std::string> values;
    std::string structure = "M";
    std::string defence;

    SideCardAccess Access() {
        SideCardAccess access;
        access.Value = [this](std::string_view key) {
            const auto it = values.find(std::string(key));
            return it == values.end() ? std::string() : it->second;
        };
        access.Tick = [this](std::string_view key) { values[std::string(key)] = "X"; };
        access.NTStructure = structure;
        access.DirectDefence = defence;
        return access;
    }
};

bool Selected(std::string_view section, FakeCard& own, FakeCard& opponents) {
    SideCardAccess a = own.Access();
    SideCardAccess b = opponents.Access();
    const SectionConditionSides sides{a, b, AdditionalConventions(own.values["ZNEWCNVTS"]),
                                      AdditionalConventions(opponents.values["ZNEWCNVTS"])};
    return SelectSection(section, sides).Selected;
}

TEST(SectionConditions, TickedBoxesJoinedAndNegated) {
    FakeCard own{{{"SPLINT", "X"}, {"BERGEN", "X"}}};
    FakeCard opponents{{{"CRASH", "X"}}};
    EXPECT_TRUE(Selected("SPLINT", own, opponents));
    EXPECT_TRUE(Selected("SPLINT_BERGEN", own, opponents));
    EXPECT_FALSE(Selected("SPLINT_SWISS", own, opponents));
    EXPECT_TRUE(Selected("SPLINT_{SWISS", own, opponents));
    EXPECT_FALSE(Selected("{SPLINT", own, opponents));
    // "(" anywhere turns a condition to the opponents' card.
    EXPECT_TRUE(Selected("(CRASH", own, opponents));
    EXPECT_FALSE(Selected("CRASH", own, opponents));
    EXPECT_TRUE(Selected("SPLINT_CRASH(", own, opponents));
    EXPECT_FALSE(Selected("{(CRASH", own, opponents));
    EXPECT_TRUE(Selected("{(SPLINT", own, opponents));
}

TEST(SectionConditions, ValuesStructuresSchemesDefencesAndAdditionalConventions) {
    FakeCard own{{{"1M1N", "F"}, {"M:1N2D", "JACH"}, {"2:1N2D", "NAT"}, {"M:STAY", "X"},
                  {"4N", "RKC14"}, {"MW", "NO"}, {"ZNEWCNVTS", "MORROW, BART_LEBENSOHL"}}};
    own.defence = "LANDY";
    FakeCard opponents{{{"4N", "BLKW"}, {"MW", "1430"}}};
    opponents.defence = "DONT";
    EXPECT_TRUE(Selected("1M1N>F", own, opponents));
    EXPECT_FALSE(Selected("1M1N>S", own, opponents));
    EXPECT_TRUE(Selected("1N2D>JACH", own, opponents));
    own.structure = "2";
    EXPECT_TRUE(Selected("1N2D>NAT", own, opponents));
    // A bare structure key is read from the main structure whatever is in force.
    EXPECT_TRUE(Selected("STAY", own, opponents));
    EXPECT_TRUE(Selected("RKC", own, opponents));
    EXPECT_FALSE(Selected("(RKC", own, opponents));
    EXPECT_FALSE(Selected("MW", own, opponents));
    EXPECT_TRUE(Selected("(MW", own, opponents));
    EXPECT_TRUE(Selected("LANDY", own, opponents));
    EXPECT_FALSE(Selected("DONT", own, opponents));
    EXPECT_TRUE(Selected("(DONT", own, opponents));
    EXPECT_TRUE(Selected("LEBENSOHL_BART", own, opponents));
    // Morrow as an additional convention counts as key-card asking.
    FakeCard morrow{{{"4N", "BLKW"}, {"ZNEWCNVTS", "MORROW"}}};
    EXPECT_TRUE(Selected("RKC", morrow, opponents));
}

TEST(SectionConditions, LevelLimitedConventions) {
    FakeCard own{{{"VPRETEXT", "3S"}, {"NEGX", "4S"}, {"RESX", "__"}}};
    FakeCard opponents;
    EXPECT_TRUE(Selected("VPRE", own, opponents));
    EXPECT_TRUE(Selected("NEGX", own, opponents));  // the editor's bare key
    EXPECT_FALSE(Selected("RESX", own, opponents));
    EXPECT_FALSE(Selected("SUPX", own, opponents));
    EXPECT_TRUE(Selected("{SUPX", own, opponents));
}

TEST(LevelLimit, LastOpponentsCallComparedAsText) {
    EXPECT_FALSE(WithinLevelLimit("1H-(4H)-X", "3S"));
    EXPECT_TRUE(WithinLevelLimit("1H-(3D)-X", "3S"));
    EXPECT_TRUE(WithinLevelLimit("(3N)-X", "3S"));      // notrump sorts below spades
    EXPECT_TRUE(WithinLevelLimit("(2S)-X-(XX)-P", "3S"));  // a redouble is looked past
    EXPECT_FALSE(WithinLevelLimit("(4C)-X-(X)-P", "3S"));
    EXPECT_TRUE(WithinLevelLimit("1H-2H", "3S"));
    EXPECT_FALSE(WithinLevelLimit("(1C)-X", ""));
}

constexpr std::string_view Sequences =
    "[STD]\n1H=P12-21 H5+\n1S=P12-21 S5+\n2C=P22+ !1\n1N-2C=P8+ !50\n@1N-2D=H5+ !7\n"
    "1H-(2C)-2H=P6-10 H3+\n1H-2H=P6-9 H3+\n"
    "[2/1]\n1S=P11-21 S5+ !2\n1H-2C=P13+ C4+\n"
    "[SPLINT]\n1H-4C=P13-16 C0-1 H4+\n"
    "[SPLINT_BERGEN]\n1H-3S=P13-16 S0-1 H4+\n"
    "[{SWISS]\n1H-4D=P13-16 D0-1 H4+\n"
    "[ALPHA]\n1D=P12 !A\n[BETA]\n1D=P13 !B\n"
    "[VPRE]\n(3H)-X=P13+ !90\n(4H)-X=P16+ !91\n(3N)-X=P15+\n"
    "[SIF]\n1S=P10-15 S4+\n"
    "[MINE]\n3C=P5-9 C7+\n"
    "[ORDERED]\n1C=P11-21 C3+\n";

constexpr std::string_view MyStyle =
    "[STD]\n1H=P11-21 H5+ MDY01/02/2026\n2C=P21+\n"
    "[2/1]\n1H-2C=P12+ C5+\n[SPLINT]\n1H-4C=P12-16 C0-1\n[ELSEWHERE]\n1H-1S=P4+\n";

struct Built {
    SideDatabase database;
    FakeCard own;
    FakeCard opponents;
};

Built Build(FakeCard own, std::string_view order = "ORDERED=3\n") {
    Built built{{}, std::move(own), FakeCard()};
    const DefinitionFiles files = DefinitionFiles::FromTexts(Sequences, MyStyle, order);
    SideCardAccess a = built.own.Access();
    SideCardAccess b = built.opponents.Access();
    built.database = BuildSideDatabase(files, a, b);
    return built;
}

std::string Definition(const SideDatabase& database, std::string_view sequence) {
    const DefinitionEntry* entry = database.Find(sequence);
    return entry == nullptr ? std::string("-") : entry->Definition;
}

TEST(BuildSideDatabase, PrioritiesGeneralBeatsStandardAndMyStyleBeatsBoth) {
    const Built built = Build(FakeCard{{{"GENS", "2/1"}, {"SPLINT", "X"}}});
    const SideDatabase& db = built.database;
    EXPECT_EQ(Definition(db, "1S"), "P11-21 S5+ !2");       // 2/1 (2) over STD (0)
    EXPECT_EQ(db.Find("1S")->Priority, '2');
    EXPECT_EQ(Definition(db, "1H"), "P11-21 H5+ MDY01/02/2026");  // MyStyle STD (1) over STD (0)
    EXPECT_EQ(db.Find("1H")->Priority, '1');
    EXPECT_EQ(Definition(db, "1H-2C"), "P12+ C5+");          // MyStyle 2/1 (9) over 2/1 (2)
    EXPECT_EQ(db.Find("1H-2C")->Priority, '9');
    EXPECT_EQ(Definition(db, "1H-4C"), "P12-16 C0-1");
    EXPECT_EQ(Definition(db, "2C"), "P21+");
    EXPECT_EQ(Definition(db, "1H-1S"), "-");  // MyStyle section selected by nothing
    EXPECT_EQ(Definition(db, "1H-3S"), "-");  // BERGEN not ticked
    EXPECT_EQ(Definition(db, "1H-4D"), "P13-16 D0-1 H4+");  // SWISS not ticked
    EXPECT_EQ(db.Find("1H-4D")->Priority, '5');
    EXPECT_EQ(Definition(db, "1C"), "-");     // ORDERED is not ticked
    // One entry per sequence.
    for (std::size_t i = 1; i < db.Entries().size(); ++i) {
        EXPECT_NE(db.Entries()[i - 1].Sequence, db.Entries()[i].Sequence);
    }
}

TEST(BuildSideDatabase, StandardApproachKeepsThePlayersOwnStandardDefinitionsOnTop) {
    const Built built = Build(FakeCard{{{"GENS", "STD"}}});
    EXPECT_EQ(built.database.Find("1S")->Priority, '0');
    EXPECT_EQ(Definition(built.database, "1H"), "P11-21 H5+ MDY01/02/2026");  // MyStyle's
    EXPECT_EQ(built.database.Find("1H")->Priority, '1');
}

TEST(BuildSideDatabase, OrderFileAdditionalConventionsAndConditionCounts) {
    const Built built =
        Build(FakeCard{{{"SPLINT", "X"}, {"BERGEN", "X"}, {"ZNEWCNVTS", "ORDERED ALPHA BETA ELSEWHERE"}}});
    const SideDatabase& db = built.database;
    EXPECT_EQ(db.Find("1H-3S")->Priority, '6');  // two conditions
    EXPECT_EQ(db.Find("1H-4C")->Priority, '9');  // MyStyle copy of a loaded section
    EXPECT_EQ(db.Find("1C")->Priority, '3');     // from the order file
    EXPECT_EQ(db.Find("1D")->Priority, '7');     // additional conventions
    EXPECT_EQ(Definition(db, "1D"), "P13 !B");   // equal digits: the later section name
    EXPECT_EQ(Definition(db, "1H-1S"), "P4+");   // MyStyle section named as an additional one
    // The additional conventions were ticked on the card.
    EXPECT_EQ(built.own.values.at("ALPHA"), "X");
}

TEST(BuildSideDatabase, SpecialSystemAndLevelFilter) {
    const Built built = Build(FakeCard{{{"SPECIALSYSTEM", "SIF"}, {"VPRETEXT", "3S"}}});
    const SideDatabase& db = built.database;
    EXPECT_EQ(Definition(db, "1S"), "P10-15 S4+");
    EXPECT_EQ(db.Find("1S")->Priority, '7');
    EXPECT_EQ(built.own.values.at("SIF"), "X");  // named by the card, so ticked
    EXPECT_EQ(Definition(db, "(3H)-X"), "P13+ !90");
    EXPECT_EQ(Definition(db, "(3N)-X"), "P15+");
    EXPECT_EQ(Definition(db, "(4H)-X"), "-");
}

TEST(SequenceKey, OurCallsOpponentsCallsAndPasses) {
    const CallCode h1 = BidCode(1, Hearts);
    EXPECT_EQ(SequenceKey({h1, BidCode(2, Clubs)}, BidCode(2, Hearts), {}), "1H-(2C)-2H");
    EXPECT_EQ(SequenceKey({Pass, Pass}, BidCode(1, Spades), {}), "P-1S");
    EXPECT_EQ(SequenceKey({}, BidCode(1, NoTrump), {}), "1N");
    EXPECT_EQ(SequenceKey({BidCode(1, Clubs), Double, Redouble}, Pass, {}), "(1C)-X-(XX)-P");
    EXPECT_EQ(SequenceKey({BidCode(1, Clubs), Pass, BidCode(1, Hearts), Pass}, BidCode(1, Spades), {}),
              "1C-1H-1S");
    // A notrump start is marked.
    EXPECT_EQ(SequenceKey({BidCode(1, NoTrump), Pass}, BidCode(2, Clubs), {}), "@1N-2C");
    EXPECT_EQ(SequenceKey({BidCode(2, NoTrump), Pass}, BidCode(3, Clubs), {}), "@2N-3C");
    EXPECT_EQ(SequenceKey({BidCode(3, NoTrump), Pass}, BidCode(4, Clubs), {}), "3N-4C");
}

TEST(SequenceKey, RestartMarkers) {
    // 1C (1H) 1N (P): the side restarts at its 1NT.
    const std::vector<CallCode> calls{BidCode(1, Clubs), BidCode(1, Hearts), BidCode(1, NoTrump), Pass};
    EXPECT_EQ(SequenceKey(calls, BidCode(2, Clubs), {"1N", '@'}), "@1N-2C");
    EXPECT_EQ(SequenceKey(calls, BidCode(2, Clubs), {"1N", '^'}), "^1N-2C");
    EXPECT_EQ(SequenceKey(calls, BidCode(2, Clubs), {"1N", '#'}), "#2C");
    // Only the bidder's side's calls restart the key.
    EXPECT_EQ(SequenceKey({BidCode(1, NoTrump)}, BidCode(2, Clubs), {"1N", '#'}), "(1N)-2C");
    EXPECT_EQ(SequenceKey(calls, BidCode(2, Clubs), {}), "1C-(1H)-1N-2C");
}

class FindDefinitionTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& [sequence, section] : std::vector<std::pair<std::string, std::string>>{
                 {"1S", "STD"}, {"P-1S", "STD"}, {"1H", "SIF"}, {"@1N-2C", "STD"}, {"1H-2H", "STD"},
                 {"1H-(2C)-3C", "STD"}}) {
            database.Add({sequence, '0', section, "def " + sequence});
        }
        database.Finish();
    }
    FoundDefinition Find(std::string_view key, const LookupSituation& situation) {
        return FindDefinition(database, key, situation);
    }
    SideDatabase database;
};

TEST_F(FindDefinitionTest, PassedHandPrefersTheSpecialSystemThenTheFullKeyThenWithoutThePass) {
    LookupSituation situation;
    situation.Calls = {Pass, Pass};
    situation.Candidate = BidCode(1, Hearts);
    situation.SpecialSystem = "SIF";
    FoundDefinition found = Find("P-1H", situation);
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.Section, "SIF");
    EXPECT_EQ(found.Key, "1H");

    situation.Candidate = BidCode(1, Spades);
    found = Find("P-1S", situation);  // 1S is not the special system's
    EXPECT_EQ(found.Key, "P-1S");

    situation.SpecialSystem = "__";
    database.Clear();
    database.Add({"1S", '0', "STD", "def 1S"});
    database.Finish();
    found = Find("P-1S", situation);
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.Key, "1S");
    EXPECT_FALSE(found.ByShortenedKey);
}

TEST_F(FindDefinitionTest, PassedHandRestartsAOneNotrumpSequence) {
    LookupSituation situation;
    situation.Candidate = BidCode(2, Clubs);
    situation.Restart = {"1N", '@'};
    const FoundDefinition found = Find("P-1N-2C", situation);
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.Key, "@1N-2C");
    situation.Restart = {};
    EXPECT_FALSE(Find("P-1N-2C", situation).Found);
}

TEST_F(FindDefinitionTest, CheapInterferenceIsLookedThrough) {
    LookupSituation situation;
    situation.Calls = {Pass, BidCode(1, Hearts), BidCode(2, Clubs)};
    situation.Candidate = BidCode(2, Hearts);
    FoundDefinition found = Find("1H-(2C)-2H", situation);
    EXPECT_TRUE(found.Found);
    EXPECT_TRUE(found.ByShortenedKey);
    EXPECT_EQ(found.Key, "1H-2H");
    // Found directly: not shortened.
    situation.Candidate = BidCode(3, Clubs);
    found = Find("1H-(2C)-3C", situation);
    EXPECT_FALSE(found.ByShortenedKey);
    // A jump over partner's call, a double, or too few calls: no shortening, key as given.
    situation.Candidate = BidCode(2, Hearts);
    situation.Calls = {Pass, BidCode(1, Hearts), BidCode(3, Clubs)};
    found = Find("1H-(3C)-2H", situation);
    EXPECT_FALSE(found.Found);
    EXPECT_EQ(found.Key, "1H-(3C)-2H");
    situation.Calls = {Pass, BidCode(1, Hearts), Double};
    EXPECT_FALSE(Find("1H-(X)-2H", situation).Found);
    situation.Calls = {BidCode(1, Hearts), BidCode(2, Clubs)};
    EXPECT_FALSE(Find("1H-(2C)-2H", situation).Found);
    situation.Calls = {Pass, BidCode(1, Hearts), BidCode(2, Clubs)};
    situation.Candidate = Pass;
    EXPECT_FALSE(Find("1H-(2C)-P", situation).Found);
}

AddDefinitionRequest Request(std::string section, std::string sequence, std::string definition,
                             std::string date) {
    AddDefinitionRequest request;
    request.Section = std::move(section);
    request.Sequence = std::move(sequence);
    request.Definition = std::move(definition);
    request.Date = std::move(date);
    return request;
}

class DefinitionFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("corvane-defs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        ASSERT_EQ(platform::WriteFileAtomically((folder / "SequenceFile.txt").string(),
                                                "[STD]\r\n1H=P12-21 H5+\r\n"),
                  "");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string Read(std::string_view name) {
        std::string text;
        std::string error;
        platform::ReadWholeFile((folder / std::string(name)).string(), text, error);
        return text;
    }
    std::filesystem::path folder;
};

TEST_F(DefinitionFilesTest, MyStyleIsCreatedEmptyAndTheOrderFileIsOptional) {
    DefinitionFiles files(folder.string(), (folder / "CnvtOrder.txt").string());
    EXPECT_TRUE(files.Messages().empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "MyStyle.txt"));
    EXPECT_EQ(Read("MyStyle.txt"), "");
    EXPECT_EQ(files.SectionPriority("STD"), 0);
}

TEST_F(DefinitionFilesTest, AddStoresInMyStyleWithOneFreshStamp) {
    DefinitionFiles files(folder.string(), "");
    AddDefinitionRequest request = Request("std", "1h-2h", "p6-9,h3+ MDY01/01/2020", "12/09/2026");
    AddDefinitionResult result = AddDefinition(files, request);
    EXPECT_TRUE(result.Stored) << result.Message;
    EXPECT_EQ(result.Section, "STD");
    EXPECT_EQ(result.File, "MyStyle.txt");
    EXPECT_EQ(Read("MyStyle.txt"), "[STD]\n1H-2H=P6-9 H3+ MDY12/09/2026 \n\n");
    // Saving again replaces the entry and its stamp.
    request.Date = "12/10/2026";
    EXPECT_TRUE(AddDefinition(files, request).Stored);
    EXPECT_EQ(Read("MyStyle.txt"), "[STD]\n1H-2H=P6-9 H3+ MDY12/10/2026 \n\n");

    EXPECT_EQ(RemoveDefinition(files, "STD", "1H-2H"), "");
    EXPECT_EQ(Read("MyStyle.txt"), "");
    EXPECT_EQ(RemoveDefinition(files, "STD", "1H"), "");
    EXPECT_EQ(Read("SequenceFile.txt"), "");
}

TEST_F(DefinitionFilesTest, MaintainerModeWritesTheProgramFileOrAsks) {
    DefinitionFiles files(folder.string(), "");
    std::vector<std::string> asked;
    std::vector<bool> answers;
    AddDefinitionRequest request = Request("STD", "1S", "P12-21 S5+", "12/09/2026");
    request.MaintainerMode = true;
    request.Ask = [&](const std::string& question) {
        asked.push_back(question);
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    };
    EXPECT_TRUE(AddDefinition(files, request).Stored);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Read("SequenceFile.txt"), "[STD]\n1H=P12-21 H5+\n1S=P12-21 S5+ \n\n");

    request.Section = "NEWONE";
    answers = {false};
    AddDefinitionResult result = AddDefinition(files, request);
    EXPECT_FALSE(result.Stored);
    EXPECT_EQ(result.Message, "");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "\"[NEWONE]\" is a brand new [Cnvt] Section!\rDo you want to add this new [Cnvt]?");

    answers = {true, true};
    result = AddDefinition(files, request);
    EXPECT_EQ(asked.back(), "Add \"[NEWONE]\" to the MyStyle.File?");
    EXPECT_EQ(result.File, "MyStyle.txt");
    answers = {};  // now known in MyStyle: no question
    request.Sequence = "1D";
    EXPECT_EQ(AddDefinition(files, request).File, "MyStyle.txt");
    EXPECT_EQ(asked.size(), 3u);
}

TEST_F(DefinitionFilesTest, RefusesWhatCouldNotBeStoredWhole) {
    DefinitionFiles files(folder.string(), "");
    std::string many = "P1";
    for (int i = 0; i < MaxAlternatives; ++i) many += " OR P1";
    AddDefinitionResult result = AddDefinition(files, Request("STD", "1C", many, "d"));
    EXPECT_FALSE(result.Stored);
    EXPECT_EQ(result.Message, "A definition can have at most 49 alternatives; this one has 50.");
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "P12-14 ";
    result = AddDefinition(files, Request("STD", "1C", longText, "d"));
    EXPECT_FALSE(result.Stored);
    EXPECT_NE(result.Message.find("255"), std::string::npos);
    EXPECT_EQ(Read("MyStyle.txt"), "");
}

TEST(DefinitionDatabases, SwapSidesExchangesAndToggles) {
    DefinitionDatabases databases;
    databases.Side(1).Add({"1H", '0', "STD", "north-south"});
    databases.Side(1).Finish();
    databases.SwapSides();
    EXPECT_TRUE(databases.Swapped);
    EXPECT_EQ(databases.Side(1).Count(), 0);
    EXPECT_EQ(databases.Side(2).Find("1H")->Definition, "north-south");
    databases.SwapSides();
    EXPECT_FALSE(databases.Swapped);
}

TEST(AdditionalConventions, Separators) {
    EXPECT_EQ(AdditionalConventions("A B,C_D"), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_TRUE(AdditionalConventions("__").empty());
}

}  // namespace
}  // namespace corvane
