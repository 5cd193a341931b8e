// Menu entries, the dealer-options panel and the double-dummy table request.
#include "table/TableController.h"

#include "bidding/CallText.h"

#include <cctype>

namespace corvane {

namespace {

constexpr int MaxNewHands = 64;
constexpr const char* ChoosePlayerMessage =
    "Please choose a player name from the drop-down list or type in a new player's name.";

// Mail links carry their subject and body percent-encoded, line breaks as CR LF.
std::string UrlEncoded(const std::string& text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else if (c == '\n') {
            out += "%0D%0A";
        } else {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 15];
        }
    }
    return out;
}

}  // namespace

void TableController::OpenDealerOptions() {
    dealerOptionsOpen_ = true;
    view_.ShowPanel(Panel::DealerOptions, true);
    view_.EnableCommand(Command::ReviewMenu, false);
    view_.EnableCommand(Command::PlayOptionsMenu, false);
}

void TableController::CloseDealerOptions() {
    // Every result and option is kept under the player's name.
    if (options_.PlayerName.empty()) {
        view_.ShowMessage(ChoosePlayerMessage, MessageButtons::Ok);
        return;
    }
    dealerOptionsOpen_ = false;
    view_.ShowPanel(Panel::DealerOptions, false);
    view_.EnableCommand(Command::ReviewMenu, true);
    view_.EnableCommand(Command::PlayOptionsMenu, true);
}

void TableController::DealerChoice(int choice) {
    if (options_.PlayerName.empty()) {
        view_.ShowMessage(ChoosePlayerMessage, MessageButtons::Ok);
        return;
    }
    state_.MatchPlay = false;
    if (choice == 1) state_.Dealing = DealingMode::Practice;
    if (choice != 1 && choice != 6) state_.Dealing = DealingMode::HandFile;

    switch (choice) {
    case 0: {
        if (File() == nullptr || File()->FileName() != NewHandsFileName) files_.OpenNewHands();
        if (File()->HighestHandNumber() > MaxNewHands &&
            view_.ShowMessage("There are > 64 hands in this file. Start a New Hands file at hand "
                              "number 1?",
                              MessageButtons::YesNo) == MessageAnswer::Yes) {
            std::string error;
            if (files_.RestartNewHands(error)) {
                view_.ShowMessage("The old \"New Hands.ini\" file has been transfered to the "
                                  "Recycle Bin",
                                  MessageButtons::Ok);
            } else {
                view_.ShowMessage(error, MessageButtons::Ok);
            }
        }
        // The next hand step adds one, so this lands on the board after the player's last result.
        state_.HandNumber = File()->LastBoardWithResult(options_.PlayerName);
        break;
    }
    case 1:
    case 2: {
        const Form form = choice == 1 ? Form::PracticePatterns : Form::CustomDealer;
        if (!view_.OpenForm(form, 0).Accepted) return;
        state_.HandNumber = File()->HighestHandNumber();
        break;
    }
    case 4: {
        const FormResult seed = view_.OpenForm(Form::SeedDialog, 0);
        if (!seed.Accepted) return;
        dealing_.Generator.SetSeed(seed.Number);
        dealing_.ReproductionText = std::to_string(seed.Number);
        // A new board after the last one in the file: the next hand step adds the one.
        state_.HandNumber = File()->HighestHandNumber();
        break;
    }
    case 5: {
        const FormResult file = view_.OpenForm(Form::BridgeFile, 0);
        if (!file.Accepted) return;
        state_.HandNumber = std::max(0, file.Number - 1);
        break;
    }
    case 6: {
        const FormResult match = view_.OpenForm(Form::Match, 0);
        if (!match.Accepted) return;
        state_.MatchPlay = true;
        // The last board the player finished; the next hand step moves past it.
        state_.HandNumber = match.Number;
        break;
    }
    default: return;
    }
    CloseDealerOptions();
    UpdateCaptions();
    EOSNewHandClick();
}

void TableController::ShowAllHands() {
    for (auto& hand : hands_) hand.FaceUp = true;
    for (TSeat s = North; s <= West; ++s) view_.RedrawHand(s);
}

void TableController::HideNonPlayingHands() {
    for (auto& hand : hands_) hand.FaceUp = hand.Seat == South;
    if (state_.Phase == PhasePlaying) {
        hands_[state_.Dummy].FaceUp = true;
        if (state_.Dummy == South) hands_[North].FaceUp = true;
    }
    for (TSeat s = North; s <= West; ++s) view_.RedrawHand(s);
}

void TableController::ScoreBookClick() {
    const TableHandFile* file = File();
    if (file == nullptr || file->HandCount() == 0) {
        view_.ShowMessage("This Bridge File is empty!!!", MessageButtons::Ok);
        return;
    }
    view_.OpenForm(Form::ScoreBook, 2);
}

void TableController::MatchResultsClick() {
    if (state_.MatchPlay) view_.OpenForm(Form::MatchResults, 0);
}

void TableController::PreferencesClick() {
    if (!view_.OpenForm(Form::Preferences, 0).Accepted) return;
    // The form has written the new options through SetOptions.
    RefreshSeatFlags();
    UpdateCaptions();
    if (state_.Phase == PhasePlaying) {
        if (state_.CardsPlayed > 0) ExposeDummy();
        for (TSeat s = North; s <= West; ++s) view_.RedrawHand(s);
        BeforeEachPlay();
    } else if (state_.Phase == PhaseBidding && !auction_.Complete()) {
        BidToHuman();
        if (!auction_.Complete()) ShowBiddingBox();
    }
}

void TableController::ZeroRubberScorePadClick() {
    scores_.ZeroScorePad();
    view_.ShowPanel(Panel::RubberPad, true);
}

void TableController::ShowRubberScorePadClick() { view_.ShowPanel(Panel::RubberPad, true); }

void TableController::SaveHandClick() { view_.OpenForm(Form::SaveHand, state_.HandNumber); }

void TableController::OpenFormClick(Form form) { view_.OpenForm(form, 0); }

void TableController::DoubleDummyResults1Click() {
    if (File() == nullptr || board_.BoardText.empty()) return;
    CleanTable();
    ResetAuction();
    state_.Phase = PhaseBidding;
    DDTable1Click();
    // A table computed for another deal must never be shown as this one's.
    if (ddDeal_ != board_.Holdings) return;
    par_ = CalculatePar(ddResultTable_, board_.Vul, options_.Scoring);
    view_.SetCaption(Caption::ParText, "Par: " + ParText(ddResultTable_, par_, true) + "; N-S " +
                                           std::to_string(par_.Score));
    view_.ShowPanel(Panel::DDResults, true);
    view_.ShowDDResults();
}

void TableController::DDTable1Click() {
    DealHoldings deal{};
    for (TSeat s = North; s <= West; ++s) {
        for (int suit = Clubs; suit <= Spades; ++suit) {
            deal[s][static_cast<size_t>(suit)] = hands_[s].HoldingOf(suit);
        }
    }
    Busy(true);
    DDTableResult result{};
    const std::int32_t rc = solver_.CalcDDtable(deal, result);
    for (auto& hand : hands_) hand.TrickCard = NoCard;
    if (rc != SolveOk) {
        view_.ShowMessage("error in DD Table - " + std::to_string(rc), MessageButtons::Ok);
    } else {
        ddResultTable_ = DDResultFromSolver(result);
        ddDeal_ = deal;
    }
    Busy(false);
}

void TableController::CloseDDResultsClick() {
    view_.ShowPanel(Panel::DDResults, false);
    StartNewHand();
}

void TableController::SwapConventionCardsClick() {
    bidder_.SwapConventionCards();
    UpdateCaptions();
}

std::string TableController::ProblemReportUrl(const BoardRecord& board,
                                              const std::vector<HandResultRecord>& results,
                                              const std::vector<std::string>& auction) {
    std::string body = "Seed: " + board.SeedText + "\n";
    body += "Board " + board.BoardText + ", dealer " + std::string(SeatNames[board.Dealer]) +
            ", vulnerable " + std::string(VulnerabilityNames[board.Vul]) + "\n";
    body += "Deal: " + PbnDealString(board.Holdings) + "\n";
    if (!board.Comment.empty()) body += "Comment: " + board.Comment + "\n";
    body += "Auction at the table:";
    for (const auto& call : auction) body += " " + call;
    body += "\n";
    for (const HandResultRecord& r : results) {
        body += "\nResult of " + r.Player + ": ";
        if (IsBid(r.Contract)) {
            body += ContractText(r.Contract, r.Doubled) + " by " +
                    std::string(SeatNames[r.Declarer]) + ", " + std::to_string(r.Tricks) +
                    " tricks";
        } else {
            body += "no contract";  // passed out, or not played to the end
        }
        body += ", N-S " + std::to_string(r.Score) + "\nAuction:";
        for (const auto& call : r.Auction) body += " " + call;
        body += "\n";
    }
    return std::string("mailto:") + SupportMailAddress +
           "?subject=" + UrlEncoded("Bidding problem, board " + board.BoardText) +
           "&body=" + UrlEncoded(body);
}

void TableController::ReportProblemClick() {
    const TableHandFile* file = File();
    if (file == nullptr || board_.BoardText.empty()) return;
    if (!view_.OpenUrl(ProblemReportUrl(board_, file->Results(state_.HandNumber), AuctionTexts()))) {
        view_.ShowMessage(std::string("No mail program could be opened. Please write to ") +
                              SupportMailAddress + " with the board's seed " + board_.SeedText +
                              ".",
                          MessageButtons::Ok);
    }
}

}  // namespace corvane
