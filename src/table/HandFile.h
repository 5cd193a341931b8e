// The current hand file as the table uses it: boards loaded or dealt by number, the played-before
// status of each player, and the results stored under each player's name.
#pragma once

#include "bidding/Call.h"
#include "cards/Dealer.h"

#include <string>
#include <vector>

namespace corvane {

struct PbnCopy;  // files/DealFile.h

struct BoardRecord {
    DealHoldings Holdings{};
    TSeat Dealer = North;
    Vulnerability Vul = VulNone;
    std::string BoardText;
    std::string SeedText;
    std::string Comment;
    std::array<std::string, 4> PlayerNames;
};

struct HandResultRecord {
    std::string Player;
    CallCode Contract = Pass;
    int Doubled = 0;
    TSeat Declarer = NoSeat;
    int Tricks = 0;  // won by the declaring side
    int Score = 0;   // North-South's
    double ScoreIMP = 0;  // against the board's other results, North-South's; 0 when not compared
    double ScoreMP = 0;   // matchpoint fraction
    std::vector<std::string> Auction;
    std::vector<std::string> Play;  // "TS" per card, in play order
};

// What dealing a new board needs beyond its number.
struct DealContext {
    DealingState* Dealing = nullptr;
    DealRequest Request;
    std::array<std::string, 4> PlayerNames;
    std::string EventTitle;
};

// Deals board `number` as the context asks. False, with the messages to show, when the practice
// patterns cannot be met.
bool DealNewBoard(const DealContext& context, int number, DealtBoard& board,
                  std::vector<std::string>& messages);

inline constexpr int NotPlayedBefore = 0;
inline constexpr int StartedBefore = 1;
inline constexpr int FinishedBefore = 2;

class TableHandFile {
public:
    virtual ~TableHandFile() = default;
    virtual std::string FileName() const = 0;
    virtual int HandCount() const = 0;
    virtual int HighestHandNumber() const = 0;
    // Loads board `number`, or deals it into the file when the file does not hold it. False,
    // with the messages to show, when the board cannot be used.
    virtual bool GetHand(int number, const DealContext& context, BoardRecord& board,
                         std::vector<std::string>& messages) = 0;
    virtual int PlayedBefore(int number, const std::string& player) const = 0;
    virtual int ResultCount(int number) const = 0;
    // The highest board `player` has a result for, 0 when none.
    virtual int LastBoardWithResult(const std::string& player) const = 0;
    virtual void StartResult(int number, const std::string& player) = 0;
    virtual void StoreAuction(int number, const std::string& player,
                              const std::vector<std::string>& calls) = 0;
    // Stores a finished hand; nothing when the player has already finished this board.
    virtual void StoreResult(int number, const HandResultRecord& result) = 0;
    virtual std::vector<HandResultRecord> Results(int number) const = 0;
    // The boards the file holds, in file order.
    virtual std::vector<int> BoardNumbers() const = 0;
    // Removes a board with all its results.
    virtual void DeleteBoard(int number) = 0;
    // Writes the whole file, or only board `number`, as PBN beside the file.
    virtual PbnCopy CopyToPbn(int number, bool justThisDeal) const = 0;
    // Writes the file; false with a message the table shows when it could not.
    virtual bool Flush(std::string& error) = 0;
};

inline constexpr const char* NewHandsFileName = "New Hands.ini";

// The hand files the table switches between: the current one and the "New Hands.ini" file.
class HandFileShelf {
public:
    virtual ~HandFileShelf() = default;
    virtual TableHandFile* Current() = 0;
    virtual void OpenNewHands() = 0;
    // Moves "New Hands.ini" to the trash and opens a new empty one; false with a message when
    // the old file could not be moved.
    virtual bool RestartNewHands(std::string& error) = 0;
};

}  // namespace corvane
