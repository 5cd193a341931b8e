#include "table/PlayParameters.h"

#include "scoring/BoardComparison.h"
#include "scoring/ContractScore.h"
#include "table/solver/PlayBlock.h"

#include <algorithm>

namespace corvane {

namespace {

// Payoff by tricks over (+) or under (-) the contract, -4 .. +4, when IMPs are not used.
constexpr std::array<int, 9> UndoubledPayoff{0, 5, 10, 50, 100, 300, 500, 700, 900};
constexpr std::array<int, 9> DoubledPayoff{0, 5, 10, 50, 400, 500, 600, 700, 750};

// Defaults of a shown record with nothing shown: offsets into one record.
constexpr int ShownUnknown = -1;
constexpr int ShownAces = 3;
constexpr int ShownQueens = 7;
constexpr int ShownStoppers = 20;

// Carding values of a card with no agreements: standard count and attitude, no trump-suit
// preference signal, standard first discard, ace from ace-king.
constexpr int CardingAt = 7;
constexpr std::array<std::int32_t, 4> DefaultCarding{1, 0, 3, 0};
constexpr int PartnerOfFirstCallerAt = 6;

}  // namespace

TrickPayoffs TrickPayoff(const PlayContract& c, ScoringMode mode, bool impPayoff) {
    const int level = LevelOf(c.Contract);
    const int needed = level + 6;
    const bool vulnerable = SeatVulnerable(c.Vul, c.Declarer);
    const auto score = [&](int tricks) {
        return ContractScore(c.Contract, c.Doubled, c.Declarer, tricks, vulnerable, mode);
    };
    TrickPayoffs payoff{};
    const int made = score(needed);
    for (int t = 0; t <= 13; ++t) {
        if (impPayoff) {
            payoff[static_cast<std::size_t>(t)] = ImpsForDifference(score(t) - made);
        } else {
            const auto d = static_cast<std::size_t>(std::clamp(t - needed, -4, 4) + 4);
            const int value = c.Doubled == 0 ? UndoubledPayoff[d] : DoubledPayoff[d];
            payoff[static_cast<std::size_t>(t)] = Side(c.Declarer) == 1 ? value : -value;
        }
    }
    int shift = 0;
    if (payoff[0] < 0) {
        shift = -payoff[0];
    } else if (payoff[0] > 0 || payoff[13] <= 0) {
        shift = -payoff[13];
    }
    for (int& p : payoff) p += shift;
    return payoff;
}

PlayBlock BuildPlayBlock(const PlayBlockRequest& r) {
    namespace layout = sds::block;
    PlayBlock b{};
    b[layout::Trump] = StrainOf(r.Contract.Contract);
    b[layout::Level] = LevelOf(r.Contract.Contract);
    b[layout::Doubled] = r.Contract.Doubled;
    b[layout::Vulnerable] = SeatVulnerable(r.Contract.Vul, r.Contract.Declarer) ? 1 : 0;
    b[layout::Declarer] = r.Contract.Declarer;
    b[layout::Seat] = r.Seat;
    b[PartnerOfFirstCallerAt] = ShownUnknown;
    std::copy(DefaultCarding.begin(), DefaultCarding.end(), b.begin() + CardingAt);
    const TrickPayoffs payoff = TrickPayoff(r.Contract, r.Mode, r.ImpPayoff);
    std::copy(payoff.begin(), payoff.end(), b.begin() + layout::Payoff);
    for (std::size_t i = 0; i < 13; ++i) {
        b[layout::SeatCards + 2 * i] = SuitOf(r.SeatCards[i]);
        b[layout::SeatCards + 2 * i + 1] = RankOf(r.SeatCards[i]);
    }
    for (int seat = 0; seat < 4; ++seat) {
        const auto at = static_cast<std::size_t>(layout::Shown + seat * layout::ShownSize);
        b[at] = 1;
        b[at + layout::ShownMinPoints] = 0;
        b[at + layout::ShownMaxPoints] = sds::MostPoints;
        b[at + ShownAces] = ShownUnknown;
        b[at + ShownAces + 1] = ShownUnknown;
        b[at + ShownAces + 2] = ShownUnknown;
        b[at + ShownAces + 3] = ShownUnknown;
        b[at + ShownQueens] = ShownUnknown;
        for (std::size_t suit = 0; suit < 4; ++suit) {
            b[at + layout::ShownMinLength + suit] = 0;
            b[at + layout::ShownMaxLength + suit] = 13;
            b[at + ShownStoppers + suit] = ShownUnknown;
        }
    }
    b[layout::TimeAllowance] = r.TimeTenths;
    b[layout::Seed] = r.Seed;
    return b;
}

}  // namespace corvane
