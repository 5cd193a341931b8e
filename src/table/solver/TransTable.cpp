#include "table/solver/TransTable.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>
#if defined(__linux__)
#include <sys/mman.h>
#endif
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane::sds {

namespace {
// Probing stops, and the table is thinned, before the slot array is half full.
constexpr std::size_t MaxProbe = 16;
// A chain this many blocks long splits, when most of its entries rest on one card (see Slot).
constexpr int SplitBlocks = 3;

// Cards per suit, a nibble each: no suit holds more than 13, so the nibbles never carry.
unsigned SuitCounts(std::uint64_t lengths) {
    return static_cast<unsigned>((lengths + (lengths >> 16) + (lengths >> 32) + (lengths >> 48)) &
                                 0xFFFF);
}
inline int CountOf(unsigned counts, int suit) {
    return static_cast<int>((counts >> (4 * suit)) & 15);
}
int CardsOf(std::uint64_t lengths) {
    const unsigned counts = SuitCounts(lengths);
    return CountOf(counts, 0) + CountOf(counts, 1) + CountOf(counts, 2) + CountOf(counts, 3);
}

// Per suit a byte: who holds its top four cards, plane 0 in bits 0..3 and plane 1 in bits 4..7,
// the top card at bits 3 and 7. A suit's planes hold its top four cards at bits 9..12 and
// 25..28 of its half of an owner word.
std::uint32_t TopSig(const OwnerKey& owners) {
    std::uint32_t sig = 0;
    for (int w = 0; w < 2; ++w) {
        const std::uint64_t planes = ((owners.Word[w] >> 9) & 0x0000000F0000000FULL) |
                                     ((owners.Word[w] >> 21) & 0x000000F0000000F0ULL);
        sig |= static_cast<std::uint32_t>((planes | (planes >> 24)) & 0xFFFF) << (16 * w);
    }
    return sig;
}

// The bits of TopSig an entry resting on the top cards `top` cares about.
std::uint32_t TopSigCare(const TopCounts& top) {
    constexpr std::array<std::uint8_t, 14> careOf{0x00, 0x88, 0xCC, 0xEE, 0xFF, 0xFF, 0xFF,
                                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    return careOf[top[0]] | careOf[top[1]] << 8 | careOf[top[2]] << 16 |
           static_cast<std::uint32_t>(careOf[top[3]]) << 24;
}
// Whether the signature alone tells if a position agrees with an entry resting on `top`.
bool SigIsWhole(const TopCounts& top) {
    return top[0] <= 4 && top[1] <= 4 && top[2] <= 4 && top[3] <= 4;
}

// The seat holding the card of a suit with `card` cards above it, which the suit must have.
inline unsigned OwnerAt(const OwnerKey& owners, int suit, int card) {
    const std::uint64_t chunk = owners.Word[suit >> 1] >> (32 * (suit & 1));
    return static_cast<unsigned>(((chunk >> (12 - card)) & 1) |
                                 (((chunk >> (28 - card)) & 1) << 1));
}
// The key of the child a slot splits to for the owner of its split card; `depth` slots lie
// above it. Owners are written plus one so that every path has its own key.
inline unsigned ChildKey(unsigned key, int depth, unsigned owner) {
    return key | ((owner + 1) << (2 + 3 * depth));
}
inline int SplitSuit(std::uint8_t split) {
    return split & 3;
}
inline int SplitCard(std::uint8_t split) {
    return split >> 2;
}

// How many cards an entry rests on.
int CardsRestedOn(const TopCounts& top) {
    return top[0] + top[1] + top[2] + top[3];
}
// Both planes of the top k cards of a suit, by k.
constexpr std::array<std::uint32_t, 14> SuitMask = [] {
    std::array<std::uint32_t, 14> mask{};
    for (int k = 0; k <= 13; ++k) mask[k] = ((0x1FFFU << (13 - k)) & 0x1FFFU) * 0x10001U;
    return mask;
}();
// The plane mask of the top `top[s]` cards of each suit.
OwnerKey TopMask(const TopCounts& top) {
    return OwnerKey{{SuitMask[top[0]] | std::uint64_t{SuitMask[top[1]]} << 32,
                     SuitMask[top[2]] | std::uint64_t{SuitMask[top[3]]} << 32}};
}
// Whether `owners` agrees with an entry resting on the top cards `top`.
bool Matches(const OwnerKey& owners, const TopCounts& top, const OwnerKey& entryOwners) {
    const OwnerKey mask = TopMask(top);
    return (owners.Word[0] & mask.Word[0]) == entryOwners.Word[0] &&
           (owners.Word[1] & mask.Word[1]) == entryOwners.Word[1];
}

// Memory for `count` objects of T, in huge pages where the system gives them on request. The
// objects are left unconstructed: the callers' types are trivial.
template <class T>
T* AllocateLarge(std::size_t count) {
    constexpr std::size_t HugePage = std::size_t{2} << 20;
    const std::size_t bytes = (count * sizeof(T) + HugePage - 1) / HugePage * HugePage;
    void* memory = std::aligned_alloc(HugePage, bytes);
    if (memory == nullptr) throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
    madvise(memory, bytes, MADV_HUGEPAGE);  // only advice: small pages work too
#endif
    return static_cast<T*>(memory);
}
}  // namespace

void TransTable::FreeMemory::operator()(void* memory) const {
    std::free(memory);
}

// At least two slots: the index is the top bits of the hash, and shifting a word by 64 is
// undefined. (One slot could hold nothing anyway: the slot array is never filled past half.)
TransTable::TransTable(std::size_t slotCountLog2, std::size_t blockCountLog2)
    : slotMemory_(AllocateLarge<Slot>(std::size_t{1} << std::max<std::size_t>(slotCountLog2, 1))),
      slots_(slotMemory_.get(), std::size_t{1} << std::max<std::size_t>(slotCountLog2, 1)),
      blocks_(AllocateLarge<Block>(std::size_t{1} << blockCountLog2)),
      blockCount_(std::size_t{1} << blockCountLog2), slotMask_(slots_.size() - 1),
      slotShift_(std::countl_zero(slotMask_)) {
    std::fill(slots_.begin(), slots_.end(), EmptySlot);
}

void TransTable::Clear() {
    ++generation_;
    if (generation_ == 0) {  // wrapped: old stamps could look current again
        std::fill(slots_.begin(), slots_.end(), EmptySlot);
        generation_ = 1;
    }
    slotsUsed_ = 0;
    blocksUsed_ = 0;
}

// Makes room when the memory is full. Positions with many cards left cost the most to search
// again, so those are kept, whole shapes at a time, up to half the blocks and a quarter of the
// slots; the others go.
void TransTable::Thin() {
    std::array<std::size_t, 53> blocksAt{};
    std::array<std::size_t, 53> slotsAt{};
    for (const Slot& slot : slots_) {
        if (slot.Generation != generation_) continue;
        const int cards = CardsOf(slot.Lengths);
        ++slotsAt[cards];
        for (std::uint32_t b = slot.Head; b != NoBlock; b = blocks_[b].Next) ++blocksAt[cards];
    }
    int floor = 53;
    std::size_t keptBlocks = 0;
    std::size_t keptSlots = 0;
    while (floor > 0 && keptBlocks + blocksAt[floor - 1] <= blockCount_ / 2 &&
           keptSlots + slotsAt[floor - 1] <= slots_.size() / 4) {
        --floor;
        keptBlocks += blocksAt[floor];
        keptSlots += slotsAt[floor];
    }

    // Kept blocks move down in order, so none is overwritten before it has moved.
    std::vector<std::uint32_t> moved(blocksUsed_, NoBlock);
    std::vector<Slot> kept;
    kept.reserve(keptSlots);
    for (const Slot& slot : slots_) {
        // A slot may be new and still empty: the store that found the memory full made it.
        if (slot.Generation != generation_ || slot.Head == NoBlock || CardsOf(slot.Lengths) < floor)
            continue;
        kept.push_back(slot);
        for (std::uint32_t b = slot.Head; b != NoBlock; b = blocks_[b].Next) moved[b] = 0;
    }
    std::uint32_t used = 0;
    for (std::uint32_t b = 0; b < blocksUsed_; ++b) {
        if (moved[b] == NoBlock) continue;
        moved[b] = used;
        if (b != used) blocks_[used] = blocks_[b];
        ++used;
    }
    for (std::uint32_t b = 0; b < used; ++b) {
        if (blocks_[b].Next != NoBlock) blocks_[b].Next = moved[blocks_[b].Next];
        if (blocks_[b].AfterNext != NoBlock) blocks_[b].AfterNext = moved[blocks_[b].AfterNext];
    }
    Clear();
    blocksUsed_ = used;
    for (const Slot& old : kept) {
        Slot* slot = FindSlot(old.Lengths, old.Key);
        if (slot == nullptr) continue;
        *slot = old;
        slot->Generation = generation_;
        slot->Head = moved[old.Head];
        slot->Second = old.Second == NoBlock ? NoBlock : moved[old.Second];
    }
}

// The slot of a shape and key, nullptr when there is none. Kept apart from FindSlot, which
// makes the slot when there is none, so that lookups get a loop small enough to inline.
const TransTable::Slot* TransTable::FindExisting(std::uint64_t lengths, unsigned key) const {
    std::size_t i = SlotIndex(lengths, key);
    for (std::size_t probe = 0; probe < MaxProbe; ++probe, i = (i + 1) & slotMask_) {
        const Slot& slot = slots_[i];
        if (slot.Generation != generation_) return nullptr;
        if (slot.Lengths == lengths && slot.Key == key) return &slot;
    }
    return nullptr;
}

// The slot of a shape and key, made when there is none; nullptr when probing finds no room.
TransTable::Slot* TransTable::FindSlot(std::uint64_t lengths, unsigned key) {
    std::size_t i = SlotIndex(lengths, key);
    for (std::size_t probe = 0; probe < MaxProbe; ++probe, i = (i + 1) & slotMask_) {
        Slot& slot = slots_[i];
        if (slot.Generation != generation_) {
            if (2 * (slotsUsed_ + 1) > slots_.size()) return nullptr;
            slot = EmptySlot;
            slot.Lengths = lengths;
            slot.Generation = generation_;
            slot.Key = key;
            ++slotsUsed_;
            return &slot;
        }
        if (slot.Lengths == lengths && slot.Key == key) return &slot;
    }
    return nullptr;
}

namespace {
#if defined(__SSE2__)
inline __m128i Load16(const void* at) {
    return _mm_loadu_si128(static_cast<const __m128i*>(at));
}

// The lanes of a block whose signature agrees with `sig` where the entry cares.
unsigned Agreeing(const std::uint32_t* care, const std::uint32_t* sigs, std::uint32_t sig) {
    const __m128i own = _mm_set1_epi32(static_cast<int>(sig));
    const __m128i zero = _mm_setzero_si128();
    auto agree = [&](int at) {
        return _mm_cmpeq_epi32(
            _mm_and_si128(_mm_xor_si128(Load16(sigs + at), own), Load16(care + at)), zero);
    };
    // Packed to a byte per entry; the four lanes past the last entry come out as zero.
    const __m128i words = _mm_packs_epi32(agree(0), agree(4));
    const __m128i rest = _mm_packs_epi32(agree(8), zero);
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(words, rest)));
}
// The lanes of a block whose bound decides `cut`, and bits past the lanes (from the four bytes
// read after lane 11) that mean nothing.
unsigned Deciding(const std::uint8_t* bounds, int cut) {
    const __m128i lanes = Load16(bounds);
    const __m128i nibbles = _mm_set1_epi8(0x0F);
    const __m128i lower = _mm_and_si128(lanes, nibbles);
    const __m128i upper = _mm_and_si128(_mm_srli_epi16(lanes, 4), nibbles);
    // Bounds are at most 13, so the signed byte compares see them as they are.
    const __m128i lowerAtLeast = _mm_cmpgt_epi8(lower, _mm_set1_epi8(static_cast<char>(cut - 1)));
    const __m128i upperBelow = _mm_cmpgt_epi8(_mm_set1_epi8(static_cast<char>(cut)), upper);
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(lowerAtLeast, upperBelow)));
}
#else
constexpr std::uint64_t EachByte = 0x0101010101010101ULL;

// Bit i set for each byte i of x whose bit 4 is set.
inline unsigned ByteBit4s(std::uint64_t x) {
    return static_cast<unsigned>((((x >> 4) & EachByte) * 0x0102040810204080ULL) >> 56);
}
// Lane i of a word read from memory is its i-th byte from the bottom.
static_assert(std::endian::native == std::endian::little);
inline std::uint64_t Word(const std::uint8_t* at) {
    std::uint64_t w;
    std::memcpy(&w, at, sizeof w);
    return w;
}

// The lanes of a block whose signature agrees with `sig` where the entry cares.
unsigned Agreeing(const std::uint32_t* care, const std::uint32_t* sigs, std::uint32_t sig) {
    unsigned agrees = 0;
    for (int i = 0; i < 12; ++i) agrees |= unsigned{((sigs[i] ^ sig) & care[i]) == 0} << i;
    return agrees;
}
// The lanes of a block whose bound decides `cut`, and bits past the lanes (from the eight bytes
// read after lane 7) that mean nothing.
unsigned Deciding(const std::uint8_t* bounds, int cut) {
    // Bounds are at most 13 and the cut at least 1, so adding 16 - cut to a nibble sets bit 4 of
    // its byte exactly when the bound is at least the cut, and carries no further.
    const std::uint64_t bias = static_cast<std::uint64_t>(16 - cut) * EachByte;
    const std::uint64_t nibbles = 0x0F * EachByte;
    unsigned decides = 0;
    for (int w = 0; w < 2; ++w) {
        const std::uint64_t lanes = Word(bounds + 8 * w);
        const std::uint64_t lowerAtLeast = (lanes & nibbles) + bias;
        const std::uint64_t upperAtLeast = ((lanes >> 4) & nibbles) + bias;
        decides |= ByteBit4s(lowerAtLeast | ~upperAtLeast) << (8 * w);
    }
    return decides;
}
#endif
}  // namespace

TableBounds TransTable::Lookup(std::uint64_t lengths, int leader, const OwnerKey& owners, int cut) {
    TableBounds bounds;
    // The chains of the branch, walked from the deepest up: deeper entries are newer.
    std::array<std::uint32_t, MaxDepth + 1> heads;
    int n = 0;
    auto key = static_cast<unsigned>(leader);
    for (const Slot* slot = FindExisting(lengths, key); slot != nullptr;) {
        if (slot->Second != NoBlock) __builtin_prefetch(&blocks_[slot->Second]);
        heads[n++] = slot->Head;
        if (slot->Split == NoSplit) break;
        key = ChildKey(key, n - 1, OwnerAt(owners, SplitSuit(slot->Split), SplitCard(slot->Split)));
        slot = FindExisting(lengths, key);
    }
    if (n == 0) return bounds;  // a shape not stored yet: no signature needed
    // The branch's upper chains are walked only if its own misses, often enough on long
    // branches that their first blocks are worth asking for now.
    for (int level = 0; level + 1 < n; ++level) {
        if (heads[level] != NoBlock) __builtin_prefetch(&blocks_[heads[level]]);
    }
    const std::uint32_t sig = TopSig(owners);
    // Most entries rest on no more than a suit's top four cards, and the signature tells them.
    auto matches = [&](const Block& block, int i) {
        return block.Whole[i] != 0 || Matches(owners, block.Tops[i], block.Owners[i]);
    };
    for (int level = n - 1; level >= 0; --level) {
        Block* front = nullptr;
        for (std::uint32_t b = heads[level]; b != NoBlock; b = blocks_[b].Next) {
            Block& block = blocks_[b];
            if (block.AfterNext != NoBlock) __builtin_prefetch(&blocks_[block.AfterNext]);
            if (front == nullptr) front = &block;
            // In about half the blocks no entry agrees with the signature; their bounds are
            // not looked at.
            const unsigned agrees = Agreeing(block.Care.data(), block.Sig.data(), sig);
            if (agrees == 0) continue;
            for (unsigned lanes = agrees & Deciding(block.Bounds.data(), cut); lanes != 0;
                 lanes &= lanes - 1) {
                int i = std::countr_zero(lanes);
                if (!matches(block, i)) continue;
                // Of the entries of this block that answer, the one resting on the fewest cards
                // lets the answer serve the most positions further up.
                int fewest = CardsRestedOn(block.Tops[i]);
                for (unsigned rest = lanes & (lanes - 1); rest != 0; rest &= rest - 1) {
                    const int j = std::countr_zero(rest);
                    if (!matches(block, j)) continue;
                    if (const int cards = CardsRestedOn(block.Tops[j]); cards < fewest) {
                        fewest = cards;
                        i = j;
                    }
                }
                const int lower = block.Bounds[i] & 15;
                if (lower >= cut) {
                    bounds.Lower = lower;
                    bounds.LowerTop = block.Tops[i];
                } else {
                    bounds.Upper = block.Bounds[i] >> 4;
                    bounds.UpperTop = block.Tops[i];
                }
                // Entries that answer move to the front of their chain, where the next lookup of
                // this shape starts.
                if (&block != front || i != 0) {
                    std::swap(block.Bounds[i], front->Bounds[0]);
                    std::swap(block.Sig[i], front->Sig[0]);
                    std::swap(block.Care[i], front->Care[0]);
                    std::swap(block.Whole[i], front->Whole[0]);
                    std::swap(block.Tops[i], front->Tops[0]);
                    std::swap(block.Owners[i], front->Owners[0]);
                }
                return bounds;
            }
        }
    }
    return bounds;
}

// Splits on the next card of the suit, after those split on above, that most entries of the
// chain rest on, if that is most of them.
std::uint8_t TransTable::ChooseSplit(const Slot& slot, const std::array<int, 4>& splitCards,
                                     std::uint64_t lengths) const {
    const unsigned counts = SuitCounts(lengths);
    std::array<int, 4> resting{};
    int entries = 0;
    for (std::uint32_t b = slot.Head; b != NoBlock; b = blocks_[b].Next) {
        const Block& block = blocks_[b];
        const int count = b == slot.Head ? slot.Filled : BlockEntries;
        entries += count;
        for (int i = 0; i < count; ++i) {
            for (int suit = 0; suit < 4; ++suit)
                resting[suit] += block.Tops[i][suit] > splitCards[suit] ? 1 : 0;
        }
    }
    int best = -1;
    for (int suit = 0; suit < 4; ++suit) {
        if (CountOf(counts, suit) <= splitCards[suit]) continue;
        if (2 * resting[suit] > entries && (best < 0 || resting[suit] > resting[best])) best = suit;
    }
    return best < 0 ? NoSplit : static_cast<std::uint8_t>(best | splitCards[best] << 2);
}

TransTable::Slot* TransTable::SlotFor(std::uint64_t lengths, int leader, const OwnerKey& owners,
                                      const TopCounts& top) {
    auto key = static_cast<unsigned>(leader);
    std::array<int, 4> splitCards{};
    Slot* slot = FindSlot(lengths, key);
    for (int depth = 0; slot != nullptr; ++depth) {
        // A long chain is weighed again each time it has grown by another few blocks.
        if (slot->Split == NoSplit && depth < MaxDepth && slot->Blocks >= SplitBlocks &&
            slot->Blocks % SplitBlocks == 0 && slot->Filled == BlockEntries)
            slot->Split = ChooseSplit(*slot, splitCards, lengths);
        if (slot->Split == NoSplit) return slot;
        const int suit = SplitSuit(slot->Split);
        const int card = SplitCard(slot->Split);
        if (top[suit] <= card) return slot;
        splitCards[suit] = card + 1;
        key = ChildKey(key, depth, OwnerAt(owners, suit, card));
        slot = FindSlot(lengths, key);
    }
    return nullptr;
}

void TransTable::Store(std::uint64_t lengths, int leader, const OwnerKey& owners,
                       const TopCounts& top, int lower, int upper) {
    Slot* slot = SlotFor(lengths, leader, owners, top);
    const bool needsBlock =
        slot == nullptr || slot->Head == NoBlock || slot->Filled == BlockEntries;
    if (slot == nullptr || (needsBlock && blocksUsed_ == blockCount_)) {
        Thin();
        slot = SlotFor(lengths, leader, owners, top);
        if (slot == nullptr) return;
    }
    const OwnerKey mask = TopMask(top);
    const OwnerKey masked{{owners.Word[0] & mask.Word[0], owners.Word[1] & mask.Word[1]}};
    if (slot->Head == NoBlock || slot->Filled == BlockEntries) {
        const auto index = static_cast<std::uint32_t>(blocksUsed_++);
        Block& block = blocks_[index];
        block.Next = slot->Head;
        block.AfterNext = slot->Second;
        slot->Second = slot->Head;
        block.Bounds.fill(13 << 4);
        slot->Filled = 0;
        slot->Head = index;
        if (slot->Blocks < 255) ++slot->Blocks;
    }
    Block& head = blocks_[slot->Head];
    const std::uint32_t care = TopSigCare(top);
    const int i = slot->Filled++;
    head.Bounds[i] = static_cast<std::uint8_t>(lower | upper << 4);
    head.Sig[i] = TopSig(owners) & care;
    head.Care[i] = care;
    head.Whole[i] = SigIsWhole(top) ? 1 : 0;
    head.Tops[i] = top;
    head.Owners[i] = masked;
}

}  // namespace corvane::sds
