// The names and event title a newly dealt board is stored with.
#pragma once

#include <array>
#include <string>

namespace corvane {

struct BoardNaming {
    std::string CurrentPlayer;
    int HandsPlayed = 0;            // seat mask, bit (seat + 1)
    std::string NSTeam, EWTeam;     // the sides' team names
    bool Practice = false;
    std::string PracticeName;       // the practice set's name, empty when none
    bool MatchPlay = false;
};

// The person's name for seats played here, else the side's team name, a space and the seat
// letter.
std::array<std::string, 4> NewBoardPlayers(const BoardNaming& naming);

// "Corvane 6 - Random Hands", or the practice set's name, then " - Match Play" in a match.
std::string NewBoardEvent(const BoardNaming& naming);

}  // namespace corvane
