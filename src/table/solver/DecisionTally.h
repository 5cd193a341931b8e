// The scores of the cards a player may play over the layouts solved so far, the card they
// choose, and whether more layouts could still change that choice.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace corvane::sds {

class DecisionTally {
public:
    // `payoff[s]`: the payoff to North-South when the mover's side takes s of the `tricksLeft`
    // tricks still to play (the current one included). `preference`: the cards in the order
    // that breaks ties of payoff and tricks, most preferred first.
    DecisionTally(int tricksLeft, const std::array<std::int32_t, 14>& payoff, bool northSouthMoves,
                  std::vector<int> preference);

    int Choices() const { return static_cast<int>(preference_.size()); }
    int Samples() const { return samples_; }

    // Room for this many layouts, so adding them later allocates nothing.
    void Reserve(int samples);
    // One layout's scores, one per card: the tricks the mover's side takes after that card.
    void Add(const std::vector<int>& scores);

    long long Payoff(int choice) const { return payoff_[static_cast<std::size_t>(choice)]; }
    long long Tricks(int choice) const { return tricks_[static_cast<std::size_t>(choice)]; }

    // The cards best first: higher expected payoff for the mover's side, then more tricks, then
    // the preference order.
    std::vector<int> Ranking() const;

    // Whether the card ranked first stays first, given `remaining` more layouts. A rival is out
    // of the running when its deficit exceeds what the remaining layouts could give back at the
    // most, or, once `unbeatenAfter` layouts are in, when it has not done better than the
    // leader in a single one of them.
    bool Settled(int remaining, int unbeatenAfter) const;

private:
    long long MoverPayoff(int score) const;
    // Whether `a` did better than `b` in layout `sample`.
    bool BetterIn(int sample, int a, int b) const;

    int tricksLeft_;
    std::array<std::int32_t, 14> payoffByScore_;
    bool northSouth_;
    std::vector<int> preference_;
    std::vector<int> rankOf_;  // position of each card in the preference order
    long long payoffRange_ = 0;  // largest payoff swing one layout can make between two cards
    int samples_ = 0;
    std::vector<int> scores_;  // [sample * choices + choice]
    std::vector<long long> payoff_;
    std::vector<long long> tricks_;
};

}  // namespace corvane::sds
