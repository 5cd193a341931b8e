#include "convention/CardFile.h"

#include "convention/CardVocabulary.h"
#include "platform/FileIo.h"

#include <system_error>

namespace corvane {

namespace {

// Only plain names of files in the data folder may be used; a path would reach outside it.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

std::string FolderText(const std::filesystem::path& folder) {
    return (folder / "").string();
}

bool FileExists(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

}  // namespace

std::optional<ConventionCard> ReadCardFile(const std::filesystem::path& file) {
    std::string text, error;
    if (platform::ReadWholeFile(file.string(), text, error) != platform::ReadOutcome::Read) {
        return std::nullopt;
    }
    return ConventionCard::FromText(text);
}

std::string SaveCard(const ConventionCard& card, const std::filesystem::path& file) {
    return platform::WriteFileAtomically(file.string(), card.ToText());
}

bool UpgradeCard(ConventionCard& card) {
    if (!card.Value("StrongNTHCP").empty()) return false;
    card.Set("StrongNTHCP", "14");
    for (size_t i = 0; i < card_keys::UpgradedStructureKeyCount; ++i) {
        const std::string_view key = card_keys::NTStructureKeys[i];
        const std::string value = card.Value(key);
        if (value.empty()) continue;
        card.Set(key, "");
        card.Set(std::string(1, MainStructure) + ":" + std::string(key), value);
    }
    return true;
}

CardLoadResult LoadCard(ConventionCards& cards, int side, const std::filesystem::path& folder) {
    CardLoadResult result;
    const std::string defaultName(DefaultCardFile);
    if (!FileExists(folder / defaultName)) {
        result.Fatal = true;
        result.Messages.push_back("The \"" + FolderText(folder) + defaultName +
                                  "\" file has not been found. You must now re-install Corvane");
    }
    SideNTState& state = cards.State(side);
    std::optional<ConventionCard> card;
    if (IsPlainFileName(state.CardFileName)) card = ReadCardFile(folder / state.CardFileName);
    if (!card) {
        result.Messages.push_back("Convention Card file " + FolderText(folder) + state.CardFileName +
                                  " has not been found. \"" + defaultName +
                                  "\" is being substituted for " + (side == 2 ? "E-W" : "N-S"));
        state.CardFileName = defaultName;
        card = ReadCardFile(folder / defaultName);
    }
    ConventionCard loaded = card.value_or(ConventionCard());
    // An upgraded card is written back so that the move happens once; when the write fails the
    // card is still used as upgraded and the move is repeated at the next load.
    if (card && UpgradeCard(loaded)) SaveCard(loaded, folder / state.CardFileName);
    cards.Card(side) = std::move(loaded);
    cards.UpdateDefences();
    return result;
}

}  // namespace corvane
