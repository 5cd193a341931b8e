#include "scoring/ContractScore.h"

#include <algorithm>

namespace corvane {

namespace {
constexpr int TrickValue[5] = {20, 20, 30, 30, 30};
constexpr int NotrumpFirstTrickExtra = 10;
constexpr int DoubledOvertrick[2] = {100, 200};
constexpr int InsultPerStep = 50;
constexpr int SmallSlamBonus[2] = {500, 750};
constexpr int GrandSlamBonus[2] = {1000, 1500};
constexpr int GameBonus[2] = {300, 500};
constexpr int PartScoreBonus = 50;
constexpr int GameTrickScore = 100;
constexpr int UndoubledUndertrick[2] = {50, 100};
}  // namespace

int ContractScore(CallCode contract, int doubling, TSeat declarer, int tricks, bool vulnerable,
                  ScoringMode mode) {
    if (!IsBid(contract)) return 0;
    const int level = LevelOf(contract);
    const Strain strain = StrainOf(contract);
    const int over = tricks - 6 - level;
    const int vul = vulnerable ? 1 : 0;
    int score = 0;
    if (over >= 0) {
        int trickScore = level * TrickValue[strain] + (strain == NoTrump ? NotrumpFirstTrickExtra : 0);
        int overtricks = over * TrickValue[strain];
        if (doubling > 0) {
            trickScore *= 2 * doubling;
            overtricks = (over * DoubledOvertrick[vul] + InsultPerStep) * doubling;
        }
        int bonus = overtricks;
        if (level == 6) bonus += SmallSlamBonus[vul];
        if (level == 7) bonus += GrandSlamBonus[vul];
        if (mode != RubberScoring) bonus += trickScore >= GameTrickScore ? GameBonus[vul] : PartScoreBonus;
        score = trickScore + bonus;
    } else {
        const int u = -over;
        int penalty = 0;
        if (doubling == 0) {
            penalty = u * UndoubledUndertrick[vul];
        } else if (vulnerable) {
            penalty = (200 * u + 100 * std::max(u - 1, 0)) * doubling;
        } else {
            penalty = (100 * u + 100 * std::max(u - 1, 0) + 100 * std::max(u - 3, 0)) * doubling;
        }
        score = -penalty;
    }
    return Side(declarer) == 2 ? -score : score;
}

}  // namespace corvane
