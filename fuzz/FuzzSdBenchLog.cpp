// Any bytes as a single-dummy measure log: reading must not crash, and the deals read must sum
// up and write back as lines that read again the same.
#include "files/DealFile.h"
#include "table/SingleDummyBenchLog.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvane::SingleDummyBenchLog log;
    corvane::ReadSingleDummyBenchLog(corvane::SplitTextLines(text), "fuzz", log);
    corvane::SummarizeSingleDummyBench(log.Deals);
    std::vector<std::string> written;
    for (const auto& d : log.Deals) written.push_back(corvane::FormatSingleDummyBenchLogLine(d, log.Samples));
    corvane::SingleDummyBenchLog again;
    corvane::ReadSingleDummyBenchLog(written, "again", again);
    if (!again.Error.empty() || again.Deals.size() != log.Deals.size()) std::abort();
    return 0;
}
