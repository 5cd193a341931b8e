// The definition database: assembling both sides' databases from the shipped files and cards
// (done after every card load), and the lookups the bidder makes for every candidate call.
#include "bidding/CallText.h"
#include "convention/CardFile.h"
#include "convention/SideDatabases.h"
#include "platform/DataFolder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace corvane {
namespace {

const std::filesystem::path Data = platform::ShippedFilesFolder();

struct Setup {
    Setup()
        : files(DefinitionFiles::ReadOnly(Data.string(), (Data / std::string(SectionOrderFileName)).string())) {
        for (int side = 1; side <= 2; ++side) {
            const char* name = side == 1 ? "Std American.cc" : "Two over One.cc";
            std::optional<ConventionCard> card = ReadCardFile(Data / name);
            if (card) {
                cards.Card(side) = *card;
            }
        }
        cards.UpdateDefences();
    }
    DefinitionFiles files;
    ConventionCards cards;
};

void BM_BuildBothSideDatabases(benchmark::State& state) {
    Setup setup;
    DefinitionDatabases databases;
    for (auto _ : state) {
        BuildDefinitionDatabases(setup.files, setup.cards, databases);
        benchmark::DoNotOptimize(databases);
    }
    state.counters["entries"] = databases.Side(1).Count() + databases.Side(2).Count();
}
BENCHMARK(BM_BuildBothSideDatabases)->Unit(benchmark::kMicrosecond);

// 100,000 lookups of keys built from random short auctions, as the bidder builds them for its
// candidates: most miss and go through the fallbacks.
void BM_HundredThousandLookups(benchmark::State& state) {
    Setup setup;
    DefinitionDatabases databases;
    BuildDefinitionDatabases(setup.files, setup.cards, databases);
    std::mt19937 random(7);
    std::vector<LookupSituation> situations(1000);
    std::vector<std::string> keys;
    for (LookupSituation& situation : situations) {
        CallCode highest = Pass;
        const int length = static_cast<int>(random() % 5);
        for (int i = 0; i < length && highest < 30; ++i) {
            const int r = static_cast<int>(random() % 4);
            const CallCode call = r == 0 ? Pass : static_cast<CallCode>(std::max<int>(highest, FirstBid - 1) + 1 + random() % 3);
            if (call != Pass) highest = call;
            situation.Calls.push_back(call);
        }
        situation.Candidate = static_cast<CallCode>(std::max<int>(highest, FirstBid - 1) + 1 + random() % 4);
        if (situation.Candidate > LastBid) situation.Candidate = Pass;
        situation.Restart = {"1N", '@'};
        keys.push_back(SequenceKey(situation.Calls, situation.Candidate, situation.Restart));
    }
    const std::vector<DefinitionEntry>& entries = databases.Side(1).Entries();
    for (std::size_t i = 0; i < keys.size() && !entries.empty(); i += 3) {
        keys[i] = entries[(i / 3) % entries.size()].Sequence;  // hits among the misses
    }
    for (auto _ : state) {
        int found = 0;
        for (int i = 0; i < 100000; ++i) {
            const std::size_t k = static_cast<std::size_t>(i) % situations.size();
            found += FindDefinition(databases.Side(1 + i % 2), keys[k], situations[k]).Found ? 1 : 0;
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_HundredThousandLookups)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
