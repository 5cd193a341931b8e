// A hand file: a collection of boards, each a deal section followed by one result section per
// result recorded on it. One board and at most one of its results are loaded at a time into
// the record below; deals and results are written back through the INI store.
#pragma once

#include "bidding/Call.h"
#include "files/BigIniFile.h"
#include "files/HandFileKeys.h"
#include "scoring/ScoringMode.h"

#include <array>
#include <string>
#include <vector>

namespace corvane {

// Loaded values are cut to this length.
inline constexpr std::size_t MaxSlotValue = 250;

// The par of a board, as stored with it.
struct OptimumData {
    CallCode Contract = Pass;
    TSeat Declarer = North;
    int Tricks = 0;
    int Score = 0;
    std::array<std::array<int, StrainCount>, SeatCount> Table{};  // tricks by seat and strain
};

// One board and one of its results, as loaded.
struct HandRecord {
    std::array<std::string, PbnTagCount> Values;           // one slot per tag
    std::array<std::string, PbnTagCount> SavedDealValues;  // copy taken after each load
    std::string SectionName;
    std::string ResultSuffix;

    TSeat Dealer = South;
    Vulnerability Vul = VulNone;
    DealHoldings Holdings{};
    OptimumData Optimum;
    ScoringMode Scoring = ImpScoring;  // read from the board only in a team match

    CallCode Contract = Pass;
    int Doubling = 0;
    TSeat Declarer = South;
    int Tricks = 0;
    int Score = NotPlayedScore;  // North-South's view
    double ScoreIMP = 0;
    double ScoreMP = 0;
    std::vector<std::string> Calls;  // "1H", "X", "1N(1)"
    std::vector<std::string> Notes;  // "(1)=text"
    std::vector<std::string> Play;   // 52 entries "SA", "D9>", ".."
    std::array<std::string, SeatCount> Players;  // by seat
};

// What the table knows when it writes a deal.
struct DealWriting {
    bool TeamMatch = false;
    ScoringMode Mode = ImpScoring;
    std::string Today;  // "yyyy.mm.dd"
};

// One trick as played: the card of each seat (NoCard when not played) and who won it.
struct PlayedTrick {
    std::array<CardCode, SeatCount> Cards{};
    TSeat Winner = NoSeat;
};

// A finished hand, as the table hands it over for recording.
struct HandOutcome {
    std::string Player;  // the result section's suffix
    std::string BidSystemNS = "?";
    std::string BidSystemEW = "?";
    std::vector<std::string> Calls;         // plain call texts, "(n)" after an explained call
    std::vector<std::string> Explanations;  // "(n)=text"
    CallCode Contract = Pass;
    int Doubling = 0;
    TSeat Declarer = South;
    int Tricks = 0;
    std::vector<PlayedTrick> Play;
    int Score = 0;  // North-South's view
};

// Played-before status of a board for a player.
enum BoardState : int { NotStarted = 0, Started = 1, Played = 2 };

class TBridgeINI : public TBiggerINIFile {
public:
    // Opens the file by its extension: ".ini" and ".txt" are read as they are; ".pbn", ".lin"
    // and ".cbf" are converted, the ".ini" made from them earlier going to the trash; anything
    // else is read as INI text after a message. The hand file is always saved as the opened name
    // with the extension ".ini".
    explicit TBridgeINI(const std::string& path);

    // Messages to show after opening, one box each.
    const std::vector<std::string>& OpenMessages() const { return openMessages_; }
    // The upper-case extension of the file opened ("INI", "PBN" ...).
    const std::string& FileType() const { return fileType_; }

    HandRecord Record;
    std::vector<std::string> ErrorList;  // "message : value"
    int HandNumber = 0;
    bool TeamMatch = false;  // validates each board's Scoring

    // -1 when board n has no deal section (or one with at most one line), else the number of
    // errors found.
    int LoadBoard(int n);
    // -1 when the section does not exist, else the number of errors found.
    int LoadResult(std::string_view section);

    // Result sections of a board, in order.
    std::vector<std::string> ResultSections(int board) const;
    int ResultCount() const { return static_cast<int>(ResultSections(HandNumber).size()); }
    int ResultsWithAuction() const;
    // The numbers of the deal sections, in section order.
    std::vector<int> Boards() const;
    int BoardCount() const;
    int FirstBoard() const;
    int LastBoard() const;
    int MaxResults() const;

    BoardState BoardStatus(int board, std::string_view player) const;
    // Whether the name is one of the four players of a played result of the board.
    bool PlayedBoard(int board, std::string_view name) const;
    // First board, in section order, that the player has not finished; else the last board.
    int FirstUnfinishedBoard(std::string_view player) const;
    // Last board the player has played; 0 when none.
    int LastPlayedBoard(std::string_view player) const;
    // One past the last board the player has started or played; 1 when none.
    int NextBoard(std::string_view player) const;
    // The board whose Board value is the display number ("_5", "5.x" and "05" read as 5).
    int FindBoard(std::string_view displayNumber) const;
    // Every player name in the results, each once, in order of appearance.
    std::vector<std::string> PlayerNames() const;

    void DeleteBoard(int n);
    // Writes the record's deal into the section of HandNumber.
    void WriteDeal(const DealWriting& writing);
    // The result a player gets when starting a board he has no result for.
    void WriteDefaultResult(std::string_view player);
    // Stores a finished hand (nothing when the player has already played the board), compares
    // the board's results, loads the player's result back and saves. Returns the save error.
    std::string RecordResult(const HandOutcome& outcome);
    // Stores each result's ScoreIMP and ScoreMP for the board.
    void CompareResults(int board);
    // Writes the file when modified; returns the error, empty on success.
    std::string Save() { return UpdateFile(); }

private:
    void Open(const std::string& path);
    void ClearResultSlots();
    void ReadSlots(int sectionIndex, bool resultLevelOnly);
    void ReadOptimum(int sectionIndex);
    void AddError(std::string_view message, std::string_view value);
    int DealSectionIndex(int board) const;

    std::vector<std::string> openMessages_;
    std::string fileType_;
};

}  // namespace corvane
