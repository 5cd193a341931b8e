#include "table/solver/DoubleDummy.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace corvane::sds {

namespace {
// Table memory per solver: 2^18 slots and 2^18 blocks of twelve entries, about 109 MB at most.
// Blocks are taken in order and their memory is touched only then, so a usual deal uses a few
// MB of them; the hardest deals need them all, and lose far more to thinning with half as many.
constexpr std::size_t SlotCountLog2 = 18;
constexpr std::size_t BlockCountLog2 = 18;

int HandLength(const std::array<Ranks, 4>& hand) {
    int n = 0;
    for (const Ranks r : hand) n += std::popcount(r);
    return n;
}

// Where the search for North-South's tricks starts: their share of the high cards, counted
// steeper than in proportion, and in a suit contract half their surplus of trumps. Fitted on the
// tables of a hundred deals, it misses by under a trick on average; a guess only saves work,
// every guess gives the same answers.
int NorthSouthGuess(const Holdings& holdings, int trump, int tricks) {
    int ns = 0;
    int all = 0;
    int trumpSurplus = 0;
    for (int seat = 0; seat < 4; ++seat) {
        const int side = (seat & 1) == 0 ? 1 : -1;
        for (const Ranks r : holdings[seat]) {
            const int points =
                std::popcount(r & (Ranks{1} << 14)) * 4 + std::popcount(r & (Ranks{1} << 13)) * 3 +
                std::popcount(r & (Ranks{1} << 12)) * 2 + std::popcount(r & (Ranks{1} << 11));
            all += points;
            if (side > 0) ns += points;
        }
        if (trump < 4) trumpSurplus += side * std::popcount(holdings[seat][trump]);
    }
    const double half = tricks / 2.0;
    const double share = all == 0 ? half : static_cast<double>(tricks) * ns / all;
    const double guess = trump == 4 ? half + 1.5 * (share - half) - 0.5
                                    : half + 1.25 * (share - half) + trumpSurplus / 2.0;
    return std::clamp(static_cast<int>(std::floor(guess + 0.5)), 0, tricks);
}
}  // namespace

int ValidatePosition(const Position& p) {
    if (p.Trump < 0 || p.Trump > 4 || p.Leader < 0 || p.Leader > 3 || p.TrickCount < 0 ||
        p.TrickCount > 3) {
        return SDS_BAD_DEAL;
    }
    for (int i = 0; i < p.TrickCount; ++i) {
        if (p.TrickSuit[i] < 0 || p.TrickSuit[i] > 3 || p.TrickRank[i] < 2 || p.TrickRank[i] > 14) {
            return SDS_BAD_DEAL;
        }
    }
    int total = p.TrickCount;
    for (const auto& hand : p.Hand) {
        for (const Ranks r : hand) {
            if ((r & ~AllRanks) != 0) return SDS_BAD_DEAL;
        }
        if (HandLength(hand) > 13) return SDS_TOO_MANY_CARDS;
        total += HandLength(hand);
    }
    if (total > 52) return SDS_TOO_MANY_CARDS;
    std::array<Ranks, 4> seen{};
    for (const auto& hand : p.Hand) {
        for (int suit = 0; suit < 4; ++suit) {
            if ((seen[suit] & hand[suit]) != 0) return SDS_DUPLICATED_CARDS;
            seen[suit] |= hand[suit];
        }
    }
    for (int i = 0; i < p.TrickCount; ++i) {
        const Ranks bit = Ranks{1} << p.TrickRank[i];
        if ((seen[p.TrickSuit[i]] & bit) != 0) return SDS_DUPLICATED_CARDS;
        seen[p.TrickSuit[i]] |= bit;
    }
    if (total == p.TrickCount) return SDS_NO_CARDS;
    // Seats that already played to the trick hold one card fewer than the others.
    const int toPlay = (p.Leader + p.TrickCount) & 3;
    const int length = HandLength(p.Hand[toPlay]);
    for (int seat = 0; seat < 4; ++seat) {
        const bool played = ((seat - p.Leader) & 3) < p.TrickCount;
        if (HandLength(p.Hand[seat]) + (played ? 1 : 0) != length) return SDS_BAD_DEAL;
    }
    return SDS_OK;
}

int ValidateRequest(int target, int solutions, int tricksLeft) {
    if (target < -1) return SDS_TARGET_BELOW_MINUS1;
    if (target == 0) return SDS_TARGET_ZERO;
    if (target > 13) return SDS_TARGET_ABOVE_13;
    if (target > tricksLeft) return SDS_TARGET_ABOVE_LEFT;
    if (solutions < 1) return SDS_SOLUTIONS_BELOW_1;
    if (solutions > 3) return SDS_SOLUTIONS_ABOVE_3;
    return SDS_OK;
}

DoubleDummySolver::DoubleDummySolver() : table_(SlotCountLog2, BlockCountLog2), searcher_(table_) {}

SolveResult DoubleDummySolver::Solve(const Position& position, int target, int solutions) {
    SolveResult result;
    result.Code = ValidatePosition(position);
    if (result.Code != SDS_OK) return result;
    searcher_.Reset(position);
    const int left = searcher_.TricksLeft();
    result.Code = ValidateRequest(target, solutions, left);
    if (result.Code != SDS_OK) return result;

    std::array<Ranks, 4> cards{};
    for (const auto& hand : position.Hand) {
        for (int suit = 0; suit < 4; ++suit) cards[suit] |= hand[suit];
    }
    for (int i = 0; i < position.TrickCount; ++i)
        cards[position.TrickSuit[i]] |= Ranks{1} << position.TrickRank[i];
    bool continues = position.Trump == lastTrump_;
    for (int suit = 0; suit < 4; ++suit)
        continues = continues && (cards[suit] & ~lastCards_[suit]) == 0;
    if (!continues) table_.Clear();
    lastTrump_ = position.Trump;
    lastCards_ = cards;
    searcher_.ClearHistory();
    const std::uint64_t nodesBefore = searcher_.Nodes();

    std::array<RootMove, 13> moves{};
    const int n = searcher_.RootMoves(moves);
    const int northSouth = NorthSouthGuess(position.Hand, position.Trump, left);
    const int guess =
        ((position.Leader + position.TrickCount) & 1) == 0 ? northSouth : left - northSouth;
    // The search that found the value, or confirmed the target, already settled some cards: the
    // one that reached it, and those tried before it that fell short.
    auto reaches = [&](const RootMove& move, int goal) {
        const RootProof& proof = searcher_.LastProof();
        if (proof.Reached(goal, move)) return true;
        if (proof.Failed(goal, move)) return false;
        return searcher_.Reaches(move, goal);
    };
    if (solutions == 3) {
        // No card scores more than the position's value, and a card that reaches it scores it
        // exactly: one test at most settles each of the best cards, and the others search
        // below it.
        const int best = searcher_.Solve(guess);
        for (int i = 0; i < n; ++i) {
            const bool reached = best == 0 || reaches(moves[i], best);
            const int score = reached ? best : searcher_.SolveBelow(moves[i], best - 1);
            if (target > 0 && score < target) continue;
            result.Cards[result.Count++] =
                CardScore{moves[i].Suit, moves[i].Rank, moves[i].Equals, score};
        }
    } else {
        const int goal = target == -1 ? searcher_.Solve(guess) : target;
        // With a target given, one search tells whether any card reaches it.
        const bool any = target == -1 || searcher_.AtLeast(goal);
        if (solutions == 1) {
            // A card the search proved comes first, so that it is usually the one answer.
            std::stable_partition(moves.begin(), moves.begin() + n, [&](const RootMove& m) {
                return searcher_.LastProof().Reached(goal, m);
            });
        }
        for (int i = 0; any && i < n; ++i) {
            if (!reaches(moves[i], goal)) continue;
            result.Cards[result.Count++] =
                CardScore{moves[i].Suit, moves[i].Rank, moves[i].Equals, goal};
            if (solutions == 1) break;
        }
    }
    if (result.Count == 0) {
        result.Cards[result.Count++] = CardScore{moves[0].Suit, moves[0].Rank, moves[0].Equals, 0};
    }
    // Best score first, then spades before clubs and high cards before low ones.
    std::stable_sort(result.Cards.begin(), result.Cards.begin() + result.Count,
                     [](const CardScore& a, const CardScore& b) {
                         if (a.Score != b.Score) return a.Score > b.Score;
                         if (a.Suit != b.Suit) return a.Suit > b.Suit;
                         return a.Rank > b.Rank;
                     });
    result.Nodes = searcher_.Nodes() - nodesBefore;
    return result;
}

StrainResult DoubleDummySolver::CalcStrain(const Holdings& holdings, int strain) {
    StrainResult result;
    Position position;
    position.Hand = holdings;
    position.Trump = strain;
    result.Code = ValidatePosition(position);
    if (result.Code != SDS_OK) return result;
    lastTrump_ = -1;  // the next Solve starts afresh
    table_.Clear();
    const std::uint64_t nodesBefore = searcher_.Nodes();
    const int tricks = HandLength(holdings[0]);
    // North-South's tricks with each seat on lead. Each search starts from the result of the seat
    // before it, or from that of its partner once known: with the same side on lead the count is
    // most often the same, while a change of side on lead can swing it far.
    std::array<int, 4> northSouth{};
    // What refuted positions with one side on lead at the first trick misleads the search with
    // the other side on lead; the leads that served when partner led first serve again.
    std::array<Searcher::LeadHistory, 2> learnt{};
    for (int leader = 0; leader < 4; ++leader) {
        position.Leader = leader;
        searcher_.ClearHistory(leader >= 2 ? learnt[leader - 2] : Searcher::LeadHistory{});
        searcher_.Reset(position);
        const int guess = leader == 0 ? NorthSouthGuess(holdings, strain, tricks)
                                      : northSouth[leader >= 2 ? leader - 2 : 0];
        const bool northSouthLeads = (leader & 1) == 0;
        const int won = searcher_.Solve(northSouthLeads ? guess : tricks - guess);
        result.Tricks[(leader + 3) & 3] = tricks - won;
        northSouth[leader] = northSouthLeads ? won : tricks - won;
        if (leader < 2) learnt[leader] = searcher_.LeadsLearnt();
    }
    result.Nodes = searcher_.Nodes() - nodesBefore;
    return result;
}

TableResult DoubleDummySolver::CalcTable(const Holdings& holdings) {
    TableResult result;
    for (int strain = 0; strain < Strains; ++strain) {
        const StrainResult part = CalcStrain(holdings, strain);
        result.Code = part.Code;
        if (result.Code != SDS_OK) return result;
        result.Tricks[strain] = part.Tricks;
        result.Nodes += part.Nodes;
    }
    return result;
}

}  // namespace corvane::sds
