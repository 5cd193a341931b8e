// Reading and writing calls. Three written forms: plain ("4H", "X", "Pass": files, bid
// definitions, the auction record), display ("4~H", "Dbl": the auction grid and dialogs, "~"
// before a strain letter is drawn as the suit symbol) and short ("4H", "X", "P": sequence keys).
#pragma once

#include "bidding/Call.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// What the display form shows for "no call yet": three em dashes (Windows-1252) and a blank.
inline constexpr std::string_view NoCallDisplayText = "\x97\x97\x97 ";

// Reads every accepted form: plain, display ("4~H", "Dbl", "RDbl"), with an explanation suffix
// ("1H(2)"), bracketed ("(1H)"), lower-case strain letters and the suit-symbol font's glyph bytes.
// Anything unreadable, a level above 7 included, gives NoCall.
CallCode CallFromText(std::string_view text);

std::string CallText(CallCode code);
std::string CallDisplayText(CallCode code);
std::string CallShortText(CallCode code);

// The contract (a bid code, Pass when passed out) with its doubling (0, 1, 2).
// Plain "4HX", display "4~HX", and the score-pad form "4~H X" with a blank before the doubling.
std::string ContractText(CallCode contract, int doubled);
std::string ContractDisplayText(CallCode contract, int doubled);
std::string ContractPadText(CallCode contract, int doubled);

// A compact run of calls such as "1S2HPPD" (a level digit 1-7 and the strain letter after it
// per bid, "P" pass, "D" double, "R" redouble; either case) as plain call texts. Characters
// outside that alphabet, and a level digit not followed by a strain letter, are skipped.
std::vector<std::string> CompactCallTexts(std::string_view compact);

// One call token of a deal file as plain text: "D" is "X", "R" is "XX", "P" is "Pass", an alert
// marker "!" and what follows it are cut off. Empty optional for the filler token "-", which is
// no call at all.
std::optional<std::string> CallTokenText(std::string_view token);

}  // namespace corvane
