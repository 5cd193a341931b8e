// The bid definition database: sections of "sequence=definition" entries in two INI-form files,
// the program's "SequenceFile.txt" and the player's "MyStyle.txt". Each section is named by
// conditions on the convention cards; for each side the sections its card selects are put
// together into one database keyed by bidding sequence, where the bidder looks up what a call
// shows after a given auction.
#pragma once

#include "bidding/Call.h"
#include "files/BigIniFile.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view SequenceFileName = "SequenceFile.txt";
inline constexpr std::string_view MyStyleFileName = "MyStyle.txt";
inline constexpr std::string_view SectionOrderFileName = "CnvtOrder.txt";
// Present in the program folder, it lets the definition pad write into "SequenceFile.txt".
inline constexpr std::string_view MaintainerMarkerFileName = "Maintainer.mode";

inline constexpr std::string_view StandardSection = "STD";

// A side's card as the section conditions and the assembly see it.
struct SideCardAccess {
    // The card's value for a key (case ignored), empty when absent.
    std::function<std::string(std::string_view key)> Value;
    // Adds a ticked box to the card in memory.
    std::function<void(std::string_view key)> Tick;
    std::string NTStructure;    // the side's notrump structure code, one of "M2FDB"
    std::string DirectDefence;  // the side's defence to the other side's 1NT
};

// The names of the additional conventions of a card's "ZNEWCNVTS": separated by blanks, commas
// or "_"; "__" means none.
std::vector<std::string> AdditionalConventions(std::string_view value);

// The three definition files. The section order file is optional; "MyStyle.txt" is created
// empty when missing.
class DefinitionFiles {
public:
    DefinitionFiles(const std::string& dataFolder, const std::string& sectionOrderPath);
    // Reads the files as they are, for tools: nothing is created or written.
    static DefinitionFiles ReadOnly(const std::string& dataFolder, const std::string& sectionOrderPath);
    // From texts, for tools and tests; nothing is written.
    static DefinitionFiles FromTexts(std::string_view sequences, std::string_view myStyle,
                                     std::string_view sectionOrder);

    TBiggerINIFile& Sequences() { return *sequences_; }
    const TBiggerINIFile& Sequences() const { return *sequences_; }
    TBiggerINIFile& MyStyle() { return *myStyle_; }
    const TBiggerINIFile& MyStyle() const { return *myStyle_; }
    // The digit "CnvtOrder.txt" gives the section, or 0.
    char SectionPriority(std::string_view section) const;
    // Problems met while opening the files, for the person; empty when none.
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    DefinitionFiles() = default;
    void ReadSectionOrder(std::string_view text);

    std::unique_ptr<TBiggerINIFile> sequences_;
    std::unique_ptr<TBiggerINIFile> myStyle_;
    std::vector<std::pair<std::string, char>> priorities_;
    std::vector<std::string> messages_;
};

struct DefinitionEntry {
    std::string Sequence;  // upper case
    char Priority = '0';
    std::string Section;
    std::string Definition;
};

// One side's database: one entry per sequence, the one of highest priority (among equal
// priorities the later section name).
class SideDatabase {
public:
    void Clear() { entries_.clear(); }
    // Adds while assembling; Finish sorts and keeps one entry per sequence.
    void Add(DefinitionEntry entry) { entries_.push_back(std::move(entry)); }
    void Finish();

    const DefinitionEntry* Find(std::string_view sequence) const;
    const std::vector<DefinitionEntry>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }

private:
    std::vector<DefinitionEntry> entries_;
};

// Assembles the database of a side from the sections its card (and for conditions with "(",
// the opponents' card) selects. Adds the side's additional conventions, and a special system
// without a value, to its card as ticked boxes.
SideDatabase BuildSideDatabase(const DefinitionFiles& files, SideCardAccess& side,
                               SideCardAccess& opponents);

// The call a sequence key starts again from, with its marker: after "@" or "^" the key restarts
// as marker + call + "-", after "#" as "#".
struct RestartMarker {
    std::string Call;  // short form, e.g. "1N"; empty when none is pending
    char Marker = 0;   // '@', '^' or '#'
};

// The key of a candidate call after the calls made so far (oldest first): the bidder's side's
// calls as short form + "-" (passes included), the opponents' as "(" + short form + ")-" (their
// passes left out), then the candidate.
std::string SequenceKey(const std::vector<CallCode>& calls, CallCode candidate,
                        const RestartMarker& restart);

// What the lookup needs besides the key.
struct LookupSituation {
    std::vector<CallCode> Calls;  // made so far, oldest first
    CallCode Candidate = Pass;
    std::string SpecialSystem;  // the card's "SPECIALSYSTEM"
    RestartMarker Restart;
};

struct FoundDefinition {
    bool Found = false;
    std::string Key;  // the key the definition was found under, else the key as given
    std::string Definition;
    std::string Section;
    char Priority = 0;
    bool ByShortenedKey = false;  // found after the last call was cut from the sequence
};

// Looks the key up, with the fallbacks for a passed side, the restarted 1NT sequence and an
// interfering last call.
FoundDefinition FindDefinition(const SideDatabase& database, std::string_view key,
                               const LookupSituation& situation);

// Storing a definition from the definition pad.
struct AddDefinitionRequest {
    std::string Section;
    std::string Sequence;
    std::string Definition;
    std::string Date;  // the stamp's date, written after "MDY" into "MyStyle.txt"
    bool MaintainerMode = false;
    // Asks the person a Yes/No question; only called in maintainer mode.
    std::function<bool(const std::string& question)> Ask;
};
struct AddDefinitionResult {
    bool Stored = false;
    std::string Section;  // upper case, for the candidate's record
    std::string File;     // the file written
    std::string Message;  // why nothing was stored (empty when cancelled by the person)
};
AddDefinitionResult AddDefinition(DefinitionFiles& files, const AddDefinitionRequest& request);

// Removes the sequence from the section in "MyStyle.txt" when it is there, else from
// "SequenceFile.txt", and saves that file. Empty text on success, else a message.
std::string RemoveDefinition(DefinitionFiles& files, std::string_view section,
                             std::string_view sequence);

// The two sides' databases; side 1 North-South, side 2 East-West.
struct DefinitionDatabases {
    std::array<SideDatabase, 2> Sides;
    bool Swapped = false;

    SideDatabase& Side(int side) { return Sides[side == 2 ? 1 : 0]; }
    const SideDatabase& Side(int side) const { return Sides[side == 2 ? 1 : 0]; }
    // The sides exchange conventions: the databases change places and the flag toggles.
    void SwapSides();
};

}  // namespace corvane
