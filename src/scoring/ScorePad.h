// The rubber score pad: eight counters for each side, kept in the player file so that a rubber
// survives a restart.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvane {

enum class PadCounter {
    GamesWon,  // games won in the current rubber: 0, 1 or 2
    Carry,     // net points carried over from the previous rubber (its winner only)
    CurrOver,  // above the line from the most recent hand
    OverLine,  // above the line from the earlier hands of this rubber
    Game1,     // below the line, per game of the rubber
    Game2,
    Game3,
    Total,  // Carry to Game3 added up; refreshed whenever the pad is shown or a rubber ends
};
inline constexpr int PadCounterCount = 8;
inline constexpr std::array<std::string_view, PadCounterCount> PadCounterNames{
    "GamesWon", "Carry", "CurrOver", "OverLine", "Game1", "Game2", "Game3", "Total"};
// Sides are numbered as Side() numbers them: 1 North-South, 2 East-West.
inline constexpr std::array<std::string_view, 2> PadSidePrefixes{"N-S", "E-W"};
inline constexpr std::string_view ScorePadSection = "ScorePad";

struct ScorePad {
    std::array<std::array<int, PadCounterCount>, 2> Counters{};

    int& At(int side, PadCounter counter) {
        return Counters[static_cast<size_t>(side - 1)][static_cast<size_t>(counter)];
    }
    int At(int side, PadCounter counter) const {
        return Counters[static_cast<size_t>(side - 1)][static_cast<size_t>(counter)];
    }
    // The below-the-line counter of game 1, 2 or 3.
    int& Game(int side, int game) {
        return At(side, static_cast<PadCounter>(static_cast<int>(PadCounter::Game1) + game - 1));
    }
    // Recomputes both sides' Total.
    void RefreshTotals();
    // A side has two games: the rubber ends before the next deal.
    bool RubberFinished() const;
    // The game being played, 1..3, from the games won so far.
    int CurrentGame() const;
    bool operator==(const ScorePad&) const = default;
};

// The player-file key of a counter: "N-SGamesWon" ... "E-WTotal".
std::string ScorePadKey(int side, PadCounter counter);

}  // namespace corvane
