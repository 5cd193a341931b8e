// The state of the table for the board in play: the phase, the contract and the play so far.
#pragma once

#include "bidding/Call.h"
#include "cards/Cards.h"

#include <array>
#include <vector>

namespace corvane {

using TablePhase = std::uint8_t;
inline constexpr TablePhase PhaseBidding = 0;
inline constexpr TablePhase PhaseBiddingOver = 1;
inline constexpr TablePhase PhasePlaying = 2;
inline constexpr TablePhase PhaseHandOver = 3;
inline constexpr TablePhase PhaseCustomDeal = 4;
inline constexpr TablePhase PhaseExplaining = 5;
inline constexpr TablePhase PhaseHint = 6;
inline constexpr TablePhase PhaseTestPad = 7;
inline constexpr TablePhase PhaseNetworkStart = 9;
inline constexpr TablePhase PhaseDealing = 10;

// How the cards of the computer are played: one at a time, the current trick as a claim, or all
// at once without display.
enum class PlayMode { Normal = 0, SlowClaim = 1, Fast = 2 };

enum class DealingMode { HandFile = 0, Practice = 1, Network = 2 };

struct PlayedCard {
    CardCode Card = NoCard;
    TSeat Seat = NoSeat;
};

inline constexpr int CardsInDeal = 52;
inline constexpr int TricksInDeal = 13;

struct TableState {
    TablePhase Phase = PhaseHandOver;
    int HandNumber = 1;
    DealingMode Dealing = DealingMode::HandFile;
    TSeat CurrentSeat = North;

    CallCode Contract = Pass;  // Pass when passed out
    int Doubled = 0;
    TSeat Declarer = NoSeat;
    TSeat Dummy = NoSeat;
    Strain Trump = NoTrump;
    int Level = 0;

    int CardsPlayed = 0;
    int DeclarerTricks = 0;
    int SuitLed = Clubs;
    TSeat TrickLeader = North;
    CardCode WinningCard = NoCard;
    TSeat WinningSeat = NoSeat;
    int PlaysSettled = 0;
    std::vector<PlayedCard> PlayRecord;
    std::array<std::array<CardCode, TricksInDeal>, 4> PlayedCards{};  // [seat][trick]
    std::array<TSeat, TricksInDeal> TrickWinners{};

    bool OpenRoom = true;
    PlayMode Mode = PlayMode::Normal;
    bool TrickOnTable = false;
    bool EngineError = false;
    bool MatchPlay = false;
    bool AutoFinish = false;
    bool AllHandsShown = false;

    CallCode OpenRoomContract = Pass;
    int OpenRoomDoubled = 0;
    TSeat OpenRoomDeclarer = NoSeat;

    int HandScore = 0;
    int PlayedBefore = 0;

    int TricksPlayed() const { return CardsPlayed / 4; }
    int TrickPosition() const { return CardsPlayed % 4 + 1; }
};

}  // namespace corvane
