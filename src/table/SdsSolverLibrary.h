// The table's solver library: our double-dummy search behind the library's C interface.
#pragma once

#include "table/SolverLibrary.h"

namespace corvane {

// The library's own card play (Initialize, PlayCard, TakeBackCard, GetSD) is not built yet:
// until it is, this placeholder accepts those calls without work and reports no single-dummy
// play, so every computer card comes from SolveBoard.
class SdsSolverLibrary final : public SolverLibrary {
public:
    std::int32_t Initialize(const PlayBlock&) override { return 0; }
    std::int32_t PlayCard(int, int) override { return 0; }
    std::int32_t TakeBackCard() override { return 0; }
    bool HasSingleDummyPlay() const override { return false; }
    std::int32_t GetSD(const std::array<CardCode, 13>&, GetSDResult&) override { return -1; }

    std::int32_t SolveBoard(const SolvePosition& position, SolveResult& result) override;
    std::int32_t CalcDDtable(const DealHoldings& deal, DDTableResult& result) override;
};

}  // namespace corvane
