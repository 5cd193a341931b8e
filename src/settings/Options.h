// The options record: everything the player file keeps, for the whole run, in one object that
// is passed by reference. Its defaults and ranges live in the options table (OptionsTable.h),
// not here.
#pragma once

#include "cards/PracticePattern.h"
#include "scoring/ScorePad.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

struct WindowRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const WindowRect&) const = default;
};

// The scoring analysis: per category and role a count of games and a sum of IMPs.
inline constexpr int AnalysisCells = 20;
struct AnalysisRecord {
    std::array<std::int32_t, AnalysisCells> Games{};
    std::array<double, AnalysisCells> Imps{};
    bool operator==(const AnalysisRecord&) const = default;
};

// Display languages by index.
inline constexpr std::array<std::string_view, 7> LanguageCodes{"en", "dk", "no", "fr", "sw", "dl", "it"};

struct Options {
    // Section "Options".
    std::string NSCnvt;
    std::string EWCnvt;
    std::string Dir;
    std::int32_t HandsPlayed = 0;  // seat bits: North 2, East 4, South 8, West 16
    std::int32_t HandsSeen = 0;
    std::int32_t WhoAlerts = 0;
    std::int32_t PlayLevel = 0;
    bool ClearTable = false;
    std::int32_t ClearTableTime = 0;  // tenths of a second
    bool SimBid = false;
    std::int32_t SimBidTime = 0;
    std::int32_t BackDesign = 0;
    std::string Language;
    std::int32_t SuitOrder = 0;
    std::int32_t CardSize = 0;
    std::int32_t CardStyle = 0;  // written, never read
    std::int32_t ScoringMode = 0;
    std::string CurrentPlayer;  // written, never read: the file's name says who it belongs to
    bool AutoPlaySingleton = false;
    bool DDPlayOpenRoom = false;
    bool DDPlayClosedRoom = false;

    // Section "Colors": Windows colour values 0x00BBGGRR.
    std::int32_t BackColor = 0;
    std::int32_t MainBack = 0;
    std::int32_t MainFore = 0;
    std::int32_t SecondBack = 0;
    std::int32_t SecondFore = 0;
    std::int32_t Table = 0;
    bool LightHue = false;

    WindowRect MainScreen;
    WindowRect CCRect;
    WindowRect MatchRect;
    std::int32_t FirstHandInMatch = 0;
    std::int32_t LastHandInMatch = 0;

    // Section "Network".
    std::string ClientServer;
    std::string Port;
    std::int32_t PortsUsed = 0;

    // Sections "Practice", "ScorePad" and "Analysis".
    PracticePattern Practice;
    ScorePad Pad;
    AnalysisRecord Analysis;

    bool operator==(const Options&) const = default;
};

// A side's team name: its convention card's file name without folder and without everything
// from the first ".".
std::string TeamName(std::string_view cardFile);

// The index of the display language in LanguageCodes (case ignored); 0 when unknown.
int LanguageIndex(std::string_view code);

}  // namespace corvane
