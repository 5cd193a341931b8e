// The C entry points. Each SolveBoard thread index owns one solver, created on first use;
// CalcDDtable has a solver of its own; the card play and the bid simulation share the single-dummy
// player's workers.
#include "table/solver/DoubleDummy.h"
#include "table/solver/SimBid.h"
#include "table/solver/SingleDummy.h"
#include "table/solver/sds.h"

#include <climits>
#include <memory>
#include <mutex>
#include <new>

namespace {

using corvane::sds::DoubleDummySolver;

std::mutex& SolverMutex() {
    static std::mutex mutex;
    return mutex;
}

// nullptr when the memory cannot be had.
DoubleDummySolver* SolverFor(int index) {
    static std::unique_ptr<DoubleDummySolver> solvers[SDS_MAX_THREADS + 1];
    const std::lock_guard lock(SolverMutex());
    if (!solvers[index]) {
        try {
            solvers[index] = std::make_unique<DoubleDummySolver>();
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }
    return solvers[index].get();
}

// The table has no thread argument; its solver sits after the SolveBoard ones.
constexpr int TableSolverIndex = SDS_MAX_THREADS;
std::mutex& TableMutex() {
    static std::mutex mutex;
    return mutex;
}

int32_t NodesValue(std::uint64_t nodes) {
    return nodes > static_cast<std::uint64_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(nodes);
}

}  // namespace

extern "C" int32_t SolveBoard(int32_t trump, int32_t leader, int32_t trickSuit0, int32_t trickSuit1,
                              int32_t trickSuit2, int32_t trickRank0, int32_t trickRank1,
                              int32_t trickRank2, int32_t northClubs, int32_t northDiamonds,
                              int32_t northHearts, int32_t northSpades, int32_t eastClubs,
                              int32_t eastDiamonds, int32_t eastHearts, int32_t eastSpades,
                              int32_t southClubs, int32_t southDiamonds, int32_t southHearts,
                              int32_t southSpades, int32_t westClubs, int32_t westDiamonds,
                              int32_t westHearts, int32_t westSpades, int32_t target,
                              int32_t solutions, int32_t mode, int32_t* result, int32_t threadIndex) {
    (void)mode;  // answers do not depend on it
    if (result == nullptr || threadIndex < 0 || threadIndex >= SDS_MAX_THREADS) return SDS_BAD_DEAL;
    corvane::sds::Position p;
    p.Trump = trump;
    p.Leader = leader;
    const int32_t suits[3] = {trickSuit0, trickSuit1, trickSuit2};
    const int32_t ranks[3] = {trickRank0, trickRank1, trickRank2};
    // The cards on the table are the leading ranks that are set; a gap ends them.
    while (p.TrickCount < 3 && ranks[p.TrickCount] != 0) {
        p.TrickSuit[p.TrickCount] = suits[p.TrickCount];
        p.TrickRank[p.TrickCount] = ranks[p.TrickCount];
        ++p.TrickCount;
    }
    for (int i = p.TrickCount; i < 3; ++i) {
        if (ranks[i] != 0) return SDS_BAD_DEAL;
    }
    const int32_t holdings[16] = {northClubs, northDiamonds, northHearts, northSpades,
                                  eastClubs,  eastDiamonds,  eastHearts,  eastSpades,
                                  southClubs, southDiamonds, southHearts, southSpades,
                                  westClubs,  westDiamonds,  westHearts,  westSpades};
    for (int i = 0; i < 16; ++i) {
        if (holdings[i] < 0) return SDS_BAD_DEAL;
        p.Hand[i / 4][i % 4] = static_cast<corvane::sds::Ranks>(holdings[i]);
    }
    DoubleDummySolver* solver = SolverFor(threadIndex);
    if (solver == nullptr) return SDS_OUT_OF_MEMORY;
    const corvane::sds::SolveResult solved = solver->Solve(p, target, solutions);
    if (solved.Code != SDS_OK) return solved.Code;
    for (int i = 0; i < SDS_SOLVE_RESULT_SIZE; ++i) result[i] = 0;
    result[0] = NodesValue(solved.Nodes);
    result[1] = solved.Count;
    for (int i = 0; i < solved.Count; ++i) {
        result[2 + i] = solved.Cards[i].Suit;
        result[15 + i] = solved.Cards[i].Rank;
        result[28 + i] = static_cast<int32_t>(solved.Cards[i].Equals);
        result[41 + i] = solved.Cards[i].Score;
    }
    return SDS_OK;
}

extern "C" int32_t CalcDDtable(int32_t northClubs, int32_t northDiamonds, int32_t northHearts,
                               int32_t northSpades, int32_t eastClubs, int32_t eastDiamonds,
                               int32_t eastHearts, int32_t eastSpades, int32_t southClubs,
                               int32_t southDiamonds, int32_t southHearts, int32_t southSpades,
                               int32_t westClubs, int32_t westDiamonds, int32_t westHearts,
                               int32_t westSpades, int32_t* result) {
    if (result == nullptr) return SDS_BAD_DEAL;
    const int32_t holdings[16] = {northClubs, northDiamonds, northHearts, northSpades,
                                  eastClubs,  eastDiamonds,  eastHearts,  eastSpades,
                                  southClubs, southDiamonds, southHearts, southSpades,
                                  westClubs,  westDiamonds,  westHearts,  westSpades};
    corvane::sds::Holdings hands{};
    for (int i = 0; i < 16; ++i) {
        if (holdings[i] < 0) return SDS_BAD_DEAL;
        hands[i / 4][i % 4] = static_cast<corvane::sds::Ranks>(holdings[i]);
    }
    const std::lock_guard lock(TableMutex());
    DoubleDummySolver* solver = SolverFor(TableSolverIndex);
    if (solver == nullptr) return SDS_OUT_OF_MEMORY;
    const corvane::sds::TableResult table = solver->CalcTable(hands);
    if (table.Code != SDS_OK) return table.Code;
    for (int strain = 0; strain < corvane::sds::Strains; ++strain) {
        for (int seat = 0; seat < 4; ++seat) result[strain * 4 + seat] = table.Tricks[strain][seat];
    }
    return SDS_OK;
}

namespace {

using corvane::sds::SingleDummyPlayer;

// The library's copy of the hand in play, shared by every caller.
std::mutex& PlayMutex() {
    static std::mutex mutex;
    return mutex;
}

SingleDummyPlayer& Player() {
    static SingleDummyPlayer player;
    return player;
}

corvane::sds::Block BlockValues(const SdsBlock& block) {
    corvane::sds::Block values{};
    for (int i = 0; i < SDS_BLOCK_SIZE; ++i) values[static_cast<std::size_t>(i)] = block.value[i];
    return values;
}

}  // namespace

extern "C" int32_t Initialize(SdsBlock block) {
    const std::lock_guard lock(PlayMutex());
    return Player().Initialize(BlockValues(block));
}

extern "C" int32_t PlayCard(int32_t suit, int32_t rank) {
    const std::lock_guard lock(PlayMutex());
    return Player().PlayCard(suit, rank);
}

extern "C" int32_t TakeBackCard(void) {
    const std::lock_guard lock(PlayMutex());
    return Player().TakeBackCard();
}

extern "C" int32_t GetSD(int32_t suit0, int32_t rank0, int32_t suit1, int32_t rank1, int32_t suit2,
                         int32_t rank2, int32_t suit3, int32_t rank3, int32_t suit4, int32_t rank4,
                         int32_t suit5, int32_t rank5, int32_t suit6, int32_t rank6, int32_t suit7,
                         int32_t rank7, int32_t suit8, int32_t rank8, int32_t suit9, int32_t rank9,
                         int32_t suit10, int32_t rank10, int32_t suit11, int32_t rank11,
                         int32_t suit12, int32_t rank12, int32_t* result) {
    if (result == nullptr) return SDS_BAD_HAND;
    const std::array<corvane::sds::Card, 13> dealt{{{suit0, rank0},
                                                    {suit1, rank1},
                                                    {suit2, rank2},
                                                    {suit3, rank3},
                                                    {suit4, rank4},
                                                    {suit5, rank5},
                                                    {suit6, rank6},
                                                    {suit7, rank7},
                                                    {suit8, rank8},
                                                    {suit9, rank9},
                                                    {suit10, rank10},
                                                    {suit11, rank11},
                                                    {suit12, rank12}}};
    corvane::sds::GetSDResult values{};
    const std::lock_guard lock(PlayMutex());
    const int32_t code = Player().GetSD(dealt, values);
    for (int i = 0; i < SDS_GETSD_RESULT_SIZE; ++i) result[i] = values[static_cast<std::size_t>(i)];
    return code;
}

extern "C" int32_t SimBid(SdsBlock block, int32_t candidate, int32_t* result) {
    (void)candidate;  // the caller always passes 1; one candidate is simulated per call
    if (result == nullptr) return SDS_BAD_BLOCK;
    corvane::sds::SimBidResult counts{};
    const std::lock_guard lock(PlayMutex());
    const int32_t code = corvane::sds::SimulateBid(BlockValues(block), corvane::sds::SimBidSettings{},
                                                   Player().Pool(), counts);
    for (int i = 0; i < SDS_SIMBID_RESULT_SIZE; ++i) result[i] = counts[static_cast<std::size_t>(i)];
    return code;
}
