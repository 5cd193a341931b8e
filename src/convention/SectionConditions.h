// Which sections of the definition file a side's convention card selects. A section's name is a
// list of conditions joined by "_"; each tests the side's card (or, written with "(", the
// opponents' card), and a leading "{" negates it.
#pragma once

#include "convention/DefinitionDatabase.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct SectionConditionSides {
    const SideCardAccess& Own;
    const SideCardAccess& Opponents;
    std::vector<std::string> OwnAdditional;
    std::vector<std::string> OpponentsAdditional;
};

struct SectionSelection {
    bool Selected = false;
    // The last condition was one of the level-limited conventions: entries whose last
    // opponent's call lies above LevelLimit are left out.
    bool LevelFiltered = false;
    std::string LevelLimit;
};

SectionSelection SelectSection(std::string_view sectionName, const SectionConditionSides& sides);

// Whether the last opponent's call in the sequence (in parentheses, doubles and redoubles aside)
// is not above the limit. The comparison is plain text order, so "3N" counts as below "3S".
bool WithinLevelLimit(std::string_view sequence, std::string_view limit);

}  // namespace corvane
