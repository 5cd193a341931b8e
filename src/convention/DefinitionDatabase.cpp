#include "convention/DefinitionDatabase.h"

#include "bidding/CallText.h"
#include "bidding/DefinitionLanguage.h"
#include "convention/SectionConditions.h"
#include "files/IniCollation.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace corvane {
namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return SameName(n, name); });
}

bool IsUnset(std::string_view value) { return value.empty() || value == "__"; }

std::string Joined(const std::string& folder, std::string_view file) {
    return (std::filesystem::path(folder) / std::string(file)).string();
}

// Puts every entry of the section into the database with the priority digit; with a level
// limit, entries whose last opponent's call lies above it are left out.
void LoadSection(const TBiggerINIFile& file, int index, char priority, SideDatabase& database,
                 const std::string* levelLimit) {
    const TSectionList& sections = file.Sections();
    for (const std::string& line : sections.Lines(index)) {
        std::string_view key;
        if (!IniLineName(line, key) || key.empty()) continue;
        std::string sequence = Upper(key);
        if (levelLimit != nullptr && !WithinLevelLimit(sequence, *levelLimit)) continue;
        database.Add({std::move(sequence), priority, sections.Name(index),
                      std::string(IniLineValue(line))});
    }
}

// The definition text without the pad's date stamps, commas as blanks, upper case, ending in
// one blank.
std::string StoredDefinition(std::string_view definition) {
    std::string text;
    for (const std::string& token : DefinitionTokens(definition)) {
        if (StartsWith(token, "MDY") && token.size() >= 5) continue;
        text += token + ' ';
    }
    return text;
}

}  // namespace

std::vector<std::string> AdditionalConventions(std::string_view value) {
    std::vector<std::string> names;
    std::string current;
    for (char c : value) {
        if (c == ' ' || c == ',' || c == '_') {
            if (!current.empty()) names.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) names.push_back(std::move(current));
    return names;
}

// ---- DefinitionFiles

DefinitionFiles::DefinitionFiles(const std::string& dataFolder, const std::string& sectionOrderPath) {
    sequences_ = std::make_unique<TBiggerINIFile>(Joined(dataFolder, SequenceFileName), true);
    const std::string myStylePath = Joined(dataFolder, MyStyleFileName);
    if (!std::filesystem::exists(myStylePath)) {
        if (std::string error = platform::WriteFileAtomically(myStylePath, ""); !error.empty()) {
            messages_.push_back(std::move(error));
        }
    }
    myStyle_ = std::make_unique<TBiggerINIFile>(myStylePath, true);
    for (const TBiggerINIFile* file : {sequences_.get(), myStyle_.get()}) {
        if (!file->OpenError().empty()) messages_.push_back(file->OpenError());
    }
    std::string text;
    std::string error;
    switch (platform::ReadWholeFile(sectionOrderPath, text, error)) {
    case platform::ReadOutcome::Read: ReadSectionOrder(text); break;
    case platform::ReadOutcome::Missing: break;  // the order file is optional
    case platform::ReadOutcome::Failed: messages_.push_back(error); break;
    }
}

DefinitionFiles DefinitionFiles::FromTexts(std::string_view sequences, std::string_view myStyle,
                                           std::string_view sectionOrder) {
    DefinitionFiles files;
    files.sequences_ = std::make_unique<TBiggerINIFile>("", true);
    files.sequences_->LoadText(sequences);
    files.myStyle_ = std::make_unique<TBiggerINIFile>("", true);
    files.myStyle_->LoadText(myStyle);
    files.ReadSectionOrder(sectionOrder);
    return files;
}

DefinitionFiles DefinitionFiles::ReadOnly(const std::string& dataFolder,
                                          const std::string& sectionOrderPath) {
    std::array<std::string, 3> texts;
    std::vector<std::string> messages;
    const std::array<std::string, 3> paths = {Joined(dataFolder, SequenceFileName),
                                              Joined(dataFolder, MyStyleFileName), sectionOrderPath};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::string error;
        if (platform::ReadWholeFile(paths[i], texts[i], error) == platform::ReadOutcome::Failed) {
            messages.push_back(std::move(error));
        }
    }
    DefinitionFiles files = FromTexts(texts[0], texts[1], texts[2]);
    files.messages_ = std::move(messages);
    return files;
}

void DefinitionFiles::ReadSectionOrder(std::string_view text) {
    for (const std::string& line : SplitIniText(text)) {
        std::string_view name;
        const std::string_view value = IniLineValue(line);
        if (!IniLineName(line, name) || name.empty() || value.empty()) continue;
        if (value[0] < '0' || value[0] > '9') continue;
        priorities_.emplace_back(std::string(name), value[0]);
    }
}

char DefinitionFiles::SectionPriority(std::string_view section) const {
    for (const auto& [name, digit] : priorities_) {
        if (SameName(name, section)) return digit;
    }
    return 0;
}

// ---- SideDatabase

void SideDatabase::Finish() {
    std::sort(entries_.begin(), entries_.end(), [](const DefinitionEntry& a, const DefinitionEntry& b) {
        if (a.Sequence != b.Sequence) return a.Sequence < b.Sequence;
        if (a.Priority != b.Priority) return a.Priority < b.Priority;
        return CompareNames(a.Section, b.Section) < 0;
    });
    // Keep the last of each run of equal sequences.
    std::vector<DefinitionEntry> kept;
    kept.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (i + 1 < entries_.size() && entries_[i + 1].Sequence == entries_[i].Sequence) continue;
        kept.push_back(std::move(entries_[i]));
    }
    entries_ = std::move(kept);
}

const DefinitionEntry* SideDatabase::Find(std::string_view sequence) const {
    const auto it = std::lower_bound(
        entries_.begin(), entries_.end(), sequence,
        [](const DefinitionEntry& e, std::string_view s) { return e.Sequence < s; });
    return it != entries_.end() && it->Sequence == sequence ? &*it : nullptr;
}

// ---- Assembly

SideDatabase BuildSideDatabase(const DefinitionFiles& files, SideCardAccess& side,
                               SideCardAccess& opponents) {
    SideDatabase database;
    for (SideCardAccess* card : {&side, &opponents}) {
        for (const std::string& name : AdditionalConventions(card->Value("ZNEWCNVTS"))) {
            if (card->Value(name).empty()) card->Tick(name);
        }
    }
    const std::vector<std::string> ownAdditional = AdditionalConventions(side.Value("ZNEWCNVTS"));
    const SectionConditionSides sides{side, opponents, ownAdditional,
                                      AdditionalConventions(opponents.Value("ZNEWCNVTS"))};

    const TBiggerINIFile& sequences = files.Sequences();
    const TSectionList& sections = sequences.Sections();
    const std::string general = side.Value("GENS");
    const std::string special = side.Value("SPECIALSYSTEM");
    if (!IsUnset(special) && side.Value(special).empty()) side.Tick(special);

    // The sections chosen from "SequenceFile.txt"; a "MyStyle.txt" section of the same name
    // joins them.
    std::vector<std::string> chosen;
    auto loadNamed = [&](std::string_view name, char priority) {
        if (IsUnset(name)) return;
        chosen.emplace_back(name);
        if (const int index = sections.IndexOf(name); index >= 0) {
            LoadSection(sequences, index, priority, database, nullptr);
        }
    };
    loadNamed(StandardSection, '0');
    // A card whose general approach is the standard one must not load "STD" a second time at a
    // higher priority: the player's own "STD" definitions would then never win.
    if (!SameName(general, StandardSection)) loadNamed(general, '2');
    if (!SameName(special, StandardSection) && !SameName(special, general)) loadNamed(special, '7');

    for (int i = 0; i < sections.Count(); ++i) {
        const std::string& name = sections.Name(i);
        if (SameName(name, StandardSection) || SameName(name, general) || SameName(name, special)) {
            continue;
        }
        const SectionSelection selection = SelectSection(name, sides);
        if (!selection.Selected) continue;
        char priority = files.SectionPriority(name);
        if (priority == 0) {
            priority = Contains(ownAdditional, name) ? '7'
                       : name.find('_') == std::string::npos ? '5'
                                                             : '6';
        }
        chosen.push_back(name);
        LoadSection(sequences, i, priority, database,
                    selection.LevelFiltered ? &selection.LevelLimit : nullptr);
    }

    const TBiggerINIFile& myStyle = files.MyStyle();
    const TSectionList& mySections = myStyle.Sections();
    for (int i = 0; i < mySections.Count(); ++i) {
        const std::string& name = mySections.Name(i);
        if (!Contains(ownAdditional, name) && !Contains(chosen, name)) continue;
        LoadSection(myStyle, i, SameName(name, StandardSection) ? '1' : '9', database, nullptr);
    }
    database.Finish();
    return database;
}

// ---- Keys and lookup

std::string SequenceKey(const std::vector<CallCode>& calls, CallCode candidate,
                        const RestartMarker& restart) {
    std::string key;
    const std::size_t n = calls.size();
    for (std::size_t j = 0; j < n; ++j) {
        const std::string call = CallShortText(calls[j]);
        if ((n - j) % 2 == 0) {
            if (restart.Marker != 0 && !restart.Call.empty() && call == restart.Call) {
                key = restart.Marker == '#' ? std::string("#") : restart.Marker + call + "-";
            } else {
                key += call + "-";
            }
        } else if (calls[j] != Pass) {
            key += "(" + call + ")-";
        }
    }
    if (key.size() >= 2 && key[1] == 'N' && (key[0] == '1' || key[0] == '2' || key[0] == '4')) {
        key.insert(0, "@");
    }
    return key + CallShortText(candidate);
}

FoundDefinition FindDefinition(const SideDatabase& database, std::string_view key,
                               const LookupSituation& situation) {
    FoundDefinition result;
    result.Key = std::string(key);
    auto found = [&](const DefinitionEntry& entry, std::string_view under, bool shortened) {
        result.Found = true;
        result.Key = std::string(under);
        result.Definition = entry.Definition;
        result.Section = entry.Section;
        result.Priority = entry.Priority;
        result.ByShortenedKey = shortened;
        return result;
    };

    const bool passedFirst = StartsWith(key, "P-");
    const std::string_view afterPass = passedFirst ? key.substr(2) : key;
    if (passedFirst && !IsUnset(situation.SpecialSystem)) {
        // A passed hand's sequence of the special system is the system's own.
        const DefinitionEntry* entry = database.Find(afterPass);
        if (entry != nullptr && SameName(entry->Section, situation.SpecialSystem)) {
            return found(*entry, afterPass, false);
        }
    }
    if (const DefinitionEntry* entry = database.Find(key)) return found(*entry, key, false);
    if (passedFirst) {
        if (const DefinitionEntry* entry = database.Find(afterPass)) {
            return found(*entry, afterPass, false);
        }
        if (afterPass.size() > 3 && StartsWith(afterPass, "1N") && situation.Restart.Marker != 0) {
            const std::string marked = situation.Restart.Marker + std::string(afterPass);
            if (const DefinitionEntry* entry = database.Find(marked)) return found(*entry, marked, false);
        }
    }

    // A cheap interfering call is looked through: the sequence without the last call.
    const std::vector<CallCode>& calls = situation.Calls;
    const std::size_t n = calls.size();
    if (n > 2 && situation.Candidate != Pass) {
        const CallCode last = calls[n - 1];
        const CallCode before = calls[n - 2];
        const auto plain = [](CallCode c) { return c != Pass && c != Double; };
        if (plain(last) && plain(before) && last - before < 5) {
            const std::string candidate = CallShortText(situation.Candidate);
            if (key.size() > candidate.size() + 1) {
                const std::string_view sequence = key.substr(0, key.size() - candidate.size());
                const auto cut = sequence.rfind('-', sequence.size() - 2);
                const std::string shorter =
                    (cut == std::string_view::npos ? std::string() : std::string(sequence.substr(0, cut + 1))) +
                    candidate;
                if (const DefinitionEntry* entry = database.Find(shorter)) {
                    return found(*entry, shorter, true);
                }
            }
        }
    }
    return result;
}

// ---- Storing

AddDefinitionResult AddDefinition(DefinitionFiles& files, const AddDefinitionRequest& request) {
    AddDefinitionResult result;
    result.Section = Upper(request.Section);
    const std::string sequence = Upper(request.Sequence);
    if (result.Section.empty() || sequence.empty()) {
        result.Message = "A definition needs a section and a bidding sequence.";
        return result;
    }
    const int alternatives = AlternativeCount(DefinitionTokens(request.Definition));
    if (alternatives > MaxAlternatives) {
        result.Message = "A definition can have at most " + std::to_string(MaxAlternatives) +
                         " alternatives; this one has " + std::to_string(alternatives) + ".";
        return result;
    }

    bool toMyStyle = true;
    if (request.MaintainerMode) {
        const std::string quoted = "\"[" + result.Section + "]\"";
        if (files.Sequences().SectionExists(result.Section)) {
            toMyStyle = false;
        } else if (!files.MyStyle().SectionExists(result.Section)) {
            if (!request.Ask || !request.Ask(quoted + " is a brand new [Cnvt] Section!\r" +
                                             "Do you want to add this new [Cnvt]?")) {
                return result;
            }
            toMyStyle = request.Ask("Add " + quoted + " to the MyStyle.File?");
        }
    }
    TBiggerINIFile& file = toMyStyle ? files.MyStyle() : files.Sequences();
    std::string value = StoredDefinition(request.Definition);
    if (toMyStyle) value += "MDY" + request.Date + " ";
    if (sequence.size() + 1 + value.size() > MaxIniLine) {
        // The store cuts longer lines, which would lose the end of the definition.
        result.Message = "The definition is too long to be stored: a line of \"" + file.FileName() +
                         "\" holds at most " + std::to_string(MaxIniLine) + " characters.";
        return result;
    }
    file.WriteString(result.Section, sequence, value);
    if (std::string error = file.UpdateFile(); !error.empty()) {
        result.Message = std::move(error);
        return result;
    }
    result.Stored = true;
    result.File = file.FileName();
    return result;
}

std::string RemoveDefinition(DefinitionFiles& files, std::string_view section,
                             std::string_view sequence) {
    auto holds = [&](const TBiggerINIFile& file) {
        std::vector<std::string> lines;
        file.ReadSectionValues(section, lines);
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            std::string_view name;
            return IniLineName(line, name) && SameName(name, sequence);
        });
    };
    TBiggerINIFile& file = holds(files.MyStyle()) ? files.MyStyle() : files.Sequences();
    if (!holds(file)) return {};
    file.DeleteKey(section, sequence);
    return file.UpdateFile();
}

void DefinitionDatabases::SwapSides() {
    std::swap(Sides[0], Sides[1]);
    Swapped = !Swapped;
}

}  // namespace corvane
