// Splits PBN text into games of tag pairs. Comments, "%" lines and blank-line game breaks are
// handled here, so the importer sees only names, values and section contents.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct PbnTagPair {
    std::string name;
    std::string value;
    std::vector<std::string> tokens;     // Auction and Play: the section's tokens
    std::vector<std::string> tableRows;  // OptimumResultTable and TotalScoreTable: the row lines
};

struct PbnGame {
    std::vector<PbnTagPair> tags;
};

struct PbnScan {
    std::vector<PbnGame> games;
    std::vector<std::string> errors;  // damage found in the text, with its line number
};

PbnScan ScanPbn(const std::vector<std::string>& lines);

// The slot of a tag name matched exactly (case matters), or -1 for an unlisted name; "End" is
// never a listed tag.
int PbnTagIndex(std::string_view name);

// Whether a line ends a game: empty or a single space.
bool IsPbnBlankLine(const std::string& line);

}  // namespace corvane
