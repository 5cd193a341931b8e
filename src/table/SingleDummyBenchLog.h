// The single-dummy measure's log: one JSON line per deal with its figures and the time of each
// decision, so a long measure can run in pieces (over seed ranges, or stopped and resumed) and
// the pieces be summed up as one.
#pragma once

#include "table/SingleDummyBench.h"

#include <string>
#include <vector>

namespace corvane {

// One line, without the line end.
std::string FormatSingleDummyBenchLogLine(const SingleDummyBenchDeal& deal, int samples);

struct SingleDummyBenchLog {
    std::vector<SingleDummyBenchDeal> Deals;  // in the order read, each seed once
    int Samples = 0;                          // layouts per decision, the same on every line
    int Duplicates = 0;                       // lines of a seed already read, left out
    std::string Error;                        // the first bad line; nothing after it is read
};

// Adds the lines of one log, named `name` in messages. Blank lines are passed over. Stops at
// the first line that is not a deal record, or whose sample count differs from the lines
// before: figures from different settings must not be mixed.
void ReadSingleDummyBenchLog(const std::vector<std::string>& lines, const std::string& name,
                             SingleDummyBenchLog& log);

}  // namespace corvane
