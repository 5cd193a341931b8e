// The vocabulary every part of the program shares: seats, strains, ranks, cards, holdings and
// vulnerability, with their fixed numbering. The solver library uses the same encodings.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Seats: 0 North, 1 East, 2 South, 3 West. Calling and play go clockwise, seat + 1 mod 4.
using TSeat = std::uint8_t;
inline constexpr TSeat North = 0;
inline constexpr TSeat East = 1;
inline constexpr TSeat South = 2;
inline constexpr TSeat West = 3;
inline constexpr int SeatCount = 4;
inline constexpr TSeat NoSeat = 4;

inline constexpr std::array<std::string_view, 4> SeatNames{"North", "East", "South", "West"};
inline constexpr std::string_view SeatLetters = "NESW";

constexpr TSeat NextSeat(int s) { return static_cast<TSeat>((s + 1) & 3); }
constexpr TSeat PreviousSeat(int s) { return static_cast<TSeat>((s + 3) & 3); }
constexpr TSeat Partner(int s) { return static_cast<TSeat>((s + 2) & 3); }
constexpr TSeat LHO(int s) { return NextSeat(s); }
constexpr TSeat RHO(int s) { return PreviousSeat(s); }
constexpr bool AreOpponents(int a, int b) { return ((a + b) & 1) != 0; }
// 1 for North-South, 2 for East-West.
constexpr int Side(int s) { return (s & 1) + 1; }

// Strains: 0 clubs, 1 diamonds, 2 hearts, 3 spades, 4 notrump. A suit is a strain 0..3.
using Strain = std::uint8_t;
inline constexpr Strain Clubs = 0;
inline constexpr Strain Diamonds = 1;
inline constexpr Strain Hearts = 2;
inline constexpr Strain Spades = 3;
inline constexpr Strain NoTrump = 4;
inline constexpr int SuitCount = 4;
inline constexpr int StrainCount = 5;

inline constexpr std::string_view StrainLetters = "CDHSN";
inline constexpr std::array<std::string_view, 5> StrainNames{"Club", "Diamond", "Heart", "Spade",
                                                             "No trump"};

// Ranks 2..14 (T 10, J 11, Q 12, K 13, A 14); 0 and 1 are never cards.
using TRank = int;
inline constexpr TRank Ten = 10;
inline constexpr TRank Jack = 11;
inline constexpr TRank Queen = 12;
inline constexpr TRank King = 13;
inline constexpr TRank Ace = 14;
inline constexpr std::string_view RankChars = "0X23456789TJQKA";

// A holding: bit r set when rank r is held, bits 2..14 only.
using Holding = std::uint32_t;
inline constexpr Holding FullSuit = 0x7FFC;

// A card: (1 << rank) | suit. A code of 3 or less is no card.
using CardCode = std::uint32_t;
inline constexpr CardCode NoCard = 0;

constexpr CardCode MakeCard(int suit, TRank rank) {
    return (CardCode{1} << rank) | static_cast<CardCode>(suit);
}
constexpr int SuitOf(CardCode c) { return static_cast<int>(c & 3); }
constexpr bool IsCard(CardCode c) { return c > 3; }
// The lowest rank bit set among 2..14; 0 for no card.
constexpr TRank RankOf(CardCode c) {
    const CardCode ranks = c & FullSuit;
    return ranks == 0 ? 0 : std::countr_zero(ranks);
}
// The highest rank bit set (for values carrying several rank bits).
constexpr TRank HighestRankOf(CardCode c) {
    const CardCode ranks = c & FullSuit;
    return ranks == 0 ? 0 : 31 - std::countl_zero(ranks);
}

constexpr int Length(Holding h) { return std::popcount(h & FullSuit); }
constexpr bool Holds(Holding h, TRank r) { return (h >> r) & 1U; }
constexpr Holding RankBit(TRank r) { return Holding{1} << r; }
constexpr TRank LowestRank(Holding h) {
    return (h & FullSuit) == 0 ? 0 : std::countr_zero(h & FullSuit);
}
constexpr TRank HighestRank(Holding h) {
    return (h & FullSuit) == 0 ? 0 : 31 - std::countl_zero(h & FullSuit);
}
constexpr CardCode LowestCard(Holding h, int suit) {
    return (h & FullSuit) == 0 ? NoCard : MakeCard(suit, LowestRank(h));
}
// The n-th highest card: ace for n below 1, a two when the suit is shorter than n.
constexpr TRank NthHighest(Holding h, int n) {
    if (n < 1) return Ace;
    int seen = 0;
    for (TRank r = Ace; r >= 2; --r) {
        if (Holds(h, r) && ++seen == n) return r;
    }
    return 2;
}
// High-card points: J 1, Q 2, K 3, A 4.
constexpr int HighCardPoints(Holding h) {
    return Holds(h, Jack) + 2 * Holds(h, Queen) + 3 * Holds(h, King) + 4 * Holds(h, Ace);
}

// "T" and "t" give 10; anything that is not a rank character gives 0.
TRank RankFromChar(char c);
// "C", "D", "H", "S" (either case) give 0..3; anything else gives 4.
Strain SuitFromChar(char c);
// "TS", "7C".
std::string CardText(CardCode c);
// The ranks from the ace down, "AKJ52"; empty for a void.
std::string HoldingText(Holding h);
// Reads "AKJ52" (or "AKJ1052" with "10"); returns false on an unknown character or a repeat.
bool HoldingFromText(std::string_view text, Holding& out);

// Vulnerability: 0 None, 1 NS, 2 EW, 3 Both.
using Vulnerability = std::uint8_t;
inline constexpr Vulnerability VulNone = 0;
inline constexpr Vulnerability VulNS = 1;
inline constexpr Vulnerability VulEW = 2;
inline constexpr Vulnerability VulBoth = 3;
inline constexpr std::array<std::string_view, 4> VulnerabilityNames{"None", "NS", "EW", "Both"};

// Whether the side (1 North-South, 2 East-West) is vulnerable.
constexpr bool DeclarerVulnerable(Vulnerability v, int side) {
    return v == VulBoth || (v != VulNone && v == side);
}
constexpr bool SeatVulnerable(Vulnerability v, int seat) { return DeclarerVulnerable(v, Side(seat)); }

// Sixteen holdings, seat-major and suit-minor: the layout of a deal everywhere it is passed.
using DealHoldings = std::array<std::array<Holding, 4>, 4>;

// The deal in "N:AKQ2.J54.T9.8765 ..." form, hands clockwise from the first seat, suits
// spades first.
std::string PbnDealString(const DealHoldings& deal, TSeat first = North);
// Reads a PBN Deal string; hidden hands ("-") stay empty. Returns false on malformed text.
bool DealFromPbn(std::string_view text, DealHoldings& out);

}  // namespace corvane
