#include "bidding/SuitEvaluation.h"

namespace corvane {

double HonourCount(Holding h) {
    double count = Holds(h, Jack) + Holds(h, Queen) + Holds(h, King) + Holds(h, Ace);
    if (Holds(h, Ten)) count += Length(h) < 4 ? 0.5 : 1.0;
    return count;
}

std::string TopHonours(Holding h) {
    std::string text;
    if (Holds(h, Ace)) text += 'A';
    if (Holds(h, King)) text += 'K';
    if (Holds(h, Queen)) text += 'Q';
    return text;
}

double QuickTricks(Holding h) {
    const bool a = Holds(h, Ace), k = Holds(h, King), q = Holds(h, Queen);
    if (a && k) return q ? 3.0 : 2.0;
    if (a) return q ? 1.5 : 1.0;
    if (k && q) return 1.0;
    if (k && !q) return Length(h) > 1 ? 0.5 : 0.0;
    return 0.0;
}

bool UnguardedHonour(Holding h) {
    const int n = Length(h), hcp = SuitHCP(h);
    if (n == 1) return hcp >= 1 && hcp <= 3;
    return n == 2 && hcp == 3 && Holds(h, Jack);
}

bool IsStopper(Holding h) {
    const int n = Length(h);
    if (Holds(h, Ace)) return true;
    if (Holds(h, King) && n >= 2) return true;
    if (Holds(h, Queen) && n >= 3) return true;
    if (n >= 4 && (h & FullSuit) > RankBit(Ten)) return true;
    return n >= 5;
}

bool HasTenace(Holding h) {
    if (Length(h) < 2) return false;
    if (Holds(h, King) && !Holds(h, Ace) && !Holds(h, Queen)) return true;
    return NthHighest(h, 1) - NthHighest(h, 2) == 2;
}

bool IsGoodSuit(Holding h) {
    const int n = Length(h), hcp = SuitHCP(h);
    const double honours = HonourCount(h);
    return (n >= 4 && honours >= 2) || (n >= 3 && hcp >= 5) || hcp >= 6 ||
           (n >= 3 && hcp >= 4 && honours >= 2) || (n >= 4 && hcp >= 4);
}

bool IsSolidLongSuit(Holding h) { return Length(h) >= 6 && TopHonourCount(h) >= 2; }

bool IsStrongLongSuit(Holding h) {
    const double honours = HonourCount(h);
    return Length(h) >= 6 && ((SuitHCP(h) > 3 && honours >= 1.5) || honours >= 2.5);
}

double SuitLosers(Holding h) {
    const std::string top = TopHonours(h);
    switch (Length(h)) {
    case 0: return 0;
    case 1: return top == "A" ? 0 : 1;
    case 2:
        if (top == "AK") return 0;
        if (top == "A" || top == "AQ" || top == "K" || top == "KQ") return 1;
        return 2;
    default:
        if (top.size() != 1) return 3.0 - static_cast<double>(top.size());
        // Qxx without the jack or ten behind it is worth only half a trick.
        if (top == "Q" && !Holds(h, Jack) && !Holds(h, Ten)) return 2.5;
        return 2;
    }
}

}  // namespace corvane
