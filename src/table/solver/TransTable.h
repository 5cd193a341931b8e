// The transposition table of the double-dummy search: bounds on the tricks the side on lead
// takes from a position at the start of a trick.
//
// A position is found in two steps. The shape (the leader and the 16 suit lengths) is hashed
// to a slot; the slot heads a list of entries. Each entry names, per suit, how many of the
// suit's top cards matter and who holds them: ranks below those only count as "some small
// card", so one entry stands for every position that differs only in cards that never decided
// a trick. Owners are written as two bit planes per suit (plane 0: seat bit 0, plane 1: seat
// bit 1), each plane ordered from the suit's lowest remaining card up, so "the top k cards" is
// the same bit range in every position of one shape.
//
// Memory is fixed at construction. Clearing bumps a generation number, so it costs nothing;
// when the entry pool or the slot array fills up the whole table is cleared and the search
// goes on with an empty one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane::sds {

// Owner planes of two suits in one word: suit 2w at bits 0..31 (plane 0 in 0..15, plane 1 in
// 16..31), suit 2w + 1 at bits 32..63.
struct OwnerKey {
    std::uint64_t Word[2];
};

struct TableBounds {
    int Lower = 0;
    int Upper = 13;
    OwnerKey LowerMask{};  // which cards the lower bound rests on
    OwnerKey UpperMask{};
};

class TransTable {
public:
    // Sizes are powers of two; about 40 bytes an entry and 24 a slot.
    TransTable(std::size_t slotCountLog2, std::size_t entryCountLog2);

    void Clear();

    // The bounds of the position as far as they decide whether the side on lead takes `cut`
    // tricks: stops at the first matching entry that decides it (and moves that entry to the
    // front of its list, since the next probes of the shape tend to want it again), else
    // combines every matching entry.
    TableBounds Lookup(std::uint64_t lengths, int leader, const OwnerKey& owners, int cut);

    // Records lower <= value <= upper for every position of this shape whose owners agree with
    // `owners` under `mask`.
    void Store(std::uint64_t lengths, int leader, const OwnerKey& owners, const OwnerKey& mask,
               int lower, int upper);

    std::size_t EntriesUsed() const { return entriesUsed_; }

private:
    struct Slot {
        std::uint64_t Lengths;
        std::uint32_t Generation;
        std::uint32_t Head;  // first entry, NoEntry when none
        std::uint32_t Leader;
    };
    struct Entry {
        OwnerKey Mask;
        OwnerKey Owners;  // already masked
        std::uint32_t Next;
        std::int8_t Lower;
        std::int8_t Upper;
    };
    static constexpr std::uint32_t NoEntry = 0xFFFFFFFFU;

    std::size_t SlotIndex(std::uint64_t lengths, int leader) const;
    Slot* FindSlot(std::uint64_t lengths, int leader, bool create);

    std::vector<Slot> slots_;
    std::vector<Entry> entries_;
    std::size_t slotMask_;
    std::size_t slotsUsed_ = 0;
    std::size_t entriesUsed_ = 0;
    std::uint32_t generation_ = 1;
};

}  // namespace corvane::sds
