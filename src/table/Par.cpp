#include "table/Par.h"

#include "scoring/ContractScore.h"

#include <algorithm>

namespace corvane {

namespace {

// Strains in the order the par search visits them: no trump first.
constexpr std::array<int, 5> StrainOrder{NoTrump, Clubs, Diamonds, Hearts, Spades};

struct SideBest {
    int Contract = Pass;
    int Score = 0;  // for the side itself
    TSeat Declarer = North;
};

struct SideMax {
    int Tricks = 0;
    int Strain = Clubs;
    int Contract = Pass;  // Pass when the side makes nothing
    TSeat Declarer = North;
};

// 0 North-South, 1 East-West.
int SideIndex(int seat) { return seat & 1; }
// A side's own score from North-South's.
int ForSide(int side, int northSouthScore) { return side == 0 ? northSouthScore : -northSouthScore; }

// The lowest contract in the strain of `contract` that outranks `over`.
int LowestAbove(int contract, int over) {
    int k = contract;
    while (k - 5 > over) k -= 5;
    while (k <= over) k += 5;
    return k;
}

struct ParSearch {
    const DDResultTable& Table;
    Vulnerability Vul;
    ScoringMode Mode;
    std::array<SideBest, 2> Best{};
    std::array<SideMax, 2> Max{};

    bool Vulnerable(int side) const { return DeclarerVulnerable(Vul, side + 1); }

    int Score(int contract, int doubling, TSeat declarer, int tricks) const {
        return ContractScore(static_cast<CallCode>(contract), doubling, declarer, tricks,
                             Vulnerable(SideIndex(declarer)), Mode);
    }

    void CollectBest() {
        Best[1].Declarer = East;
        Max[1].Declarer = East;
        for (int seat = 0; seat < 4; ++seat) {
            const int side = SideIndex(seat);
            for (const int strain : StrainOrder) {
                const int t = DDTricks(Table, seat, strain);
                const int contract = BidCode(std::max(t, 7) - 6, strain);
                SideMax& max = Max[side];
                if (t > max.Tricks || (t == max.Tricks && strain > max.Strain)) {
                    max = SideMax{t, strain, t >= 7 ? contract : Pass, static_cast<TSeat>(seat)};
                }
                const int score = ForSide(side, Score(contract, 0, static_cast<TSeat>(seat), t));
                SideBest& best = Best[side];
                if (score > best.Score || (score == best.Score && contract > best.Contract)) {
                    best = SideBest{contract, score, static_cast<TSeat>(seat)};
                }
            }
        }
    }

    // A side outbid by the other's best contract that can make a higher one bids it.
    void Outbid() {
        for (const int side : {0, 1}) {
            const int other = 1 - side;
            if (Best[other].Contract > Best[side].Contract && Max[side].Contract > Best[other].Contract) {
                const SideMax& max = Max[side];
                Best[side] = SideBest{max.Contract, ForSide(side, Score(max.Contract, 0, max.Declarer, max.Tricks)),
                                      max.Declarer};
                return;
            }
        }
    }

    // Whether a score (North-South's view) is better for `side` than another.
    static bool BetterFor(int side, int score, int than) { return side == 0 ? score > than : score < than; }

    // The other side's doubled sacrifice over the par contract, when it costs less than the par
    // score. Returns whether it was taken.
    bool Sacrifice(ParResult& par, int parSide) {
        const int other = 1 - parSide;
        const SideMax& max = Max[other];
        if (max.Contract == Pass) return false;
        const int k = LowestAbove(max.Contract, par.Contract);
        if (k > LastBid) return false;
        const int score = Score(k, 1, max.Declarer, max.Tricks);
        if (!BetterFor(other, score, par.Score)) return false;
        par = ParResult{k + ParResult::DoubledOffset, max.Declarer, max.Tricks, score, 0};
        return true;
    }

    ParResult Run() {
        CollectBest();
        Outbid();
        const int parSide = Best[0].Contract > Best[1].Contract ? 0 : 1;
        const SideBest& best = Best[parSide];
        ParResult par;
        par.Contract = best.Contract;
        par.Declarer = best.Declarer;
        par.Tricks = IsBid(best.Contract) ? DDTricks(Table, best.Declarer, StrainOf(best.Contract)) : 0;
        par.Score = ForSide(parSide, best.Score);
        if (IsBid(par.Contract) && Sacrifice(par, parSide)) {
            // The par side may then bid on to its highest makeable contract, and be sacrificed
            // against once more.
            const SideMax& max = Max[parSide];
            const int sacrifice = par.Bid();
            if (max.Contract != Pass && max.Contract > sacrifice) {
                const int score = Score(max.Contract, 0, max.Declarer, max.Tricks);
                if (BetterFor(parSide, score, par.Score)) {
                    par = ParResult{max.Contract, max.Declarer, max.Tricks, score, 0};
                    Sacrifice(par, parSide);
                }
            }
        }
        par.Over = IsBid(FoldCall(par.Contract)) ? par.Tricks - (LevelOf(par.Contract) + 6) : 0;
        return par;
    }
};

}  // namespace

DDResultTable DDResultFromSolver(const std::array<std::int32_t, 20>& strainMajor) {
    DDResultTable table{};
    for (int strain = 0; strain < 5; ++strain) {
        for (int seat = 0; seat < 4; ++seat) table[seat * 5 + strain] = strainMajor[strain * 4 + seat];
    }
    return table;
}

ParResult CalculatePar(const DDResultTable& table, Vulnerability vulnerability, ScoringMode mode) {
    ParSearch search{table, vulnerability, mode};
    return search.Run();
}

std::string ParText(const DDResultTable& table, const ParResult& par, bool fullSeatNames) {
    const int contract = FoldCall(par.Contract);
    if (!IsBid(contract)) return "Pass";
    const int strain = StrainOf(contract);
    std::string text;
    text += static_cast<char>('0' + LevelOf(contract));
    text += '~';
    text += StrainLetters[strain];
    if (par.Over < 0) text += 'X';
    text += ' ';
    const TSeat declarer = par.Declarer;
    if (DDTricks(table, Partner(declarer), strain) == DDTricks(table, declarer, strain)) {
        text += SideIndex(declarer) == 0 ? "N/S" : "E/W";
    } else if (fullSeatNames) {
        text += SeatNames[declarer];
    } else {
        text += SeatLetters[declarer];
    }
    if (par.Over > 0) text += " +" + std::to_string(par.Over);
    if (par.Over < 0) text += " " + std::to_string(par.Over);
    return text;
}

}  // namespace corvane
