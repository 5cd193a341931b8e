// The play of the cards: the loop that alternates the computer's cards with the person's, the
// trick bookkeeping, take-backs, claims and the end of the hand.
#include "table/TableController.h"

#include "cards/CardSelection.h"

#include <cstdio>

namespace corvane {

void TableController::ClearTrickDisplay() {
    for (TSeat s = North; s <= West; ++s) view_.ShowTrickCard(s, NoCard);
}

void TableController::StartPlay() {
    view_.ShowPanel(Panel::BiddingBox, false);
    view_.ShowPanel(Panel::EndOfBidding, false);
    if (!IsBid(state_.Contract)) {
        EndOfHand();
        return;
    }
    if (!state_.AutoFinish) ClearTrickDisplay();
    state_.Phase = PhasePlaying;
    state_.PlayedCards = {};
    state_.PlayRecord.clear();
    state_.SuitLed = Clubs;
    state_.PlaysSettled = 0;
    state_.TrickOnTable = false;
    state_.WinningCard = NoCard;
    state_.WinningSeat = NoSeat;
    for (auto& hand : hands_) hand.TrickCard = NoCard;

    state_.Dummy = Partner(state_.Declarer);
    state_.TrickLeader = LHO(state_.Declarer);
    state_.CardsPlayed = 0;
    state_.DeclarerTricks = 0;
    state_.CurrentSeat = LHO(state_.Declarer);
    hintCard_ = NoCard;
    playStart_ = std::chrono::steady_clock::now();

    view_.EnableCommand(Command::ReplayHand, true);
    if (state_.AutoFinish || !state_.OpenRoom) {
        for (auto& hand : hands_) hand.PlayedHere = false;
        state_.Mode = PlayMode::Fast;
    } else {
        for (TSeat s = North; s <= West; ++s) view_.RedrawHand(s);
        state_.Mode = PlayMode::Normal;
        view_.ShowPanel(Panel::PlayPad, true);
    }
    ShowTricksWon();
    BeforeEachPlay();
    PlayTrickToHuman();
}

void TableController::UpdatePlayPad() {
    const THands& hand = hands_[state_.CurrentSeat];
    std::string text(SeatNames[state_.CurrentSeat]);
    text += (state_.TrickPosition() == 1 && state_.CardsPlayed > 0) ? "'s Lead" : "'s Play";
    if (!IsHandShown(state_.CurrentSeat)) text += " - Use Hint";
    view_.SetCaption(Caption::PlayPadText, text);
    view_.EnableCommand(Command::Hint, state_.TricksPlayed() < TricksInDeal && hand.PlayedHere);
    view_.EnableCommand(Command::TakeBackCard, state_.CardsPlayed > 0);
}

void TableController::BeforeEachPlay() {
    state_.PlaysSettled = state_.CardsPlayed;
    if (state_.CardsPlayed == CardsInDeal) return;
    THands& hand = Current();
    if (state_.OpenRoom) {
        const bool offerShow = hand.PlayedHere && !hand.FaceUp && !state_.AllHandsShown;
        if (offerShow) {
            view_.SetCaption(Caption::ShowButton,
                             (shownByButton_ == hand.Seat ? "Hide " : "Show ") +
                                 std::string(SeatNames[hand.Seat]));
        }
        view_.ShowPanel(Panel::ShowButton, offerShow);
    }
    if (state_.Mode == PlayMode::Fast) return;

    UpdatePlayPad();
    const TrickContext trick{state_.TrickPosition() == 1 ? -1 : state_.SuitLed,
                             state_.WinningCard, state_.CardsPlayed > 0};
    selectedCard_ = hand.PlayedHere ? DefaultSelection(hand, trick) : NoCard;
    view_.HighlightCard(hand.Seat, selectedCard_);
    if (hand.PlayedHere) view_.ShowPanel(Panel::PlayPad, true);

    // A forced card is played for the person, but never the lead to the last trick, so the
    // person sees the last trick begin.
    const bool leading = state_.TrickPosition() == 1;
    const bool forced =
        hand.CardCount() == 1 ||
        (options_.AutoPlaySingleton && !leading && hand.Suits[state_.SuitLed].Length == 1);
    if (!takingBack_ && state_.Mode != PlayMode::Fast && state_.CardsPlayed != 48 &&
        inputEnabled_ && hand.PlayedHere && forced) {
        PlaySelectedCard();
    }
}

void TableController::PlayTrickToHuman() {
    if (state_.Phase != PhasePlaying || logicErrorStop_) return;
    inputEnabled_ = false;
    view_.EnableCommand(Command::MainMenu, false);
    view_.EnableCommand(Command::Table, false);
    Busy(true);
    const int limit = state_.Mode == PlayMode::Fast ? TricksInDeal : state_.TricksPlayed();
    while (state_.TricksPlayed() <= limit && state_.CardsPlayed < CardsInDeal &&
           !Current().PlayedHere && !logicErrorStop_) {
        const CardCode card = GettheBestCard();
        MakePlay(card, false);
    }
    Busy(false);
    view_.EnableCommand(Command::MainMenu, true);
    view_.EnableCommand(Command::Table, true);
    inputEnabled_ = true;
    if (logicErrorStop_) return;
    if (state_.Mode == PlayMode::Fast && state_.CardsPlayed == CardsInDeal) {
        EndOfHand();
    } else if (state_.OpenRoom && state_.CardsPlayed < CardsInDeal) {
        UpdatePlayPad();
    }
}

void TableController::LogicError() {
    view_.ShowMessage("Logic Error!" + std::to_string(state_.CardsPlayed) + " Hand Number " +
                          dealing_.ReproductionText,
                      MessageButtons::Ok);
    logicErrorStop_ = true;
    view_.EndProgram();
}

void TableController::RecordPlay(CardCode card) {
    const TSeat seat = state_.CurrentSeat;
    THands& hand = hands_[seat];
    hand.RemoveCard(card);
    hand.TrickCard = card;
    state_.PlayedCards[seat][static_cast<size_t>(state_.TricksPlayed())] = card;
    state_.PlayRecord.push_back({card, seat});
    if (state_.TrickPosition() == 1) {
        state_.SuitLed = SuitOf(card);
        state_.TrickLeader = seat;
        state_.WinningCard = card;
        state_.WinningSeat = seat;
    } else {
        const bool higherOfSuit =
            SuitOf(card) == SuitOf(state_.WinningCard) && RankOf(card) > RankOf(state_.WinningCard);
        const bool firstTrump = state_.Trump != NoTrump && SuitOf(card) == state_.Trump &&
                                SuitOf(state_.WinningCard) != state_.Trump;
        if (higherOfSuit || firstTrump) {
            state_.WinningCard = card;
            state_.WinningSeat = seat;
        }
    }
    if (state_.TrickPosition() == 4) {
        if (!AreOpponents(state_.WinningSeat, state_.Declarer)) ++state_.DeclarerTricks;
        state_.TrickLeader = state_.WinningSeat;
    }
    ++state_.CardsPlayed;
    state_.CurrentSeat = static_cast<TSeat>((state_.TrickLeader + state_.CardsPlayed) % 4);
}

void TableController::MakePlay(CardCode card, bool replay) {
    if (logicErrorStop_) return;
    const TSeat seat = state_.CurrentSeat;
    if (state_.CardsPlayed == 0 && seat != state_.Dummy && !replay) {
        BuildDealtSnapshot();
        if (const std::int32_t rc = solver_.Initialize(PlayParameterBlock()); rc != 0) {
            view_.ShowMessage("Initialize error " + std::to_string(rc), MessageButtons::Ok);
        }
    }
    if (!hands_[seat].HoldsCard(card)) {
        LogicError();
        return;
    }
    const bool display = state_.OpenRoom && state_.Mode != PlayMode::Fast;
    if (state_.OpenRoom) {
        view_.ShowPanel(Panel::DDResults, false);
        if (!state_.AutoFinish) view_.ShowPanel(Panel::BidReview, false);
    }
    if (display && state_.TrickPosition() == 1) CleanTable();
    hands_[seat].Suits[SuitOf(card)].HintCard = NoCard;

    // Once the library has failed this hand it is not asked again, so it is not told either:
    // its copy of the hand no longer matches, and every later card would fail once more.
    if (!replay && !state_.EngineError) {
        if (const std::int32_t rc = solver_.PlayCard(SuitOf(card), RankOf(card)); rc != 0) {
            view_.ShowMessage("PlayCard error " + std::to_string(rc), MessageButtons::Ok);
            state_.EngineError = true;
        }
    }
    RecordPlay(card);
    if (display) {
        view_.ShowTrickCard(seat, card);
        view_.RedrawHand(seat);
    }

    ShowTricksWon();
    if (state_.OpenRoom) {
        hintCard_ = NoCard;
        view_.SetCaption(Caption::HintButton, "H&int");
        view_.EnableCommand(Command::SlowClaim, state_.TricksPlayed() < TricksInDeal);
        // In fast play no trick is shown, so none waits to be cleared.
        state_.TrickOnTable = display && state_.TrickPosition() == 1;
        if (options_.ClearTable && state_.TrickOnTable) {
            view_.StartTimer(TableTimer::ClearTable, options_.ClearTableTime * 100);
        }
        view_.EnableCommand(Command::ClearTable, state_.TrickOnTable);
        if (state_.CardsPlayed == 1) ExposeDummy();
    }
    BeforeEachPlay();
}

void TableController::ExposeDummy() {
    THands& dummy = hands_[state_.Dummy];
    THands& declarer = hands_[state_.Declarer];
    dummy.FaceUp = true;
    if (declarer.PlayedHere) dummy.PlayedHere = true;
    if (dummy.PlayedHere) {
        declarer.PlayedHere = true;
        const bool opponentHidden = (hands_[declarer.LHO].PlayedHere && !hands_[declarer.LHO].FaceUp) ||
                                    (hands_[declarer.RHO].PlayedHere && !hands_[declarer.RHO].FaceUp);
        if (!declarer.FaceUp && !opponentHidden) declarer.FaceUp = true;
    }
    view_.RedrawHand(state_.Dummy);
    view_.RedrawHand(state_.Declarer);
}

void TableController::ShowTricksWon() {
    const int defence = state_.TricksPlayed() - state_.DeclarerTricks;
    view_.SetCaption(Caption::TricksWon, "Declarer " + std::to_string(state_.DeclarerTricks) +
                                             "  Defence " + std::to_string(defence));
}

void TableController::CleanTable() {
    view_.StopTimer(TableTimer::ClearTable);
    ClearTrickDisplay();
    state_.TrickOnTable = false;
    view_.EnableCommand(Command::ClearTable, false);
}

void TableController::ClearPlay() {
    if (state_.Phase != PhasePlaying || !state_.TrickOnTable || !inputEnabled_) return;
    CleanTable();
    if (state_.TricksPlayed() == TricksInDeal) {
        EndOfHand();
    } else {
        PlayTrickToHuman();
    }
}

void TableController::CleanTimerTimer() { ClearPlay(); }

void TableController::EndOfHand() {
    state_.Phase = PhaseHandOver;
    view_.StopTimer(TableTimer::ClearTable);
    view_.ShowPanel(Panel::PlayPad, false);
    view_.ShowPanel(Panel::ShowButton, false);
    PadPosting posting;
    posting.BoardAlreadyScored = state_.PlayedBefore == FinishedBefore;
    state_.HandScore = scores_.ScoreHand(state_.Contract, state_.Doubled, state_.Declarer,
                                         state_.DeclarerTricks,
                                         SeatVulnerable(board_.Vul, state_.Declarer),
                                         options_.Scoring, board_.Holdings, posting);
    if (state_.CardsPlayed == CardsInDeal) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - playStart_).count();
        char text[32];
        std::snprintf(text, sizeof text, "%.1f seconds", seconds);
        view_.SetCaption(Caption::PlayTime, text);
    }

    // The record keeps the cards played before the hands are dealt out again.
    HandResultRecord result;
    result.Player = options_.PlayerName;
    result.Contract = state_.Contract;
    result.Doubled = state_.Doubled;
    result.Declarer = state_.Declarer;
    result.Tricks = state_.DeclarerTricks;
    result.Score = state_.HandScore;
    result.Auction = AuctionTexts();
    for (const auto& p : state_.PlayRecord) result.Play.push_back(CardText(p.Card));

    RestoreDealtCards();
    RefreshSeatFlags();
    if (state_.OpenRoom) CleanTable();
    if (TableHandFile* file = File(); file != nullptr && state_.PlayedBefore != FinishedBefore) {
        file->StoreResult(state_.HandNumber, result);
        if (std::string error; !file->Flush(error)) view_.ShowMessage(error, MessageButtons::Ok);
    }
    state_.AllHandsShown = true;
    shownByButton_.reset();
    for (TSeat s = North; s <= West; ++s) view_.RedrawHand(s);
    view_.ShowPanel(options_.Scoring == RubberScoring ? Panel::RubberPad : Panel::ScorePad, true);

    if (state_.OpenRoom) {
        state_.Contract = state_.OpenRoomContract;
        state_.Declarer = state_.OpenRoomDeclarer;
        state_.Doubled = state_.OpenRoomDoubled;
        const TableHandFile* file = File();
        view_.EnableCommand(Command::ClosedRoom,
                            file != nullptr && file->ResultCount(state_.HandNumber) > 1);
        for (Command c : {Command::OpenRoom, Command::Rebid, Command::Replay, Command::RebidHand,
                          Command::ReplayHand}) {
            view_.EnableCommand(c, true);
        }
        view_.ShowPanel(Panel::EndOfScoring, true);
    }
}

void TableController::EOSReplayClick() {
    if (savedAuction_.empty() || auction_.Calls().empty()) return;
    view_.ShowPanel(Panel::ScorePad, false);
    view_.ShowPanel(Panel::RubberPad, false);
    view_.ShowPanel(Panel::EndOfScoring, false);
    view_.StopTimer(TableTimer::ClearTable);
    state_.AllHandsShown = false;
    RefreshSeatFlags();
    RestoreDealtCards();
    CleanTable();
    const std::vector<TableCall> calls = savedAuction_;
    RebuildAuction(calls);
    state_.Contract = state_.OpenRoomContract;
    state_.Declarer = state_.OpenRoomDeclarer;
    state_.Doubled = state_.OpenRoomDoubled;
    state_.Trump = StrainOf(state_.Contract);
    state_.Level = LevelOf(state_.Contract);
    // A failure of the library's own play belongs to the play that had it.
    state_.EngineError = false;
    shownByButton_.reset();
    view_.ShowPanel(Panel::Contract, true);
    state_.PlayedBefore = FinishedBefore;
    StartPlay();
}

// Takes the play back to `count` cards: every hand as dealt, then the recorded cards again; the
// cards from `displayFrom` on are played through MakePlay so the table shows them.
void TableController::ReplayPlayRecord(int count, int displayFrom) {
    const std::vector<PlayedCard> record = state_.PlayRecord;
    RestoreDealtCards();
    state_.PlayRecord.clear();
    state_.PlayedCards = {};
    state_.CardsPlayed = 0;
    state_.DeclarerTricks = 0;
    state_.TrickLeader = LHO(state_.Declarer);
    state_.CurrentSeat = state_.TrickLeader;
    state_.WinningCard = NoCard;
    state_.WinningSeat = NoSeat;
    for (int i = 0; i < count; ++i) {
        const CardCode card = record[static_cast<size_t>(i)].Card;
        if (i >= displayFrom) {
            MakePlay(card, true);
        } else {
            RecordPlay(card);
        }
    }
}

void TableController::TPPBackupClick() {
    if (state_.Phase != PhasePlaying || !Settled() || state_.CardsPlayed == 0 || !inputEnabled_) {
        return;
    }
    // Exactly one card comes back, the last trick's fourth card included: the solver drops one.
    const int target = state_.CardsPlayed - 1;
    view_.StopTimer(TableTimer::ClearTable);
    takingBack_ = true;
    CleanTable();
    state_.PlaysSettled = 0;
    if (!state_.EngineError) {
        if (const std::int32_t rc = solver_.TakeBackCard(); rc != 0) {
            view_.ShowMessage("TakeBackCard error " + std::to_string(rc), MessageButtons::Ok);
        }
    }
    const int trickStart = target == 0 ? 0 : (target - 1) / 4 * 4;
    ReplayPlayRecord(target, trickStart);
    for (TSeat s = North; s <= West; ++s) view_.RedrawHand(s);
    ShowTricksWon();
    BeforeEachPlay();
    takingBack_ = false;
}

void TableController::BackupTrick() {
    for (int i = 0; i < 4 && state_.Phase == PhasePlaying && state_.CardsPlayed > 0; ++i) {
        TPPBackupClick();
    }
}

void TableController::ButSlowClaimClick() {
    if (state_.Phase != PhasePlaying || !Settled() || !inputEnabled_) return;
    state_.Mode = PlayMode::SlowClaim;
    for (auto& hand : hands_) hand.PlayedHere = false;
    PlayTrickToHuman();
    state_.Mode = PlayMode::Normal;
    RefreshSeatFlags();
    // The seat flags came back from the options; the dummy stays exposed as it was.
    if (state_.CardsPlayed > 0) ExposeDummy();
    BeforeEachPlay();
}

void TableController::FastClaim(bool forceDoubleDummy) {
    if (state_.Phase != PhasePlaying || !Settled() || !inputEnabled_) return;
    const bool ddBefore = options_.DDPlayOpenRoom;
    if (forceDoubleDummy) options_.DDPlayOpenRoom = true;
    state_.Mode = PlayMode::Fast;
    playStart_ = std::chrono::steady_clock::now();
    for (auto& hand : hands_) hand.PlayedHere = false;
    state_.AllHandsShown = true;
    std::array<CardCode, 4> trickCards{};
    for (TSeat s = North; s <= West; ++s) trickCards[s] = hands_[s].TrickCard;
    CleanTable();
    const int settled = state_.PlaysSettled;
    ReplayPlayRecord(settled, settled);
    for (TSeat s = North; s <= West; ++s) {
        hands_[s].TrickCard = trickCards[s];
        view_.RedrawHand(s);
    }
    PlayTrickToHuman();
    options_.DDPlayOpenRoom = ddBefore;
}

void TableController::FastClaimClick() { FastClaim(true); }
void TableController::DDClaimClick() { FastClaim(false); }

void TableController::PlayPersonCard(CardCode card) {
    if (state_.TrickOnTable) CleanTable();
    keys_.Clear();
    MakePlay(card, false);
    if (!state_.TrickOnTable && state_.Phase == PhasePlaying) PlayTrickToHuman();
}

void TableController::PlayCardClick(CardCode card) {
    if (!AcceptsCardFrom(state_.CurrentSeat)) return;
    const int suitLed = state_.TrickPosition() == 1 ? -1 : state_.SuitLed;
    if (!MayPlay(Current(), card, suitLed)) {
        view_.Beep(BeepKind::Exclamation);
        return;
    }
    PlayPersonCard(card);
}

void TableController::PlaySelectedCard() {
    if (!AcceptsCardFrom(state_.CurrentSeat)) return;
    const int suitLed = state_.TrickPosition() == 1 ? -1 : state_.SuitLed;
    if (!MayPlay(Current(), selectedCard_, suitLed)) {
        // Offer the computer's choice instead; the next Enter plays it.
        selectedCard_ = GettheBestCard();
        view_.HighlightCard(state_.CurrentSeat, selectedCard_);
        return;
    }
    PlayPersonCard(selectedCard_);
}

void TableController::HintClick() {
    if (!AcceptsCardFrom(state_.CurrentSeat)) return;
    if (IsCard(hintCard_)) {
        PlayPersonCard(hintCard_);
        return;
    }
    state_.Phase = PhaseHint;
    const CardCode card = GettheBestCard();
    state_.Phase = PhasePlaying;
    hintCard_ = selectedCard_ = card;
    Current().Suits[SuitOf(card)].HintCard = card;
    view_.HighlightCard(state_.CurrentSeat, card);
    view_.SetCaption(Caption::PlayPadText, std::string("Hint: ") + RankChars[RankOf(card)] +
                                               StrainLetters[SuitOf(card)]);
    view_.SetCaption(Caption::HintButton, "&Play Hint");
}

void TableController::ShowButtonClick() {
    const TSeat seat = state_.CurrentSeat;
    if (state_.Phase != PhasePlaying || !hands_[seat].PlayedHere) return;
    if (shownByButton_ == seat) {
        shownByButton_.reset();
        view_.SetCaption(Caption::ShowButton, "Show " + std::string(SeatNames[seat]));
    } else {
        shownByButton_ = seat;
        view_.SetCaption(Caption::ShowButton, "Hide " + std::string(SeatNames[seat]));
    }
    view_.RedrawHand(seat);
}

}  // namespace corvane
