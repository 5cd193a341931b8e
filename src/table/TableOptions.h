// The options the table reads, gathered from the player's settings when a hand starts and after
// the Preferences form.
#pragma once

#include "scoring/ScoringMode.h"

#include <string>

namespace corvane {

struct TableOptions {
    std::string PlayerName = "Player";
    int HandsPlayed = 1 << 3;  // seat bits (seat + 1): South
    int HandsSeen = 1 << 3;
    ScoringMode Scoring = ImpScoring;
    bool AutoPlaySingleton = true;
    bool ClearTable = true;     // clear a completed trick after ClearTableTime
    int ClearTableTime = 30;    // tenths of a second
    bool DDPlayOpenRoom = false;
    bool DDPlayClosedRoom = true;
    int PlayLevel = 5;
    bool SimBid = false;
    int SuitOrder = 0;
    int LastHandInMatch = 0;
    std::string NSTeamName = "N-S";
    std::string EWTeamName = "E-W";
};

}  // namespace corvane
