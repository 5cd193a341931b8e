// The solver library as the table calls it: the computer's card play, double-dummy search and
// the double-dummy table. The table owns one and reports every card to it.
#pragma once

#include "cards/Cards.h"

#include <array>
#include <cstdint>

namespace corvane {

inline constexpr int PlayBlockSize = 150;
using PlayBlock = std::array<std::int32_t, PlayBlockSize>;

// Result layouts, as the library writes them.
using SolveResult = std::array<std::int32_t, 54>;   // nodes, count, 13 suits, ranks, equals, scores
using GetSDResult = std::array<std::int32_t, 225>;  // suit, rank, one value, 13 (suit, rank) ...
using DDTableResult = std::array<std::int32_t, 20>; // strain-major, seat-minor

inline constexpr int SolveOk = 1;
inline constexpr int SolveSuitAt = 2;
inline constexpr int SolveRankAt = 15;
inline constexpr int SolveScoreAt = 41;

// A position for the double-dummy search: the trick in progress and what every seat still holds.
struct SolvePosition {
    int Trump = NoTrump;
    TSeat Leader = North;
    std::array<int, 3> TrickSuits{};  // cards already in the trick, 0 where absent
    std::array<int, 3> TrickRanks{};
    DealHoldings Holdings{};
};

class SolverLibrary {
public:
    virtual ~SolverLibrary() = default;
    virtual std::int32_t Initialize(const PlayBlock& block) = 0;
    virtual std::int32_t PlayCard(int suit, int rank) = 0;
    virtual std::int32_t TakeBackCard() = 0;
    // Whether the library offers its own card play (GetSD); without it every card after the
    // opening lead comes from the double-dummy search.
    virtual bool HasSingleDummyPlay() const = 0;
    virtual std::int32_t GetSD(const std::array<CardCode, 13>& dealtCards, GetSDResult& result) = 0;
    virtual std::int32_t SolveBoard(const SolvePosition& position, SolveResult& result) = 0;
    virtual std::int32_t CalcDDtable(const DealHoldings& deal, DDTableResult& result) = 0;
};

}  // namespace corvane
