// Any bytes as the definition files (split at the first two zero bytes into "SequenceFile.txt",
// "MyStyle.txt" and "CnvtOrder.txt"): the database of a side is assembled and every sequence
// looked up the way the bidder does.
#include "bidding/Call.h"
#include "convention/DefinitionDatabase.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

using namespace corvane;

namespace {

SideCardAccess Card(std::map<std::string, std::string>& values, std::string structure) {
    SideCardAccess access;
    access.Value = [&values](std::string_view key) {
        const auto it = values.find(std::string(key));
        return it == values.end() ? std::string() : it->second;
    };
    access.Tick = [&values](std::string_view key) { values[std::string(key)] = "X"; };
    access.NTStructure = std::move(structure);
    access.DirectDefence = "LANDY";
    return access;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view parts[3];
    for (int i = 0; i < 3; ++i) {
        const auto end = i < 2 ? rest.find('\0') : std::string_view::npos;
        parts[i] = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const DefinitionFiles files = DefinitionFiles::FromTexts(parts[0], parts[1], parts[2]);
    std::map<std::string, std::string> own{{"GENS", "2/1"}, {"SPLINT", "X"}, {"4N", "RKC"},
                                           {"MW", "0314"}, {"VPRETEXT", "3S"}, {"NEGX", "2S"},
                                           {"ZNEWCNVTS", "MINE,OTHER"}, {"SPECIALSYSTEM", "SIF"}};
    std::map<std::string, std::string> opponents{{"CRASH", "X"}, {"M:STAY", "X"}};
    SideCardAccess side = Card(own, "M");
    SideCardAccess other = Card(opponents, "");
    const SideDatabase database = BuildSideDatabase(files, side, other);

    LookupSituation situation;
    situation.Calls = {Pass, BidCode(1, Hearts), BidCode(2, Clubs)};
    situation.Candidate = BidCode(2, Hearts);
    situation.SpecialSystem = "SIF";
    situation.Restart = {"1N", '@'};
    for (const DefinitionEntry& entry : database.Entries()) {
        FindDefinition(database, entry.Sequence, situation);
        FindDefinition(database, "P-" + entry.Sequence, situation);
    }
    FindDefinition(database, SequenceKey(situation.Calls, situation.Candidate, situation.Restart), situation);
    return 0;
}
