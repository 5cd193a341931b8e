// The names a hand file is written with: the tag names that number the value slots of a hand
// record, the keys of deal and result sections, and the section names of boards and results.
// The hand-file layer and every importer that produces hand-file text use these and no others.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvane {

// Tag names, indexed by slot number.
inline constexpr int PbnTagCount = 52;
inline constexpr std::array<std::string_view, PbnTagCount> PbnTags{
    "Event", "Site", "Date", "Board", "West", "North", "East", "South", "Dealer", "Vulnerable",
    "Deal", "Scoring", "BidNote", "PlayNote", "OptimumContract", "OptimumScore", "OptimumDeclarer",
    "OptimumResultTable", "OptimumPlayTable", "Declarer", "Contract", "Result", "BidSystemNS",
    "BidSystemEW", "Competition", "DealId", "Generator", "HomeTeam", "Mode", "Note", "Room",
    "Round", "Score", "ScoreIMP", "ScoreMP", "ScorePercentage", "ScoreTable", "Section", "Stage",
    "Table", "Time", "TotalScoreTable", "VisitTeam", "Annotator", "Auction", "Play",
    "ParBidTricks", "ParBidScore", "ParTricks", "CarryOver", "DocType", "End"};

namespace tag {
inline constexpr int Event = 0, Site = 1, Date = 2, Board = 3, West = 4, North = 5, East = 6,
                     South = 7, Dealer = 8, Vulnerable = 9, Deal = 10, Scoring = 11,
                     BidNote = 12, PlayNote = 13, OptimumContract = 14, OptimumScore = 15,
                     OptimumDeclarer = 16, OptimumResultTable = 17, OptimumPlayTable = 18,
                     Declarer = 19, Contract = 20, Result = 21, BidSystemNS = 22,
                     BidSystemEW = 23, Competition = 24, DealId = 25, Generator = 26,
                     HomeTeam = 27, Mode = 28, Note = 29, Room = 30, Round = 31, Score = 32,
                     ScoreIMP = 33, ScoreMP = 34, ScorePercentage = 35, ScoreTable = 36,
                     Section = 37, Stage = 38, Table = 39, Time = 40, TotalScoreTable = 41,
                     VisitTeam = 42, Annotator = 43, Auction = 44, Play = 45, ParBidTricks = 46,
                     ParBidScore = 47, ParTricks = 48, CarryOver = 49, DocType = 50, End = 51;
}  // namespace tag

// The player slots in seat order North, East, South, West.
inline constexpr std::array<int, 4> PlayerTags{tag::North, tag::East, tag::South, tag::West};

// Values that belong to one played result; every other slot belongs to the board.
inline constexpr std::array<int, 20> ResultLevelTags{
    tag::West,     tag::North,       tag::East,        tag::South,    tag::Declarer,
    tag::Contract, tag::Result,      tag::BidSystemNS, tag::BidSystemEW, tag::Note,
    tag::Room,     tag::Score,       tag::ScoreIMP,    tag::ScoreMP,  tag::Table,
    tag::Auction,  tag::Play,        tag::ParBidTricks, tag::ParBidScore, tag::ParTricks};

constexpr bool IsResultLevelTag(int index) {
    for (int t : ResultLevelTags)
        if (t == index) return true;
    return false;
}

// Slots 0..21 that stay empty when a board is loaded read as "?".
inline constexpr int LastQueriedTag = tag::Result;

// Keys the program writes in a deal section, in order, beside the tag names above. The par
// contract and optimum score are written under these names and read back under them as well
// as under "OptimumContract" and "OptimumScore".
namespace key {
inline constexpr std::string_view ParContract = "ParContract";
inline constexpr std::string_view OptimumResult = "OptimumResult";
inline constexpr std::string_view Room = "Room";
}  // namespace key

inline constexpr std::array<std::string_view, 16> DealSectionKeys{
    "Event",  "Site",       "Competition", "Date",  "Board",   "HomeTeam",
    "VisitTeam", "Round",   "Dealer",      "Vulnerable", "Generator", "Deal",
    "Scoring", key::ParContract, key::OptimumResult, "OptimumResultTable"};

// Texts of the ScoringMode values in the Scoring key.
inline constexpr std::array<std::string_view, 3> ScoringTexts{"IMP", "MP", "Rubber"};
inline constexpr std::string_view MatchCompetition = "Match";

// Result-section suffixes the program itself uses.
inline constexpr std::string_view ClosedRoomSuffix = "Closed Room";

// The deal section of a board: its number, with a leading "_" for one digit ("_1", "10").
std::string DealSectionName(int board);
// The result section of a board for a player, table or room suffix ("_5.Closed Room").
std::string ResultSectionName(int board, std::string_view suffix);
// The number before the first "." after a leading "_" is removed; -1 when not a number.
int SectionNumber(std::string_view section);
// The text after the "." when the "." is the third character or later; else empty.
std::string_view SectionSuffix(std::string_view section);
// Whether the section holds a result (its name has a ".").
bool IsResultSection(std::string_view section);

}  // namespace corvane
