// Scoring the hand that has just been played: the score the table records, the values its
// result text needs, and at rubber bridge the posting to the score pad.
#pragma once

#include "scoring/ContractScore.h"
#include "scoring/Honours.h"
#include "scoring/ScorePad.h"

#include <array>
#include <string>
#include <string_view>

namespace corvane {

// The last hand given to ScoreHand.
struct LastHand {
    bool JustEnded = false;  // scored since the last StartRubberHand
    CallCode Contract = Pass;
    int Doubling = 0;
    TSeat Declarer = NoSeat;
    ScoreBreakdown Score;
    int GamePosted = 0;  // the game (1..3) whose line got the trick score; 0 when none did
    Honours HonoursPosted;
};

// Why a hand must not reach the pad again: a hand shown again from the file was counted when it
// was played.
struct PadPosting {
    bool BoardAlreadyScored = false;     // the hand file holds this player's score for the board
    bool HandAlreadyHasTricks = false;   // the hand record in memory carries a trick result
};

// The rubber pad grid: 10 rows of 3 cells.
using RubberPadGrid = std::array<std::array<std::string, 3>, 10>;
inline constexpr int PadFirstGameRow = 6;  // rows 6, 7, 8 hold games 1, 2, 3

class ScoreKeeper {
public:
    ScorePad Pad;

    // Scores the hand as ContractScore does under the mode, remembers it for the result text and
    // under rubber scoring posts it to the pad with any honours in the dealt hands.
    int ScoreHand(CallCode contract, int doubling, TSeat declarer, int tricks, bool vulnerable,
                  ScoringMode mode, const DealHoldings& dealt, const PadPosting& posting = {});

    const LastHand& Last() const { return last_; }

    // "South made 4~S X + 1", "West down 2 in 3~N XX", "Hand was Passed Out"; at most 30
    // characters, over- and undertricks those of the last hand scored.
    std::string HandResultText(std::string_view declarerName, CallCode contract,
                               int doubling) const;

    // Before each rubber deal: moves the last hand's points above the line to the earlier ones,
    // or when a side has two games ends the rubber, carrying its net result into the next.
    void StartRubberHand();

    // Vulnerability of the next rubber deal: a side with a game is vulnerable.
    Vulnerability RubberVulnerability() const;

    void ZeroScorePad();

    // The pad as shown: the last hand's result text and honours, "WE" / "THEY", then per side
    // Carry, CurrOver, OverLine, the three games and Total (0 left empty). Refreshes Total.
    RubberPadGrid ShowScorePad(const std::array<std::string, 4>& playerNames);

    // The grid row of the game in progress, for the table to highlight.
    int GameInProgressRow() const;

private:
    void PostToPad(const DealHoldings& dealt);

    LastHand last_;
};

}  // namespace corvane
