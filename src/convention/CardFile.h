// Convention card files: loading a side's card from the data folder (with the default card in
// place of a missing one), upgrading cards written by older versions, and saving.
#pragma once

#include "convention/ConventionCards.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

struct CardLoadResult {
    bool Fatal = false;                 // the default card is missing: end after start-up
    std::vector<std::string> Messages;  // for the person, in order
};

// Reads the side's card (State(side).CardFileName, a file of the folder) into the pair, upgrades
// it and rewrites it when it was old, and recomputes the defences. The definition database adds
// the card's additional conventions when it is built from the card. A missing card is replaced by the default card, which becomes the
// side's file name.
CardLoadResult LoadCard(ConventionCards& cards, int side, const std::filesystem::path& folder);

// Moves the notrump settings of a card without "StrongNTHCP" under the main structure and sets
// "StrongNTHCP" to 14; true when the card changed.
bool UpgradeCard(ConventionCard& card);

std::optional<ConventionCard> ReadCardFile(const std::filesystem::path& file);

// Writes the card in key order, replacing the file only once the whole text is on disk. Returns
// an empty text on success, else the reason.
std::string SaveCard(const ConventionCard& card, const std::filesystem::path& file);

}  // namespace corvane
