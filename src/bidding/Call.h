// Call codes: 0 redouble, 1 double, 2 pass, 3..37 the bids 1C..7NT, 38 no call.
#pragma once

#include "cards/Cards.h"

#include <cstdint>

namespace corvane {

using CallCode = std::uint8_t;
inline constexpr CallCode Redouble = 0;
inline constexpr CallCode Double = 1;
inline constexpr CallCode Pass = 2;
inline constexpr CallCode FirstBid = 3;   // 1C
inline constexpr CallCode LastBid = 37;   // 7NT
inline constexpr CallCode NoCall = 38;    // no call yet, or unreadable text

constexpr CallCode BidCode(int level, int strain) {
    return static_cast<CallCode>(FirstBid + 5 * (level - 1) + strain);
}
constexpr bool IsBid(CallCode c) { return c >= FirstBid && c <= LastBid; }

// Codes above 37 fold back by 36 (twice at most) before level or strain is taken.
constexpr int FoldCall(int c) {
    if (c >= 38) c -= 36;
    if (c >= 38) c -= 36;
    return c;
}
// 1..7 for a bid, 0 otherwise.
constexpr int LevelOf(int c) {
    c = FoldCall(c);
    return c >= FirstBid && c <= LastBid ? (c - FirstBid) / 5 + 1 : 0;
}
// The bid's strain, NoTrump (no suit) for anything that is not a bid.
constexpr Strain StrainOf(int c) {
    c = FoldCall(c);
    return c >= FirstBid && c <= LastBid ? static_cast<Strain>((c - FirstBid) % 5) : NoTrump;
}

}  // namespace corvane
