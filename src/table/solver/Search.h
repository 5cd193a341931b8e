// The double-dummy search: can the side to play at the root take at least n more tricks?
//
// Answered by a depth-first search over single cards with a null window (the question is
// always yes or no), driven from outside towards the exact value. The position is kept as
// rank sets per seat and suit and changed in place as cards are played and taken back.
//
// Every answer comes with the set of ranks it rested on (a rank set per suit). A trick won by
// rank marks the winning card; cards below the lowest marked rank of a suit only count as small
// cards. Answers at the start of a trick go to the transposition table keyed on who holds the
// marked cards, so they serve every position that differs only in small cards. In the same way,
// once a card has failed below every mark of its suit, the player's other cards of the suit
// below those marks fail with it and are not tried.
#pragma once

#include "table/solver/TransTable.h"

#include <array>
#include <cstdint>

namespace corvane::sds {

// Bit r set for rank r, 2..14.
using Ranks = std::uint32_t;
inline constexpr Ranks AllRanks = 0x7FFC;

struct Position {
    int Trump = 4;       // a suit 0..3, 4 no trump
    int Leader = 0;      // the seat that led, or leads, the current trick
    int TrickCount = 0;  // cards already played to the current trick, 0..3
    std::array<int, 3> TrickSuit{};
    std::array<int, 3> TrickRank{};
    std::array<std::array<Ranks, 4>, 4> Hand{};  // [seat][suit]
};

// A card the side to play may choose at the root, standing for the lower cards in Equals
// that play the same.
struct RootMove {
    int Suit = 0;
    int Rank = 0;
    Ranks Equals = 0;
};

// What a search that reached its target learned of the cards at the root: per suit, the top
// cards of the groups proved to reach the target and of those proved to fall short of it.
struct RootProof {
    int Target = -1;
    std::array<Ranks, 4> Reach{};
    std::array<Ranks, 4> Fail{};

    bool Reached(int target, const RootMove& move) const {
        return Target == target && ((Reach[move.Suit] >> move.Rank) & 1) != 0;
    }
    bool Failed(int target, const RootMove& move) const {
        return Target == target && ((Fail[move.Suit] >> move.Rank) & 1) != 0;
    }
};

class Searcher {
  public:
    explicit Searcher(TransTable& table);

    // The position must be valid (see ValidatePosition in DoubleDummy.h).
    void Reset(const Position& position);

    // Tricks left to play, the current one included.
    int TricksLeft() const { return tricksLeft_; }

    // The most tricks the side to play takes from the root; `guess` starts the search.
    int Solve(int guess);
    // Whether the side to play takes at least `target` tricks from the root.
    bool AtLeast(int target) { return Test(target); }
    // Of the last search that answered yes, which root cards were settled on the way.
    const RootProof& LastProof() const { return proof_; }
    // Whether the side to play still takes at least `target` tricks after `move` at the root.
    bool Reaches(const RootMove& move, int target);
    // The exact tricks the side to play takes after `move`, known to be at most `most`.
    int SolveBelow(const RootMove& move, int most);

    // One card for each group of equal cards the player to move may play, highest rank first
    // within a suit, clubs first.
    int RootMoves(std::array<RootMove, 13>& out) const;

    std::uint64_t Nodes() const { return nodes_; }
    // How often each lead refuted a position, per leader, suit and the count of live cards above
    // the lead (a lead plays alike wherever it stands in the same place of its suit).
    using LeadHistory = std::array<std::array<std::array<int, 13>, 4>, 4>;
    const LeadHistory& LeadsLearnt() const { return leadHistory_; }
    // Clears the move-ordering history, so that a solve depends on no earlier one, except that
    // the leads' history starts from `leads`.
    void ClearHistory(const LeadHistory& leads = {});

  private:
    struct Move {
        int Suit;
        int Rank;  // the highest card of its group
        int Low;   // the lowest
        int Weight;
    };
    // Aligned so that a trick takes 64 bytes: finding the current one is then a shift.
    struct alignas(16) Trick {
        int Leader;
        int Suit[4];
        int Rank[4];
        int Winner[4];  // position of the winning card after each card
    };

    bool Test(int target);
    bool LeadNode(std::uint64_t& relevant);
    bool SearchLeads(int leader, bool leaderMax, int cut, const OwnerKey& owners,
                     std::uint64_t& relevant);
    bool FollowNode(int pos, std::uint64_t& relevant);
    bool AfterCard(int pos, std::uint64_t& relevant);
    bool LastTrick(std::uint64_t& relevant);

    // Plays a card of `seat`, the pos-th card of the current trick, and takes it back.
    void PlayCard(int pos, int seat, int suit, int rank);
    void UnplayCard(int seat, int suit, int rank);
    void CompleteTrick();
    void UncompleteTrick();

    int TrumpTricks(int leader, int cut, std::uint64_t& relevant) const;
    // The rest of TrumpTricks, when a hand of the leader's side holds enough trumps.
    int CountTrumpTricks(int leader, int cut, Ranks leaderTrumps, Ranks partnerTrumps,
                         std::uint64_t& relevant) const;
    int SureLosers(int leader, int need, std::uint64_t& relevant) const;
    // The rest of SureLosers, when an opponent holds `need` trumps.
    int CountSureLosers(int leader, int need, Ranks lhoTrumps, Ranks rhoTrumps,
                        std::uint64_t& relevant) const;
    bool LosesTrick(int leader, std::uint64_t& relevant) const;
    // Whether leading `move` surely loses the trick: partner cannot ruff it, and an opponent can,
    // or holds a card of its suit above it and above partner's. `relevant` gets that card, if
    // that is what decides.
    bool LeadLoses(int leader, const Move& move, std::uint64_t& relevant) const;
    // At no trump, whether leading `move` surely loses two tricks: the opponent who takes this one
    // with the suit's top card of theirs then holds the top card of another suit. (The like check
    // in suit contracts, where neither partner may ruff that suit, cost more nodes than it saved.)
    bool LeadLosesTwo(int leader, const Move& move, std::uint64_t& relevant) const;
    // Whether `seat`, out of the side suit `suit`, holds a trump to ruff it with.
    bool CanRuff(int seat, int suit) const {
        return trump_ < 4 && suit != trump_ && hand_[seat][suit] == 0 && hand_[seat][trump_] != 0;
    }
    // The best card `seat` can bring to a trick led in `led`: its top card of the suit if it
    // follows, else its top trump if it can ruff. False when it can do neither.
    bool BestCard(int seat, int led, int& suit, int& rank) const;
    // Whether second hand's `move` surely loses the trick: the leader's side takes it with the led
    // card, if that still wins, or with third hand's best card, if that beats the card winning,
    // and fourth hand cannot beat the one it takes it with. `relevant` gets the ranks that rests
    // on.
    bool SecondHandLoses(int seat, const Move& move, std::uint64_t& relevant) const;
    // Whether third hand's `move` surely loses the trick: an opponent's card still wins it, or
    // fourth hand can beat the card that then wins. `relevant` gets the ranks that rests on.
    bool ThirdHandLoses(int seat, const Move& move, std::uint64_t& relevant) const;
    // Whether the leader's side takes `cut` tricks by cashing them (see CashingLine); `relevant`
    // gets the ranks that rests on. Tried after the table, where it saves a search; a line found
    // goes to the table.
    bool Cashes(int leader, int cut, std::uint64_t& relevant);
    // Whether the leader's side takes `need` more tricks by leading, trick after trick, cards no
    // opponent can beat or ruff, by a line found before `budget` dead ends. Adds the ranks the
    // line rests on to `marks`.
    bool CashingLine(int leader, int need, int& budget, std::uint64_t& marks);
    // The most tricks such a line can come to without partner's ruffs, cheap enough to spare
    // most searches for one: in each suit, the longer hand's length, or only the side's cards
    // above the opponents' top card while its holder keeps it. A line is sought only when this
    // reaches the cut, so lines that need a ruff to get there are not looked for.
    int CashingReach(int leader) const;
    // One trick of such a line: the leader's card of `suit` and partner's card (of `suit`, a
    // discard, or a ruff), then the rest of the line from the trick's winner.
    bool CashTrick(int leader, int suit, int rank, int partnerSuit, int partnerRank, int need,
                   int& budget, std::uint64_t& marks);
    OwnerKey Owners() const;
    TopCounts TopFor(std::uint64_t relevant) const;
    std::uint64_t RelevantFor(const TopCounts& top) const;

    static std::uint64_t CoverGroups(std::uint64_t relevant, const Move* moves, int n);
    int GenerateLeads(Move* moves) const;
    // The moves of a player out of the led suit, in the order they are to be tried.
    int GenerateDiscards(int pos, int seat, Move* moves) const;
    struct Outlook;  // how the trick stands for a player following to it
    Outlook OutlookFor(int pos, int seat) const;
    // The groups of a player following suit, by their lowest cards, in parts to be tried one
    // after the other, each from its cheapest group up.
    struct FollowOrder {
        std::array<Ranks, 3> Parts;
    };
    static FollowOrder OrderFollows(int suit, Ranks lows, const Outlook& o, int pos,
                                    int partnerTop);
    void AddHistory(int seat, const Move& move, int bonus);
    void AddLeadHistory(int leader, const Move& move, int bonus);
    void AddKiller(int leader, const Move& move);
    // Brings the first lead to moves[0]: the weights' choice, or the newest killer when that is
    // a forcing lead which has proved the better of the two in this solve. Returns whether the
    // two differ over a forcing lead.
    bool ChooseFirstLead(int leader, Move* moves, int n, Move& weightsChoice) const;
    void NoteRoot(const Move& move, bool reached);

    TransTable& table_;
    std::array<std::array<Ranks, 4>, 4> hand_{};
    std::array<Ranks, 4> live_{};  // ranks in hands or on the table in the current trick
    std::uint64_t lengths_ = 0;    // 4-bit length per seat and suit, seat * 16 + suit * 4
    int trump_ = 4;
    int maxSide_ = 0;  // seat parity of the side to play at the root
    int rootPos_ = 0;
    int target_ = 0;
    int tricksMax_ = 0;  // tricks won by that side since the root
    int tricksLeft_ = 0;
    int trickIndex_ = 0;
    std::array<Trick, 14> tricks_{};
    // Per trick, who holds each card live at its start: per suit the owner planes of an
    // OwnerKey. Kept up as tricks complete, which costs less than packing the hands at each
    // lookup.
    using SuitOwners = std::array<std::uint32_t, 4>;
    std::array<SuitOwners, 14> owners_{};
    // Per trick, the live ranks at its start: restoring them is cheaper than putting back the
    // trick's four cards.
    std::array<std::array<Ranks, 4>, 14> liveBefore_{};
    // How often a card refuted a position: for discards per seat, suit and rank; for leads see
    // LeadHistory.
    std::array<std::array<std::array<int, 16>, 4>, 4> history_{};
    LeadHistory leadHistory_{};
    // Per trick and leader, the last two leads that refuted a position there, newest first: the
    // positions a search meets at one trick are alike, and so are their refutations.
    struct Killer {
        int Suit = 0;
        int Rank = 0;  // 0 for none
    };
    std::array<std::array<std::array<Killer, 2>, 4>, 14> killers_{};
    // Where the newest killer is a lead the opponents can ruff and the weights rank another lead
    // first: how often, in this solve, the killer refuted the position and how often the weights'
    // lead did (see SearchLeads).
    int forcingKillerWins_ = 0;
    int forcingWeightWins_ = 0;
    std::uint64_t nodes_ = 0;
    RootProof searching_;  // what the running search learns of the root
    RootProof proof_;
};

}  // namespace corvane::sds
