// The score pad shown after an IMP or matchpoint hand at the person's table.
#include "table/TableController.h"

#include "bidding/CallText.h"

#include <cstdio>

namespace corvane {

namespace {

std::string TwoDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

ScorePadRows TableController::OpenRoomScorePad() const {
    ScorePadRows rows(OpenRoomPadRows);
    rows[0][0] = "Open Room";
    const std::string declarer =
        state_.Declarer < SeatCount ? SeatPlayerName(state_.Declarer) : std::string();
    rows[1][0] = " " + scores_.HandResultText(declarer, state_.Contract, state_.Doubled);
    rows[1][1] = std::to_string(state_.HandScore);
    // Other tables' results of this board are what the score is compared with.
    const TableHandFile* file = files_.Current();
    const std::vector<HandResultRecord> results =
        file != nullptr ? file->Results(state_.HandNumber) : std::vector<HandResultRecord>{};
    if (results.size() < 2) return rows;
    rows[8][0] = " Number of Tables";
    rows[8][1] = std::to_string(results.size());
    const auto own =
        std::find_if(results.begin(), results.end(),
                     [this](const HandResultRecord& r) { return r.Player == options_.PlayerName; });
    if (own == results.end()) return rows;
    if (state_.PlayedBefore == FinishedBefore) {
        // A replay is not compared again: the pad recalls how the board went the first time.
        rows[3][0] = "Result the first time";
        rows[4][0] = " you played this hand";
        const std::string firstDeclarer =
            own->Declarer < SeatCount ? std::string(SeatNames[own->Declarer]) : std::string();
        rows[5][0] = ContractPadText(own->Contract, own->Doubled) + " by " + firstDeclarer;
        rows[5][1] = std::to_string(own->Score);
        return rows;
    }
    const bool matchpoints = options_.Scoring == MatchpointScoring;
    rows[7][0] = std::string(matchpoints ? " MPs" : " IMPs") + " won this hand";
    rows[7][1] = TwoDecimals(matchpoints ? own->ScoreMP : own->ScoreIMP);
    return rows;
}

} // namespace corvane
