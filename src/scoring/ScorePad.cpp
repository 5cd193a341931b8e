#include "scoring/ScorePad.h"

#include <algorithm>

namespace corvane {

void ScorePad::RefreshTotals() {
    for (int side = 1; side <= 2; ++side) {
        int total = 0;
        for (int c = static_cast<int>(PadCounter::Carry); c <= static_cast<int>(PadCounter::Game3);
             ++c) {
            total += At(side, static_cast<PadCounter>(c));
        }
        At(side, PadCounter::Total) = total;
    }
}

bool ScorePad::RubberFinished() const {
    return At(1, PadCounter::GamesWon) >= 2 || At(2, PadCounter::GamesWon) >= 2;
}

int ScorePad::CurrentGame() const {
    return std::min(1 + At(1, PadCounter::GamesWon) + At(2, PadCounter::GamesWon), 3);
}

std::string ScorePadKey(int side, PadCounter counter) {
    return std::string(PadSidePrefixes[static_cast<size_t>(side - 1)]) +
           std::string(PadCounterNames[static_cast<size_t>(counter)]);
}

}  // namespace corvane
