#include "table/solver/DecisionTally.h"

#include <algorithm>

namespace corvane::sds {

DecisionTally::DecisionTally(int tricksLeft, const std::array<std::int32_t, 14>& payoff,
                             bool northSouthMoves, std::vector<int> preference)
    : tricksLeft_(std::clamp(tricksLeft, 0, 13)), payoffByScore_(payoff),
      northSouth_(northSouthMoves), preference_(std::move(preference)),
      rankOf_(preference_.size(), 0), payoff_(preference_.size(), 0),
      tricks_(preference_.size(), 0) {
    for (std::size_t k = 0; k < preference_.size(); ++k)
        rankOf_[static_cast<std::size_t>(preference_[k])] = static_cast<int>(k);
    const auto [low, high] =
        std::minmax_element(payoffByScore_.begin(), payoffByScore_.begin() + tricksLeft_ + 1);
    payoffRange_ = static_cast<long long>(*high) - *low;
}

long long DecisionTally::MoverPayoff(int score) const {
    const long long p = payoffByScore_[static_cast<std::size_t>(std::clamp(score, 0, tricksLeft_))];
    return northSouth_ ? p : -p;
}

void DecisionTally::Reserve(int samples) {
    scores_.reserve(static_cast<std::size_t>(std::max(samples, 0) * Choices()));
}

void DecisionTally::Add(const std::vector<int>& scores) {
    for (int i = 0; i < Choices(); ++i) {
        const int s = scores[static_cast<std::size_t>(i)];
        scores_.push_back(s);
        payoff_[static_cast<std::size_t>(i)] +=
            payoffByScore_[static_cast<std::size_t>(std::clamp(s, 0, tricksLeft_))];
        tricks_[static_cast<std::size_t>(i)] += s;
    }
    ++samples_;
}

std::vector<int> DecisionTally::Ranking() const {
    std::vector<int> order = preference_;
    const auto better = [&](int a, int b) {
        const auto ua = static_cast<std::size_t>(a);
        const auto ub = static_cast<std::size_t>(b);
        if (payoff_[ua] != payoff_[ub])
            return northSouth_ ? payoff_[ua] > payoff_[ub] : payoff_[ua] < payoff_[ub];
        if (tricks_[ua] != tricks_[ub]) return tricks_[ua] > tricks_[ub];
        return rankOf_[ua] < rankOf_[ub];
    };
    std::sort(order.begin(), order.end(), better);
    return order;
}

bool DecisionTally::BetterIn(int sample, int a, int b) const {
    const int sa = scores_[static_cast<std::size_t>(sample * Choices() + a)];
    const int sb = scores_[static_cast<std::size_t>(sample * Choices() + b)];
    const long long pa = MoverPayoff(sa);
    const long long pb = MoverPayoff(sb);
    return pa != pb ? pa > pb : sa > sb;
}

bool DecisionTally::Settled(int remaining, int unbeatenAfter) const {
    if (Choices() <= 1 || remaining <= 0) return true;
    if (samples_ == 0) return false;
    const std::vector<int> order = Ranking();
    const int leader = order[0];
    const long long sign = northSouth_ ? 1 : -1;
    for (std::size_t k = 1; k < order.size(); ++k) {
        const int rival = order[k];
        const long long payoffLead = sign * (payoff_[static_cast<std::size_t>(leader)] -
                                             payoff_[static_cast<std::size_t>(rival)]);
        // Out of reach: even the largest swing in every remaining layout cannot close the gap.
        // Where the payoff cannot differ at all, the tricks decide.
        if (payoffLead > remaining * payoffRange_) continue;
        if (payoffRange_ == 0 &&
            tricks_[static_cast<std::size_t>(leader)] - tricks_[static_cast<std::size_t>(rival)] >
                static_cast<long long>(remaining) * tricksLeft_) {
            continue;
        }
        if (samples_ < unbeatenAfter) return false;
        for (int s = 0; s < samples_; ++s) {
            if (BetterIn(s, rival, leader)) return false;
        }
    }
    return true;
}

}  // namespace corvane::sds
