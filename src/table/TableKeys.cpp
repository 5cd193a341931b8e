// Keys on the table: routed by the phase to the bidding keys or the play keys.
#include "table/TableController.h"

#include "cards/CardSelection.h"

#include <cctype>

namespace corvane {

TableKey TableKey::Char(char c) {
    TableKey key{KeyCode::Character};
    key.Character = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

void TableController::KeyDown(const TableKey& key) {
    if (dealerOptionsOpen_ || key.Code == KeyCode::F1) return;
    if (key.Code == KeyCode::Backspace && key.Ctrl) {
        BackupTrick();
        return;
    }
    switch (key.Code) {
    case KeyCode::Home:
        hands_[North].FaceUp = !hands_[North].FaceUp;
        view_.RedrawHand(North);
        if (state_.Phase != PhasePlaying && !auction_.Complete()) ShowBiddingBox();
        return;
    case KeyCode::F2: EOSNewHandClick(); return;
    case KeyCode::F3: PriorHandClick(); return;
    case KeyCode::F5: DealerChoice(4); return;
    case KeyCode::F6: DealerChoice(5); return;
    case KeyCode::F8: ShowAllHands(); return;
    case KeyCode::F9: HideNonPlayingHands(); return;
    case KeyCode::F11: SwapConventionCardsClick(); return;
    default: break;
    }
    if (key.Shift || key.Ctrl || key.Alt) return;
    switch (state_.Phase) {
    case PhaseBidding:
    case PhaseTestPad:
        if (!auction_.Complete()) BiddingKey(key);
        return;
    case PhaseBiddingOver:
        if (key.Code == KeyCode::Backspace) {
            if (auction_.Calls().empty()) {
                view_.Beep(BeepKind::Information);
            } else {
                ButTakeBackBidClick();
            }
        }
        return;
    case PhasePlaying: PlayKey(key); return;
    default: return;
    }
}

void TableController::BiddingKey(const TableKey& key) {
    const char c = key.Character;
    if (key.Code == KeyCode::F7) {
        ProcessBid("Hi");
        return;
    }
    if (key.Code == KeyCode::Backspace || (key.Code == KeyCode::Character && c == 'B')) {
        keys_.Clear();
        if (auction_.Calls().empty()) {
            view_.Beep(BeepKind::Information);
        } else {
            ProcessBid("Ta");
        }
        return;
    }
    if (key.Code == KeyCode::Enter) {
        // Enter completes a pending double; on its own it passes.
        if (keys_.Letter() == 'X') {
            keys_.SetSecond(' ');
        } else {
            keys_.Clear();
            ProcessBid("P");
            return;
        }
    } else if (key.Code != KeyCode::Character) {
        return;
    } else if (c >= '1' && c <= '7') {
        keys_.SetSecond(c);
    } else if (c == 'C' || c == 'D' || c == 'H' || c == 'S' || c == 'N' || c == 'X') {
        keys_.SetLetter(c);
    } else if (c == 'P') {
        keys_.Clear();
        ProcessBid("P");
        return;
    } else if (c == 'G' || c == 'T') {
        keys_.Clear();
        ProcessBid("Te");
        return;
    } else if (c == 'I') {
        keys_.Clear();
        ProcessBid("Hi");
        return;
    } else if (c == 'L') {
        keys_.Clear();
        ProcessBid("Ex");
        return;
    } else {
        return;
    }
    if (!keys_.Complete()) return;
    const std::string code = keys_.Letter() == 'X' ? std::string("X")
                                                   : std::string{keys_.Letter(), keys_.Second()};
    keys_.Clear();
    ProcessBid(code);
}

void TableController::PlayKey(const TableKey& key) {
    if (!inputEnabled_) return;
    const int suitLed = state_.TrickPosition() == 1 ? -1 : state_.SuitLed;
    switch (key.Code) {
    case KeyCode::Backspace:
        keys_.Clear();
        if (state_.CardsPlayed > 0 && Settled()) {
            TPPBackupClick();
        } else {
            view_.Beep(BeepKind::Information);
        }
        return;
    case KeyCode::Enter:
        keys_.Clear();
        if (state_.TrickOnTable) {
            ClearPlay();
        } else {
            PlaySelectedCard();
        }
        return;
    default: break;
    }
    if (state_.CardsPlayed == CardsInDeal) return;  // only the last trick waits to be cleared
    switch (key.Code) {
    case KeyCode::Left:
    case KeyCode::Right:
    case KeyCode::Up:
    case KeyCode::Down: {
        if (!AcceptsCardFrom(state_.CurrentSeat)) return;
        static constexpr SelectionKey Keys[] = {SelectionKey::Left, SelectionKey::Right,
                                                SelectionKey::Up, SelectionKey::Down};
        const auto index = static_cast<size_t>(key.Code) - static_cast<size_t>(KeyCode::Left);
        const TrickContext trick{suitLed, state_.WinningCard, state_.CardsPlayed > 0};
        const auto cards = CardsInDisplayOrder(Current(), state_.Trump, options_.SuitOrder);
        selectedCard_ = MoveSelection(Current(), cards, selectedCard_, Keys[index], trick);
        view_.HighlightCard(state_.CurrentSeat, selectedCard_);
        return;
    }
    case KeyCode::F7: HintClick(); return;
    case KeyCode::Character: break;
    default: keys_.Clear(); return;
    }
    const char c = key.Character == '1' ? 'T' : key.Character;
    if (RankFromChar(c) >= 2) {
        keys_.SetSecond(c);
    } else if (SuitFromChar(c) <= Spades) {
        keys_.SetLetter(c);
    } else {
        keys_.Clear();
        return;
    }
    if (!keys_.Complete()) return;
    const CardCode card = MakeCard(SuitFromChar(keys_.Letter()), RankFromChar(keys_.Second()));
    keys_.Clear();
    if (!AcceptsCardFrom(state_.CurrentSeat)) return;
    if (!MayPlay(Current(), card, suitLed)) {
        view_.Beep(BeepKind::Exclamation);
        return;
    }
    PlayPersonCard(card);
}

}  // namespace corvane
