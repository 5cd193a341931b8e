#include "table/TableController.h"

#include "cards/NewBoard.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace corvane {

namespace {

constexpr std::int32_t DefaultLeadSeed = 12345678;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

TableController::TableController(TableView& view, Bidder& bidder, SolverLibrary& solver,
                                 HandFileShelf& files, DealingState& dealing, TableOptions options)
    : view_(view), bidder_(bidder), solver_(solver), files_(files), dealing_(dealing),
      options_(std::move(options)) {
    RefreshSeatFlags();
}

bool TableController::IsHandShown(TSeat seat) const {
    return hands_[seat].FaceUp || state_.AllHandsShown || shownByButton_ == seat;
}

bool TableController::AcceptsCardFrom(TSeat seat) const {
    return state_.Phase == PhasePlaying && inputEnabled_ && Settled() &&
           seat == state_.CurrentSeat && hands_[seat].PlayedHere &&
           state_.CardsPlayed < CardsInDeal && !logicErrorStop_;
}

std::string TableController::WindowCaption(const std::string& player, const std::string& fileName) {
    std::string caption = std::string("Corvane ") + ProgramVersion + "    -    " + player;
    if (!fileName.empty()) caption += "   -   " + fileName;
    return caption;
}

void TableController::UpdateCaptions() {
    const TableHandFile* file = files_.Current();
    view_.SetCaption(Caption::Window,
                     WindowCaption(options_.PlayerName, file ? file->FileName() : std::string()));
    view_.SetCaption(Caption::NSTeamLine, "N-S :  " + options_.NSTeamName);
    view_.SetCaption(Caption::EWTeamLine, "E-W:  " + options_.EWTeamName);
}

void TableController::Busy(bool busy) {
    busyDepth_ += busy ? 1 : -1;
    if ((busy && busyDepth_ == 1) || (!busy && busyDepth_ == 0)) view_.SetBusy(busy);
}

void TableController::RefreshSeatFlags() {
    int played = options_.HandsPlayed;
    int seen = options_.HandsSeen;
    ApplySeatMasks(hands_, played, seen);
}

void TableController::RestoreDealtCards() {
    for (auto& hand : hands_) hand.RestoreDealtHoldings();
}

std::array<std::string, 4> TableController::PlayerNames() const {
    std::array<std::string, 4> names;
    for (TSeat s = North; s <= West; ++s) names[s] = SeatPlayerName(s);
    return names;
}

std::string TableController::SeatPlayerName(TSeat seat) const {
    if (hands_[seat].PlayedHere) return options_.PlayerName;
    return std::string("Corvane ") + SeatLetters[seat];
}

DealContext TableController::NewBoardContext(int number) {
    DealContext context;
    context.Dealing = &dealing_;
    context.Request.HandNumber = number;
    context.Request.Rubber = options_.Scoring == RubberScoring;
    context.Request.RubberVulnerability = scores_.RubberVulnerability();
    BoardNaming naming;
    naming.CurrentPlayer = options_.PlayerName;
    naming.HandsPlayed = options_.HandsPlayed;
    naming.NSTeam = options_.NSTeamName;
    naming.EWTeam = options_.EWTeamName;
    naming.Practice = state_.Dealing == DealingMode::Practice;
    naming.MatchPlay = state_.MatchPlay;
    context.PlayerNames = NewBoardPlayers(naming);
    context.EventTitle = NewBoardEvent(naming);
    return context;
}

bool TableController::LoadBoard() {
    TableHandFile* file = File();
    if (file == nullptr) return false;
    for (;;) {
        std::vector<std::string> messages;
        const bool ok =
            file->GetHand(state_.HandNumber, NewBoardContext(state_.HandNumber), board_, messages);
        for (const auto& m : messages) view_.ShowMessage(m, MessageButtons::Ok);
        if (ok) return true;
        if (state_.Dealing != DealingMode::Practice) return false;
        // The pattern could not be met: let the person change it, or give up practice deals.
        if (!view_.OpenForm(Form::PracticePatterns, 0).Accepted) state_.Dealing = DealingMode::HandFile;
    }
}

void TableController::ShowBoardPanel() {
    std::string text = "Board " + board_.BoardText + "  Dealer " +
                       std::string(SeatNames[board_.Dealer]) + "  Vul " +
                       std::string(VulnerabilityNames[board_.Vul]);
    if (!board_.Comment.empty()) text += "  " + board_.Comment;
    text += "  Seed " + board_.SeedText;
    if (state_.MatchPlay) {
        text += "  Playing Match";
    } else if (state_.PlayedBefore != NotPlayedBefore) {
        text += "  Played Before";
    }
    view_.SetCaption(Caption::BoardPanel, text);
}

void TableController::StartNewHand() {
    for (Panel p : {Panel::DealerOptions, Panel::DDResults, Panel::EndOfBidding,
                    Panel::EndOfScoring, Panel::BidReview, Panel::ScorePad, Panel::RubberPad,
                    Panel::PlayTimer, Panel::PlayPad, Panel::ShowButton, Panel::AuctionRecap}) {
        view_.ShowPanel(p, false);
    }
    dealerOptionsOpen_ = false;
    auction_.Reset(auction_.Dealer());
    view_.AuctionChanged();

    if (options_.Scoring == RubberScoring) scores_.StartRubberHand();

    TableHandFile* file = File();
    if (file == nullptr) return;
    if (Upper(file->FileName()) != Upper(NewHandsFileName) && file->HandCount() > 0 &&
        file->HighestHandNumber() < state_.HandNumber) {
        if (view_.ShowMessage("You have completed all the hands in this file. Do you want to see "
                              "the Score Book",
                              MessageButtons::YesNo) == MessageAnswer::Yes) {
            view_.OpenForm(Form::ScoreBook, 2);
        }
        files_.OpenNewHands();
        state_.HandNumber = std::max(1, File()->HighestHandNumber());
        UpdateCaptions();
        OpenDealerOptions();
        return;
    }

    // A new board starts from a clean table: nothing of the last hand may carry over.
    view_.StopTimer(TableTimer::ClearTable);
    state_.Phase = PhaseDealing;
    RefreshSeatFlags();
    Busy(true);
    const bool loaded = LoadBoard();
    Busy(false);
    if (!loaded) {
        state_.Phase = PhaseHandOver;
        OpenDealerOptions();
        return;
    }
    for (TSeat s = North; s <= West; ++s) {
        hands_[s].SetHoldings(board_.Holdings[s]);
        view_.SetSeatName(s, SeatPlayerName(s));
        view_.RedrawHand(s);
    }

    UpdateCaptions();
    view_.EnableCommand(Command::ReplayHand, false);
    view_.ShowPanel(Panel::Contract, false);
    state_.Phase = PhaseBidding;
    view_.EnableCommand(Command::PriorHand, state_.HandNumber != 1);

    ResetAuction();

    int southPoints = 0;
    for (int suit = Clubs; suit <= Spades; ++suit) {
        southPoints += HighCardPoints(hands_[South].HoldingOf(suit));
    }
    view_.SetCaption(Caption::SouthHcp, "South HCP: " + std::to_string(southPoints));
    view_.EnableCommand(Command::ClosedRoom, file->ResultCount(state_.HandNumber) > 1);
    state_.PlayedBefore = file->PlayedBefore(state_.HandNumber, options_.PlayerName);
    if (state_.PlayedBefore == NotPlayedBefore) {
        file->StartResult(state_.HandNumber, options_.PlayerName);
    }
    if (std::string error; !file->Flush(error)) view_.ShowMessage(error, MessageButtons::Ok);

    const auto& seed = board_.SeedText;
    if (std::from_chars(seed.data(), seed.data() + seed.size(), seedNumber_).ec != std::errc()) {
        seedNumber_ = DefaultLeadSeed;
    }
    ShowBoardPanel();

    openingBidding_ = true;
    BidToHuman();
    openingBidding_ = false;
    if (auction_.Complete()) {
        state_.AutoFinish = true;
        FinishHand();
        state_.AutoFinish = false;
    } else {
        ShowBiddingBox();
    }
}

// Back to the start of the auction: every hand as dealt, the contract passed out.
void TableController::ResetAuction() {
    auction_.Reset(board_.Dealer);
    RefreshSeatFlags();
    if (state_.OpenRoom) RestoreDealtCards();
    bidder_.StartAuction(hands_, auction_);
    state_.Contract = Pass;
    state_.Doubled = 0;
    state_.Declarer = NoSeat;
    state_.Dummy = NoSeat;
    state_.Trump = NoTrump;
    state_.Level = 0;
    state_.CardsPlayed = 0;
    state_.DeclarerTricks = 0;
    state_.PlaysSettled = 0;
    state_.PlayRecord.clear();
    state_.TrickOnTable = false;
    state_.AllHandsShown = false;
    state_.EngineError = false;
    state_.Mode = PlayMode::Normal;
    state_.CurrentSeat = auction_.Bidder();
    keys_.Clear();
    selectedCard_ = hintCard_ = NoCard;
    shownByButton_.reset();
    view_.AuctionChanged();
}

void TableController::TakeContractFromAuction() {
    state_.Contract = auction_.HighestBid();
    state_.Doubled = auction_.Doubled();
    state_.Declarer = auction_.Declarer();
    state_.Trump = StrainOf(state_.Contract);
    state_.Level = LevelOf(state_.Contract);
}

void TableController::ShowBiddingBox() {
    view_.ShowPanel(Panel::BiddingBox, true);
    view_.EnableCommand(Command::TakeBackCall, !auction_.Calls().empty());
}

void TableController::BidToHuman() {
    biddingComputer_ = true;
    Busy(true);
    while (!hands_[state_.CurrentSeat].PlayedHere && !auction_.Complete()) {
        const TSeat seat = state_.CurrentSeat;
        CallCode call = bidder_.ChooseCall(hands_, auction_, seat, options_.SimBid);
        // A call the auction cannot take would leave the computer's seat stuck.
        if (!auction_.IsLegal(call)) call = Pass;
        AcceptBid(seat, call);
        if (state_.CurrentSeat == seat) break;  // the call was not taken
    }
    Busy(false);
    biddingComputer_ = false;
}

void TableController::AcceptBid(TSeat seat, CallCode call) {
    if (state_.OpenRoom) view_.ShowPanel(Panel::ScorePad, false);
    if (seat != auction_.Bidder() || !auction_.IsLegal(call)) return;
    auction_.Accept(call, bidder_.AcceptCall(auction_, seat, call));
    state_.CurrentSeat = auction_.Bidder();
    view_.AuctionChanged();
    if (auction_.Complete()) {
        AfterBidding();
        return;
    }
    if (state_.OpenRoom) {
        view_.EnableCommand(Command::TakeBackCall, true);
        if (!hands_[state_.CurrentSeat].PlayedHere && !biddingComputer_) BidToHuman();
    }
}

void TableController::ProcessBid(const std::string& code) {
    if (code.size() < 2 && code != "P" && code != "X") return;
    if (code == "Ex") {
        const FormResult chosen = view_.OpenForm(Form::ExplainMenu, 0);
        if (chosen.Accepted && chosen.Number >= North && chosen.Number <= West) {
            ExplainBidsClick(static_cast<TSeat>(chosen.Number));
        }
        return;
    }
    if (code == "Hi") {
        BidHint();
        return;
    }
    if (code == "Te") {
        ToggleTestPad();
        return;
    }
    if (code == "Ta") {
        ButTakeBackBidClick();
        return;
    }
    CallCode call = NoCall;
    if (code[0] == 'P') {
        call = Pass;
    } else if (code[0] == 'X') {
        call = auction_.Doubled() == 0 ? Double : Redouble;
    } else {
        const Strain strain = static_cast<Strain>(StrainLetters.find(code[0]));
        const int level = code[1] - '0';
        if (strain <= NoTrump && level >= 1 && level <= 7) call = BidCode(level, strain);
    }
    if (call == NoCall) return;
    if (state_.Phase == PhaseTestPad) {
        view_.OpenForm(Form::TestPad, call);
        return;
    }
    if (state_.Phase != PhaseBidding || !auction_.IsLegal(call)) {
        view_.Beep(BeepKind::Information);
        return;
    }
    AcceptBid(state_.CurrentSeat, call);
}

std::string TableController::ExplainMenuCaption(TSeat seat) {
    return "&" + std::string(SeatNames[seat]) + "'s Bids";
}

void TableController::ExplainBidsClick(TSeat seat) {
    if (state_.Phase != PhaseBidding && state_.Phase != PhaseBiddingOver &&
        state_.Phase != PhaseTestPad) {
        return;
    }
    // The test pad reads the seat to play; both come back when it closes.
    const TablePhase phase = state_.Phase;
    const TSeat current = state_.CurrentSeat;
    state_.Phase = PhaseExplaining;
    state_.CurrentSeat = seat;
    view_.OpenForm(Form::SeatCalls, seat);
    state_.Phase = phase;
    state_.CurrentSeat = current;
}

void TableController::BidHint() {
    if (state_.Phase != PhaseBidding || auction_.Complete()) return;
    phaseBeforeHint_ = state_.Phase;
    state_.Phase = PhaseHint;
    const CallCode call =
        bidder_.ChooseCall(hands_, auction_, state_.CurrentSeat, options_.SimBid);
    const bool accepted = view_.OpenForm(Form::BidHint, call).Accepted;
    state_.Phase = phaseBeforeHint_;
    if (accepted) {
        AcceptBid(state_.CurrentSeat, call);
    } else {
        ToggleTestPad();
    }
}

void TableController::ToggleTestPad() {
    if (state_.Phase == PhaseTestPad) {
        state_.Phase = PhaseBidding;
        view_.ShowPanel(Panel::BiddingBox, true);
    } else if (state_.Phase == PhaseBidding) {
        state_.Phase = PhaseTestPad;
        view_.OpenForm(Form::TestPad, NoCall);
    }
}

void TableController::RebuildAuction(const std::vector<TableCall>& calls) {
    auction_.Reset(board_.Dealer);
    bidder_.StartAuction(hands_, auction_);
    for (const auto& call : calls) {
        const TSeat seat = auction_.Bidder();
        auction_.Accept(call.Code, bidder_.AcceptCall(auction_, seat, call.Code));
    }
    state_.CurrentSeat = auction_.Bidder();
    view_.AuctionChanged();
}

void TableController::ButTakeBackBidClick() {
    if ((state_.Phase != PhaseBidding && state_.Phase != PhaseBiddingOver) ||
        auction_.Calls().empty()) {
        view_.Beep(BeepKind::Information);
        return;
    }
    std::vector<TableCall> calls = auction_.Calls();
    calls.pop_back();
    state_.Phase = PhaseBidding;
    view_.ShowPanel(Panel::EndOfBidding, false);
    view_.ShowPanel(Panel::Contract, false);
    ResetAuction();
    RebuildAuction(calls);
    // The seat whose call was removed calls again, whoever plays it.
    ShowBiddingBox();
}

std::vector<std::string> TableController::AuctionTexts() const {
    return auction_.Record().Calls;
}

void TableController::AfterBidding() {
    TakeContractFromAuction();
    view_.SetCaption(Caption::ContractText, "Contract " + ContractDisplayText(auction_.Record()) +
                                                (IsBid(state_.Contract)
                                                     ? " by " + std::string(SeatNames[state_.Declarer])
                                                     : std::string()));
    view_.ShowPanel(Panel::Contract, true);
    view_.ShowPanel(Panel::BiddingBox, false);
    view_.EnableCommand(Command::RebidHand, true);
    savedAuction_ = auction_.Calls();
    if (state_.OpenRoom) {
        view_.EnableCommand(Command::SlowClaim, true);
        state_.OpenRoomContract = state_.Contract;
        state_.OpenRoomDeclarer = state_.Declarer;
        state_.OpenRoomDoubled = state_.Doubled;
    }
    state_.EngineError = false;
    state_.Phase = PhaseBiddingOver;
    if (openingBidding_) return;  // nobody at the table called: FinishHand plays it out
    if (IsBid(state_.Contract)) {
        view_.SetCaption(Caption::StartButton, "Start &Play");
        view_.EnableCommand(Command::StartPlay, true);
    } else if (state_.MatchPlay) {
        StartButtonClick();
        return;
    } else if (options_.Scoring != RubberScoring) {
        if (!state_.OpenRoom) return;
        view_.SetCaption(Caption::StartButton, "&Closed Rm");
        view_.EnableCommand(Command::StartPlay, true);
        view_.ShowMessage("Click \"Closed Rm\" to see if the hand is passed out there,  or click "
                          "\"New Hand\" to skip to another hand.",
                          MessageButtons::Ok);
    } else {
        view_.SetCaption(Caption::StartButton, "Start &Play");
        view_.EnableCommand(Command::StartPlay, false);
    }
    view_.ShowPanel(Panel::EndOfBidding, true);
}

void TableController::StoreAuctionInFile() {
    if (TableHandFile* file = File()) {
        file->StoreAuction(state_.HandNumber, options_.PlayerName, AuctionTexts());
    }
}

void TableController::StartButtonClick() {
    if (state_.Phase != PhaseBiddingOver) return;
    if (options_.Scoring == RubberScoring && !IsBid(state_.Contract) && !state_.MatchPlay) return;
    StoreAuctionInFile();
    view_.ShowPanel(Panel::AuctionRecap, true);
    StartPlay();
}

void TableController::FinishHand() {
    if (!auction_.Complete()) return;
    StoreAuctionInFile();
    StartPlay();
}

void TableController::EOSNewHandClick() {
    ++state_.HandNumber;
    TableHandFile* file = File();
    if (state_.MatchPlay && file != nullptr) {
        while (state_.HandNumber < options_.LastHandInMatch &&
               file->PlayedBefore(state_.HandNumber, options_.PlayerName) == FinishedBefore) {
            ++state_.HandNumber;
        }
        if (state_.HandNumber > options_.LastHandInMatch) {
            if (view_.ShowMessage("You've finished playing all hands in this match. See Match "
                                  "Results?",
                                  MessageButtons::YesNo) == MessageAnswer::Yes) {
                view_.OpenForm(Form::MatchResults, 0);
            }
            return;
        }
    }
    StartNewHand();
}

void TableController::EOBNewHandClick() {
    ++state_.HandNumber;
    StartNewHand();
}

void TableController::GoToBoard(int number) {
    state_.HandNumber = std::max(1, number);
    StartNewHand();
}

void TableController::PriorHandClick() {
    if (state_.HandNumber <= 1) return;
    --state_.HandNumber;
    StartNewHand();
    view_.EnableCommand(Command::PriorHand, state_.HandNumber > 1);
}

}  // namespace corvane
