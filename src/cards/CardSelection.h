// Choosing a card of a hand with the keyboard.
#pragma once

#include "cards/Hands.h"

#include <vector>

namespace corvane {

enum class SelectionKey { Left, Right, Up, Down };

// What the selection needs to know of the trick in progress.
struct TrickContext {
    int SuitLed = -1;               // -1 when the seat leads
    CardCode WinningCard = NoCard;  // the card winning this trick, or that won the last one
    bool AnyCardPlayed = false;     // at least one card of the deal has been played
};

// A card may be played when the seat holds it and, unless it leads, follows suit if it can.
bool MayPlay(const THands& hand, CardCode card, int suitLed);

// The lowest card of the suit led if held; else the lowest card of the winning card's suit if
// held and the play has begun; else the lowest card of the first suit held, clubs upward.
CardCode DefaultSelection(const THands& hand, const TrickContext& trick);

// Left and right step to the previous or next playable card, wrapping; up and down to the
// previous or next playable card of another suit. `cards` is the hand in display order. With no
// current selection the default is returned.
CardCode MoveSelection(const THands& hand, const std::vector<CardCode>& cards, CardCode current,
                       SelectionKey key, const TrickContext& trick);

}  // namespace corvane
