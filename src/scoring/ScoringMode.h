#pragma once

#include <cstdint>

namespace corvane {

// 0 teams (IMPs), 1 duplicate (matchpoints), 2 rubber (total points inside a team match).
using ScoringMode = std::uint8_t;
inline constexpr ScoringMode ImpScoring = 0;
inline constexpr ScoringMode MatchpointScoring = 1;
inline constexpr ScoringMode RubberScoring = 2;

// The score of a result that has not been played.
inline constexpr int NotPlayedScore = -999;

}  // namespace corvane
