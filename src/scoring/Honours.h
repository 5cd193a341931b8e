// Honours at rubber bridge: four or five of the top trumps, or all four aces at notrump, in one
// hand as dealt.
#pragma once

#include "cards/Cards.h"

namespace corvane {

struct Honours {
    TSeat Seat = NoSeat;  // the hand holding them; NoSeat when no hand does
    int Points = 0;       // 100 for four trump honours, 150 for five or for four aces
};

Honours HonoursHeld(const DealHoldings& dealt, Strain trumps);

}  // namespace corvane
