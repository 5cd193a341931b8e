// The pattern a practice deal must fit: per seat a point range, an optional balanced shape, a
// range of controls, and per suit a length range and a quality requirement.
#pragma once

#include "cards/Cards.h"

#include <array>
#include <string>

namespace corvane {

struct SeatPattern {
    int MinHCP = 0;
    int MaxHCP = 37;
    std::array<int, 4> MinLength{0, 0, 0, 0};    // clubs, diamonds, hearts, spades
    std::array<int, 4> MaxLength{13, 13, 13, 13};
    int Balanced = 0;                 // 0 random, 1 balanced
    std::string ControlCode = "-";    // "-", "d", "d+", "a-b"
    std::array<std::string, 4> QualityCode{"-", "-", "-", "-"};  // "-" or empty: none

    // Points 0-37, not balanced, no control code, every suit 0-13 with no quality code.
    bool IsTrivial() const;
    bool operator==(const SeatPattern&) const = default;
};

struct PracticePattern {
    std::array<SeatPattern, 4> Seats;
    int DealerChoice = -1;  // -1 rotating, else the dealer's seat
    int MixDeals = 0;       // 1: about half the deals are not constrained
    int PatternIndex = -1;
    std::string Name;       // the chosen named pattern, empty when none
    bool operator==(const PracticePattern&) const = default;
};

}  // namespace corvane
