// The computer's choice of a card: the opening lead, the library's own play, and the
// double-dummy search.
#include "table/TableController.h"

#include "cards/CardSelection.h"
#include "table/PlayParameters.h"

namespace corvane {

namespace {

// Messages for the search's failure codes -2 .. -11.
constexpr const char* SolveBoardErrors[] = {
    "Number of cards=0",
    "target > Number of left cards",
    "Duplicated cards",
    "target < -1",
    "target=0",
    "target >13",
    "solutions < 1",
    "solutions > 3",
    "No of cards > 52",
    "The solver needs at least 512 MB RAM to solve this difficult hand",
};

}  // namespace

void TableController::ShowSolverError(int code, const std::string& operation) {
    if (operation == "SolveBoard") {
        const bool listed = code <= -2 && code >= -11;
        view_.ShowMessage(listed ? SolveBoardErrors[-code - 2] : "Unknown error in DLL",
                          MessageButtons::Ok);
    } else {
        view_.ShowMessage(operation + " error " + std::to_string(code), MessageButtons::Ok);
    }
}

// The cards each seat was dealt, in display order, as the library's own play is given them.
void TableController::BuildDealtSnapshot() {
    for (TSeat s = North; s <= West; ++s) {
        THands dealt = hands_[s];
        dealt.RestoreDealtHoldings();
        const std::vector<CardCode> cards = CardsInDisplayOrder(dealt, state_.Trump, options_.SuitOrder);
        dealtSnapshot_[s] = {};
        for (size_t i = 0; i < cards.size() && i < 13; ++i) dealtSnapshot_[s][i] = cards[i];
    }
}

// The block the library plays the hand with, built just before the opening lead: the dummy's
// cards, the payoffs of the contract, and nothing shown in the auction yet.
PlayBlock TableController::PlayParameterBlock() const {
    PlayBlockRequest request;
    request.Contract = {state_.Contract, state_.Doubled, state_.Declarer, board_.Vul};
    request.Mode = options_.Scoring;
    request.ImpPayoff = options_.Scoring == ImpScoring;
    request.TimeTenths = options_.PlayLevel * 10;
    request.Seat = state_.Dummy;
    request.SeatCards = dealtSnapshot_[state_.Dummy];
    request.Seed = seedNumber_;
    return BuildPlayBlock(request);
}

CardCode TableController::GettheBestCard() {
    Busy(true);
    view_.SetCaption(Caption::PlayPadText, "Thinking . . . ");
    const CardCode card = state_.PlaysSettled == 0 ? OpeningLeadPlaceholder() : GetSDCard();
    view_.SetCaption(Caption::PlayPadText, " ");
    Busy(false);
    return card;
}

// Placeholder until the opening-lead rules are built: the opening lead comes from the
// double-dummy search like every later card.
CardCode TableController::OpeningLeadPlaceholder() { return SolveBoardCard(); }

CardCode TableController::GetSDCard() {
    const bool doubleDummy = state_.EngineError || !solver_.HasSingleDummyPlay() ||
                             (state_.OpenRoom && options_.DDPlayOpenRoom) ||
                             (!state_.OpenRoom && options_.DDPlayClosedRoom);
    if (doubleDummy) return SolveBoardCard();

    const TSeat viewpoint =
        state_.CurrentSeat == state_.Dummy ? state_.Declarer : state_.CurrentSeat;
    GetSDResult result{};
    if (const std::int32_t rc = solver_.GetSD(dealtSnapshot_[viewpoint], result); rc != 0) {
        ShowSolverError(rc, "GetSD");
        state_.EngineError = true;
        return SolveBoardCard();
    }
    CardCode card = result[1] >= 2 && result[1] <= Ace ? MakeCard(result[0] & 3, result[1]) : NoCard;
    if (!IsCard(card)) {
        view_.ShowMessage("BestCard = 0", MessageButtons::Ok);
        const int rank = result[4];
        card = rank >= 2 && rank <= Ace ? MakeCard(result[3] & 3, rank) : FallbackCard();
    }
    return card;
}

// A card the seat may play, for when the search gives none: the keyboard's default choice.
CardCode TableController::FallbackCard() const {
    const THands& hand = hands_[state_.CurrentSeat];
    const TrickContext trick{state_.TrickPosition() == 1 ? -1 : state_.SuitLed,
                             state_.WinningCard, state_.CardsPlayed > 0};
    return DefaultSelection(hand, trick);
}

CardCode TableController::SolveBoardCard() {
    SolvePosition position;
    position.Trump = state_.Trump;
    position.Leader = state_.TrickLeader;
    int i = 0;
    for (TSeat s = position.Leader; s != state_.CurrentSeat && i < 3; s = NextSeat(s), ++i) {
        const CardCode played = hands_[s].TrickCard;
        position.TrickSuits[static_cast<size_t>(i)] = SuitOf(played);
        position.TrickRanks[static_cast<size_t>(i)] = HighestRankOf(played);
    }
    for (TSeat s = North; s <= West; ++s) {
        for (int suit = Clubs; suit <= Spades; ++suit) {
            position.Holdings[s][static_cast<size_t>(suit)] = hands_[s].HoldingOf(suit);
        }
    }
    SolveResult result{};
    const std::int32_t rc = solver_.SolveBoard(position, result);
    if (rc != SolveOk) {
        ShowSolverError(rc, "SolveBoard");
        // No card came back: play a legal card rather than one the seat may not hold.
        return FallbackCard();
    }
    const int rank = result[SolveRankAt];
    return rank >= 2 && rank <= Ace ? MakeCard(result[SolveSuitAt] & 3, rank) : FallbackCard();
}

}  // namespace corvane
