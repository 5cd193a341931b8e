// The score pad shown after an IMP or matchpoint hand at the person's table.
#include "table/TableController.h"

namespace corvane {

ScorePadRows TableController::OpenRoomScorePad() const {
    ScorePadRows rows(OpenRoomPadRows);
    rows[0][0] = "Open Room";
    const std::string declarer = state_.Declarer < SeatCount ? SeatPlayerName(state_.Declarer) : std::string();
    rows[1][0] = " " + scores_.HandResultText(declarer, state_.Contract, state_.Doubled);
    rows[1][1] = std::to_string(state_.HandScore);
    // Other tables' results of this board are what the score is compared with.
    const TableHandFile* file = files_.Current();
    if (const int tables = file != nullptr ? file->ResultCount(state_.HandNumber) : 0; tables > 1) {
        rows[8][0] = " Number of Tables";
        rows[8][1] = std::to_string(tables);
    }
    return rows;
}

}  // namespace corvane
