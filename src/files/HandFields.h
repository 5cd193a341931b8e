// Reading the values of deal and result sections: dates, seats, vulnerability, deals, trick
// results and scores, each the way a hand file may hold them (our own files and every converted
// one). Pure functions: the hand-file layer records the errors.
#pragma once

#include "cards/Cards.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// "yyyy.mm.dd" or month, separator, day, separator, four-digit year; a longer text with a blank
// is judged by what follows its first blank.
bool ValidHandDate(std::string_view value);

// "N", "E", "S", "W" or "0".."3", after a leading "^" on a longer value.
std::optional<TSeat> SeatFromLetter(std::string_view value);

// By the first three characters: N-S, E-W, both, anything else none.
Vulnerability VulnerabilityFromText(std::string_view value);

// Reads a Deal value into the holdings. Returns the error message ("Deal does not start with
// N,E,S, or  W", " 52 cards not dealt") or an empty text.
std::string ParseHandFileDeal(std::string_view value, DealHoldings& out);

// A Result value: the declarer's tricks, or "NS n" / "EW n" for one side's tricks. Returns the
// tricks, or nothing for an invalid value. normalized is set when the value was a side's tricks.
std::optional<int> TricksFromResult(std::string_view value, TSeat declarer, std::string& normalized);

// A Score value as North-South's score: "NS n", "EW n", or the declarer side's score. Nothing
// for an empty value (the caller computes it).
std::optional<int> ScoreFromText(std::string_view value, TSeat declarer);

// A ScoreIMP or ScoreMP value by the same rules, with "," or "." as decimal separator.
double ComparisonFromText(std::string_view value, TSeat declarer);

// Splits a comma list; an empty text gives an empty list.
std::vector<std::string> SplitCommaList(std::string_view text);
std::string JoinCommaList(const std::vector<std::string>& items);

}  // namespace corvane
