#include "table/solver/TransTable.h"

#include <algorithm>

namespace corvane::sds {

namespace {
// Probing stops and the table is cleared before the slot array is half full.
constexpr std::size_t MaxProbe = 16;

bool Matches(const OwnerKey& owners, const OwnerKey& mask, const OwnerKey& entryOwners) {
    return (owners.Word[0] & mask.Word[0]) == entryOwners.Word[0] &&
           (owners.Word[1] & mask.Word[1]) == entryOwners.Word[1];
}
}  // namespace

TransTable::TransTable(std::size_t slotCountLog2, std::size_t entryCountLog2)
    : slots_(std::size_t{1} << slotCountLog2, Slot{0, 0, NoEntry, 0}),
      entries_(std::size_t{1} << entryCountLog2),
      slotMask_((std::size_t{1} << slotCountLog2) - 1) {}

void TransTable::Clear() {
    ++generation_;
    if (generation_ == 0) {  // wrapped: old stamps could look current again
        std::fill(slots_.begin(), slots_.end(), Slot{0, 0, NoEntry, 0});
        generation_ = 1;
    }
    slotsUsed_ = 0;
    entriesUsed_ = 0;
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
            slot = Slot{lengths, generation_, NoEntry, static_cast<std::uint32_t>(leader)};
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
    std::uint32_t previous = NoEntry;
    for (std::uint32_t e = slot->Head; e != NoEntry; previous = e, e = entries_[e].Next) {
        Entry& entry = entries_[e];
        if (!Matches(owners, entry.Mask, entry.Owners)) continue;
        if (entry.Lower > bounds.Lower) {
            bounds.Lower = entry.Lower;
            bounds.LowerMask = entry.Mask;
        }
        if (entry.Upper < bounds.Upper) {
            bounds.Upper = entry.Upper;
            bounds.UpperMask = entry.Mask;
        }
        if (entry.Lower >= cut || entry.Upper < cut) {
            if (previous != NoEntry) {
                entries_[previous].Next = entry.Next;
                entry.Next = slot->Head;
                slot->Head = e;
            }
            break;
        }
    }
    return bounds;
}

void TransTable::Store(std::uint64_t lengths, int leader, const OwnerKey& owners,
                       const OwnerKey& mask, int lower, int upper) {
    Slot* slot = FindSlot(lengths, leader, true);
    if (slot == nullptr || entriesUsed_ == entries_.size()) {
        Clear();
        slot = FindSlot(lengths, leader, true);
        if (slot == nullptr) return;
    }
    const OwnerKey masked{{owners.Word[0] & mask.Word[0], owners.Word[1] & mask.Word[1]}};
    for (std::uint32_t e = slot->Head; e != NoEntry; e = entries_[e].Next) {
        Entry& entry = entries_[e];
        if (entry.Mask.Word[0] == mask.Word[0] && entry.Mask.Word[1] == mask.Word[1] &&
            entry.Owners.Word[0] == masked.Word[0] && entry.Owners.Word[1] == masked.Word[1]) {
            entry.Lower = static_cast<std::int8_t>(std::max<int>(entry.Lower, lower));
            entry.Upper = static_cast<std::int8_t>(std::min<int>(entry.Upper, upper));
            return;
        }
    }
    const auto index = static_cast<std::uint32_t>(entriesUsed_++);
    entries_[index] = Entry{mask, masked, slot->Head, static_cast<std::int8_t>(lower),
                            static_cast<std::int8_t>(upper)};
    slot->Head = index;
}

}  // namespace corvane::sds
