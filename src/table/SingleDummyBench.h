// The measure of the computer's card play: deals played with the library's single-dummy choice
// against double-dummy opponents, compared with the double-dummy result.
#pragma once

#include "table/solver/SingleDummy.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvane {

struct SingleDummyBenchSettings {
    int Deals = 200;
    std::int32_t Seed = 1;       // deal i comes from seed Seed + i
    int Samples = 48;            // layouts per decision
    int Threads = 2;             // solver threads per decision
    int TimeTenths = 6000;       // thinking time per hand; large, so the sample count decides
};

// One deal: the side with more high-card points plays its best double-dummy contract.
struct SingleDummyBenchDeal {
    std::int32_t Seed = 0;
    bool Skipped = false;         // the stronger side makes nothing; no figures
    int Strain = 0;
    int Level = 0;
    int Declarer = 0;
    int DoubleDummyTricks = 0;
    int DeclarerPlaysTricks = 0;  // declarer and dummy by the library, defenders double dummy
    int DefencePlaysTricks = 0;   // defenders by the library, declarer double dummy
    int AllPlayTricks = 0;        // every seat by the library
    // Wall and processor time of each of the library's decisions in this deal's three plays.
    std::vector<double> DecisionMs;
    std::vector<double> DecisionCpuMs;
};

struct SingleDummyBenchResult {
    std::vector<SingleDummyBenchDeal> Deals;
    int Skipped = 0;              // deals where the stronger side makes nothing
    std::vector<double> DecisionMs;
    // Processor time of the whole program per decision, all threads: on a busy machine the
    // wall clock says more about the neighbours than about the search.
    std::vector<double> DecisionCpuMs;
    double DeclarerLoss = 0;      // mean tricks below double dummy
    double DefenceLoss = 0;       // mean tricks given above double dummy
    double AllDifference = 0;     // mean of tricks minus double dummy, every seat by the library
    double MedianMs = 0;
    double P95Ms = 0;
    double MedianCpuMs = 0;
    double P95CpuMs = 0;
    std::string Error;            // set when the library failed; the figures are then partial
};

// `progress` is called after every deal, skipped ones too.
SingleDummyBenchResult RunSingleDummyBench(
    const SingleDummyBenchSettings& settings,
    const std::function<void(const SingleDummyBenchDeal&)>& progress = {});

// The figures of a set of deals played, from however many runs; skipped deals count apart.
SingleDummyBenchResult SummarizeSingleDummyBench(const std::vector<SingleDummyBenchDeal>& deals);

}  // namespace corvane
