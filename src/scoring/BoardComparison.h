// Comparing the results of one board: IMPs, matchpoints and the total-points column of a match.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Signed IMPs for a score difference, 0 to 24 either way.
int ImpsForDifference(int difference);

// What one result earns against the others played on the same board.
struct ResultComparison {
    double Imps = 0;         // IMPs against each other played result, averaged
    double Matchpoints = 0;  // other results beaten, plus half a point per tie
    std::string ImpText;     // "NS 5.33", as stored with the result
    std::string MpText;      // "NS 2.50"
};

// scores: every result of the board, North-South's view, NotPlayedScore for one not played
// (it gets 0 and is no comparison partner). One entry per score; empty when the board has fewer
// than two results or none played, in which case the stored values stay as they are.
std::vector<ResultComparison> CompareBoardResults(const std::vector<int>& scores);

// "NS " and the value with two decimals, always with a decimal point; readers take "," too.
std::string ComparisonText(double value);

// Total points in a team match. scores[board][team]: the team's score on the board, none when it
// has no result (a not-played score counts as none). Each cell is the score minus the lowest
// score on that board; Totals holds each team's sum.
struct TotalPointsTable {
    std::vector<std::vector<std::optional<int>>> Cells;
    std::vector<int> Totals;
};
TotalPointsTable TotalPointsColumn(const std::vector<std::vector<std::optional<int>>>& scores);

}  // namespace corvane
