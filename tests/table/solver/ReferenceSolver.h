// A plain minimax over every legal card (alpha-beta, nothing else: no table, no card groups,
// no bounds) to check the real search against on small endings.
#pragma once

#include "table/solver/Search.h"

#include <algorithm>
#include <bit>
#include <random>

namespace corvane::sds::testing {

class ReferenceSolver {
public:
    explicit ReferenceSolver(const Position& p) : p_(p) {
        for (int i = 0; i < p.TrickCount; ++i) {
            suit_[i] = p.TrickSuit[i];
            rank_[i] = p.TrickRank[i];
        }
    }
    // Tricks the side to play takes from the position.
    int Solve() { return ForSideToPlay(NorthSouth(p_.Leader, p_.TrickCount, -1, 14)); }
    // Tricks the side to play takes after playing (suit, rank).
    int SolveAfter(int suit, int rank) {
        const int seat = (p_.Leader + p_.TrickCount) & 3;
        p_.Hand[seat][suit] &= ~(Ranks{1} << rank);
        suit_[p_.TrickCount] = suit;
        rank_[p_.TrickCount] = rank;
        const int northSouth = After(p_.Leader, p_.TrickCount + 1, -1, 14);
        p_.Hand[seat][suit] |= Ranks{1} << rank;
        return ForSideToPlay(northSouth);
    }

private:
    int ForSideToPlay(int northSouth) const {
        const int seat = (p_.Leader + p_.TrickCount) & 3;
        int left = 0;
        for (const Ranks r : p_.Hand[seat]) left += std::popcount(r);
        return (seat & 1) == 0 ? northSouth : left - northSouth;
    }
    // North-South's tricks from here to the end, exact when inside (alpha, beta).
    int NorthSouth(int leader, int pos, int alpha, int beta) {
        const int seat = (leader + pos) & 3;
        std::array<Ranks, 4>& hand = p_.Hand[seat];
        if (pos == 0 && std::all_of(hand.begin(), hand.end(), [](Ranks r) { return r == 0; })) return 0;
        const bool follow = pos > 0 && hand[suit_[0]] != 0;
        const bool maximize = (seat & 1) == 0;
        int best = maximize ? -1 : 99;
        for (int suit = 0; suit < 4; ++suit) {
            if (follow && suit != suit_[0]) continue;
            for (int rank = 2; rank <= 14; ++rank) {
                if ((hand[suit] & (Ranks{1} << rank)) == 0) continue;
                hand[suit] &= ~(Ranks{1} << rank);
                suit_[pos] = suit;
                rank_[pos] = rank;
                const int v = After(leader, pos + 1, alpha, beta);
                hand[suit] |= Ranks{1} << rank;
                if (maximize) {
                    best = std::max(best, v);
                    alpha = std::max(alpha, v);
                } else {
                    best = std::min(best, v);
                    beta = std::min(beta, v);
                }
                if (alpha >= beta) return best;
            }
        }
        return best;
    }
    int After(int leader, int pos, int alpha, int beta) {
        if (pos < 4) return NorthSouth(leader, pos, alpha, beta);
        int w = 0;
        for (int i = 1; i < 4; ++i) {
            const bool beats = suit_[i] == suit_[w] ? rank_[i] > rank_[w] : suit_[i] == p_.Trump;
            if (beats) w = i;
        }
        const int winner = (leader + w) & 3;
        const int won = (winner & 1) == 0 ? 1 : 0;
        const std::array<int, 4> savedSuit = suit_;
        const std::array<int, 4> savedRank = rank_;
        const int later = NorthSouth(winner, 0, alpha - won, beta - won);
        suit_ = savedSuit;
        rank_ = savedRank;
        return won + later;
    }

    Position p_;
    std::array<int, 4> suit_{};
    std::array<int, 4> rank_{};
};

// A random ending: `cards` cards a hand, random trump and leader, then `onTable` cards played
// to the first trick by the rules of following suit.
inline Position RandomEnding(std::mt19937& random, int cards, int onTable) {
    std::array<int, 52> deck{};
    for (int i = 0; i < 52; ++i) deck[i] = i;
    std::shuffle(deck.begin(), deck.end(), random);
    Position p;
    for (int i = 0; i < 4 * cards; ++i) p.Hand[i % 4][deck[i] / 13] |= Ranks{1} << (deck[i] % 13 + 2);
    p.Trump = static_cast<int>(random() % 5);
    p.Leader = static_cast<int>(random() % 4);
    for (int i = 0; i < onTable; ++i) {
        std::array<Ranks, 4>& hand = p.Hand[(p.Leader + i) & 3];
        std::array<int, 13> choices{};
        int n = 0;
        for (int suit = 0; suit < 4; ++suit) {
            if (i > 0 && hand[p.TrickSuit[0]] != 0 && suit != p.TrickSuit[0]) continue;
            for (int rank = 2; rank <= 14; ++rank) {
                if (hand[suit] & (Ranks{1} << rank)) choices[n++] = suit * 16 + rank;
            }
        }
        const int pick = choices[random() % n];
        p.TrickSuit[i] = pick / 16;
        p.TrickRank[i] = pick % 16;
        hand[pick / 16] &= ~(Ranks{1} << (pick % 16));
        ++p.TrickCount;
    }
    return p;
}

}  // namespace corvane::sds::testing
