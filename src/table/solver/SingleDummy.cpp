#include "table/solver/SingleDummy.h"

#include "table/solver/DecisionTally.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <new>

namespace corvane::sds {

namespace {

constexpr int TricksInDeal = 13;
// Sum of the tricks left over a hand (13 + 12 + ... + 1): early decisions get more time.
constexpr int TricksLeftSum = TricksInDeal * (TricksInDeal + 1) / 2;

int CardIndex(int suit, int rank) { return suit * 13 + rank - 2; }

bool Beats(const Card& card, const Card& winner, int trump) {
    if (card.Suit == winner.Suit) return card.Rank > winner.Rank;
    return card.Suit == trump;
}

}  // namespace

bool CardsPlayAlike(const std::array<Ranks, 4>& legal, const std::array<Ranks, 4>& gone) {
    int suits = 0;
    Ranks holding = 0;
    int suit = 0;
    for (int s = 0; s < 4; ++s) {
        if (legal[s] == 0) continue;
        ++suits;
        holding = legal[s];
        suit = s;
    }
    if (suits != 1) return suits == 0;
    const int lowest = std::countr_zero(holding);
    const int highest = std::bit_width(holding) - 1;
    const Ranks between = static_cast<Ranks>(((Ranks{1} << (highest + 1)) - 1) & ~((Ranks{1} << lowest) - 1));
    return (between & ~holding & ~gone[suit]) == 0;
}

SingleDummyPlayer::SingleDummyPlayer(SingleDummySettings settings)
    : settings_(settings), pool_(settings.Threads) {}

void SingleDummyPlayer::SetSettings(const SingleDummySettings& settings) {
    if (settings.Threads != settings_.Threads) pool_ = SolverPool(settings.Threads);
    settings_ = settings;
}

int SingleDummyPlayer::Initialize(const Block& b) {
    ready_ = false;
    played_.clear();
    const bool inRange = b[block::Trump] >= 0 && b[block::Trump] <= 4 && b[block::Level] >= 1 &&
                         b[block::Level] <= 7 && b[block::Doubled] >= 0 && b[block::Doubled] <= 2 &&
                         b[block::Declarer] >= 0 && b[block::Declarer] <= 3 &&
                         b[block::Seat] == PartnerOf(b[block::Declarer]);
    std::array<Ranks, 4> dummy{};
    if (!inRange || !BlockSeatCards(b, dummy)) return SDS_BAD_BLOCK;
    block_ = b;
    declarer_ = b[block::Declarer];
    dummy_ = PartnerOf(declarer_);
    dummyCards_ = dummy;
    ready_ = true;
    return 0;
}

SingleDummyPlayer::TrickState SingleDummyPlayer::Tricks() const {
    TrickState t;
    t.Leader = NextSeat(declarer_);
    Card winner;
    int winnerSeat = t.Leader;
    for (const PlayedCard& p : played_) {
        if (t.Count == 0 || Beats(p.Played, winner, block_[block::Trump])) {
            winner = p.Played;
            winnerSeat = p.Seat;
        }
        if (++t.Count == 4) {
            t.DeclarerTricks += SameSide(winnerSeat, declarer_) ? 1 : 0;
            ++t.Completed;
            t.Leader = winnerSeat;
            t.Count = 0;
        }
    }
    return t;
}

int SingleDummyPlayer::SeatToPlay() const {
    if (!ready_) return -1;
    const TrickState t = Tricks();
    return (t.Leader + t.Count) & 3;
}

int SingleDummyPlayer::SuitLed() const {
    const int count = Tricks().Count;
    return count == 0 ? -1 : played_[played_.size() - static_cast<std::size_t>(count)].Played.Suit;
}

Hands SingleDummyPlayer::PlayedBySeat() const {
    Hands h{};
    for (const PlayedCard& p : played_) h[p.Seat][p.Played.Suit] |= Bit(p.Played.Rank);
    return h;
}

std::array<Ranks, 4> SingleDummyPlayer::GoneBeforeThisTrick() const {
    std::array<Ranks, 4> gone{};
    const std::size_t completed = played_.size() - static_cast<std::size_t>(Tricks().Count);
    for (std::size_t i = 0; i < completed; ++i) gone[played_[i].Played.Suit] |= Bit(played_[i].Played.Rank);
    return gone;
}

std::array<std::array<bool, 4>, 4> SingleDummyPlayer::ShowedOut() const {
    std::array<std::array<bool, 4>, 4> out{};
    int led = -1;
    for (std::size_t i = 0; i < played_.size(); ++i) {
        if (i % 4 == 0) led = played_[i].Played.Suit;
        if (played_[i].Played.Suit != led) out[played_[i].Seat][led] = true;
    }
    return out;
}

int SingleDummyPlayer::PlayCard(int suit, int rank) {
    if (!ready_) return SDS_NOT_INITIALIZED;
    if (!ValidCard(suit, rank) || played_.size() >= 52) return SDS_BAD_CARD;
    const Hands played = PlayedBySeat();
    for (const auto& hand : played) {
        if ((hand[suit] & Bit(rank)) != 0) return SDS_BAD_CARD;
    }
    const int seat = SeatToPlay();
    const bool dummyCard = (dummyCards_[suit] & Bit(rank)) != 0;
    if (dummyCard != (seat == dummy_)) return SDS_BAD_CARD;
    const int led = SuitLed();
    if (led >= 0 && suit != led) {
        // The dummy's cards are known, and a player who showed out cannot follow later.
        if (seat == dummy_ && (dummyCards_[led] & ~played[dummy_][led]) != 0) return SDS_BAD_CARD;
    }
    if (ShowedOut()[seat][suit]) return SDS_BAD_CARD;
    played_.push_back({seat, {suit, rank}});
    return 0;
}

int SingleDummyPlayer::TakeBackCard() {
    if (!ready_) return SDS_NOT_INITIALIZED;
    if (played_.empty()) return SDS_NOTHING_TO_TAKE_BACK;
    played_.pop_back();
    return 0;
}

std::chrono::milliseconds SingleDummyPlayer::DecisionTime(int tricksLeft) const {
    const long long allowance = std::max(block_[block::TimeAllowance], 0) * 100LL;
    return std::chrono::milliseconds(allowance * tricksLeft /
                                     (TricksLeftSum * std::max(settings_.DecisionsPerTrick, 1)));
}

int SingleDummyPlayer::GetSD(const std::array<Card, 13>& dealt, GetSDResult& result) {
    const auto start = std::chrono::steady_clock::now();
    result.fill(0);
    if (!ready_) return SDS_NOT_INITIALIZED;
    if (played_.size() >= 52) return SDS_BAD_CARD;
    const TrickState trick = Tricks();
    const int mover = (trick.Leader + trick.Count) & 3;
    const int viewpoint = mover == dummy_ ? declarer_ : mover;

    std::array<Ranks, 4> own{};
    for (const Card& c : dealt) {
        if (!ValidCard(c.Suit, c.Rank) || (own[c.Suit] & Bit(c.Rank)) != 0) return SDS_BAD_HAND;
        own[c.Suit] |= Bit(c.Rank);
    }
    SampleRequest request;
    request.Played = PlayedBySeat();
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) {
            const Ranks mine = seat == viewpoint ? own[suit] : 0;
            // The seat's own play must come from its cards; nobody else may have played one.
            if ((request.Played[seat][suit] & ~mine) != 0 && seat == viewpoint) return SDS_BAD_HAND;
            if (seat != viewpoint && (request.Played[seat][suit] & own[suit]) != 0) return SDS_BAD_HAND;
            if ((own[suit] & dummyCards_[suit]) != 0) return SDS_BAD_HAND;
        }
        request.Holds[seat] = TricksInDeal - CardCount(request.Played[seat]);
        request.Hidden[seat] = seat != viewpoint && seat != dummy_;
        request.Shown[seat] = ShownRangesOf(block_, seat);
    }
    for (int suit = 0; suit < 4; ++suit) {
        request.Known[viewpoint][suit] = own[suit] & ~request.Played[viewpoint][suit];
        request.Known[dummy_][suit] = dummyCards_[suit] & ~request.Played[dummy_][suit];
    }
    request.ShowedOut = ShowedOut();

    // The cards the mover may play.
    const int led = SuitLed();
    std::array<Ranks, 4> legal = request.Known[mover];
    if (led >= 0 && legal[led] != 0) {
        for (int suit = 0; suit < 4; ++suit) legal[suit] = suit == led ? legal[suit] : 0;
    }
    std::vector<Card> choices;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            if ((legal[suit] & Bit(rank)) != 0) choices.push_back({suit, rank});
        }
    }
    if (choices.empty()) return SDS_BAD_HAND;

    const int tricksLeft = TricksInDeal - trick.Completed;
    const int choiceCount = static_cast<int>(choices.size());
    const bool moverDeclares = SameSide(mover, declarer_);
    // What North-South are paid when the mover's side takes s more tricks.
    std::array<std::int32_t, 14> payoffByScore{};
    for (int s = 0; s <= tricksLeft; ++s) {
        const int declarerTricks = trick.DeclarerTricks + (moverDeclares ? s : tricksLeft - s);
        payoffByScore[static_cast<std::size_t>(s)] = block_[block::Payoff + std::clamp(declarerTricks, 0, 13)];
    }
    // Ties of payoff and tricks go to the lower card, which keeps the higher ones; then to the
    // card from the longer suit.
    std::vector<int> preference(choices.size());
    for (int i = 0; i < choiceCount; ++i) preference[static_cast<std::size_t>(i)] = i;
    std::stable_sort(preference.begin(), preference.end(), [&](int a, int b) {
        const Card& ca = choices[static_cast<std::size_t>(a)];
        const Card& cb = choices[static_cast<std::size_t>(b)];
        if (ca.Rank != cb.Rank) return ca.Rank < cb.Rank;
        const int lengthA = std::popcount(request.Known[mover][ca.Suit]);
        const int lengthB = std::popcount(request.Known[mover][cb.Suit]);
        if (lengthA != lengthB) return lengthA > lengthB;
        return ca.Suit < cb.Suit;
    });
    DecisionTally tally(tricksLeft, payoffByScore, (mover & 1) == 0, preference);

    if (!CardsPlayAlike(legal, GoneBeforeThisTrick())) {
        // The same position gives the same samples, however the play reached it.
        std::uint64_t seed = static_cast<std::uint32_t>(block_[block::Seed]);
        for (const PlayedCard& p : played_) seed = seed * 131 + static_cast<std::uint64_t>(CardIndex(p.Played.Suit, p.Played.Rank));
        SampleRandom random(seed * 4 + static_cast<std::uint64_t>(viewpoint));
        const SampleSet samples = SampleDeals(request, settings_.Samples, random);
        if (samples.Deals.empty()) return SDS_NO_LAYOUT;

        Position base;
        base.Trump = block_[block::Trump];
        base.Leader = trick.Leader;
        base.TrickCount = trick.Count;
        for (int i = 0; i < trick.Count; ++i) {
            const Card& c = played_[played_.size() - static_cast<std::size_t>(trick.Count - i)].Played;
            base.TrickSuit[i] = c.Suit;
            base.TrickRank[i] = c.Rank;
        }
        // Tricks the mover's side takes from here, per sample and card.
        const int sampleCount = static_cast<int>(samples.Deals.size());
        std::vector<std::vector<int>> scores(samples.Deals.size(), std::vector<int>(choices.size(), -1));
        std::atomic<int> failure{SDS_OK};
        const auto job = [&](int s, DoubleDummySolver& solver) {
            Position p = base;
            p.Hand = samples.Deals[static_cast<std::size_t>(s)];
            const SolveResult solved = solver.Solve(p, -1, 3);
            if (solved.Code != SDS_OK) {
                failure = solved.Code;
                return false;
            }
            std::vector<int>& row = scores[static_cast<std::size_t>(s)];
            for (int k = 0; k < solved.Count; ++k) {
                const CardScore& cs = solved.Cards[static_cast<std::size_t>(k)];
                const Ranks group = Bit(cs.Rank) | cs.Equals;
                for (int i = 0; i < choiceCount; ++i) {
                    const Card& c = choices[static_cast<std::size_t>(i)];
                    if (c.Suit == cs.Suit && (group & Bit(c.Rank)) != 0) row[static_cast<std::size_t>(i)] = cs.Score;
                }
            }
            if (std::find(row.begin(), row.end(), -1) != row.end()) {
                failure = SDS_BAD_HAND;  // the search skipped a legal card
                return false;
            }
            return true;
        };
        // Layouts are added in order, so where the sampling stops depends only on the seed.
        const auto enough = [&](int finished) {
            tally.Add(scores[static_cast<std::size_t>(finished - 1)]);
            return tally.Settled(sampleCount - finished, settings_.UnbeatenSamples);
        };
        try {
            // The tally grows on the worker threads, where running out of memory could not be
            // answered.
            tally.Reserve(sampleCount);
            pool_.Run(sampleCount, std::min(settings_.MinimumSamples, sampleCount),
                      start + DecisionTime(tricksLeft), job, enough);
        } catch (const std::bad_alloc&) {
            return SDS_OUT_OF_MEMORY;
        }
        if (failure != SDS_OK) return failure;
    }
    const int used = tally.Samples();
    const std::vector<int> order = tally.Ranking();

    const Card& best = choices[static_cast<std::size_t>(order[0])];
    result[0] = best.Suit;
    result[1] = best.Rank;
    result[getsd::Samples] = used;
    for (int k = 0; k < choiceCount; ++k) {
        const auto i = static_cast<std::size_t>(order[static_cast<std::size_t>(k)]);
        result[static_cast<std::size_t>(getsd::Entries + 2 * k)] = choices[i].Suit;
        result[static_cast<std::size_t>(getsd::Entries + 2 * k + 1)] = choices[i].Rank;
        if (used > 0) {
            result[static_cast<std::size_t>(getsd::MeanTricks + k)] = static_cast<std::int32_t>(tally.Tricks(static_cast<int>(i)) * 100 / used);
            result[static_cast<std::size_t>(getsd::MeanPayoff + k)] = static_cast<std::int32_t>(tally.Payoff(static_cast<int>(i)) * 100 / used);
        }
    }
    return 0;
}

}  // namespace corvane::sds
