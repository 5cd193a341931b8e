#include "table/solver/TransTable.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace corvane::sds {
namespace {

// Every seat holds `perSuit` cards in each suit.
std::uint64_t EvenLengths(int perSuit) {
    std::uint64_t lengths = 0;
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) {
            lengths |= static_cast<std::uint64_t>(perSuit) << (seat * 16 + suit * 4);
        }
    }
    return lengths;
}

// Owner planes where the top card of the first suit belongs to `top` and the second to
// `second`; every other card to North. The suit holds `cards` cards in all.
OwnerKey TopOwners(int top, int second, int cards) {
    std::uint64_t plane0 = 0;
    std::uint64_t plane1 = 0;
    plane0 |= static_cast<std::uint64_t>(top & 1) << (cards - 1);
    plane1 |= static_cast<std::uint64_t>(top >> 1) << (cards - 1);
    plane0 |= static_cast<std::uint64_t>(second & 1) << (cards - 2);
    plane1 |= static_cast<std::uint64_t>(second >> 1) << (cards - 2);
    return OwnerKey{{plane0 | (plane1 << 16), 0}};
}

constexpr TopCounts TopTwoOfFirstSuit{2, 0, 0, 0};

TEST(TransTableTest, AnEntryServesPositionsThatDifferOnlyBelowItsCards) {
    TransTable table(6, 4);
    const std::uint64_t lengths = EvenLengths(3);  // 12 cards a suit
    table.Store(lengths, 0, TopOwners(1, 2, 12), TopTwoOfFirstSuit, 5, 5);

    // The third card's owner is not part of the entry.
    OwnerKey other = TopOwners(1, 2, 12);
    other.Word[0] |= std::uint64_t{1} << 9;
    EXPECT_GE(table.Lookup(lengths, 0, other, 5).Lower, 5);
    EXPECT_LT(table.Lookup(lengths, 0, other, 6).Upper, 6);

    // Another owner of a marked card, another leader or another shape: no answer.
    const TableBounds swapped = table.Lookup(lengths, 0, TopOwners(2, 1, 12), 5);
    EXPECT_LT(swapped.Lower, 5);
    EXPECT_GE(swapped.Upper, 5);
    EXPECT_LT(table.Lookup(lengths, 1, TopOwners(1, 2, 12), 5).Lower, 5);
    EXPECT_LT(table.Lookup(EvenLengths(2), 0, TopOwners(1, 2, 8), 5).Lower, 5);
}

TEST(TransTableTest, AFullTableKeepsThePositionsWithTheMostCardsLeft) {
    // Four blocks: one small shape, two blocks of a large one, one more small shape; the next
    // small shape finds no block and the table is thinned.
    TransTable table(6, 2);
    const std::uint64_t large = EvenLengths(3);
    auto small = [](int i) { return EvenLengths(1) + (static_cast<std::uint64_t>(i) << 60); };
    table.Store(small(0), 0, TopOwners(1, 2, 4), TopTwoOfFirstSuit, 1, 1);
    for (int top = 0; top < 4; ++top) {
        for (int second = 0; second < 4; ++second) {
            table.Store(large, 0, TopOwners(top, second, 12), TopTwoOfFirstSuit, top + second, 13);
        }
    }
    table.Store(small(1), 0, TopOwners(1, 2, 4), TopTwoOfFirstSuit, 1, 1);
    table.Store(small(2), 0, TopOwners(1, 2, 4), TopTwoOfFirstSuit, 1, 1);

    // Every entry of the large shape survives, moved and relinked.
    for (int top = 0; top < 4; ++top) {
        for (int second = 0; second < 4; ++second) {
            const int value = top + second;
            if (value == 0) continue;
            EXPECT_EQ(table.Lookup(large, 0, TopOwners(top, second, 12), value).Lower, value)
                << top << " " << second;
        }
    }
    // The newest store is there; the small shapes before it are gone.
    EXPECT_EQ(table.Lookup(small(2), 0, TopOwners(1, 2, 4), 1).Lower, 1);
    EXPECT_EQ(table.Lookup(small(0), 0, TopOwners(1, 2, 4), 1).Lower, 0);
    EXPECT_EQ(table.Lookup(small(1), 0, TopOwners(1, 2, 4), 1).Lower, 0);
}

}  // namespace
}  // namespace corvane::sds
