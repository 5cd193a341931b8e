#include "settings/PlayerFile.h"

#include "files/BigIniFile.h"
#include "files/HandFields.h"
#include "files/IniCollation.h"
#include "platform/FileTimes.h"
#include "settings/OptionsTable.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace corvane {

namespace {

constexpr std::string_view PracticeSection = "Practice";
constexpr std::string_view AnalysisSection = "Analysis";
constexpr std::string_view DefaultSeatPattern = "0,37,-,0,0,13,-,0,13,-,0,13,-,0,13,-";
constexpr std::size_t SeatPatternItems = 16;

void ReadOption(const TBigIniFile& file, const OptionKey& k, Options& o) {
    if (!k.Read) return;
    if (const auto* text = std::get_if<TextField>(&k.Field)) {
        std::string& field = (*text)(o);
        std::string value = file.ReadString(k.Section, k.Key, field);
        const bool allowed = k.Choices.empty() ||
                             std::any_of(k.Choices.begin(), k.Choices.end(),
                                         [&](std::string_view c) { return SameName(c, value); });
        if (allowed) field = std::move(value);
    } else if (const auto* number = std::get_if<IntegerField>(&k.Field)) {
        std::int32_t& field = (*number)(o);
        const std::int32_t value = file.ReadInteger(k.Section, k.Key, field);
        if (!k.HasRange() || (value >= k.Min && value <= k.Max)) field = value;
    } else {
        bool& field = std::get<BoolField>(k.Field)(o);
        field = file.ReadBool(k.Section, k.Key, field);
    }
}

void WriteOption(TBigIniFile& file, const OptionKey& k, Options& o) {
    if (const auto* text = std::get_if<TextField>(&k.Field)) {
        file.WriteString(k.Section, k.Key, (*text)(o));
    } else if (const auto* number = std::get_if<IntegerField>(&k.Field)) {
        file.WriteInteger(k.Section, k.Key, (*number)(o));
    } else {
        file.WriteBool(k.Section, k.Key, std::get<BoolField>(k.Field)(o));
    }
}

int Number(const std::string& item, int fallback) {
    std::int32_t value = 0;
    return TBigIniFile::ParseInteger(item, value) ? value : fallback;
}

// A seat's practice pattern: points, control code, balanced flag, then per suit from clubs
// the length range and quality code.
SeatPattern ReadSeatPattern(std::string_view text) {
    auto items = SplitCommaList(text);
    if (items.size() != SeatPatternItems) items = SplitCommaList(DefaultSeatPattern);
    SeatPattern p;
    p.MinHCP = Number(items[0], p.MinHCP);
    p.MaxHCP = Number(items[1], p.MaxHCP);
    p.ControlCode = items[2];
    p.Balanced = Number(items[3], p.Balanced);
    for (int suit = 0; suit < SuitCount; ++suit) {
        p.MinLength[suit] = Number(items[4 + 3 * suit], p.MinLength[suit]);
        p.MaxLength[suit] = Number(items[5 + 3 * suit], p.MaxLength[suit]);
        p.QualityCode[suit] = items[6 + 3 * suit];
    }
    return p;
}

std::string SeatPatternText(const SeatPattern& p) {
    std::vector<std::string> items{std::to_string(p.MinHCP), std::to_string(p.MaxHCP), p.ControlCode,
                                   std::to_string(p.Balanced)};
    for (int suit = 0; suit < SuitCount; ++suit) {
        items.push_back(std::to_string(p.MinLength[suit]));
        items.push_back(std::to_string(p.MaxLength[suit]));
        items.push_back(p.QualityCode[suit]);
    }
    return JoinCommaList(items);
}

template <typename T>
void ReadList(const TBigIniFile& file, std::string_view key, std::array<T, AnalysisCells>& out) {
    const auto items = SplitCommaList(file.ReadString(AnalysisSection, key, ""));
    for (int i = 0; i < AnalysisCells; ++i)
        out[i] = i < static_cast<int>(items.size()) ? static_cast<T>(Number(items[i], 0)) : T{};
}

template <typename T>
void WriteList(TBigIniFile& file, std::string_view key, const std::array<T, AnalysisCells>& values) {
    std::vector<std::string> items;
    // Sums are kept as whole numbers, halves to the even neighbour.
    for (T v : values) items.push_back(std::to_string(static_cast<std::int64_t>(std::nearbyint(v))));
    file.WriteString(AnalysisSection, key, JoinCommaList(items));
}

constexpr PadCounter StoredCounters[] = {PadCounter::GamesWon, PadCounter::Carry,
                                         PadCounter::CurrOver, PadCounter::OverLine,
                                         PadCounter::Game1,    PadCounter::Game2,
                                         PadCounter::Game3};

bool IsPlayerFile(const std::filesystem::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec) && SameName(entry.path().extension().string(), PlayerFileExtension);
}

}  // namespace

std::string PlayerFilePath(const std::string& playerFolder, std::string_view name) {
    return playerFolder + std::string(name) + std::string(PlayerFileExtension);
}

PlayerSettings::PlayerSettings(std::string playerFolder)
    : Values(DefaultOptions(playerFolder)), playerFolder_(std::move(playerFolder)) {}

std::string PlayerSettings::LoadPlayer(const std::string& name) {
    currentPlayer_ = name;
    Values = DefaultOptions(playerFolder_);
    Values.CurrentPlayer = name;
    const TBiggerINIFile file(PlayerFilePath(playerFolder_, name), true);
    for (const OptionKey& k : OptionKeys()) ReadOption(file, k, Values);

    for (int seat = 0; seat < SeatCount; ++seat) {
        Values.Practice.Seats[seat] =
            ReadSeatPattern(file.ReadString(PracticeSection, SeatNames[seat], DefaultSeatPattern));
    }
    for (int side = 1; side <= 2; ++side) {
        for (PadCounter c : StoredCounters) Values.Pad.At(side, c) = file.ReadInteger(ScorePadSection, ScorePadKey(side, c), 0);
    }
    Values.Pad.RefreshTotals();
    ReadList(file, "Games", Values.Analysis.Games);
    ReadList(file, "IMPs", Values.Analysis.Imps);
    return file.OpenError();
}

std::string PlayerSettings::SavePlayer() const {
    TBiggerINIFile file(PlayerFilePath(playerFolder_, currentPlayer_), true);
    if (!file.OpenError().empty()) return file.OpenError();
    Options o = Values;
    o.CurrentPlayer = currentPlayer_;
    o.CardStyle = 0;
    for (const OptionKey& k : OptionKeys()) WriteOption(file, k, o);
    WriteList(file, "Games", o.Analysis.Games);
    WriteList(file, "IMPs", o.Analysis.Imps);
    for (int side = 1; side <= 2; ++side) {
        for (PadCounter c : StoredCounters) file.WriteInteger(ScorePadSection, ScorePadKey(side, c), o.Pad.At(side, c));
    }
    for (int seat = 0; seat < SeatCount; ++seat)
        file.WriteString(PracticeSection, SeatNames[seat], SeatPatternText(o.Practice.Seats[seat]));
    return file.UpdateFile();
}

std::string StartupPlayer(const std::string& playerFolder) {
    std::string chosen;
    std::int64_t latest = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(playerFolder, ec)) {
        if (!IsPlayerFile(entry)) continue;
        const auto time = platform::FileModifiedNanoseconds(entry.path().string());
        if (time && (chosen.empty() || *time > latest)) {
            latest = *time;
            chosen = entry.path().stem().string();
        }
    }
    return chosen;
}

std::vector<std::string> ListPlayers(const std::string& playerFolder, const std::string& currentPlayer) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(playerFolder, ec)) {
        if (IsPlayerFile(entry)) names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareNames(a, b) < 0; });
    if (names.empty()) names.push_back(currentPlayer);
    return names;
}

std::optional<std::string> WelcomeAnswer(std::string_view typed, bool ok) {
    if (!typed.empty()) return std::string(typed);
    if (ok) return std::nullopt;
    return std::string(AnonymousPlayer);
}

}  // namespace corvane
