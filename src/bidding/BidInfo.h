// What a call shows: one record per call with length ranges and controls per suit, point and
// losing-trick ranges, counts and a number of flags and small codes. The built-in rules fill it
// directly; bid definitions fill it from their codes. Each player keeps what its calls have shown
// so far (its Shown record), narrowed with every accepted call.
#pragma once

#include "cards/Cards.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// "Suit" fields hold 0..3 for clubs..spades, 4 for notrump or none, 5 for unset.
inline constexpr std::uint8_t NoSuit = 4;
inline constexpr std::uint8_t UnsetSuit = 5;

// Control statuses (first-, second- and third-round) and trump candidates.
inline constexpr std::uint8_t Denied = 0;
inline constexpr std::uint8_t Unknown = 1;
inline constexpr std::uint8_t ShownYes = 2;

inline constexpr double MostLosers = 12.0;
inline constexpr int MostPoints = 40;

// The short text fields keep at most these many characters, as the record always has.
struct BidInfoWidths {
    static constexpr std::size_t SuitPointsCode = 5;
    static constexpr std::size_t SuitQualityCode = 3;
    static constexpr std::size_t CountCode = 2;  // AcesCode, KingsCode
    static constexpr std::size_t SectionName = 16;
    static constexpr std::size_t VulCondition = 1;
    static constexpr std::size_t CardCondition = 30;  // RequiredCard, ExcludedCard
};

// Assigns text to a short field, cutting it to the field's width.
void SetShort(std::string& field, std::string_view text, std::size_t width);

struct TBidInfo {
    std::array<int, 4> MinLen{0, 0, 0, 0};
    std::array<int, 4> MaxLen{13, 13, 13, 13};
    // -1 unknown, 0 none, 1 stopper, 2 double stopper
    std::array<int, 4> Stopper{-1, -1, -1, -1};
    std::array<std::uint8_t, 4> FirstControl{1, 1, 1, 1};
    std::array<std::uint8_t, 4> SecondControl{1, 1, 1, 1};
    std::array<std::uint8_t, 4> ThirdControl{1, 1, 1, 1};
    std::array<int, 4> KingInSuit{-1, -1, -1, -1};  // -1 unknown, 1 held, 0 not held
    std::uint8_t NTChoice = 5;                       // 4 after "NTY", 5 after "NTN" or by default
    std::array<std::uint8_t, 4> TrumpCandidate{1, 1, 1, 1};  // 2 trumps, 0 not, 1 unknown
    std::array<std::string, 4> SuitPointsCode;
    std::array<std::string, 4> SuitQualityCode;  // a leading "-" negates
    std::array<std::uint8_t, 4> PointsOutsideSuit{0, 0, 0, 0};
    std::string AcesCode;
    std::uint8_t UnguardedSuits = 0;  // bit per suit
    std::string Explanation;          // alert number as text, or a code text
    std::uint8_t Disabled = 0;
    int AlternativeIndex = 1;
    std::uint8_t MainSuitShown = NoSuit;
    std::string ActionText;  // "DF1", "DF2", "NOBID"
    std::uint8_t DefinitionSource = 0;
    int ScoreAdjust = 0;
    std::uint8_t CueFlag = 0;
    int MinCoverCards = 0;
    int MinControls = -1;
    int MaxControls = 12;
    std::uint8_t BidSuit = UnsetSuit;
    std::uint8_t FourthSeat = 1;  // 2 only in fourth seat after three passes, 0 never, 1 any
    std::string SectionName;
    std::uint8_t NoPass = 0;
    std::uint8_t PointsAreHCP = 0;
    std::string KingsCode;
    std::uint8_t LongestSuitShown = NoSuit;
    double MaxLosers = MostLosers;
    double MinLosers = 0.0;
    std::uint8_t PointsOrLosers = 0;
    int MinPts = 0;
    int MaxPts = MostPoints;
    int MinLongest = 0;
    int TrumpChoice = -1;  // suit ("TO") or suit + 10 ("TX")
    TSeat DealerSeat = North;
    std::uint8_t ShortnessExcluded = 0;  // bit per suit
    std::uint8_t QueenNT = 0;
    int TrumpQueen = -1;  // 0 no, 1 yes, 2 either
    int QueenCount = -1;
    std::uint8_t Rule15 = 0;
    std::uint8_t BidSecondSuit = UnsetSuit;
    std::uint8_t BalancedShown = 0;
    std::uint8_t UnbalancedShown = 0;
    std::uint8_t CompetitionSuit = NoSuit;
    int Shape = 0;
    std::uint8_t OpponentsSuit = NoSuit;
    int TrumpHonoursShown = 0;
    int TotalAces = 0;
    int TotalKings = 0;
    int TotalControls = -1;
    int TotalKeyCards = 0;
    std::uint8_t TrumpSuit = UnsetSuit;
    std::uint8_t OneShortSuit = NoSuit;
    std::uint8_t FitSuit = NoSuit;
    std::string VulCondition;
    std::string RequiredCard;
    std::uint8_t NTStrength = 0;  // 2 over a weak own 1NT, 1 over a strong one
    std::string ExcludedCard;

    bool operator==(const TBidInfo&) const = default;
};

// The defaults, with the dealer of the deal.
void ResetBidInfo(TBidInfo& info, TSeat dealer);

// What each player has shown so far in this auction.
struct ShownRecords {
    std::array<TBidInfo, SeatCount> Shown;

    // Start of an auction: every player back to the defaults.
    void Reset(TSeat dealer);
};

}  // namespace corvane
