// A solver library for table tests: plays the lowest card that follows suit (or the lowest card
// of the lowest suit), records every call, and fails on request.
#pragma once

#include "table/SolverLibrary.h"

#include <optional>
#include <vector>

namespace corvane::testing {

class FakeSolverLibrary : public SolverLibrary {
public:
    int Initialized = 0;
    std::vector<CardCode> Played;  // the library's own copy of the play
    int TakeBacks = 0;
    int Solves = 0;
    int GetSDCalls = 0;
    std::int32_t InitializeResult = 0;
    std::int32_t PlayCardResult = 0;
    std::int32_t TakeBackResult = 0;
    std::int32_t GetSDResultCode = 0;
    std::int32_t SolveBoardResult = SolveOk;
    bool SingleDummy = false;
    CardCode ForcedCard = NoCard;  // returned by SolveBoard instead of its own choice
    DealHoldings LastDDDeal{};
    std::int32_t DDTableResultCode = SolveOk;
    std::optional<DDTableResult> DDTable;  // strain-major, as the library answers

    std::int32_t Initialize(const PlayBlock&) override {
        ++Initialized;
        Played.clear();
        return InitializeResult;
    }
    std::int32_t PlayCard(int suit, int rank) override {
        Played.push_back(MakeCard(suit, rank));
        return PlayCardResult;
    }
    std::int32_t TakeBackCard() override {
        ++TakeBacks;
        if (!Played.empty()) Played.pop_back();
        return TakeBackResult;
    }
    bool HasSingleDummyPlay() const override { return SingleDummy; }
    std::int32_t GetSD(const std::array<CardCode, 13>&, GetSDResult& result) override {
        ++GetSDCalls;
        result = {};
        result[0] = SuitOf(NextCard);
        result[1] = RankOf(NextCard);
        return GetSDResultCode;
    }
    std::int32_t SolveBoard(const SolvePosition& p, SolveResult& result) override {
        ++Solves;
        result = {};
        if (SolveBoardResult != SolveOk) return SolveBoardResult;
        int inTrick = 0;
        while (inTrick < 3 && p.TrickRanks[static_cast<size_t>(inTrick)] != 0) ++inTrick;
        const auto seat = static_cast<size_t>((p.Leader + inTrick) % 4);
        CardCode card = ForcedCard;
        if (!IsCard(card)) {
            const auto led = static_cast<size_t>(p.TrickSuits[0]);
            if (inTrick > 0 && p.Holdings[seat][led] != 0) {
                card = LowestCard(p.Holdings[seat][led], static_cast<int>(led));
            } else {
                for (int s = Clubs; s <= Spades && !IsCard(card); ++s) {
                    card = LowestCard(p.Holdings[seat][static_cast<size_t>(s)], s);
                }
            }
        }
        result[1] = 1;
        result[SolveSuitAt] = SuitOf(card);
        result[SolveRankAt] = RankOf(card);
        return SolveOk;
    }
    std::int32_t CalcDDtable(const DealHoldings& deal, DDTableResult& result) override {
        LastDDDeal = deal;
        for (int i = 0; i < 20; ++i) result[static_cast<size_t>(i)] = i % 14;
        if (DDTable) result = *DDTable;
        return DDTableResultCode;
    }

    CardCode NextCard = NoCard;  // the card GetSD answers
};

}  // namespace corvane::testing
