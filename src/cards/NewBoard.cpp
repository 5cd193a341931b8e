#include "cards/NewBoard.h"

#include "cards/Cards.h"
#include "cards/Hands.h"

namespace corvane {

std::array<std::string, 4> NewBoardPlayers(const BoardNaming& naming) {
    std::array<std::string, 4> players;
    for (TSeat seat = 0; seat < 4; ++seat) {
        if (naming.HandsPlayed & SeatBit(seat)) {
            players[seat] = naming.CurrentPlayer;
        } else {
            players[seat] = (Side(seat) == 1 ? naming.NSTeam : naming.EWTeam) + " " + SeatLetters[seat];
        }
    }
    return players;
}

std::string NewBoardEvent(const BoardNaming& naming) {
    std::string event = "Corvane 6 - ";
    if (!naming.Practice) {
        event += "Random Hands";
    } else {
        event += naming.PracticeName.empty() ? "Practice Hands" : naming.PracticeName;
    }
    if (naming.MatchPlay) event += " - Match Play";
    return event;
}

}  // namespace corvane
