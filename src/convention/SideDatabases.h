// The definition databases of both sides built from the two convention cards, and the card
// queries the definition language asks through the side's card.
#pragma once

#include "bidding/DefinitionLanguage.h"
#include "convention/ConventionCards.h"
#include "convention/DefinitionDatabase.h"

namespace corvane {

// The side's card and notrump state as the database assembly sees them. The access refers to
// the pair, which must outlive it.
SideCardAccess CardAccess(ConventionCards& cards, int side);

// Rebuilds both sides' databases from their cards (after a card load or a change of a side's
// notrump structure).
void BuildDefinitionDatabases(const DefinitionFiles& files, ConventionCards& cards,
                              DefinitionDatabases& databases);

// The players switch conventions: the cards with their file names and the databases change
// sides, and the swapped flag toggles.
void SwapSides(ConventionCards& cards, DefinitionDatabases& databases);

// Points the context's card queries at the current card of the pair: the 1NT range in force,
// very light openings, HCP ranges by code and card conditions. The context refers to the pair.
void UseCardQueries(DefinitionContext& context, ConventionCards& cards,
                    const OneNTSituation& situation);

}  // namespace corvane
