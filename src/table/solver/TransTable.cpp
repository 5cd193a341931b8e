#include "table/solver/TransTable.h"

#include <algorithm>
#include <bit>

namespace corvane::sds {

namespace {
// Probing stops and the table is cleared before the slot array is half full.
constexpr std::size_t MaxProbe = 16;

std::array<int, 4> SuitCounts(std::uint64_t lengths) {
    std::array<int, 4> counts{};
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) counts[suit] += static_cast<int>((lengths >> (seat * 16 + suit * 4)) & 15);
    }
    return counts;
}

TopCounts TopOf(const OwnerKey& mask) {
    TopCounts top{};
    for (int suit = 0; suit < 4; ++suit) {
        top[suit] = static_cast<std::uint8_t>(std::popcount((mask.Word[suit >> 1] >> (32 * (suit & 1))) & 0xFFFF));
    }
    return top;
}

bool Matches(const OwnerKey& owners, const OwnerKey& mask, const OwnerKey& entryOwners) {
    return (owners.Word[0] & mask.Word[0]) == entryOwners.Word[0] &&
           (owners.Word[1] & mask.Word[1]) == entryOwners.Word[1];
}
// The plane mask of the top `top[s]` cards of each suit, for a position whose suits hold
// `counts[s]` cards in all.
OwnerKey TopMask(const TopCounts& top, const std::array<int, 4>& counts) {
    OwnerKey mask{{0, 0}};
    for (int suit = 0; suit < 4; ++suit) {
        const int k = top[suit];
        const std::uint64_t plane = ((std::uint64_t{1} << k) - 1) << (counts[suit] - k);
        mask.Word[suit >> 1] |= (plane | (plane << 16)) << (32 * (suit & 1));
    }
    return mask;
}
}  // namespace

TransTable::TransTable(std::size_t slotCountLog2, std::size_t blockCountLog2)
    : slots_(std::size_t{1} << slotCountLog2, Slot{0, 0, NoBlock, 0}),
      blocks_(new Block[std::size_t{1} << blockCountLog2]),
      blockCount_(std::size_t{1} << blockCountLog2),
      slotMask_((std::size_t{1} << slotCountLog2) - 1) {}

void TransTable::Clear() {
    ++generation_;
    if (generation_ == 0) {  // wrapped: old stamps could look current again
        std::fill(slots_.begin(), slots_.end(), Slot{0, 0, NoBlock, 0});
        generation_ = 1;
    }
    slotsUsed_ = 0;
    blocksUsed_ = 0;
}

std::size_t TransTable::SlotIndex(std::uint64_t lengths, int leader) const {
    // A full 64-bit mix: lengths of nearby positions differ in few bits.
    std::uint64_t h = lengths + static_cast<std::uint64_t>(leader) * 0x9E3779B97F4A7C15ULL;
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ULL;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBULL;
    h ^= h >> 31;
    return static_cast<std::size_t>(h) & slotMask_;
}

TransTable::Slot* TransTable::FindSlot(std::uint64_t lengths, int leader, bool create) {
    std::size_t i = SlotIndex(lengths, leader);
    for (std::size_t probe = 0; probe < MaxProbe; ++probe, i = (i + 1) & slotMask_) {
        Slot& slot = slots_[i];
        if (slot.Generation != generation_) {
            if (!create) return nullptr;
            if (2 * (slotsUsed_ + 1) > slots_.size()) return nullptr;
            slot = Slot{lengths, generation_, NoBlock, static_cast<std::uint32_t>(leader)};
            ++slotsUsed_;
            return &slot;
        }
        if (slot.Lengths == lengths && slot.Leader == static_cast<std::uint32_t>(leader)) return &slot;
    }
    return nullptr;
}

TableBounds TransTable::Lookup(std::uint64_t lengths, int leader, const OwnerKey& owners, int cut) {
    TableBounds bounds;
    Slot* slot = FindSlot(lengths, leader, false);
    if (slot == nullptr) return bounds;
    Entry* front = nullptr;
    for (std::uint32_t b = slot->Head; b != NoBlock; b = blocks_[b].Next) {
        Block& block = blocks_[b];
        for (std::uint32_t i = 0; i < block.Count; ++i) {
            Entry& entry = block.Entries[i];
            if (front == nullptr) front = &entry;
            // Only an entry whose bound decides the cut is worth matching.
            if (entry.Lower < cut && entry.Upper >= cut) continue;
            if (!Matches(owners, entry.Mask, entry.Owners)) continue;
            if (entry.Lower >= cut) {
                bounds.Lower = entry.Lower;
                bounds.LowerTop = TopOf(entry.Mask);
            } else {
                bounds.Upper = entry.Upper;
                bounds.UpperTop = TopOf(entry.Mask);
            }
            // Entries that answer move to the front of their chain, where the next lookup of
            // this shape starts.
            if (&entry != front) std::swap(entry, *front);
            return bounds;
        }
    }
    return bounds;
}

void TransTable::Store(std::uint64_t lengths, int leader, const OwnerKey& owners, const TopCounts& top,
                       int lower, int upper) {
    Slot* slot = FindSlot(lengths, leader, true);
    if (slot == nullptr) {
        Clear();
        slot = FindSlot(lengths, leader, true);
        if (slot == nullptr) return;
    }
    const OwnerKey mask = TopMask(top, SuitCounts(lengths));
    const OwnerKey masked{{owners.Word[0] & mask.Word[0], owners.Word[1] & mask.Word[1]}};
    if (slot->Head == NoBlock || blocks_[slot->Head].Count == BlockEntries) {
        if (blocksUsed_ == blockCount_) {
            Clear();
            slot = FindSlot(lengths, leader, true);
            if (slot == nullptr) return;
        }
        const auto index = static_cast<std::uint32_t>(blocksUsed_++);
        blocks_[index].Next = slot->Head;
        blocks_[index].Count = 0;
        slot->Head = index;
    }
    Block& head = blocks_[slot->Head];
    head.Entries[head.Count++] =
        Entry{mask, masked, static_cast<std::int8_t>(lower), static_cast<std::int8_t>(upper)};
}

}  // namespace corvane::sds
