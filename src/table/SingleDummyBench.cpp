#include "table/SingleDummyBench.h"

#include "cards/Dealer.h"
#include "scoring/ContractScore.h"
#include "table/PlayParameters.h"
#include "table/solver/DoubleDummy.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace corvane {

namespace {

using sds::Hands;

struct BestContract {
    int Strain = -1;
    int Level = 0;
    int Declarer = 0;
    int Tricks = 0;
};

int HandPoints(const std::array<sds::Ranks, 4>& hand) {
    int points = 0;
    for (const sds::Ranks r : hand) points += sds::SuitPoints(r);
    return points;
}

// The makeable contract with the highest score for the side with more high-card points.
BestContract ChooseContract(const Hands& deal, const sds::TrickTable& tricks, Vulnerability vul) {
    const int northSouth = HandPoints(deal[North]) + HandPoints(deal[South]);
    const int eastWest = HandPoints(deal[East]) + HandPoints(deal[West]);
    const int first = northSouth >= eastWest ? North : East;
    BestContract best;
    int bestScore = 0;
    for (int declarer : {first, first + 2}) {
        for (int strain = 0; strain < StrainCount; ++strain) {
            const int taken = tricks[static_cast<std::size_t>(strain)][static_cast<std::size_t>(declarer)];
            for (int level = 1; level <= 7 && level + 6 <= taken; ++level) {
                const auto bid = static_cast<CallCode>(3 + 5 * (level - 1) + strain);
                const int score = ContractScore(bid, 0, static_cast<TSeat>(declarer), taken,
                                                SeatVulnerable(vul, declarer)) *
                                  (Side(declarer) == 1 ? 1 : -1);
                // On equal scores the higher contract: the one the play must fight for.
                if (best.Strain < 0 || score > bestScore || (score == bestScore && level > best.Level)) {
                    best = {strain, level, declarer, taken};
                    bestScore = score;
                }
            }
        }
    }
    return best;
}

// Plays one deal out; `byLibrary[seat]` says which seats the library plays. The opening lead is
// always double dummy: the library plays from the second card, as at the table.
int PlayDeal(const Hands& deal, const BestContract& c, const PlayBlock& block,
             const std::array<bool, 4>& byLibrary, sds::SingleDummyPlayer& player,
             sds::DoubleDummySolver& solver, std::vector<double>& times,
             std::vector<double>& cpuTimes, std::string& error) {
    sds::Block values{};
    std::copy(block.begin(), block.end(), values.begin());
    if (const int rc = player.Initialize(values); rc != 0) {
        error = "Initialize error " + std::to_string(rc);
        return -1;
    }
    const int dummy = Partner(c.Declarer);
    Hands left = deal;
    sds::Position trick;
    trick.Trump = c.Strain;
    trick.Leader = NextSeat(c.Declarer);
    int declarerTricks = 0;
    for (int n = 0; n < 52; ++n) {
        const int seat = (trick.Leader + trick.TrickCount) & 3;
        sds::Card card;
        if (n == 0 || !byLibrary[static_cast<std::size_t>(seat)]) {
            sds::Position p = trick;
            p.Hand = left;
            const sds::SolveResult solved = solver.Solve(p, -1, 1);
            if (solved.Code != SDS_OK) {
                error = "SolveBoard error " + std::to_string(solved.Code);
                return -1;
            }
            card = {solved.Cards[0].Suit, solved.Cards[0].Rank};
        } else {
            const int viewpoint = seat == dummy ? c.Declarer : seat;
            std::array<sds::Card, 13> dealt{};
            std::size_t i = 0;
            for (int suit = 0; suit < 4; ++suit) {
                for (int rank = 2; rank <= 14; ++rank) {
                    if ((deal[static_cast<std::size_t>(viewpoint)][static_cast<std::size_t>(suit)] & sds::Bit(rank)) != 0) {
                        dealt[i++] = {suit, rank};
                    }
                }
            }
            sds::GetSDResult result{};
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t cpuStart = std::clock();
            const int rc = player.GetSD(dealt, result);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            // A card forced by the rules is no decision.
            if (result[sds::getsd::Samples] > 0) {
                times.push_back(ms);
                cpuTimes.push_back(cpuMs);
            }
            if (rc != 0) {
                error = "GetSD error " + std::to_string(rc);
                return -1;
            }
            card = {result[0], result[1]};
        }
        auto& holding = left[static_cast<std::size_t>(seat)][static_cast<std::size_t>(card.Suit)];
        const bool follows = trick.TrickCount == 0 || card.Suit == trick.TrickSuit[0] ||
                             left[static_cast<std::size_t>(seat)][static_cast<std::size_t>(trick.TrickSuit[0])] == 0;
        if ((holding & sds::Bit(card.Rank)) == 0 || !follows) {
            error = "an illegal card was chosen";
            return -1;
        }
        holding &= ~sds::Bit(card.Rank);
        if (const int rc = player.PlayCard(card.Suit, card.Rank); rc != 0) {
            error = "PlayCard error " + std::to_string(rc);
            return -1;
        }
        if (trick.TrickCount < 3) {
            trick.TrickSuit[static_cast<std::size_t>(trick.TrickCount)] = card.Suit;
            trick.TrickRank[static_cast<std::size_t>(trick.TrickCount)] = card.Rank;
            ++trick.TrickCount;
            continue;
        }
        // The fourth card: find the winner, who leads next.
        int winner = trick.Leader;
        sds::Card best{trick.TrickSuit[0], trick.TrickRank[0]};
        for (int k = 1; k < 4; ++k) {
            const sds::Card played = k < 3 ? sds::Card{trick.TrickSuit[static_cast<std::size_t>(k)],
                                                       trick.TrickRank[static_cast<std::size_t>(k)]}
                                           : card;
            const bool beats = played.Suit == best.Suit ? played.Rank > best.Rank : played.Suit == c.Strain;
            if (beats) {
                best = played;
                winner = (trick.Leader + k) & 3;
            }
        }
        if (!AreOpponents(winner, c.Declarer)) ++declarerTricks;
        trick.Leader = winner;
        trick.TrickCount = 0;
        trick.TrickSuit = {};
        trick.TrickRank = {};
    }
    return declarerTricks;
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

}  // namespace

SingleDummyBenchResult RunSingleDummyBench(
    const SingleDummyBenchSettings& settings,
    const std::function<void(const SingleDummyBenchDeal&)>& progress) {
    sds::SingleDummySettings play;
    play.Samples = settings.Samples;
    play.MinimumSamples = std::min(play.MinimumSamples, settings.Samples);
    play.Threads = settings.Threads;
    sds::SingleDummyPlayer player(play);
    sds::DoubleDummySolver solver;
    std::vector<SingleDummyBenchDeal> played;
    std::string error;
    for (int i = 0; i < settings.Deals && error.empty(); ++i) {
        const DealtBoard board = DealFromSeed(settings.Seed + i);
        Hands deal{};
        for (int seat = 0; seat < 4; ++seat) {
            for (int suit = 0; suit < 4; ++suit) {
                deal[static_cast<std::size_t>(seat)][static_cast<std::size_t>(suit)] =
                    board.Holdings[static_cast<std::size_t>(seat)][static_cast<std::size_t>(suit)];
            }
        }
        const sds::TableResult table = solver.CalcTable(deal);
        const BestContract contract = ChooseContract(deal, table.Tricks, board.Vul);
        if (table.Code != SDS_OK || contract.Strain < 0) {
            SingleDummyBenchDeal skipped;
            skipped.Seed = board.Seed;
            skipped.Skipped = true;
            played.push_back(skipped);
            if (progress) progress(skipped);
            continue;
        }
        PlayBlockRequest request;
        request.Contract = {static_cast<CallCode>(3 + 5 * (contract.Level - 1) + contract.Strain), 0,
                            static_cast<TSeat>(contract.Declarer), board.Vul};
        request.TimeTenths = settings.TimeTenths;
        request.Seat = Partner(contract.Declarer);
        std::size_t n = 0;
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 2; rank <= Ace; ++rank) {
                if ((deal[request.Seat][static_cast<std::size_t>(suit)] & sds::Bit(rank)) != 0) {
                    request.SeatCards[n++] = MakeCard(suit, rank);
                }
            }
        }
        request.Seed = board.Seed;
        const PlayBlock block = BuildPlayBlock(request);

        const int declarer = contract.Declarer;
        std::array<bool, 4> declaringSide{};
        declaringSide[static_cast<std::size_t>(declarer)] = true;
        declaringSide[static_cast<std::size_t>(Partner(declarer))] = true;
        const std::array<bool, 4> defendingSide{!declaringSide[0], !declaringSide[1], !declaringSide[2], !declaringSide[3]};
        SingleDummyBenchDeal result;
        result.Seed = board.Seed;
        result.Strain = contract.Strain;
        result.Level = contract.Level;
        result.Declarer = declarer;
        result.DoubleDummyTricks = contract.Tricks;
        const auto playOut = [&](const std::array<bool, 4>& byLibrary) {
            return PlayDeal(deal, contract, block, byLibrary, player, solver, result.DecisionMs, result.DecisionCpuMs, error);
        };
        result.DeclarerPlaysTricks = playOut(declaringSide);
        if (error.empty()) result.DefencePlaysTricks = playOut(defendingSide);
        if (error.empty()) result.AllPlayTricks = playOut({true, true, true, true});
        if (!error.empty()) break;
        played.push_back(result);
        if (progress) progress(result);
    }
    SingleDummyBenchResult out = SummarizeSingleDummyBench(played);
    out.Error = error;
    return out;
}

SingleDummyBenchResult SummarizeSingleDummyBench(const std::vector<SingleDummyBenchDeal>& deals) {
    SingleDummyBenchResult out;
    long long declarerLoss = 0;
    long long defenceLoss = 0;
    long long allDifference = 0;
    for (const SingleDummyBenchDeal& d : deals) {
        if (d.Skipped) {
            ++out.Skipped;
            continue;
        }
        declarerLoss += d.DoubleDummyTricks - d.DeclarerPlaysTricks;
        defenceLoss += d.DefencePlaysTricks - d.DoubleDummyTricks;
        allDifference += d.AllPlayTricks - d.DoubleDummyTricks;
        out.DecisionMs.insert(out.DecisionMs.end(), d.DecisionMs.begin(), d.DecisionMs.end());
        out.DecisionCpuMs.insert(out.DecisionCpuMs.end(), d.DecisionCpuMs.begin(), d.DecisionCpuMs.end());
        out.Deals.push_back(d);
    }
    if (!out.Deals.empty()) {
        const auto n = static_cast<double>(out.Deals.size());
        out.DeclarerLoss = static_cast<double>(declarerLoss) / n;
        out.DefenceLoss = static_cast<double>(defenceLoss) / n;
        out.AllDifference = static_cast<double>(allDifference) / n;
    }
    out.MedianMs = Percentile(out.DecisionMs, 0.5);
    out.P95Ms = Percentile(out.DecisionMs, 0.95);
    out.MedianCpuMs = Percentile(out.DecisionCpuMs, 0.5);
    out.P95CpuMs = Percentile(out.DecisionCpuMs, 0.95);
    return out;
}

}  // namespace corvane
