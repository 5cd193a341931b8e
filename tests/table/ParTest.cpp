#include "table/Par.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// A table where every seat takes `base` tricks in every strain, then the given overrides.
struct TableBuilder {
    DDResultTable table{};
    explicit TableBuilder(int base = 6) { table.fill(base); }
    TableBuilder& Set(int seat, int strain, int tricks) {
        table[seat * 5 + strain] = tricks;
        return *this;
    }
    TableBuilder& Side(int seat, int strain, int tricks) { return Set(seat, strain, tricks).Set(Partner(seat), strain, tricks); }
};

TEST(ParTest, GameForOneSideNamesThePairOrTheSeat) {
    const DDResultTable pair = TableBuilder().Side(North, Spades, 10).table;
    const ParResult par = CalculatePar(pair, VulNS);
    EXPECT_EQ(par.Contract, BidCode(4, Spades));
    EXPECT_EQ(par.Score, 620);
    EXPECT_EQ(par.Over, 0);
    EXPECT_EQ(ParText(pair, par, true), "4~S N/S");

    const DDResultTable single = TableBuilder().Side(North, Spades, 10).Set(South, Spades, 9).table;
    const ParResult northOnly = CalculatePar(single, VulNone);
    EXPECT_EQ(northOnly.Declarer, North);
    EXPECT_EQ(ParText(single, northOnly, true), "4~S North");
    EXPECT_EQ(ParText(single, northOnly, false), "4~S N");

    const DDResultTable over = TableBuilder().Side(East, NoTrump, 10).table;
    const ParResult overtrick = CalculatePar(over, VulNone);
    EXPECT_EQ(overtrick.Contract, BidCode(4, NoTrump));  // equal scores: the higher contract
    EXPECT_EQ(overtrick.Score, -430);
    EXPECT_EQ(ParText(over, overtrick, false), "4~N E/W");
}

TEST(ParTest, OutbidSideSacrificesOnlyWhenItCostsLess) {
    // North-South make 4S, East-West 4H: 5H doubled one down costs 100 against 420.
    const DDResultTable both = TableBuilder().Side(North, Spades, 10).Side(East, Hearts, 10).table;
    const ParResult none = CalculatePar(both, VulNone);
    EXPECT_EQ(none.Contract, BidCode(5, Hearts) + 36);
    EXPECT_TRUE(none.Doubled());
    EXPECT_EQ(none.Score, 100);
    EXPECT_EQ(none.Over, -1);
    EXPECT_EQ(ParText(both, none, false), "5~HX E/W -1");

    const DDResultTable cheap = TableBuilder().Side(North, Hearts, 10).Side(East, Diamonds, 9).table;
    const ParResult twoDown = CalculatePar(cheap, VulNone);
    EXPECT_EQ(ParText(cheap, twoDown, false), "5~DX E/W -2");
    EXPECT_EQ(twoDown.Score, 300);

    const DDResultTable dear = TableBuilder().Side(North, Spades, 10).Side(East, Hearts, 7).table;
    const ParResult noSave = CalculatePar(dear, VulEW);  // 5HX -4 vulnerable: 1100
    EXPECT_EQ(noSave.Contract, BidCode(4, Spades));
    EXPECT_EQ(noSave.Score, 420);
}

TEST(ParTest, EqualTricksPreferTheHigherStrainForTheSacrifice) {
    const DDResultTable table =
        TableBuilder().Side(North, Spades, 10).Side(East, Hearts, 9).Side(East, Diamonds, 9).table;
    EXPECT_EQ(ParText(table, CalculatePar(table, VulNone), false), "5~HX E/W -2");
}

TEST(ParTest, SacrificeDearerThanTheGameIsNotTaken) {
    // North-South make eleven tricks in spades; 6DX three down would cost 500 against 450.
    const DDResultTable table = TableBuilder().Side(North, Spades, 11).Side(East, Diamonds, 9).table;
    const ParResult par = CalculatePar(table, VulNone);
    EXPECT_EQ(par.Contract, BidCode(5, Spades));
    EXPECT_EQ(par.Over, 0);
    EXPECT_EQ(par.Score, 450);
}

TEST(ParTest, NobodyMakingAnythingIsAPassedOutPar) {
    const DDResultTable table = TableBuilder(6).table;
    const ParResult par = CalculatePar(table, VulBoth);
    EXPECT_EQ(par.Contract, Pass);
    EXPECT_EQ(par.Score, 0);
    EXPECT_EQ(ParText(table, par, true), "Pass");
}

TEST(ParTest, SolverTableComesStrainMajor) {
    std::array<std::int32_t, 20> strainMajor{};
    for (int i = 0; i < 20; ++i) strainMajor[i] = i;
    const DDResultTable table = DDResultFromSolver(strainMajor);
    EXPECT_EQ(DDTricks(table, East, Hearts), 2 * 4 + East);
    EXPECT_EQ(DDTricks(table, West, NoTrump), 4 * 4 + West);
}

}  // namespace
}  // namespace corvane
