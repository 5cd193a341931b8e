// PBN import (PBN text -> hand file) and export (hand file -> PBN text) of a 10,000-board file
// with auctions and play, generated here so the figure does not depend on outside files.
#include "cards/Cards.h"
#include "files/BigIniFile.h"
#include "files/DealFile.h"
#include "files/PbnExport.h"
#include "files/PbnImport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>

namespace corvane {
namespace {

constexpr int Boards = 10000;

std::string GeneratedPbn() {
    std::mt19937 random(20240601);
    std::vector<CardCode> pack;
    for (int suit = 0; suit < 4; ++suit) {
        for (TRank rank = 2; rank <= Ace; ++rank) pack.push_back(MakeCard(suit, rank));
    }
    std::string text = "% PBN 2.1\n";
    for (int board = 1; board <= Boards; ++board) {
        std::shuffle(pack.begin(), pack.end(), random);
        DealHoldings deal{};
        for (size_t i = 0; i < pack.size(); ++i) deal[i / 13][static_cast<size_t>(SuitOf(pack[i]))] |= RankBit(RankOf(pack[i]));
        const TSeat dealer = static_cast<TSeat>((board - 1) & 3);
        const std::string d(1, SeatLetters[dealer]);
        text += "[Event \"Generated\"]\n[Board \"" + std::to_string(board) + "\"]\n[West \"w\"]\n[North \"n\"]\n"
                "[East \"e\"]\n[South \"s\"]\n[Dealer \"" + d + "\"]\n[Vulnerable \"" +
                std::string(VulnerabilityNames[static_cast<size_t>(board & 3)]) + "\"]\n[Deal \"" +
                PbnDealString(deal, dealer) + "\"]\n[Declarer \"" + d + "\"]\n[Contract \"3NT\"]\n[Result \"9\"]\n"
                "[Score \"NS 400\"]\n[Auction \"" + d + "\"]\n1NT Pass 3NT =1= Pass\nPass Pass\n[Note \"1:to play\"]\n"
                "[Play \"" + std::string(1, SeatLetters[NextSeat(dealer)]) + "\"]\n";
        // Thirteen tricks, each seat's cards in turn; the speed of reading does not depend on
        // the play being legal.
        for (int trick = 0; trick < 13; ++trick) {
            for (int k = 1; k <= 4; ++k) {
                text += CardText(pack[static_cast<size_t>(((dealer + k) & 3) * 13 + trick)]).substr(1, 1);
                text += CardText(pack[static_cast<size_t>(((dealer + k) & 3) * 13 + trick)]).substr(0, 1);
                text += ' ';
            }
            text += '\n';
        }
        text += "*\n\n";
    }
    return text;
}

void BM_ImportPbn10000Boards(benchmark::State& state) {
    const auto lines = SplitTextLines(GeneratedPbn());
    for (auto _ : state) {
        TBigIniFile handFile(true);
        handFile.LoadLines(ImportPbn(lines).lines);
        benchmark::DoNotOptimize(handFile.Sections().Count());
    }
}
BENCHMARK(BM_ImportPbn10000Boards)->Unit(benchmark::kMillisecond);

void BM_ExportPbn10000Boards(benchmark::State& state) {
    TBigIniFile handFile(true);
    handFile.LoadLines(ImportPbn(SplitTextLines(GeneratedPbn())).lines);
    for (auto _ : state) benchmark::DoNotOptimize(ExportPbnText(handFile));
}
BENCHMARK(BM_ExportPbn10000Boards)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
