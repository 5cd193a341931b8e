#include "table/SolverBench.h"

#include "support/Sanitizer.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The bench signature: any change to the search that alters the count must say so.
TEST(SolverBenchTest, NodeCountIsTheSignature) {
    CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS();
    const SolverBenchResult result = RunSolverBench();
    EXPECT_EQ(result.Tables, 1);
    EXPECT_EQ(result.Nodes, 461252U);
}

}  // namespace
}  // namespace corvane
