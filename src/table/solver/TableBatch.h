// Double-dummy tables of many deals over a few threads, each thread with a solver of its own.
// Every strain of a table starts from empty table memory, so the results and node counts do not
// depend on the number of threads. A table's time is the sum of its strains' times.
#pragma once

#include "table/solver/DoubleDummy.h"

#include <vector>

namespace corvane::sds {

struct TimedTable {
    TableResult Result;
    double Milliseconds = 0;
};

std::vector<TimedTable> CalcTables(const std::vector<Holdings>& deals, int threads);

}  // namespace corvane::sds
