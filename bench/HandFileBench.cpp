// A hand file of 10,000 boards with one result each: opening it, loading every board, adding a
// result to one board and saving; and opening plus saving alone.
#include "cards/Dealer.h"
#include "files/BridgeINI.h"
#include "platform/FileIo.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace corvane {
namespace {

constexpr int Boards = 10'000;

// The file, written once per run in the temporary folder.
const std::string& HandFilePath() {
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "corvane-bench-hands.ini").string();
        TBridgeINI hands(p + ".missing");
        DealingState dealing;
        dealing.Generator.SetSeed(4242);
        for (int n = 1; n <= Boards; ++n) {
            const DealOutcome dealt = Deal(dealing, DealRequest{n});
            hands.HandNumber = n;
            hands.Record = HandRecord{};
            hands.Record.Holdings = dealt.Board.Holdings;
            hands.Record.Dealer = dealt.Board.Dealer;
            hands.Record.Vul = dealt.Board.Vul;
            hands.Record.Values[tag::Event] = "Corvane 6 - Random Hands";
            hands.Record.Values[tag::Generator] = dealt.Board.SeedText();
            for (int t : PlayerTags) hands.Record.Values[t] = "Player";
            hands.WriteDeal(DealWriting{false, ImpScoring, "2026.12.09"});
            hands.WriteDefaultResult("Ann");
            const std::string section = ResultSectionName(n, "Ann");
            hands.WriteString(section, "Auction", "1S,Pass,2S,Pass,4S,Pass,Pass,Pass");
            hands.WriteString(section, "Contract", "4S");
            hands.WriteString(section, "Result", "10");
            hands.WriteString(section, "Play", std::string(51 * 3, '.') + "..");
            hands.WriteString(section, "Score", "NS 420");
        }
        platform::WriteFileAtomically(p, hands.FileText());
        return p;
    }();
    return path;
}

void BM_HandFileOpenLoadAllRecordSave(benchmark::State& state) {
    const std::string& path = HandFilePath();
    const std::string original = [&] {
        std::string text, error;
        platform::ReadWholeFile(path, text, error);
        return text;
    }();
    for (auto _ : state) {
        state.PauseTiming();
        platform::WriteFileAtomically(path, original);
        state.ResumeTiming();

        TBridgeINI hands(path);
        int loaded = 0;
        for (int n = 1; n <= Boards; ++n) loaded += hands.LoadBoard(n) == 0;
        hands.LoadBoard(Boards / 2);
        HandOutcome outcome;
        outcome.Player = "Bob";
        outcome.Contract = BidCode(3, NoTrump);
        outcome.Tricks = 9;
        outcome.Score = 400;
        const std::string error = hands.RecordResult(outcome);
        if (loaded != Boards || !error.empty()) state.SkipWithError("hand file not read or saved");
    }
}
BENCHMARK(BM_HandFileOpenLoadAllRecordSave)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9);

void BM_HandFileOpenAndSave(benchmark::State& state) {
    const std::string& path = HandFilePath();
    int round = 0;
    for (auto _ : state) {
        TBridgeINI hands(path);
        hands.WriteString("_1", "Round", std::to_string(++round));
        if (!hands.Save().empty()) state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_HandFileOpenAndSave)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9);

}  // namespace
}  // namespace corvane
