// Tables of real deals, computed by other programs, in the shared test data.
#include "cards/Cards.h"
#include "table/solver/DoubleDummy.h"

#include "support/Sanitizer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace corvane::sds {
namespace {

// The number after `"key": ` at or after `from`, -1 when missing.
int NumberAfter(const std::string& line, const std::string& key, std::size_t from) {
    const std::size_t at = line.find("\"" + key + "\": ", from);
    if (at == std::string::npos) return -1;
    return std::atoi(line.c_str() + at + key.size() + 4);
}

TEST(KnownTablesTest, AgreeWithTablesFromOtherPrograms) {
    CORVANE_SKIP_FULL_TABLES_UNDER_SANITIZERS();
    const std::string path = std::string(CORVANE_TESTDATA) + "/dd_known.jsonl";
    std::ifstream in(path);
    if (!in) GTEST_SKIP() << "no shared test data at " << path;
    // Full tables of 13-card deals are slow in a debug build, so it checks only a few; an
    // optimised build checks enough to catch a rare fault. CORVANE_DD_KNOWN_DEALS sets how many
    // (0 for all).
#ifdef NDEBUG
    constexpr int DefaultLimit = 25;
#else
    constexpr int DefaultLimit = 2;
#endif
    const char* limitText = std::getenv("CORVANE_DD_KNOWN_DEALS");
    const int limit = limitText != nullptr ? std::atoi(limitText) : DefaultLimit;
    auto solver = std::make_unique<DoubleDummySolver>();
    std::string line;
    int checked = 0;
    while (std::getline(in, line) && (limit == 0 || checked < limit)) {
        const std::size_t dealAt = line.find("\"deal\": \"");
        const std::size_t tableAt = line.find("\"table\": {");
        if (dealAt == std::string::npos || tableAt == std::string::npos) continue;
        const std::size_t start = dealAt + 9;
        const std::string deal = line.substr(start, line.find('"', start) - start);
        DealHoldings holdings{};
        ASSERT_TRUE(DealFromPbn(deal, holdings)) << deal;
        Holdings h{};
        for (int seat = 0; seat < 4; ++seat) {
            for (int suit = 0; suit < 4; ++suit) h[seat][suit] = holdings[seat][suit];
        }
        const TableResult table = solver->CalcTable(h);
        ASSERT_EQ(table.Code, SDS_OK) << deal;
        static constexpr const char* StrainKeys[5] = {"C", "D", "H", "S", "NT"};
        for (int seat = 0; seat < 4; ++seat) {
            const std::size_t seatAt = line.find(std::string("\"") + SeatLetters[seat] + "\": {", tableAt);
            ASSERT_NE(seatAt, std::string::npos) << deal;
            for (int strain = 0; strain < 5; ++strain) {
                EXPECT_EQ(table.Tricks[strain][seat], NumberAfter(line, StrainKeys[strain], seatAt + 5))
                    << deal << " seat " << SeatLetters[seat] << " strain " << StrainKeys[strain];
            }
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace corvane::sds
