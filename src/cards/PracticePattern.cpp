#include "cards/PracticePattern.h"

namespace corvane {

bool SeatPattern::IsTrivial() const {
    if (MinHCP != 0 || MaxHCP != 37 || Balanced != 0 || ControlCode != "-") return false;
    for (int suit = 0; suit < 4; ++suit) {
        const auto i = static_cast<size_t>(suit);
        if (MinLength[i] != 0 || MaxLength[i] != 13) return false;
        if (!QualityCode[i].empty() && QualityCode[i] != "-") return false;
    }
    return true;
}

}  // namespace corvane
