// The transposition table of the double-dummy search: bounds on the tricks the side on lead
// takes from a position at the start of a trick.
//
// A position is found in two steps. The shape (the leader and the 16 suit lengths) is hashed
// to a slot; the slot heads a chain of blocks of entries. Each entry names, per suit, how many
// of the suit's top cards matter and who holds them: ranks below those only count as "some
// small card", so one entry stands for every position that differs only in cards that never
// decided a trick. Owners are written as two bit planes per suit (plane 0: seat bit 0, plane 1:
// seat bit 1), each plane ordered from the suit's top card down (the top card at bit 12, the
// next at 11, ...), so "the top k cards" is the same bit range in every position.
//
// Entries sit in blocks of a few, so a lookup reads neighbouring memory rather than chasing one
// pointer per entry. Memory is fixed at construction. Clearing bumps a generation number, so it
// costs nothing; when the blocks or the slot array fill up, the positions with the fewest cards
// left are dropped and the search goes on with the rest. A shape with many entries spreads them
// over a few chains by who holds its suits' top cards, so a lookup walks only those it can match.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace corvane::sds {

// Owner planes of two suits in one word: suit 2w at bits 0..31 (plane 0 in 0..15, plane 1 in
// 16..31), suit 2w + 1 at bits 32..63. A suit's top card is at bit 12 of each plane; bits
// below its last card are zero.
struct OwnerKey {
    std::uint64_t Word[2];
};

// Per suit, how many of its top remaining cards a bound rests on.
using TopCounts = std::array<std::uint8_t, 4>;

struct TableBounds {
    int Lower = 0;
    int Upper = 13;
    TopCounts LowerTop{};  // which cards the lower bound rests on
    TopCounts UpperTop{};
};

class TransTable {
  public:
    // Sizes are powers of two; a block of twelve entries is 384 bytes and a slot 32.
    TransTable(std::size_t slotCountLog2, std::size_t blockCountLog2);

    void Clear();

    // Starts fetching the memory a lookup of this shape reads first.
    void Prefetch(std::uint64_t lengths, int leader) const {
        __builtin_prefetch(&slots_[SlotIndex(lengths, static_cast<unsigned>(leader))]);
    }

    // A bound of the position that decides whether the side on lead takes `cut` tricks, from
    // the first matching entry that decides it; the default bounds when none does.
    TableBounds Lookup(std::uint64_t lengths, int leader, const OwnerKey& owners, int cut);

    // Records lower <= value <= upper for every position of this shape whose owners of the top
    // cards named by `top` agree with `owners`.
    void Store(std::uint64_t lengths, int leader, const OwnerKey& owners, const TopCounts& top,
               int lower, int upper);

  private:
    // A shape's entries hang from one slot until its chain grows long; then the slot splits on
    // a card most of them rest on, and later entries resting on that card go to a child slot
    // named after the card's owner. The card is the top card of a suit, or, below a split on a
    // suit's top card, its next card, and so on: children split in turn, up to MaxDepth slots
    // deep. A lookup walks its own branch only: its owner's child, then the chains above, which
    // keep the entries from before the split and those resting on no split card. The key names
    // the leader and the owners along the path.
    // Two to a cache line, so that reading one never waits for two lines.
    struct alignas(32) Slot {
        std::uint64_t Lengths;
        std::uint32_t Generation;
        std::uint32_t Head;  // newest block, NoBlock when none
        std::uint32_t Key;
        std::uint8_t Blocks;  // in the chain, counting stops at 255
        // The suit in bits 0..1, above them how many of its cards rank above the split card;
        // NoSplit while the slot keeps all its entries.
        std::uint8_t Split;
        std::uint8_t Filled;  // entries in the newest block; the others are full
        // The block after Head, NoBlock when none. A walk asks for it with the slot's first read,
        // and each block names the one after its next, so a walk waits for one block at a time
        // while the next is on its way.
        std::uint32_t Second;
    };
    static constexpr int BlockEntries = 12;
    // A block keeps in its first two cache lines, lane by lane, what a walk reads first: the
    // bounds (lower in a byte's low nibble, upper in its high one), and who holds the top four
    // cards of each suit as far as the entry rests on them (a byte per suit, see TopSig), with
    // the bits the entry cares about. A walk tests all lanes of a block at once and reads on only
    // for the entries that pass; for an entry resting on no more than four cards of any suit, the
    // signature is the whole match. Entries fill the lanes in order; lanes past them hold bounds
    // 0 and 13, which decide no cut. What an entry rests on is kept as counts of top cards and
    // stands for the planes' mask. (Care and Whole follow from those counts, but sit in the
    // second line so that a walk reads no other to test an entry.)
    struct alignas(64) Block {
        std::array<std::uint8_t, BlockEntries> Bounds;
        std::uint32_t Next;
        std::array<std::uint32_t, BlockEntries> Sig;
        alignas(64) std::array<std::uint32_t, BlockEntries> Care;
        std::array<std::uint8_t, BlockEntries> Whole;  // the signature tells the whole match
        std::uint32_t AfterNext;                       // the block after Next (see Slot::Second)
        alignas(64) std::array<TopCounts, BlockEntries> Tops;   // the top cards each entry rests on
        alignas(64) std::array<OwnerKey, BlockEntries> Owners;  // who holds them
    };
    static constexpr std::uint32_t NoBlock = 0xFFFFFFFFU;
    static constexpr std::uint8_t NoSplit = 0xFF;
    // A slot no shape has taken.
    static constexpr Slot EmptySlot{0, 0, NoBlock, 0, 0, NoSplit, 0, NoBlock};
    // Splits along one path. A key spends two bits on the leader and three on each split.
    static constexpr int MaxDepth = 8;
    static_assert(sizeof(Slot) == 32);
    static_assert(offsetof(Block, Care) == 64);
    static_assert(offsetof(Block, Tops) == 128);
    static_assert(offsetof(Block, Owners) == 192);

    // Where a store goes: the slot whose chain takes the entry.
    Slot* SlotFor(std::uint64_t lengths, int leader, const OwnerKey& owners, const TopCounts& top);
    std::uint8_t ChooseSplit(const Slot& slot, const std::array<int, 4>& splitCards,
                             std::uint64_t lengths) const;

    void Thin();
    // In the header, so that Prefetch, called from the search, needs no call to find the slot.
    std::size_t SlotIndex(std::uint64_t lengths, unsigned key) const {
        // Folding the high half down first lets every length reach the product's high bits,
        // which the index takes.
        const std::uint64_t h = (lengths ^ (lengths >> 29) ^ key) * 0x9E3779B97F4A7C15ULL;
        return static_cast<std::size_t>(h >> slotShift_);
    }
    Slot* FindSlot(std::uint64_t lengths, unsigned key);
    const Slot* FindExisting(std::uint64_t lengths, unsigned key) const;

    // The arrays are read at random. They sit in huge pages where the system offers them: with
    // small pages nearly every read would miss the processor's cache of page addresses as well.
    struct FreeMemory {
        void operator()(void* memory) const;
    };
    std::unique_ptr<Slot[], FreeMemory> slotMemory_;
    std::span<Slot> slots_;  // over slotMemory_
    // Left uninitialised: a block is written before it is read.
    std::unique_ptr<Block[], FreeMemory> blocks_;
    std::size_t blockCount_;
    std::size_t slotMask_;
    int slotShift_;  // the index is the top bits of the hash
    std::size_t slotsUsed_ = 0;
    std::size_t blocksUsed_ = 0;
    std::uint32_t generation_ = 1;
};

}  // namespace corvane::sds
