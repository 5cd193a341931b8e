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
// `second`; every other card to North.
OwnerKey TopOwners(int top, int second) {
    std::uint64_t plane0 = 0;
    std::uint64_t plane1 = 0;
    plane0 |= static_cast<std::uint64_t>(top & 1) << 12;
    plane1 |= static_cast<std::uint64_t>(top >> 1) << 12;
    plane0 |= static_cast<std::uint64_t>(second & 1) << 11;
    plane1 |= static_cast<std::uint64_t>(second >> 1) << 11;
    return OwnerKey{{plane0 | (plane1 << 16), 0}};
}

constexpr TopCounts TopTwoOfFirstSuit{2, 0, 0, 0};

TEST(TransTableTest, AnEntryServesPositionsThatDifferOnlyBelowItsCards) {
    TransTable table(6, 4);
    const std::uint64_t lengths = EvenLengths(3);  // 12 cards a suit
    table.Store(lengths, 0, TopOwners(1, 2), TopTwoOfFirstSuit, 5, 5);

    // The third card's owner is not part of the entry.
    OwnerKey other = TopOwners(1, 2);
    other.Word[0] |= std::uint64_t{1} << 10;
    EXPECT_GE(table.Lookup(lengths, 0, other, 5).Lower, 5);
    EXPECT_LT(table.Lookup(lengths, 0, other, 6).Upper, 6);

    // Another owner of a marked card, another leader or another shape: no answer.
    const TableBounds swapped = table.Lookup(lengths, 0, TopOwners(2, 1), 5);
    EXPECT_LT(swapped.Lower, 5);
    EXPECT_GE(swapped.Upper, 5);
    EXPECT_LT(table.Lookup(lengths, 1, TopOwners(1, 2), 5).Lower, 5);
    EXPECT_LT(table.Lookup(EvenLengths(2), 0, TopOwners(1, 2), 5).Lower, 5);
}

// Every pair of bounds, one shape per lower bound and one owner of the top two cards per upper
// bound, so the entries fill every lane of a block and more.
TEST(TransTableTest, BoundsDecideExactlyTheCutsTheyBound) {
    TransTable table(8, 6);
    auto shape = [](int lower) {
        return EvenLengths(3) + (static_cast<std::uint64_t>(lower) << 60);
    };
    auto owners = [](int upper) { return TopOwners(upper & 3, upper >> 2); };
    for (int lower = 0; lower <= 13; ++lower) {
        for (int upper = lower; upper <= 13; ++upper)
            table.Store(shape(lower), 0, owners(upper), TopTwoOfFirstSuit, lower, upper);
    }
    for (int lower = 0; lower <= 13; ++lower) {
        for (int upper = lower; upper <= 13; ++upper) {
            for (int cut = 1; cut <= 13; ++cut) {
                const TableBounds found = table.Lookup(shape(lower), 0, owners(upper), cut);
                const TableBounds expected{lower >= cut ? lower : 0,
                                           lower < cut && upper < cut ? upper : 13};
                EXPECT_EQ(found.Lower, expected.Lower) << lower << " " << upper << " " << cut;
                EXPECT_EQ(found.Upper, expected.Upper) << lower << " " << upper << " " << cut;
            }
        }
    }
}

TEST(TransTableTest, TheSmallestTableStillAnswers) {
    TransTable table(0, 0);
    table.Store(EvenLengths(3), 0, TopOwners(1, 2), TopTwoOfFirstSuit, 5, 5);
    EXPECT_EQ(table.Lookup(EvenLengths(3), 0, TopOwners(1, 2), 5).Lower, 5);
    table.Store(EvenLengths(2), 0, TopOwners(1, 2), TopTwoOfFirstSuit, 4, 4);
    EXPECT_EQ(table.Lookup(EvenLengths(2), 0, TopOwners(1, 2), 4).Lower, 4);
}

TEST(TransTableTest, AFullTableKeepsThePositionsWithTheMostCardsLeft) {
    // Four blocks: one small shape, two blocks of a large one, one more small shape; the next
    // small shape finds no block and the table is thinned.
    TransTable table(6, 2);
    const std::uint64_t large = EvenLengths(3);
    auto small = [](int i) { return EvenLengths(1) + (static_cast<std::uint64_t>(i) << 60); };
    table.Store(small(0), 0, TopOwners(1, 2), TopTwoOfFirstSuit, 1, 1);
    for (int top = 0; top < 4; ++top) {
        for (int second = 0; second < 4; ++second) {
            table.Store(large, 0, TopOwners(top, second), TopTwoOfFirstSuit, top + second, 13);
        }
    }
    table.Store(small(1), 0, TopOwners(1, 2), TopTwoOfFirstSuit, 1, 1);
    table.Store(small(2), 0, TopOwners(1, 2), TopTwoOfFirstSuit, 1, 1);

    // Every entry of the large shape survives, moved and relinked.
    for (int top = 0; top < 4; ++top) {
        for (int second = 0; second < 4; ++second) {
            const int value = top + second;
            if (value == 0) continue;
            EXPECT_EQ(table.Lookup(large, 0, TopOwners(top, second), value).Lower, value)
                << top << " " << second;
        }
    }
    // The newest store is there; the small shapes before it are gone.
    EXPECT_EQ(table.Lookup(small(2), 0, TopOwners(1, 2), 1).Lower, 1);
    EXPECT_EQ(table.Lookup(small(0), 0, TopOwners(1, 2), 1).Lower, 0);
    EXPECT_EQ(table.Lookup(small(1), 0, TopOwners(1, 2), 1).Lower, 0);
}

// Owners for twelve cards a suit: the top card of the first suit held by `top` and its second
// by `second`, the top four cards of the second suit by the seats in the two-bit digits of
// `pattern` (top card lowest), every other card by North.
OwnerKey SplitOwners(int top, int second, int pattern) {
    OwnerKey key{{0, 0}};
    auto place = [&](int shift, int index, int seat) {
        key.Word[0] |= static_cast<std::uint64_t>(seat & 1) << (shift + index);
        key.Word[0] |= static_cast<std::uint64_t>(seat >> 1) << (shift + 16 + index);
    };
    place(0, 12, top);
    place(0, 11, second);
    for (int k = 0; k < 4; ++k) place(32, 12 - k, (pattern >> (2 * k)) & 3);
    return key;
}

int SplitValue(int top, int pattern) {
    return 1 + (top + 3 * pattern) % 13;
}

// A long chain of one shape, built so that it splits on the first suit's top card: the
// entries stored before the split, those after it in each owner's branch, and those that do
// not rest on that card and so stay with every branch.
class LongChain {
  public:
    static constexpr int Shared = 32;    // patterns from here on rest only on the second suit
    static constexpr int Unstored = 64;  // patterns from here on have no entry
    static constexpr int SecondCard =
        200;  // the pattern where the second-card entries are looked up

    explicit LongChain(TransTable& table) : table_(table) {
        // Before the split: a few entries on the top two cards of the first suit, so that suit
        // is the one most entries rest on, then entries on both suits.
        for (int top = 0; top < 4; ++top) Store(top, 1, 0, {2, 0, 0, 0}, 13 - top);
        for (int pattern = 0; pattern < Shared; ++pattern) {
            for (int top = 0; top < 4; ++top) {
                Store(top, 0, pattern, {1, 4, 0, 0}, SplitValue(top, pattern));
            }
        }
        for (int pattern = Shared; pattern < Unstored; ++pattern) {
            Store(0, 0, pattern, {0, 4, 0, 0}, SplitValue(0, pattern));
        }
    }

    void ExpectAllFound() const {
        for (int top = 0; top < 4; ++top) {
            EXPECT_EQ(Lower(top, 1, SecondCard, 13 - top), 13 - top) << top;
            for (int pattern = 0; pattern < Shared; ++pattern) {
                const int value = SplitValue(top, pattern);
                EXPECT_EQ(Lower(top, 0, pattern, value), value) << top << " " << pattern;
            }
            // The shared entries serve every owner of the first suit's top card.
            for (int pattern = Shared; pattern < Unstored; ++pattern) {
                const int value = SplitValue(0, pattern);
                EXPECT_EQ(Lower(top, 0, pattern, value), value) << top << " " << pattern;
            }
            // No entry rests on these owners, in any branch.
            for (int pattern = Unstored; pattern < Unstored + 8; ++pattern) {
                const TableBounds none =
                    table_.Lookup(EvenLengths(3), 0, SplitOwners(top, 0, pattern), 1);
                EXPECT_EQ(none.Lower, 0);
                EXPECT_EQ(none.Upper, 13);
            }
        }
    }

    void Store(int top, int second, int pattern, const TopCounts& rests, int value) {
        table_.Store(EvenLengths(3), 0, SplitOwners(top, second, pattern), rests, value, value);
    }
    int Lower(int top, int second, int pattern, int cut) const {
        return table_.Lookup(EvenLengths(3), 0, SplitOwners(top, second, pattern), cut).Lower;
    }

  private:
    TransTable& table_;
};

TEST(TransTableTest, ALongChainFindsEveryEntryAfterItSplits) {
    TransTable table(8, 5);
    LongChain chain(table);
    chain.ExpectAllFound();

    // An entry in one owner's branch answers for that owner only.
    chain.Store(1, 0, LongChain::Unstored, {1, 4, 0, 0}, 7);
    for (int top = 0; top < 4; ++top) {
        EXPECT_EQ(chain.Lower(top, 0, LongChain::Unstored, 7), top == 1 ? 7 : 0) << top;
    }
}

// Entries that all rest on the top two cards of the first suit: the chain splits on its top
// card, and each branch, still long, on its second card. Every entry is found again, and one
// stored after the splits answers only for its own owners of both cards.
TEST(TransTableTest, BranchesSplitAgainOnTheNextCardOfASuit) {
    TransTable table(9, 6);
    constexpr int Patterns = 16;
    auto value = [](int top, int second, int pattern) {
        return 1 + (top + 4 * second + 3 * pattern) % 13;
    };
    auto owners = [](int top, int second, int pattern) {
        return SplitOwners(top, second, pattern);
    };
    for (int pattern = 0; pattern < Patterns; ++pattern) {
        for (int top = 0; top < 4; ++top) {
            for (int second = 0; second < 4; ++second) {
                const int v = value(top, second, pattern);
                table.Store(EvenLengths(3), 0, owners(top, second, pattern), {2, 4, 0, 0}, v, v);
            }
        }
    }
    for (int pattern = 0; pattern < Patterns; ++pattern) {
        for (int top = 0; top < 4; ++top) {
            for (int second = 0; second < 4; ++second) {
                const int v = value(top, second, pattern);
                const TableBounds found =
                    table.Lookup(EvenLengths(3), 0, owners(top, second, pattern), v);
                EXPECT_EQ(found.Lower, v) << top << " " << second << " " << pattern;
            }
        }
    }
    table.Store(EvenLengths(3), 0, owners(2, 3, Patterns), {2, 4, 0, 0}, 6, 6);
    for (int top = 0; top < 4; ++top) {
        for (int second = 0; second < 4; ++second) {
            const int lower = table.Lookup(EvenLengths(3), 0, owners(top, second, Patterns), 6).Lower;
            EXPECT_EQ(lower, top == 2 && second == 3 ? 6 : 0) << top << " " << second;
        }
    }
}

TEST(TransTableTest, ThinningKeepsASplitShapeWhole) {
    TransTable table(8, 6);
    LongChain chain(table);
    // Small shapes, one block each, until the blocks run out and the table is thinned.
    for (int i = 0; i < 64; ++i) {
        const std::uint64_t small = EvenLengths(1) + static_cast<std::uint64_t>(i & 7) +
                                    (static_cast<std::uint64_t>(i >> 3) << 20);
        table.Store(small, 0, TopOwners(1, 2), TopTwoOfFirstSuit, 1, 1);
    }
    EXPECT_EQ(table.Lookup(EvenLengths(1), 0, TopOwners(1, 2), 1).Lower, 0);
    chain.ExpectAllFound();

    // The branches still take new entries after the move.
    chain.Store(2, 0, LongChain::Unstored, {1, 4, 0, 0}, 9);
    EXPECT_EQ(chain.Lower(2, 0, LongChain::Unstored, 9), 9);
    EXPECT_EQ(chain.Lower(1, 0, LongChain::Unstored, 9), 0);
}

}  // namespace
}  // namespace corvane::sds
