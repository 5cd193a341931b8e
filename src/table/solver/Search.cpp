#include "table/solver/Search.h"

#include <algorithm>
#include <bit>

namespace corvane::sds {

namespace {

constexpr int LengthShift(int seat, int suit) {
    return seat * 16 + suit * 4;
}
// The highest rank of r, which must hold a card: that leaves out the check for none.
inline int HighRank(Ranks r) {
    return 31 - __builtin_clz(r);
}
inline Ranks Bit(int rank) {
    return Ranks{1} << rank;
}
inline std::uint64_t SuitBits(int suit, Ranks r) {
    return static_cast<std::uint64_t>(r) << (16 * suit);
}
inline Ranks SuitPart(std::uint64_t relevant, int suit) {
    return static_cast<Ranks>((relevant >> (16 * suit)) & 0xFFFF);
}
// No rank of the suit is marked: every card of it counts only as a small card.
constexpr int Unmarked = 16;
// The lowest rank of `suit` an answer resting on `relevant` depends on, Unmarked when none.
inline int LowestMark(std::uint64_t relevant, int suit) {
    const Ranks marked = SuitPart(relevant, suit);
    return marked == 0 ? Unmarked : std::countr_zero(marked);
}

// Per byte x, the place of its j-th lowest set bit, for finding the j-th lowest card of a
// suit without a loop.
constexpr auto NthTable = [] {
    std::array<std::array<std::uint8_t, 8>, 256> nth{};
    for (int x = 0; x < 256; ++x) {
        int j = 0;
        for (int b = 0; b < 8; ++b) {
            if ((x >> b) & 1) nth[x][j++] = static_cast<std::uint8_t>(b);
        }
    }
    return nth;
}();
// The j-th lowest set bit of x (from 0), which must have more than j bits set.
inline int NthLowest(Ranks x, int j) {
    const int low = std::popcount(x & 255U);
    return j < low ? NthTable[x & 255][j] : 8 + NthTable[(x >> 8) & 255][j - low];
}

// How many cards of `live` rank above `card`.
inline int CardsAbove(Ranks live, Ranks card) {
    return std::popcount(live & ~(card | (card - 1)));
}
// The place of a card in its suit's owner planes: the top card at 12, the next at 11, ...
inline int PlaceOf(Ranks live, Ranks card) {
    return 12 - CardsAbove(live, card);
}
// Takes the card with `above` cards over it out of a suit's owner planes (plane 0 in bits
// 0..15, plane 1 in 16..31); the cards below it move up one place.
inline std::uint32_t DropCard(std::uint32_t planes, int above) {
    const std::uint32_t below = (0x1FFFU >> above) * 0x10001U;  // and the card
    return (planes & ~below) | ((planes << 1) & below);
}

// The tricks won by the side of a hand holding the trumps `mine`, of those it plays a trump to:
// all but those won by a higher trump of `theirs`, each of which beats one of them at most.
// The pairs of a trump of `theirs` over one of `mine` are counted at their most, pairing each of
// mine from the lowest up with the lowest free trump above it.
inline int TrumpsUnbeaten(Ranks mine, Ranks theirs) {
    int beaten = 0;
    for (Ranks rest = mine; rest != 0; rest &= rest - 1) {
        const Ranks higher = theirs & ~(((rest & (~rest + 1)) << 1) - 1);
        if (higher == 0) break;
        theirs &= ~(higher & (~higher + 1));
        ++beaten;
    }
    return std::popcount(mine) - beaten;
}

inline bool Beats(int suit, int rank, int winSuit, int winRank, int trump) {
    return suit == winSuit ? rank > winRank : suit == trump;
}
// Whether two cards (moves, killers) are the same card.
template <class A, class B>
bool SameCard(const A& a, const B& b) {
    return a.Suit == b.Suit && a.Rank == b.Rank;
}

// Calls f(topRank, groupRanks) for each run of cards of `mine` with no live card of another
// hand between them, highest run first.
template <class F>
void ForEachGroup(Ranks mine, Ranks live, F f) {
    const Ranks others = live & ~mine;
    while (mine != 0) {
        const int top = HighRank(mine);
        // The group runs down from its top to the highest card of another hand below it.
        const Ranks below = others & (Bit(top) - 1);
        const Ranks floor = below == 0 ? 0 : Bit(HighRank(below) + 1) - 1;
        f(top, mine & ~floor);
        mine &= floor;
    }
}

// The lowest card of each run of `mine` with no live card of another hand between them. Ranks
// gone from play join the runs of `mine` around them; adding each run's first bit to the gone
// ones carries up to the run's lowest card of mine.
inline Ranks GroupLows(Ranks mine, Ranks live) {
    const Ranks gone = ~live & AllRanks;
    const Ranks runs = mine | gone;
    return (gone + (runs & ~(runs << 1))) & mine;
}
// The top card of the group of `mine` whose lowest card is the lowest of `lows` (see GroupLows):
// the group tops out below the next group's lowest card.
inline int GroupTop(Ranks mine, Ranks lows) {
    const Ranks higher = lows & (lows - 1);
    return HighRank(mine & ((higher & ~(higher - 1)) - 1));
}

// The value in lo..hi, found by yes-or-no tests "at least t?" starting at `guess` and stepping
// one trick at a time, since answers near the guess are the likely ones.
template <class T>
int Converge(int lo, int hi, int guess, T atLeast) {
    int g = guess;
    while (lo < hi) {
        const int t = std::clamp(g, lo + 1, hi);
        if (atLeast(t)) {
            lo = t;
            g = t + 1;
        } else {
            hi = t - 1;
            g = t - 1;
        }
    }
    return lo;
}

}  // namespace

Searcher::Searcher(TransTable& table) : table_(table) {}

void Searcher::ClearHistory(const LeadHistory& leads) {
    history_ = {};
    leadHistory_ = leads;
    killers_ = {};
    forcingKillerWins_ = 0;
    forcingWeightWins_ = 0;
}

void Searcher::Reset(const Position& p) {
    trump_ = p.Trump;
    hand_ = p.Hand;
    lengths_ = 0;
    live_ = {};
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) {
            live_[suit] |= hand_[seat][suit];
            lengths_ |= static_cast<std::uint64_t>(std::popcount(hand_[seat][suit]))
                        << LengthShift(seat, suit);
        }
    }
    trickIndex_ = 0;
    Trick& trick = tricks_[0];
    trick.Leader = p.Leader;
    for (int i = 0; i < p.TrickCount; ++i) {
        trick.Suit[i] = p.TrickSuit[i];
        trick.Rank[i] = p.TrickRank[i];
        live_[p.TrickSuit[i]] |= Bit(p.TrickRank[i]);
        const int w = i == 0 ? 0 : trick.Winner[i - 1];
        trick.Winner[i] =
            i > 0 && Beats(trick.Suit[i], trick.Rank[i], trick.Suit[w], trick.Rank[w], trump_) ? i
                                                                                               : w;
    }
    rootPos_ = p.TrickCount;
    // The owner planes cover the cards already played to the trick as well: they leave the
    // planes with the rest of the trick.
    auto held = hand_;
    for (int i = 0; i < p.TrickCount; ++i)
        held[(p.Leader + i) & 3][p.TrickSuit[i]] |= Bit(p.TrickRank[i]);
    for (int suit = 0; suit < 4; ++suit) {
        std::uint32_t planes = 0;
        for (Ranks rest = live_[suit]; rest != 0; rest &= rest - 1) {
            const Ranks card = rest & (~rest + 1);
            const std::uint32_t plane0 = ((held[1][suit] | held[3][suit]) & card) != 0;
            const std::uint32_t plane1 = ((held[2][suit] | held[3][suit]) & card) != 0;
            planes |= (plane0 | plane1 << 16) << PlaceOf(live_[suit], card);
        }
        owners_[0][suit] = planes;
    }
    const int toPlay = (p.Leader + p.TrickCount) & 3;
    maxSide_ = toPlay & 1;
    tricksLeft_ = 0;
    for (int suit = 0; suit < 4; ++suit) tricksLeft_ += std::popcount(hand_[toPlay][suit]);
    tricksMax_ = 0;
    proof_ = RootProof{};
}

int Searcher::Solve(int guess) {
    return Converge(0, tricksLeft_, guess, [this](int t) { return Test(t); });
}

bool Searcher::Test(int target) {
    target_ = target;
    tricksMax_ = 0;
    searching_ = RootProof{target, {}, {}};
    std::uint64_t relevant = 0;
    const bool reached = rootPos_ == 0 ? LeadNode(relevant) : FollowNode(rootPos_, relevant);
    if (reached) proof_ = searching_;
    return reached;
}

void Searcher::NoteRoot(const Move& move, bool reached) {
    (reached ? searching_.Reach : searching_.Fail)[move.Suit] |= Bit(move.Rank);
}

bool Searcher::Reaches(const RootMove& move, int target) {
    target_ = target;
    tricksMax_ = 0;
    std::uint64_t relevant = 0;
    const int seat = (tricks_[trickIndex_].Leader + rootPos_) & 3;
    PlayCard(rootPos_, seat, move.Suit, move.Rank);
    const bool reached = AfterCard(rootPos_, relevant);
    UnplayCard(seat, move.Suit, move.Rank);
    return reached;
}

int Searcher::SolveBelow(const RootMove& move, int most) {
    return Converge(0, most, most, [&](int t) { return Reaches(move, t); });
}

int Searcher::RootMoves(std::array<RootMove, 13>& out) const {
    const Trick& trick = tricks_[trickIndex_];
    const int seat = (trick.Leader + rootPos_) & 3;
    const bool mustFollow = rootPos_ > 0 && hand_[seat][trick.Suit[0]] != 0;
    int n = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (mustFollow && suit != trick.Suit[0]) continue;
        ForEachGroup(hand_[seat][suit], live_[suit], [&](int top, Ranks group) {
            out[n++] = RootMove{suit, top, group & ~Bit(top)};
        });
    }
    return n;
}

inline void Searcher::PlayCard(int pos, int seat, int suit, int rank) {
    Trick& trick = tricks_[trickIndex_];
    int winner = 0;
    if (pos > 0) {
        const int w = trick.Winner[pos - 1];
        winner = Beats(suit, rank, trick.Suit[w], trick.Rank[w], trump_) ? pos : w;
    }
    trick.Suit[pos] = suit;
    trick.Rank[pos] = rank;
    trick.Winner[pos] = winner;
    hand_[seat][suit] &= ~Bit(rank);
    lengths_ -= std::uint64_t{1} << LengthShift(seat, suit);
    ++nodes_;
}

inline void Searcher::UnplayCard(int seat, int suit, int rank) {
    hand_[seat][suit] |= Bit(rank);
    lengths_ += std::uint64_t{1} << LengthShift(seat, suit);
}

inline void Searcher::CompleteTrick() {
    const Trick& trick = tricks_[trickIndex_];
    SuitOwners& owners = owners_[trickIndex_ + 1];
    owners = owners_[trickIndex_];
    liveBefore_[trickIndex_] = live_;
    // Written out: as a loop, this was a good part of the cost of a trick.
    auto drop = [&](int i) {
        const int suit = trick.Suit[i];
        const Ranks card = Bit(trick.Rank[i]);
        owners[suit] = DropCard(owners[suit], CardsAbove(live_[suit], card));
        live_[suit] &= ~card;
    };
    drop(0);
    drop(1);
    drop(2);
    drop(3);
    const int winner = (trick.Leader + trick.Winner[3]) & 3;
    if ((winner & 1) == maxSide_) ++tricksMax_;
    --tricksLeft_;
    ++trickIndex_;
    tricks_[trickIndex_].Leader = winner;
}

inline void Searcher::UncompleteTrick() {
    const int winner = tricks_[trickIndex_].Leader;  // the trick's winner leads the next
    --trickIndex_;
    live_ = liveBefore_[trickIndex_];
    if ((winner & 1) == maxSide_) --tricksMax_;
    ++tricksLeft_;
}

bool Searcher::AfterCard(int pos, std::uint64_t& relevant) {
    if (pos < 3) return FollowNode(pos + 1, relevant);
    CompleteTrick();
    const bool result = LeadNode(relevant);
    UncompleteTrick();
    // A trick won by rank over another card of the winner's suit depends on that rank.
    const Trick& trick = tricks_[trickIndex_];
    const int w = trick.Winner[3];
    for (int i = 0; i < 4; ++i) {
        if (i != w && trick.Suit[i] == trick.Suit[w]) {
            relevant |= SuitBits(trick.Suit[w], Bit(trick.Rank[w]));
            break;
        }
    }
    return result;
}

bool Searcher::LastTrick(std::uint64_t& relevant) {
    const int leader = tricks_[trickIndex_].Leader;
    int suits[4];
    int ranks[4];
    int w = 0;
    for (int i = 0; i < 4; ++i) {
        const int seat = (leader + i) & 3;
        int suit = 0;
        while (hand_[seat][suit] == 0) ++suit;
        suits[i] = suit;
        ranks[i] = HighRank(hand_[seat][suit]);
        if (i > 0 && Beats(suit, ranks[i], suits[w], ranks[w], trump_)) w = i;
    }
    relevant = 0;
    for (int i = 0; i < 4; ++i) {
        if (i != w && suits[i] == suits[w]) relevant = SuitBits(suits[w], Bit(ranks[w]));
    }
    ++nodes_;
    const int winSeat = (leader + w) & 3;
    return tricksMax_ + ((winSeat & 1) == maxSide_ ? 1 : 0) >= target_;
}

OwnerKey Searcher::Owners() const {
    const SuitOwners& owners = owners_[trickIndex_];
    return OwnerKey{
        {owners[0] | std::uint64_t{owners[1]} << 32, owners[2] | std::uint64_t{owners[3]} << 32}};
}

TopCounts Searcher::TopFor(std::uint64_t relevant) const {
    TopCounts top{};
    for (int suit = 0; suit < 4; ++suit) {
        const Ranks marked = SuitPart(relevant, suit);
        if (marked == 0) continue;
        const int lowest = std::countr_zero(marked);
        top[suit] = static_cast<std::uint8_t>(std::popcount(live_[suit] & ~(Bit(lowest) - 1)));
    }
    return top;
}

std::uint64_t Searcher::RelevantFor(const TopCounts& top) const {
    std::uint64_t relevant = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (top[suit] == 0) continue;
        // The lowest marked card is the top[suit]-th highest live card of the suit.
        const Ranks live = live_[suit];
        relevant |= SuitBits(suit, Bit(NthLowest(live, std::popcount(live) - top[suit])));
    }
    return relevant;
}

// Tricks the leader's side surely takes with its trumps: those one of its hands plays a trump
// to and no opponent beats. Only counted when they may reach `cut`. Only asked with a trump suit.
inline int Searcher::TrumpTricks(int leader, int cut, std::uint64_t& relevant) const {
    const Ranks leaderTrumps = hand_[leader][trump_];
    const Ranks partnerTrumps = hand_[leader ^ 2][trump_];
    // Often neither hand holds `cut` trumps, which is told without a call.
    if (std::max(std::popcount(leaderTrumps), std::popcount(partnerTrumps)) < cut) return 0;
    return CountTrumpTricks(leader, cut, leaderTrumps, partnerTrumps, relevant);
}

int Searcher::CountTrumpTricks(int leader, int cut, Ranks leaderTrumps, Ranks partnerTrumps,
                               std::uint64_t& relevant) const {
    const Ranks theirs = hand_[(leader + 1) & 3][trump_] | hand_[(leader + 3) & 3][trump_];
    int best = 0;
    for (const Ranks mine : {leaderTrumps, partnerTrumps}) {
        const int count = TrumpsUnbeaten(mine, theirs);
        if (count < cut) {
            best = std::max(best, count);
            continue;
        }
        if (theirs == 0) {
            relevant = 0;
            return count;
        }
        // The count rests on the hand's trumps down to its lowest, as the opponents' trumps below
        // it beat none of them; or only on its top `cut` trumps, when those top all of theirs.
        const Ranks above = mine & ~(Bit(HighRank(theirs) + 1) - 1);
        const int sure = std::popcount(above);
        relevant = SuitBits(
            trump_, Bit(sure >= cut ? NthLowest(above, sure - cut) : std::countr_zero(mine)));
        return count;
    }
    return best;
}

// Tricks the leader's side surely loses: a trump of an opponent above every trump of the
// leader's side wins whatever trick it is played to, for one opponent or the other, and a
// player plays one card to a trick, so the opponent holding more such trumps wins that many.
// The two counts do not add up: the leader's side can make both opponents play such trumps to
// one trick, by leading trumps or by leaving them nothing else to play.
// The marks name only as many of those trumps as `need`, so the answer serves more positions.
// Fewer than `need` decide nothing: then the count may come out lower and there are no marks.
// Only asked with a trump suit.
inline int Searcher::SureLosers(int leader, int need, std::uint64_t& relevant) const {
    relevant = 0;
    const Ranks lhoTrumps = hand_[(leader + 1) & 3][trump_];
    const Ranks rhoTrumps = hand_[(leader + 3) & 3][trump_];
    // Mostly the opponents hold too few trumps at all, which is told without a call.
    if (std::popcount(lhoTrumps) < need && std::popcount(rhoTrumps) < need) return 0;
    return CountSureLosers(leader, need, lhoTrumps, rhoTrumps, relevant);
}

int Searcher::CountSureLosers(int leader, int need, Ranks lhoTrumps, Ranks rhoTrumps,
                              std::uint64_t& relevant) const {
    const Ranks ours = hand_[leader][trump_] | hand_[leader ^ 2][trump_];
    const Ranks above = ours == 0 ? ~Ranks{0} : ~(Bit(HighRank(ours) + 1) - 1);
    const Ranks left = lhoTrumps & above;
    const Ranks right = rhoTrumps & above;
    const int leftCount = std::popcount(left);
    const int rightCount = std::popcount(right);
    const int most = std::max(leftCount, rightCount);
    // With no trump on the leader's side every trump of the opponents counts, whatever its rank.
    if (ours == 0) return most;
    if (most < need) {
        // Even below our top trump an opponent's trumps take tricks, when our side has too few
        // trumps above them to beat each one.
        int bestCount = 0;
        int bestLow = 0;
        for (const Ranks theirs : {lhoTrumps, rhoTrumps}) {
            const int count = TrumpsUnbeaten(theirs, ours);
            if (count > bestCount) {
                bestCount = count;
                bestLow = std::countr_zero(theirs);
            }
        }
        if (bestCount < need) return most;
        // Our trumps below that opponent's lowest beat none of its trumps.
        relevant = SuitBits(trump_, Bit(bestLow));
        return bestCount;
    }
    // Every trump from the need-th highest of such a hand up is the opponents', so that many
    // stay above the leader's side wherever the small trumps lie. Of two hands the higher mark
    // rests on fewer cards.
    int mark = 0;
    if (leftCount >= need) mark = NthLowest(left, leftCount - need);
    if (rightCount >= need) mark = std::max(mark, NthLowest(right, rightCount - need));
    relevant = SuitBits(trump_, Bit(mark));
    return most;
}

// Whether the leader's side must lose the current trick: in every suit the leader holds, an
// opponent has the top card and partner cannot ruff it.
bool Searcher::LosesTrick(int leader, std::uint64_t& relevant) const {
    std::uint64_t marks = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (hand_[leader][suit] == 0) continue;
        const Ranks top = Bit(HighRank(live_[suit]));
        if (((hand_[(leader + 1) & 3][suit] | hand_[(leader + 3) & 3][suit]) & top) == 0)
            return false;
        if (CanRuff(leader ^ 2, suit)) return false;
        marks |= SuitBits(suit, top);
    }
    relevant = marks;
    return true;
}

bool Searcher::LeadLoses(int leader, const Move& move, std::uint64_t& relevant) const {
    const int suit = move.Suit;
    if (CanRuff(leader ^ 2, suit)) return false;
    if (CanRuff((leader + 1) & 3, suit) || CanRuff((leader + 3) & 3, suit)) {
        relevant = 0;
        return true;
    }
    const Ranks theirs = hand_[(leader + 1) & 3][suit] | hand_[(leader + 3) & 3][suit];
    if (theirs == 0) return false;
    const Ranks partners = hand_[leader ^ 2][suit];
    const int theirTop = HighRank(theirs);
    if (theirTop < move.Rank || (partners != 0 && theirTop < HighRank(partners))) return false;
    relevant = SuitBits(suit, Bit(theirTop));
    return true;
}

bool Searcher::LeadLosesTwo(int leader, const Move& move, std::uint64_t& relevant) const {
    std::uint64_t lost = 0;
    if (trump_ < 4 || !LeadLoses(leader, move, lost)) return false;
    // Without trumps, the trick goes to the card LeadLoses marks.
    const Ranks winner = Bit(std::countr_zero(SuitPart(lost, move.Suit)));
    const int lho = (leader + 1) & 3;
    const int holder = (hand_[lho][move.Suit] & winner) != 0 ? lho : (leader + 3) & 3;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == move.Suit || hand_[holder][suit] == 0) continue;
        const Ranks top = Bit(HighRank(live_[suit]));
        if ((hand_[holder][suit] & top) == 0) continue;
        relevant = lost | SuitBits(suit, top);
        return true;
    }
    return false;
}

bool Searcher::BestCard(int seat, int led, int& suit, int& rank) const {
    if (hand_[seat][led] != 0) {
        suit = led;
        rank = HighRank(hand_[seat][led]);
        return true;
    }
    if (!CanRuff(seat, led)) return false;
    suit = trump_;
    rank = HighRank(hand_[seat][trump_]);
    return true;
}

namespace {
// The mark of the card (suit, rank) that decides a trick: it wins by rank when a card of its suit
// is held against it, and then rests on that rank.
inline std::uint64_t DecidingMark(int suit, int rank, bool byRank) {
    return byRank ? SuitBits(suit, Bit(rank)) : 0;
}
}  // namespace

bool Searcher::SecondHandLoses(int seat, const Move& move, std::uint64_t& relevant) const {
    const Trick& trick = tricks_[trickIndex_];
    const int led = trick.Suit[0];
    // The leader's side takes the trick with the led card, if it still wins, or with third hand's
    // best card, if that beats the winning one, unless fourth hand can beat it in turn.
    int suit = led;
    int rank = trick.Rank[0];
    bool leaderSide = !Beats(move.Suit, move.Rank, suit, rank, trump_);
    if (!leaderSide) {
        suit = move.Suit;
        rank = move.Rank;
    }
    int thirdSuit = 0;
    int thirdRank = 0;
    if (BestCard((seat + 1) & 3, led, thirdSuit, thirdRank) &&
        Beats(thirdSuit, thirdRank, suit, rank, trump_)) {
        suit = thirdSuit;
        rank = thirdRank;
        leaderSide = true;
    }
    if (!leaderSide) return false;
    int fourthSuit = 0;
    int fourthRank = 0;
    const bool fourthPlays = BestCard((seat + 2) & 3, led, fourthSuit, fourthRank);
    if (fourthPlays && Beats(fourthSuit, fourthRank, suit, rank, trump_)) return false;
    relevant = DecidingMark(suit, rank,
                            (move.Suit == suit && move.Rank != rank) ||
                                (led == suit && trick.Rank[0] != rank) ||
                                (fourthPlays && fourthSuit == suit));
    return true;
}

bool Searcher::ThirdHandLoses(int seat, const Move& move, std::uint64_t& relevant) const {
    const Trick& trick = tricks_[trickIndex_];
    const int w = trick.Winner[1];
    int suit = trick.Suit[w];
    int rank = trick.Rank[w];
    bool ours = w == 0;
    if (Beats(move.Suit, move.Rank, suit, rank, trump_)) {
        suit = move.Suit;
        rank = move.Rank;
        ours = true;
    }
    // An opponent's card winning now keeps the trick for the opponents, whatever fourth hand
    // plays. This side's card loses it only to fourth hand's best card, which then decides it.
    if (ours) {
        int fourthSuit = 0;
        int fourthRank = 0;
        if (!BestCard((seat + 1) & 3, trick.Suit[0], fourthSuit, fourthRank) ||
            !Beats(fourthSuit, fourthRank, suit, rank, trump_)) {
            return false;
        }
        suit = fourthSuit;
        rank = fourthRank;
    }
    relevant = DecidingMark(suit, rank,
                            (move.Suit == suit && move.Rank != rank) ||
                                (trick.Suit[0] == suit && trick.Rank[0] != rank) ||
                                (trick.Suit[1] == suit && trick.Rank[1] != rank));
    return true;
}

// The line leads, in each suit, the leader's top card or its lowest, and partner follows with
// its top card or its lowest: enough to cash a suit, cross to partner's winners, or unblock one.
// The opponents are given the worst case: they follow with their lowest cards, keeping the high
// ones, and one out of the led suit holds no trump (else the suit is not led), so its discard
// cannot matter. Every trick is then won by the side's card over every card the opponents hold
// in the suit, which depends only on the cards from it up: that card is the line's mark in its
// suit, and so is a card that decides which of the two hands wins, when partner follows and the
// line goes on.
bool Searcher::CashingLine(int leader, int need, int& budget, std::uint64_t& marks) {
    if (budget <= 0) return false;
    const int partner = leader ^ 2;
    const int lho = (leader + 1) & 3;
    const int rho = (leader + 3) & 3;
    for (int suit = 0; suit < 4; ++suit) {
        const Ranks mine = hand_[leader][suit];
        if (mine == 0) continue;
        const Ranks lhos = hand_[lho][suit];
        const Ranks rhos = hand_[rho][suit];
        if (CanRuff(lho, suit) || CanRuff(rho, suit)) continue;
        const int theirTop = (lhos | rhos) == 0 ? 0 : HighRank(lhos | rhos);
        const int high = HighRank(mine);
        const int low = std::countr_zero(mine);
        const Ranks partners = hand_[partner][suit];
        if (partners != 0) {
            const int partnerHigh = HighRank(partners);
            const int partnerLow = std::countr_zero(partners);
            auto tryPlay = [&](int card, int partnerCard) {
                return std::max(card, partnerCard) > theirTop &&
                       CashTrick(leader, suit, card, suit, partnerCard, need, budget, marks);
            };
            // Cashing from the leader's hand, crossing to partner's, and unblocking.
            if (tryPlay(high, partnerLow)) return true;
            if (low == high && partnerLow == partnerHigh) continue;
            if (tryPlay(low, partnerHigh)) return true;
            if (low != high && partnerLow != partnerHigh && tryPlay(high, partnerHigh)) return true;
            continue;
        }
        // Partner out of a side suit ruffs the leader's lowest card with its lowest trump: no
        // opponent ruffs the suit, so no opponent plays a trump to the trick.
        if (CanRuff(partner, suit) &&
            CashTrick(leader, suit, low, trump_, std::countr_zero(hand_[partner][trump_]), need,
                      budget, marks)) {
            return true;
        }
        if (high <= theirTop) continue;
        // Partner, out of the suit, throws its lowest card outside trumps.
        int discardSuit = -1;
        int discardRank = 15;
        for (int other = 0; other < 4; ++other) {
            const Ranks cards = hand_[partner][other];
            if (cards == 0 || (other == trump_ && suit != trump_)) continue;
            if (std::countr_zero(cards) < discardRank) {
                discardSuit = other;
                discardRank = std::countr_zero(cards);
            }
        }
        if (discardSuit < 0) continue;  // partner holds only trumps
        const int card = theirTop == 0 ? low : high;
        if (CashTrick(leader, suit, card, discardSuit, discardRank, need, budget, marks))
            return true;
    }
    return false;
}

// How many times a search for a cashing line may meet a dead end before it gives up. Most lines
// are found at the first try; a search that fails costs more than it saves beyond a few.
constexpr int CashingBudget = 4;

bool Searcher::Cashes(int leader, int cut, std::uint64_t& relevant) {
    if (CashingReach(leader) < cut) return false;
    int budget = CashingBudget;
    std::uint64_t marks = 0;
    if (!CashingLine(leader, cut, budget, marks)) return false;
    relevant = marks;
    return true;
}

int Searcher::CashingReach(int leader) const {
    int reach = 0;
    for (int suit = 0; suit < 4; ++suit) {
        const Ranks mine = hand_[leader][suit];
        const Ranks partners = hand_[leader ^ 2][suit];
        const Ranks ours = mine | partners;
        if (ours == 0) continue;
        const Ranks theirs = live_[suit] & ~ours;
        const int longer = std::max(std::popcount(mine), std::popcount(partners));
        if (theirs == 0) {
            reach += longer;
            continue;
        }
        // The opponent holding the suit's top card keeps it while it has others: until it must
        // play it, each trick the side takes in the suit spends a card above it.
        const Ranks top = Bit(HighRank(theirs));
        const Ranks holder = (hand_[(leader + 1) & 3][suit] & top) != 0
                                 ? hand_[(leader + 1) & 3][suit]
                                 : hand_[(leader + 3) & 3][suit];
        const int winners = std::popcount(ours & ~(top | (top - 1)));
        reach += winners < std::popcount(holder) ? winners : longer;
    }
    return reach;
}

inline bool Searcher::CashTrick(int leader, int suit, int rank, int partnerSuit, int partnerRank,
                                int need, int& budget, std::uint64_t& marks) {
    const int partner = leader ^ 2;
    const int lho = (leader + 1) & 3;
    const int rho = (leader + 3) & 3;
    const Ranks lhoCard = hand_[lho][suit] & (~hand_[lho][suit] + 1);
    const Ranks rhoCard = hand_[rho][suit] & (~hand_[rho][suit] + 1);
    const bool follows = partnerSuit == suit;
    const bool ruffs = partnerSuit == trump_ && suit != trump_;
    const int winner = (follows && partnerRank > rank) || ruffs ? partner : leader;
    hand_[leader][suit] &= ~Bit(rank);
    hand_[partner][partnerSuit] &= ~Bit(partnerRank);
    hand_[lho][suit] &= ~lhoCard;
    hand_[rho][suit] &= ~rhoCard;
    std::uint64_t lineMarks = 0;
    const bool made = need == 1 || CashingLine(winner, need - 1, budget, lineMarks);
    hand_[leader][suit] |= Bit(rank);
    hand_[partner][partnerSuit] |= Bit(partnerRank);
    hand_[lho][suit] |= lhoCard;
    hand_[rho][suit] |= rhoCard;
    if (!made) {
        --budget;
        return false;
    }
    if (((lhoCard | rhoCard) != 0 && !ruffs) || (follows && need > 1))
        lineMarks |= SuitBits(suit, Bit(follows ? std::max(rank, partnerRank) : rank));
    marks |= lineMarks;
    return true;
}

namespace {
inline void Bump(int& history, int bonus) {
    history = std::clamp(history + bonus, 0, 1 << 20);
}
}  // namespace

void Searcher::AddHistory(int seat, const Move& move, int bonus) {
    Bump(history_[seat][move.Suit][move.Rank], bonus);
}

void Searcher::AddLeadHistory(int leader, const Move& move, int bonus) {
    Bump(leadHistory_[leader][move.Suit][CardsAbove(live_[move.Suit], Bit(move.Rank))], bonus);
}

void Searcher::AddKiller(int leader, const Move& move) {
    auto& killers = killers_[trickIndex_][leader];
    if (SameCard(killers[0], move)) return;
    killers[1] = killers[0];
    killers[0] = Killer{move.Suit, move.Rank};
}

// When every move failed, the lower cards of each group were refuted only through their
// group's top card. That holds in another position only if the group is whole there too, so a
// group reaching down past the lowest marked rank of its suit is marked down to its bottom.
std::uint64_t Searcher::CoverGroups(std::uint64_t relevant, const Move* moves, int n) {
    // A player's groups of one suit are runs with another hand's card between each two, so at
    // most one group reaches across a suit's mark, and lowering the mark to its bottom brings
    // no other group across: one pass does.
    for (int i = 0; i < n; ++i) {
        const int suit = moves[i].Suit;
        if (moves[i].Rank >= LowestMark(relevant, suit) &&
            moves[i].Low < LowestMark(relevant, suit))
            relevant |= SuitBits(suit, Bit(moves[i].Low));
    }
    return relevant;
}

namespace {
// After `move` failed with an answer resting on `relevant`: when the card lies below every
// marked rank of its suit, so does any other card of the suit below the lowest mark, and
// playing one of those is the same as playing `move`.
template <class M>
void NoteSmall(const M& move, std::uint64_t relevant, std::array<int, 4>& smallBelow) {
    const int lowest = LowestMark(relevant, move.Suit);
    if (move.Rank < lowest) smallBelow[move.Suit] = std::max(smallBelow[move.Suit], lowest);
}

// Brings the heaviest of moves[from..n) to moves[from], the others keeping their order, so
// moves come out as a stable sort would give them while a cutoff at the first move (the usual
// case) costs one pass.
template <class M>
void BringBestForward(M* moves, int from, int n) {
    int best = from;
    for (int i = from + 1; i < n; ++i) {
        if (moves[i].Weight > moves[best].Weight) best = i;
    }
    if (best == from) return;
    const M m = moves[best];
    // Written as a loop: the code built around it comes out shorter than for copy_backward.
    for (int i = best; i > from; --i) moves[i] = moves[i - 1];
    moves[from] = m;
}
}  // namespace

// The weight added to the lead that last refuted a position at the same trick with the same
// leader, and to the one before it; tuned on the node counts of whole tables.
constexpr int NewKillerWeight = 30;
constexpr int OldKillerWeight = 15;

// The weights of a lead, fitted to logs of searches: at lead nodes where some lead refuted the
// test, each lead was searched on its own, and the weights rank first the lead that refuted it
// at the least cost, ahead of those that failed. Those for an opponent's ruff, for the owner of
// the second card and for partner's top card came later, tuned on the node counts of full
// tables. Hands are named from the leader: by length the leader, partner, LHO, RHO; as owners
// of cards in the order of play, leader, LHO, partner, RHO.
struct LeadWeights {
    int Length[4][7];  // by hand and its length in the suit, 6 for six or more
    int TopTwo[4][4];  // by the owners of the suit's top and second cards (both the top's if alone)
    int Third[4];      // by the owner of the third card, when there is one
    int PartnerRuffs = 0;       // a side suit partner is out of while holding trumps
    int LhoRuffs = 0;           // the same for LHO
    int RhoRuffs = 0;           // the same for RHO
    int Trump = 0;              // a trump lead
    int TrumpsDrawn = 0;        // a trump lead with the opponents out of trumps
    int PartnerOver;            // partner's top card beats both opponents'
    int Top;                    // the lead is the suit's top card
    int TopPerLength;           // per card the leader holds in the suit, when leading its top card
    int TopPerTrick;            // per trick left, the same
    int TopOverSecond[4] = {};  // leading the top card, by the owner of the suit's second card
    int Second;                 // the lead is the suit's second card
    int Lowest;                 // the lead is from the leader's lowest group
    int LowestPartnerTop = 0;   // leading the lowest group while partner holds the top card
    int UnderPartner;           // a lead below partner's top card, which beats LHO's
    int Rank;                   // per rank of the lead
    int RankPartnerTop;         // per rank, added when partner holds the top card
    int RankLhoTop;             // the same with LHO holding it
};
constexpr LeadWeights NoTrumpLeads{
    .Length = {{0, -12, 0, 1, 2, 30, 1},
               {10, -21, -4, 8, -1, 17, 49},
               {-55, 25, 12, -2, -14, -21, -18},
               {-76, 28, 17, 0, -10, -25, -60}},
    .TopTwo = {{-38, -40, -10, -83}, {21, -7, 121, -7}, {16, 22, 31, -27}, {-34, -23, -4, -53}},
    .Third = {-41, -54, -24, -73},
    .PartnerOver = 21,
    .Top = 156,
    .TopPerLength = -12,
    .TopPerTrick = -5,
    .Second = 42,
    .Lowest = 4,
    .UnderPartner = 49,
    .Rank = -1,
    .RankPartnerTop = -3,
    .RankLhoTop = -2,
};
constexpr LeadWeights TrumpSuitLeads{
    .Length = {{0, 20, 1, -9, -3, 0, -55},
               {50, -4, -10, -1, -3, 8, 4},
               {-72, 31, 41, 32, 11, -14, -29},
               {-87, 35, 51, 38, 19, 3, -30}},
    .TopTwo = {{-38, -34, -34, -64}, {37, 39, 123, 38}, {9, 2, 18, -46}, {-24, 20, -4, -11}},
    .Third = {30, 24, 35, 5},
    .PartnerRuffs = 32,
    .LhoRuffs = -50,
    .RhoRuffs = -70,
    .Trump = -14,
    .TrumpsDrawn = -77,
    .PartnerOver = 99,
    .Top = 182,
    .TopPerLength = -8,
    .TopPerTrick = -7,
    .TopOverSecond = {0, 30, -60, 30},
    .Second = 38,
    .Lowest = 6,
    .LowestPartnerTop = 30,
    .UnderPartner = 36,
    .Rank = -1,
    .RankPartnerTop = -4,
    .RankLhoTop = -2,
};

int Searcher::GenerateLeads(Move* moves) const {
    const int leader = tricks_[trickIndex_].Leader;
    const int partner = leader ^ 2;
    const int lho = (leader + 1) & 3;
    const int rho = (leader + 3) & 3;
    const bool suitGame = trump_ < 4;
    const LeadWeights& lw = suitGame ? TrumpSuitLeads : NoTrumpLeads;
    const bool trumpsDrawn = suitGame && (hand_[lho][trump_] | hand_[rho][trump_]) == 0;
    const SuitOwners& owners = owners_[trickIndex_];
    const auto& killers = killers_[trickIndex_][leader];
    int n = 0;
    for (int suit = 0; suit < 4; ++suit) {
        const Ranks mine = hand_[leader][suit];
        if (mine == 0) continue;
        const Ranks live = live_[suit];
        const auto& leaderHistory = leadHistory_[leader][suit];
        const int top = HighRank(live);
        const int count = std::popcount(live);
        // The owner planes hold the top card at bit 12, the second at 11, the third at 10.
        const std::uint32_t planes = owners[suit];
        auto ownerAt = [&](int bit) {
            const int seat = static_cast<int>(((planes >> bit) & 1) | ((planes >> (bit + 15)) & 2));
            return (seat - leader) & 3;
        };
        const int topOwner = ownerAt(12);
        auto length = [&](int seat) {
            return std::min(static_cast<int>((lengths_ >> LengthShift(seat, suit)) & 15), 6);
        };
        const int leaderLength = length(leader);
        int suitWeight = lw.Length[0][leaderLength] + lw.Length[1][length(partner)] +
                         lw.Length[2][length(lho)] + lw.Length[3][length(rho)] +
                         lw.TopTwo[topOwner][count > 1 ? ownerAt(11) : topOwner];
        if (count > 2) suitWeight += lw.Third[ownerAt(10)];
        if (suitGame) {
            if (suit == trump_) {
                suitWeight += lw.Trump + (trumpsDrawn ? lw.TrumpsDrawn : 0);
            } else {
                if (CanRuff(partner, suit)) suitWeight += lw.PartnerRuffs;
                if (CanRuff(lho, suit)) suitWeight += lw.LhoRuffs;
                if (CanRuff(rho, suit)) suitWeight += lw.RhoRuffs;
            }
        }
        const Ranks partners = hand_[partner][suit];
        const Ranks others = live & ~mine;
        const int partnerTop = partners == 0 ? 0 : HighRank(partners);
        if (others != 0 && (partners & Bit(HighRank(others))) != 0) suitWeight += lw.PartnerOver;
        // Partner's top card over LHO's: leads below it let partner win or finesse.
        const Ranks lhos = hand_[lho][suit];
        const bool partnerOverLho = partners != 0 && (lhos == 0 || partnerTop > HighRank(lhos));
        const int topWeight = lw.Top + lw.TopPerLength * leaderLength +
                              lw.TopPerTrick * tricksLeft_ +
                              (count > 1 ? lw.TopOverSecond[ownerAt(11)] : 0);
        const int perRank =
            lw.Rank + (topOwner == 2 ? lw.RankPartnerTop : 0) + (topOwner == 1 ? lw.RankLhoTop : 0);
        const int second = count > 1 ? HighRank(live & ~Bit(top)) : 0;
        // Groups come from the lowest up and fill the suit's places from its end, so that the
        // highest comes first, as ties between leads go to the one generated first.
        const Ranks lows = GroupLows(mine, live);
        n += std::popcount(lows);
        int at = n;
        for (Ranks rest = lows; rest != 0; rest &= rest - 1) {
            const int rank = GroupTop(mine, rest);
            int w = suitWeight + perRank * rank;
            if (rank == top) w += topWeight;
            if (rank == second) w += lw.Second;
            if (rest == lows) w += lw.Lowest + (topOwner == 2 ? lw.LowestPartnerTop : 0);
            if (partnerOverLho && rank < partnerTop) w += lw.UnderPartner;
            if (suit == killers[0].Suit && rank == killers[0].Rank) {
                w += NewKillerWeight;
            } else if (suit == killers[1].Suit && rank == killers[1].Rank) {
                w += OldKillerWeight;
            }
            // Leads that refuted earlier positions come first; the weights order the rest.
            moves[--at] = Move{suit, rank, std::countr_zero(rest),
                               w * 64 + std::min(leaderHistory[CardsAbove(live, Bit(rank))], 4095)};
        }
    }
    return n;
}

// How the trick stands for the player at `pos`: the card winning it so far, and the best cards
// the opponent still to play, if any, can bring to it: the highest card of the led suit if it
// follows, else the highest trump if it can ruff.
struct Searcher::Outlook {
    int Led;
    int WinSuit;  // the card winning the trick so far
    int WinRank;
    int LaterFollow = 0;  // 0 when no opponent plays after this player or it cannot follow
    int LaterRuff = 0;    // 0 unless that opponent can ruff
    bool PartnerWinning;  // partner wins the trick so far
    bool PartnerKeeps;    // and no opponent can take it away

    // Whether the opponent after this player can beat (suit, rank) in this trick.
    bool BeatenLater(int suit, int rank, int trump) const {
        if (suit == Led && (LaterFollow > rank || LaterRuff > 0)) return true;
        return suit == trump && suit != Led && LaterRuff > rank;
    }
};

inline Searcher::Outlook Searcher::OutlookFor(int pos, int seat) const {
    const Trick& trick = tricks_[trickIndex_];
    const int w = trick.Winner[pos - 1];
    Outlook o;
    o.Led = trick.Suit[0];
    o.WinSuit = trick.Suit[w];
    o.WinRank = trick.Rank[w];
    int laterSuit = 0;
    int laterRank = 0;
    if (pos < 3 && BestCard((seat + 1) & 3, o.Led, laterSuit, laterRank))
        (laterSuit == o.Led ? o.LaterFollow : o.LaterRuff) = laterRank;
    o.PartnerWinning = ((w ^ pos) & 1) == 0;
    o.PartnerKeeps = o.PartnerWinning && !o.BeatenLater(o.WinSuit, o.WinRank, trump_);
    return o;
}

// Kept out of line: following suit is far more common, and the search is smaller without it.
int Searcher::GenerateDiscards(int pos, int seat, Move* moves) const {
    int n = 0;
    for (int suit = 0; suit < 4; ++suit) {
        const Ranks cards = hand_[seat][suit];
        if (cards == 0) continue;
        const int top = HighRank(live_[suit]);
        const int length = std::popcount(cards);
        // Groups from the lowest up; no two cards of a suit weigh the same, so the order of
        // generation within a suit does not matter.
        Ranks lows = GroupLows(cards, live_[suit]);
        if (suit != trump_) {
            // A card of a side suit other than the led one never wins the trick, so how the
            // trick stands does not change its weight: the cheapest card goes first, from the
            // suit where this hand is longest beside partner. Winners are kept, and so are short
            // holdings, often guards, and the suits partner is long in, as the side's later
            // tricks there may need this hand's cards as entries or guards; and so is a suit
            // partner ruffs when this hand has no trump, as leading it is this hand's way to
            // give partner a ruff.
            const int partnerLength = std::popcount(hand_[seat ^ 2][suit]);
            const bool partnerRuffs = CanRuff(seat ^ 2, suit) && hand_[seat][trump_] == 0;
            const int suitWeight = 3 * (length - partnerLength) - (partnerRuffs ? 12 : 0);
            for (; lows != 0; lows &= lows - 1) {
                const int rank = GroupTop(cards, lows);
                const int weight = suitWeight - rank - (rank == top ? 30 : 0);
                moves[n++] = Move{suit, rank, std::countr_zero(lows),
                                  weight * 1024 + std::min(history_[seat][suit][rank], 1023)};
            }
            continue;
        }
        const Outlook o = OutlookFor(pos, seat);
        for (; lows != 0; lows &= lows - 1) {
            const int rank = GroupTop(cards, lows);
            int weight;
            if (o.PartnerKeeps) {
                // Partner has the trick: keep the trumps.
                weight = -60 - rank + 2 * length - (rank == top ? 30 : 0);
            } else if (Beats(suit, rank, o.WinSuit, o.WinRank, trump_)) {
                // A ruff the next hand can overruff still goes before the discards: at worst it
                // costs the opponents a higher trump.
                weight = o.BeatenLater(suit, rank, trump_) ? 40 - rank : 100 - rank;
            } else {
                weight = 2 * length - rank - (rank == top ? 30 : 0) - 40;
            }
            moves[n++] = Move{suit, rank, std::countr_zero(lows),
                              weight * 1024 + std::min(history_[seat][suit][rank], 1023)};
        }
    }
    // Heaviest first, ties in the order generated.
    for (int i = 1; i < n; ++i) {
        const Move m = moves[i];
        int j = i;
        for (; j > 0 && moves[j - 1].Weight < m.Weight; --j) moves[j] = moves[j - 1];
        moves[j] = m;
    }
    return n;
}

// The order in which a player following `suit`, the led suit, tries its groups, given by their
// lowest cards `lows`. When partner wins the trick, the cheapest card comes first: partner keeps
// it, or, for second hand, partner (`partnerTop` its best card of the suit, 0 for none) plays last
// and beats the led card and the best the third hand can play. Otherwise the groups fall into
// three parts, each tried from its cheapest card up: those that win the trick for good come first;
// then a player whose partner may still win the trick plays low before winning for now (an
// opponent still to play can beat those cards): second hand when partner beats the led card,
// third hand when partner's card wins so far. Else only the player's own cards can win the trick
// or force out the next hand's high card, and it plays low last.
inline Searcher::FollowOrder Searcher::OrderFollows(int suit, Ranks lows, const Outlook& o, int pos,
                                                    int partnerTop) {
    const int beaten = o.WinSuit == suit ? o.WinRank : Unmarked;
    const int safeAbove = o.LaterRuff > 0 ? Unmarked : o.LaterFollow;
    // A third hand that ruffs may take partner's card.
    if (o.PartnerKeeps ||
        (pos == 1 && safeAbove != Unmarked && partnerTop > std::max(beaten, safeAbove))) {
        return FollowOrder{{lows, 0, 0}};
    }
    // The thresholds are ranks of other hands' cards (or past every rank), so each group lies
    // wholly above or below them.
    const Ranks losing = lows & (Bit(beaten + 1) - 1);
    const Ranks forNow = lows & (Bit(std::max(beaten, safeAbove) + 1) - 1) & ~losing;
    const Ranks forGood = lows & ~(losing | forNow);
    const bool partnerMayWin = pos == 1 ? partnerTop > beaten : o.PartnerWinning;
    const Ranks second = partnerMayWin ? losing : forNow;
    return FollowOrder{{forGood, second, lows & ~(forGood | second)}};
}

bool Searcher::FollowNode(int pos, std::uint64_t& relevant) {
    const Trick& trick = tricks_[trickIndex_];
    const int seat = (trick.Leader + pos) & 3;
    const bool isMax = (seat & 1) == maxSide_;
    const bool atRoot = trickIndex_ == 0 && pos == rootPos_;
    const int led = trick.Suit[0];
    const Ranks mine = hand_[seat][led];
    Move moves[13];
    // Fourth hand following suit leaves the same lengths whichever card it plays, and the trick
    // goes to it or to the card winning so far: the next trick's table slot is one of two.
    // Fetching both now hides much of the wait for memory at the next lookup.
    if (pos == 3 && mine != 0 && tricksLeft_ > 2) {
        const std::uint64_t next = lengths_ - (std::uint64_t{1} << LengthShift(seat, led));
        table_.Prefetch(next, seat);
        table_.Prefetch(next, (trick.Leader + trick.Winner[2]) & 3);
    }
    const Ranks lows = mine == 0 ? 0 : GroupLows(mine, live_[led]);
    // One group to follow with: common enough to skip the loop's bookkeeping.
    if (mine != 0 && (lows & (lows - 1)) == 0) {
        const int rank = HighRank(mine);
        std::uint64_t childRelevant = 0;
        PlayCard(pos, seat, led, rank);
        const bool result = AfterCard(pos, childRelevant);
        UnplayCard(seat, led, rank);
        moves[0] = Move{led, rank, std::countr_zero(mine), 0};
        if (atRoot) NoteRoot(moves[0], result);
        relevant = result == isMax ? childRelevant : CoverGroups(childRelevant, moves, 1);
        return result;
    }
    std::uint64_t all = 0;
    std::array<int, 4> smallBelow{};
    // When this player's side fails the test unless it takes this trick, second or third hand's
    // cards that surely lose it fail at once. (Fourth hand's losing cards cost no more to play.)
    const bool mustWin = (pos == 1 || pos == 2) && (isMax ? tricksMax_ + tricksLeft_ - 1 < target_
                                                          : tricksMax_ + 1 >= target_);
    // Tries moves[i]; true when it settles the node. Called from two loops, and kept inline in
    // both: as a call it costs more than the search of a cheap node.
    auto refutes = [&](int i) __attribute__((always_inline)) {
        if (moves[i].Rank < smallBelow[moves[i].Suit]) {
            if (atRoot) NoteRoot(moves[i], false);
            return false;
        }
        std::uint64_t childRelevant = 0;
        if (mustWin && (pos == 1 ? SecondHandLoses(seat, moves[i], childRelevant)
                                 : ThirdHandLoses(seat, moves[i], childRelevant))) {
            if (atRoot) NoteRoot(moves[i], false);
            all |= childRelevant;
            NoteSmall(moves[i], childRelevant, smallBelow);
            return false;
        }
        PlayCard(pos, seat, moves[i].Suit, moves[i].Rank);
        const bool result = AfterCard(pos, childRelevant);
        UnplayCard(seat, moves[i].Suit, moves[i].Rank);
        if (atRoot) NoteRoot(moves[i], result);
        if (result == isMax) {
            relevant = childRelevant;
            if (i > 0) AddHistory(seat, moves[i], tricksLeft_ * tricksLeft_);
            return true;
        }
        all |= childRelevant;
        NoteSmall(moves[i], childRelevant, smallBelow);
        return false;
    };
    int n = 0;
    if (mine == 0) {
        n = GenerateDiscards(pos, seat, moves);
        for (int i = 0; i < n; ++i) {
            if (refutes(i)) return isMax;
        }
    } else {
        // Each group is made only when its turn comes: most often the first one settles the node.
        // Second hand's partner plays last to the trick: its best card of the suit tells how
        // second hand should play.
        const Ranks partnerCards = pos == 1 ? hand_[seat ^ 2][led] : 0;
        const FollowOrder order = OrderFollows(led, lows, OutlookFor(pos, seat), pos,
                                               partnerCards == 0 ? 0 : HighRank(partnerCards));
        for (Ranks part : order.Parts) {
            for (; part != 0; part &= part - 1) {
                const int low = std::countr_zero(part);
                moves[n] = Move{led, GroupTop(mine, lows & ~(Bit(low) - 1)), low, 0};
                if (refutes(n++)) return isMax;
            }
        }
    }
    relevant = CoverGroups(all, moves, n);
    return !isMax;
}

bool Searcher::LeadNode(std::uint64_t& relevant) {
    relevant = 0;
    const int left = tricksLeft_;
    if (tricksMax_ >= target_) return true;
    if (tricksMax_ + left < target_) return false;
    if (left == 1) return LastTrick(relevant);

    const int leader = tricks_[trickIndex_].Leader;
    const bool leaderMax = (leader & 1) == maxSide_;
    const int need = target_ - tricksMax_;
    // The test goes the leader's way exactly when the leader's side takes `cut` tricks or more.
    const int cut = leaderMax ? need : left - need + 1;

    // The cheap bounds first: they need no memory, and the table's memory arrives meanwhile
    // (when fourth hand followed suit, it was asked for already).
    // A cashing line comes after the table: it costs more, and serves where the table did not.
    table_.Prefetch(lengths_, leader);
    if (trump_ < 4) {  // at no trump the trump bounds count nothing
        if (TrumpTricks(leader, cut, relevant) >= cut) return leaderMax;
        if (left - SureLosers(leader, left - cut + 1, relevant) < cut) return !leaderMax;
    }
    if (cut == left && LosesTrick(leader, relevant)) return !leaderMax;
    const OwnerKey owners = Owners();
    const TableBounds bounds = table_.Lookup(lengths_, leader, owners, cut);
    if (bounds.Lower >= cut) {
        relevant = RelevantFor(bounds.LowerTop);
        return leaderMax;
    }
    if (bounds.Upper < cut) {
        relevant = RelevantFor(bounds.UpperTop);
        return !leaderMax;
    }

    // A line found is stored like a search's answer: the next visit then reads it from the
    // table instead of looking for the line again.
    if (Cashes(leader, cut, relevant)) {
        table_.Store(lengths_, leader, owners, TopFor(relevant), cut, left);
        return leaderMax;
    }
    return SearchLeads(leader, leaderMax, cut, owners, relevant);
}

// How many more times, in one solve, a forcing killer must have beaten the weights' choice than
// lost to it before it goes first. The weights rank a lead into an opponent's ruff low, rightly
// on most deals, and there the killer never builds up the margin. Where forcing the opponents to
// ruff is the theme, as when every hand has a void, long searches do build it up, and putting
// the killer first then cuts their nodes by a tenth to a fifth.
constexpr int ForcingKillerMargin = 1500;

bool Searcher::ChooseFirstLead(int leader, Move* moves, int n, Move& weightsChoice) const {
    BringBestForward(moves, 0, n);
    weightsChoice = moves[0];
    const Killer killer = killers_[trickIndex_][leader][0];
    if (killer.Rank == 0 || trump_ == 4 || killer.Suit == trump_) return false;
    if (!CanRuff((leader + 1) & 3, killer.Suit) && !CanRuff((leader + 3) & 3, killer.Suit))
        return false;
    for (int k = 1; k < n; ++k) {
        if (!SameCard(moves[k], killer)) continue;
        if (forcingKillerWins_ <= forcingWeightWins_ + ForcingKillerMargin) return true;
        const Move m = moves[k];
        for (int j = k; j > 0; --j) moves[j] = moves[j - 1];
        moves[0] = m;
        return true;
    }
    return false;
}

// Tries the leader's cards; the answer goes to the table under `owners`.
bool Searcher::SearchLeads(int leader, bool leaderMax, int cut, const OwnerKey& owners,
                           std::uint64_t& relevant) {
    const int left = tricksLeft_;
    Move moves[13];
    const int n = GenerateLeads(moves);
    const bool atRoot = trickIndex_ == 0 && rootPos_ == 0;
    std::uint64_t all = 0;
    std::array<int, 4> smallBelow{};
    Move weightsChoice{};
    const bool contest = ChooseFirstLead(leader, moves, n, weightsChoice);
    for (int i = 0; i < n; ++i) {
        if (i > 0) BringBestForward(moves, i, n);
        if (moves[i].Rank < smallBelow[moves[i].Suit]) {
            if (atRoot) NoteRoot(moves[i], false);
            continue;
        }
        std::uint64_t childRelevant = 0;
        // Needing every trick left, the side fails with a lead that loses this one; able to lose
        // one, with a lead that loses two.
        if ((cut == left && LeadLoses(leader, moves[i], childRelevant)) ||
            (cut == left - 1 && LeadLosesTwo(leader, moves[i], childRelevant))) {
            if (atRoot) NoteRoot(moves[i], false);
            all |= childRelevant;
            NoteSmall(moves[i], childRelevant, smallBelow);
            continue;
        }
        PlayCard(0, leader, moves[i].Suit, moves[i].Rank);
        const bool result = AfterCard(0, childRelevant);
        UnplayCard(leader, moves[i].Suit, moves[i].Rank);
        if (atRoot) NoteRoot(moves[i], result);
        if (result == leaderMax) {
            relevant = childRelevant;
            table_.Store(lengths_, leader, owners, TopFor(childRelevant), cut, left);
            // Deeper tricks keep killers of their own: this one is still the one weighed above.
            if (contest) {
                const Killer& killer = killers_[trickIndex_][leader][0];
                if (SameCard(moves[i], killer)) {
                    ++forcingKillerWins_;
                } else if (SameCard(moves[i], weightsChoice)) {
                    ++forcingWeightWins_;
                }
            }
            // A lead that works at once gains a little. One that works after others failed
            // gains more, and the leads tried first lose as much. The bonus grows with the
            // tricks left only linearly: refutations late in the play recur more often.
            AddKiller(leader, moves[i]);
            const int bonus = 48 * left;
            if (i == 0) {
                AddLeadHistory(leader, moves[0], bonus / 8);
            } else {
                AddLeadHistory(leader, moves[i], bonus);
                for (int j = 0; j < i; ++j) AddLeadHistory(leader, moves[j], -bonus);
            }
            return result;
        }
        all |= childRelevant;
        NoteSmall(moves[i], childRelevant, smallBelow);
    }
    relevant = CoverGroups(all, moves, n);
    table_.Store(lengths_, leader, owners, TopFor(relevant), 0, cut - 1);
    return !leaderMax;
}

}  // namespace corvane::sds
