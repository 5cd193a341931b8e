// The table's solver library: our card play and double-dummy search behind the library's C
// interface, which keeps the one copy of the hand in play.
#pragma once

#include "table/SolverLibrary.h"

namespace corvane {

class SdsSolverLibrary final : public SolverLibrary {
public:
    std::int32_t Initialize(const PlayBlock& block) override;
    std::int32_t PlayCard(int suit, int rank) override;
    std::int32_t TakeBackCard() override;
    bool HasSingleDummyPlay() const override { return true; }
    std::int32_t GetSD(const std::array<CardCode, 13>& dealtCards, GetSDResult& result) override;

    std::int32_t SolveBoard(const SolvePosition& position, SolveResult& result) override;
    std::int32_t CalcDDtable(const DealHoldings& deal, DDTableResult& result) override;
};

}  // namespace corvane
