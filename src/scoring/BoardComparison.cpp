#include "scoring/BoardComparison.h"

#include "scoring/ScoringMode.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>

namespace corvane {

namespace {
// Lower bounds of 1 to 24 IMPs.
constexpr std::array<long long, 24> ImpBounds{20,   50,   90,   130,  170,  220,  270,  320,
                                              370,  430,  500,  600,  750,  900,  1100, 1300,
                                              1500, 1750, 2000, 2250, 2500, 3000, 3500, 4000};
}  // namespace

int ImpsForDifference(int difference) {
    // Widened so that the most negative int has an absolute value.
    const long long size = std::llabs(static_cast<long long>(difference));
    const auto imps = static_cast<int>(
        std::upper_bound(ImpBounds.begin(), ImpBounds.end(), size) - ImpBounds.begin());
    return difference < 0 ? -imps : imps;
}

std::string ComparisonText(double value) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, 2).ptr;
    return "NS " + std::string(buffer.data(), end);
}

std::vector<ResultComparison> CompareBoardResults(const std::vector<int>& scores) {
    const auto played = std::count_if(scores.begin(), scores.end(),
                                      [](int s) { return s != NotPlayedScore; });
    if (scores.size() < 2 || played == 0) return {};
    const double others = static_cast<double>(std::max<long>(played - 1, 1));
    std::vector<ResultComparison> results(scores.size());
    for (size_t i = 0; i < scores.size(); ++i) {
        ResultComparison& result = results[i];
        if (scores[i] != NotPlayedScore) {
            int imps = 0;
            double matchpoints = 0;
            for (size_t j = 0; j < scores.size(); ++j) {
                if (j == i || scores[j] == NotPlayedScore) continue;
                imps += ImpsForDifference(scores[i] - scores[j]);
                if (scores[i] > scores[j]) matchpoints += 1;
                if (scores[i] == scores[j]) matchpoints += 0.5;
            }
            result.Imps = imps / others;
            result.Matchpoints = matchpoints;
        }
        result.ImpText = ComparisonText(result.Imps);
        result.MpText = ComparisonText(result.Matchpoints);
    }
    return results;
}

TotalPointsTable TotalPointsColumn(const std::vector<std::vector<std::optional<int>>>& scores) {
    size_t teams = 0;
    for (const auto& board : scores) teams = std::max(teams, board.size());
    TotalPointsTable table;
    table.Totals.assign(teams, 0);
    for (const auto& board : scores) {
        std::optional<int> lowest;
        for (const auto& score : board) {
            if (score && *score != NotPlayedScore && (!lowest || *score < *lowest)) lowest = score;
        }
        std::vector<std::optional<int>>& row = table.Cells.emplace_back(teams);
        for (size_t team = 0; team < board.size(); ++team) {
            const auto& score = board[team];
            if (!score || *score == NotPlayedScore) continue;
            row[team] = *score - *lowest;
            table.Totals[team] += *row[team];
        }
    }
    return table;
}

}  // namespace corvane
