#include "scoring/Honours.h"

namespace corvane {

namespace {
constexpr Holding TrumpHonours =
    RankBit(Ace) | RankBit(King) | RankBit(Queen) | RankBit(Jack) | RankBit(Ten);
constexpr int FourHonours = 100;
constexpr int FiveHonours = 150;
constexpr int FourAces = 150;
}  // namespace

Honours HonoursHeld(const DealHoldings& dealt, Strain trumps) {
    for (TSeat seat = North; seat < SeatCount; ++seat) {
        const auto& hand = dealt[seat];
        if (trumps == NoTrump) {
            bool allAces = true;
            for (const Holding suit : hand) allAces = allAces && Holds(suit, Ace);
            if (allAces) return {seat, FourAces};
        } else {
            const int held = Length(hand[trumps] & TrumpHonours);
            if (held == 5) return {seat, FiveHonours};
            if (held == 4) return {seat, FourHonours};
        }
    }
    return {};
}

}  // namespace corvane
