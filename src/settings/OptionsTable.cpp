#include "settings/OptionsTable.h"

#include "files/IniCollation.h"

#include <array>

namespace corvane {

namespace {

constexpr std::string_view Options_ = "Options";
constexpr std::string_view Colors = "Colors";
constexpr std::string_view Match = "Match";
constexpr std::string_view Network = "Network";
constexpr std::string_view Practice = "Practice";

constexpr OptionKey Text(std::string_view section, std::string_view key, TextField field,
                         std::string_view defaultText) {
    OptionKey k{section, key, field};
    k.DefaultText = defaultText;
    return k;
}

constexpr OptionKey Integer(std::string_view section, std::string_view key, IntegerField field,
                            std::int32_t defaultNumber, std::int32_t min = 1, std::int32_t max = 0) {
    OptionKey k{section, key, field};
    k.DefaultNumber = defaultNumber;
    k.Min = min;
    k.Max = max;
    return k;
}

constexpr OptionKey Boolean(std::string_view section, std::string_view key, BoolField field,
                            bool defaultValue) {
    OptionKey k{section, key, field};
    k.DefaultNumber = defaultValue ? 1 : 0;
    return k;
}

constexpr OptionKey WrittenOnly(OptionKey k) {
    k.Read = false;
    return k;
}

constexpr OptionKey FolderDefault(OptionKey k) {
    k.DefaultIsPlayerFolder = true;
    return k;
}

constexpr OptionKey OneOf(OptionKey k, std::span<const std::string_view> choices) {
    k.Choices = choices;
    return k;
}

#define FIELD(type, member) [](Options& o) -> type& { return o.member; }

const std::array Keys{
    Text(Options_, "NSCnvt", FIELD(std::string, NSCnvt), "Std American.cc"),
    Text(Options_, "EWCnvt", FIELD(std::string, EWCnvt), "Two over One.cc"),
    FolderDefault(Text(Options_, "Dir", FIELD(std::string, Dir), "")),
    Integer(Options_, "HandsPlayed", FIELD(std::int32_t, HandsPlayed), 8),
    Integer(Options_, "HandsSeen", FIELD(std::int32_t, HandsSeen), 8),
    Integer(Options_, "WhoAlerts", FIELD(std::int32_t, WhoAlerts), 30),
    Integer(Options_, "PlayLevel", FIELD(std::int32_t, PlayLevel), 70, 0, 90),
    Boolean(Options_, "ClearTable", FIELD(bool, ClearTable), true),
    Integer(Options_, "ClearTableTime", FIELD(std::int32_t, ClearTableTime), 30),
    Boolean(Options_, "SimBid", FIELD(bool, SimBid), false),
    Integer(Options_, "SimBidTime", FIELD(std::int32_t, SimBidTime), 8),
    Integer(Options_, "BackDesign", FIELD(std::int32_t, BackDesign), 12, 0, 14),
    OneOf(Text(Options_, "Language", FIELD(std::string, Language), "en"), LanguageCodes),
    Integer(Options_, "SuitOrder", FIELD(std::int32_t, SuitOrder), 0, 0, 3),
    Integer(Options_, "CardSize", FIELD(std::int32_t, CardSize), 100),
    WrittenOnly(Integer(Options_, "CardStyle", FIELD(std::int32_t, CardStyle), 0)),
    Integer(Options_, "ScoringMode", FIELD(std::int32_t, ScoringMode), 0, 0, 2),
    WrittenOnly(Text(Options_, "CurrentPlayer", FIELD(std::string, CurrentPlayer), "")),
    Boolean(Options_, "AutoPlaySingleton", FIELD(bool, AutoPlaySingleton), true),
    Boolean(Options_, "DDPlayOpenRoom", FIELD(bool, DDPlayOpenRoom), false),
    Boolean(Options_, "DDPlayClosedRoom", FIELD(bool, DDPlayClosedRoom), true),

    Integer(Colors, "BackColor", FIELD(std::int32_t, BackColor), 0x808040),
    Integer(Colors, "MainBack", FIELD(std::int32_t, MainBack), 0xC0C0C0),
    Integer(Colors, "MainFore", FIELD(std::int32_t, MainFore), 0x808000),
    Integer(Colors, "2ndBack", FIELD(std::int32_t, SecondBack), 0x808080),
    Integer(Colors, "2ndFore", FIELD(std::int32_t, SecondFore), 0x2A3AE4F),
    Integer(Colors, "Table", FIELD(std::int32_t, Table), 0),
    Boolean(Colors, "LightHue", FIELD(bool, LightHue), true),

    Integer("MainScreen", "Left", FIELD(std::int32_t, MainScreen.Left), 50),
    Integer("MainScreen", "Top", FIELD(std::int32_t, MainScreen.Top), 50),
    Integer("MainScreen", "Right", FIELD(std::int32_t, MainScreen.Right), 910),
    Integer("MainScreen", "Bottom", FIELD(std::int32_t, MainScreen.Bottom), 580),
    Integer("CCRect", "Left", FIELD(std::int32_t, CCRect.Left), 164),
    Integer("CCRect", "Top", FIELD(std::int32_t, CCRect.Top), 89),
    Integer("CCRect", "Right", FIELD(std::int32_t, CCRect.Right), 807),
    Integer("CCRect", "Bottom", FIELD(std::int32_t, CCRect.Bottom), 541),
    Integer(Match, "Left", FIELD(std::int32_t, MatchRect.Left), 0),
    Integer(Match, "Top", FIELD(std::int32_t, MatchRect.Top), 0),
    Integer(Match, "Right", FIELD(std::int32_t, MatchRect.Right), 200),
    Integer(Match, "Bottom", FIELD(std::int32_t, MatchRect.Bottom), 200),
    Integer(Match, "FirstHandInMatch", FIELD(std::int32_t, FirstHandInMatch), 0),
    Integer(Match, "LastHandInMatch", FIELD(std::int32_t, LastHandInMatch), 0),

    Text(Network, "ClientServer", FIELD(std::string, ClientServer), ""),
    Text(Network, "Port", FIELD(std::string, Port), "2000"),
    Integer(Network, "PortsUsed", FIELD(std::int32_t, PortsUsed), 0, 0, 1),

    // A dealer outside the four seats (or -1, rotating) would deal from no seat.
    Integer(Practice, "DealerChoice", FIELD(std::int32_t, Practice.DealerChoice), -1, -1, 3),
    Integer(Practice, "MixDeals", FIELD(std::int32_t, Practice.MixDeals), 0),
    Integer(Practice, "Pattern", FIELD(std::int32_t, Practice.PatternIndex), -1),
};

#undef FIELD

}  // namespace

std::span<const OptionKey> OptionKeys() { return Keys; }

Options DefaultOptions(const std::string& playerFolder) {
    Options o;
    for (const OptionKey& k : Keys) {
        if (const auto* text = std::get_if<TextField>(&k.Field)) {
            (*text)(o) = k.DefaultIsPlayerFolder ? playerFolder : std::string(k.DefaultText);
        } else if (const auto* number = std::get_if<IntegerField>(&k.Field)) {
            (*number)(o) = k.DefaultNumber;
        } else {
            std::get<BoolField>(k.Field)(o) = k.DefaultNumber != 0;
        }
    }
    return o;
}

std::string TeamName(std::string_view cardFile) {
    if (const auto slash = cardFile.find_last_of('/'); slash != std::string_view::npos)
        cardFile.remove_prefix(slash + 1);
    return std::string(cardFile.substr(0, cardFile.find('.')));
}

int LanguageIndex(std::string_view code) {
    for (std::size_t i = 0; i < LanguageCodes.size(); ++i) {
        if (SameName(LanguageCodes[i], code)) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace corvane
