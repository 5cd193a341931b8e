#include "table/SdsSolverLibrary.h"

#include "table/solver/sds.h"

#include <algorithm>
#include <tuple>

namespace corvane {

static_assert(std::tuple_size_v<SolveResult> == SDS_SOLVE_RESULT_SIZE);
static_assert(std::tuple_size_v<DDTableResult> == SDS_TABLE_RESULT_SIZE);
static_assert(std::tuple_size_v<GetSDResult> == SDS_GETSD_RESULT_SIZE);
static_assert(PlayBlockSize == SDS_BLOCK_SIZE);

namespace {

// The table asks for every card of the best score, single-threaded, from the interface thread.
constexpr std::int32_t TargetMostTricks = -1;
constexpr std::int32_t AllBestCards = 2;
constexpr std::int32_t ReuseTables = 1;
constexpr std::int32_t TableThread = 0;

std::int32_t H(const DealHoldings& d, int seat, int suit) {
    return static_cast<std::int32_t>(d[static_cast<size_t>(seat)][static_cast<size_t>(suit)]);
}

}  // namespace

std::int32_t SdsSolverLibrary::Initialize(const PlayBlock& block) {
    SdsBlock values{};
    std::copy(block.begin(), block.end(), values.value);
    return ::Initialize(values);
}

std::int32_t SdsSolverLibrary::PlayCard(int suit, int rank) { return ::PlayCard(suit, rank); }

std::int32_t SdsSolverLibrary::TakeBackCard() { return ::TakeBackCard(); }

std::int32_t SdsSolverLibrary::GetSD(const std::array<CardCode, 13>& c, GetSDResult& result) {
    const auto s = [&](std::size_t i) { return SuitOf(c[i]); };
    const auto r = [&](std::size_t i) { return RankOf(c[i]); };
    return ::GetSD(s(0), r(0), s(1), r(1), s(2), r(2), s(3), r(3), s(4), r(4), s(5), r(5), s(6),
                   r(6), s(7), r(7), s(8), r(8), s(9), r(9), s(10), r(10), s(11), r(11), s(12),
                   r(12), result.data());
}

std::int32_t SdsSolverLibrary::SolveBoard(const SolvePosition& p, SolveResult& result) {
    const DealHoldings& d = p.Holdings;
    return ::SolveBoard(p.Trump, p.Leader, p.TrickSuits[0], p.TrickSuits[1], p.TrickSuits[2],
                        p.TrickRanks[0], p.TrickRanks[1], p.TrickRanks[2], H(d, 0, 0), H(d, 0, 1),
                        H(d, 0, 2), H(d, 0, 3), H(d, 1, 0), H(d, 1, 1), H(d, 1, 2), H(d, 1, 3),
                        H(d, 2, 0), H(d, 2, 1), H(d, 2, 2), H(d, 2, 3), H(d, 3, 0), H(d, 3, 1),
                        H(d, 3, 2), H(d, 3, 3), TargetMostTricks, AllBestCards, ReuseTables,
                        result.data(), TableThread);
}

std::int32_t SdsSolverLibrary::CalcDDtable(const DealHoldings& d, DDTableResult& result) {
    return ::CalcDDtable(H(d, 0, 0), H(d, 0, 1), H(d, 0, 2), H(d, 0, 3), H(d, 1, 0), H(d, 1, 1),
                         H(d, 1, 2), H(d, 1, 3), H(d, 2, 0), H(d, 2, 1), H(d, 2, 2), H(d, 2, 3),
                         H(d, 3, 0), H(d, 3, 1), H(d, 3, 2), H(d, 3, 3), result.data());
}

}  // namespace corvane
