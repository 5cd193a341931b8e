#include "scoring/ContractScore.h"

#include <algorithm>

namespace corvane {

namespace {
// Index 0 not vulnerable, 1 vulnerable.
constexpr int TrickValue[5] = {20, 20, 30, 30, 30};
constexpr int NotrumpFirstTrickExtra = 10;
constexpr int DoubledOvertrick[2] = {100, 200};
constexpr int InsultPerStep = 50;
constexpr int SmallSlamBonus[2] = {500, 750};
constexpr int GrandSlamBonus[2] = {1000, 1500};
constexpr int GameBonus[2] = {300, 500};
constexpr int PartScoreBonus = 50;
constexpr int UndoubledUndertrick[2] = {50, 100};
constexpr int TricksInDeal = 13;
constexpr int Book = 6;
}  // namespace

ScoreBreakdown ScoreContract(CallCode contract, int doubling, int tricks, bool vulnerable,
                             ScoringMode mode) {
    ScoreBreakdown result;
    if (!IsBid(contract)) return result;
    // A hand file can hold anything; out-of-range values must not reach the arithmetic.
    tricks = std::clamp(tricks, 0, TricksInDeal);
    doubling = std::clamp(doubling, 0, 2);
    const int level = LevelOf(contract);
    const Strain strain = StrainOf(contract);
    const int vul = vulnerable ? 1 : 0;
    result.Level = level;
    result.Trumps = strain;
    result.Over = tricks - Book - level;
    if (result.Over >= 0) {
        int trickScore =
            level * TrickValue[strain] + (strain == NoTrump ? NotrumpFirstTrickExtra : 0);
        int overtricks = result.Over * TrickValue[strain];
        if (doubling > 0) {
            trickScore *= 2 * doubling;
            overtricks = (result.Over * DoubledOvertrick[vul] + InsultPerStep) * doubling;
        }
        int bonus = overtricks;
        if (level == 6) bonus += SmallSlamBonus[vul];
        if (level == 7) bonus += GrandSlamBonus[vul];
        if (mode != RubberScoring)
            bonus += trickScore >= GameTrickScore ? GameBonus[vul] : PartScoreBonus;
        result.TrickScore = trickScore;
        result.Bonus = bonus;
    } else {
        const int u = -result.Over;
        if (doubling == 0) {
            result.Penalty = u * UndoubledUndertrick[vul];
        } else if (vulnerable) {
            result.Penalty = (200 * u + 100 * std::max(u - 1, 0)) * doubling;
        } else {
            result.Penalty =
                (100 * u + 100 * std::max(u - 1, 0) + 100 * std::max(u - 3, 0)) * doubling;
        }
    }
    return result;
}

int ContractScore(CallCode contract, int doubling, TSeat declarer, int tricks, bool vulnerable,
                  ScoringMode mode) {
    const int score = ScoreContract(contract, doubling, tricks, vulnerable, mode).DeclarerScore();
    return Side(declarer) == 2 ? -score : score;
}

}  // namespace corvane
