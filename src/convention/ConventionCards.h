// The two sides' convention cards, the notrump state kept beside each, and the queries the bidder
// asks of the card of the side to call.
#pragma once

#include "bidding/Call.h"
#include "convention/ConventionCard.h"

#include <array>
#include <span>
#include <string>
#include <utility>

namespace corvane {

struct SideNTState {
    std::string NTStructure;       // one of "M2FDB", empty until the cards are loaded
    std::string DirectDefence;     // the defence to the other side's 1NT, at most 10 characters
    std::string BalancingDefence;
    std::string CardFileName;
};

// Set by a bound query that finds a bound outside its range; the bidding frame reports it after
// scoring the call and resets it.
inline constexpr int CardBoundError = 11;

// What decides which 1NT range the current side plays now.
struct OneNTSituation {
    bool WeVulnerable = false;
    bool TheyVulnerable = false;
    bool OpenerInFirstOrSecondSeat = true;
};
// The opener is in first or second seat when fewer than two calls have been made, or the auction
// began 1NT or Pass-1NT.
bool OpenerInFirstOrSecondSeat(std::span<const CallCode> calls);

// What the notrump structure switch looks at after a call leaves 1NT as the highest bid. The
// meanings are the bidder's frame's codes: 42 the 1NT opening, 152 the forcing-club relay
// answer, 133 the forcing-club opening, 64 and 72 as the meaning sets record them.
struct NTStructureFacts {
    bool PartnerLastMeaningIs152 = false;
    bool OwnMeaningsExactly42And133 = false;
    bool AnyMeaning42 = false;
    bool AnyMeaning64Or72 = false;
    bool BidderIsOpener = false;
    bool PartnerIsOpener = false;
    bool BidderIsFirstDefender = false;
    bool SecondRangeActive = false;  // ActiveOneNTRange() is "ONB"
};
struct NTStructureChoice {
    char Code = 0;                     // 0: keep the structure in force
    bool StartsOneNTSequence = false;  // the pending sequence start becomes "1N"
};
NTStructureChoice ChooseNTStructure(const NTStructureFacts& facts);

// The cue bid's context for the Michaels test.
enum class CueOver { Minor, Major, Artificial };

class ConventionCards {
public:
    // Sides are 1 (North-South) and 2 (East-West).
    ConventionCard& Card(int side) { return cards_[Index(side)]; }
    const ConventionCard& Card(int side) const { return cards_[Index(side)]; }
    SideNTState& State(int side) { return states_[Index(side)]; }
    const SideNTState& State(int side) const { return states_[Index(side)]; }

    int CurrentSide() const { return currentSide_; }
    void SelectSide(int side) { currentSide_ = side == 2 ? 2 : 1; }
    const ConventionCard& CurrentCard() const { return Card(currentSide_); }

    // The closed room and the swap command exchange the cards with their file names.
    void ExchangeSides();

    // Recomputes each side's defences to the other side's 1NT; an empty structure becomes the
    // main one. The caller rebuilds the definition databases.
    void UpdateDefences();
    // Stores a new structure for the side; true when it changed, and then the defences have been
    // recomputed and the caller rebuilds the definition databases.
    bool SetNTStructure(int side, char code);

    int ErrorState = 0;

    // ---- Queries on the current card ----
    bool CardEquals(std::string_view key, std::string_view value) const;
    // "KEY=VALUE" tests the value; a bare key tests for a ticked box.
    bool CardTicked(std::string_view keyOrCondition) const;
    // The key is the side's structure code followed by the suffix, e.g. ":1N2D".
    bool CardStructEquals(std::string_view suffix, std::string_view value) const;
    int CardInt(std::string_view key) const;
    std::pair<int, int> CardRange(std::string_view code) const;
    // Bounds of an HCP pair; out of range sets ErrorState.
    int CardLow(std::string_view code);
    int CardHigh(std::string_view code);
    bool CardCallAtLeast(std::string_view key, CallCode highestBid) const;
    CallCode CardCall(std::string_view key) const;
    // A level limit of the doubles and of the defence to preempts: key + "TEXT" when the card has
    // it, as older cards store it, else the key itself.
    CallCode CardLevelLimit(std::string_view key) const;
    // "ONA" or "ONB".
    std::string_view ActiveOneNTRange(const OneNTSituation& situation) const;

    // ---- Named convention tests ----
    bool IsStandardAmerican() const { return CardEquals("GENS", "STD"); }
    bool IsGoren() const { return CardEquals("GENS", "GOREN"); }
    bool IsKaplanSheinwold() const { return CardEquals("GENS", "K-S"); }
    bool IsPrecision() const { return CardEquals("GENS", "PREC"); }
    bool IsSIF() const { return CardEquals("GENS", "SIF"); }
    bool IsTwoOverOne() const { return CardEquals("GENS", "2/1"); }
    bool IsTwoOverOneOrKS() const { return IsTwoOverOne() || IsKaplanSheinwold(); }
    // Two-over-one responses force to game, or do so unless responder rebids the suit.
    bool TwoOverOneGameForcing() const;
    bool TwoOverOneForcingUnlessRebid() const;
    bool OneMajorOneNTForcing() const;
    bool MinorRaiseForcing(CallCode rhoLastCall) const;
    // clubAsk: partner's or the bidder's own last call was a club ace ask.
    bool UsesRKC(bool clubAsk) const;
    bool UsesGerber() const;
    bool UsesKeycard() const { return CardEquals("4N", "KEYC"); }
    bool ModifiedStandardBlackwood() const { return CardEquals("4N", "MODSTD"); }
    bool UsesJacobyTransfers() const;
    bool UsesLebensohl() const;
    bool CueBidIsMichaels(CueOver over) const;
    bool CueBidsShowSecondRoundControl() const { return CardTicked("CTL2"); }
    bool WeakJumpShifts(bool rhoPassed) const;
    bool VeryLightOpenings() const { return CardTicked("VLOPEN"); }
    // The upper HCP bound of a two-level opening in the suit.
    int TwoLevelOpeningHigh(Strain suit);
    CallCode NegativeDoubleLimit() const { return CardLevelLimit("NEGX"); }

private:
    static size_t Index(int side) { return side == 2 ? 1 : 0; }
    const std::string& Value(std::string_view key) const { return CurrentCard().Value(key); }
    int CheckedBound(const std::string& text, int top);

    std::array<ConventionCard, 2> cards_;
    std::array<SideNTState, 2> states_;
    int currentSide_ = 1;
};

// A bound with the "_" filler removed: the number, or -1 when empty or not a number.
int ReadBound(std::string_view text);

}  // namespace corvane
