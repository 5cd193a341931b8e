// The table: drives the board in play from the deal through the auction and the play to the
// score, and maps the person's keys, buttons and menu entries onto those steps. It speaks to the
// person only through a TableView.
//
// Every step runs to completion before it returns. A window may run a step on a worker thread
// while its input is disabled; the controller says when it is busy through the view.
#pragma once

#include "cards/Dealer.h"
#include "cards/Hands.h"
#include "scoring/ScoreKeeper.h"
#include "table/Bidder.h"
#include "table/HandFile.h"
#include "table/Par.h"
#include "table/SolverLibrary.h"
#include "table/TableAuction.h"
#include "table/TableKeys.h"
#include "table/TableOptions.h"
#include "table/TableState.h"
#include "table/TableView.h"

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

inline constexpr const char* ProgramVersion = "6.2";
// Where "Report Bidding Problem" writes to.
inline constexpr const char* SupportMailAddress = "support@corvane.example";

// The IMP and matchpoint score pad: rows of a text and a number.
using ScorePadRows = std::vector<std::array<std::string, 2>>;
inline constexpr int OpenRoomPadRows = 9;

class TableController {
public:
    TableController(TableView& view, Bidder& bidder, SolverLibrary& solver, HandFileShelf& files,
                    DealingState& dealing, TableOptions options = {});

    // What the view draws.
    const TableState& State() const { return state_; }
    const TableHands& Hands() const { return hands_; }
    const TableAuction& Auction() const { return auction_; }
    const BoardRecord& Board() const { return board_; }
    const TableOptions& Options() const { return options_; }
    // Whether the hand is drawn face up now (its own flag, all hands shown, or the Show button).
    bool IsHandShown(TSeat seat) const;
    // Whether the person may play a card of this seat now.
    bool AcceptsCardFrom(TSeat seat) const;
    CardCode SelectedCard() const { return selectedCard_; }
    const std::array<int, 20>& DDResultTable() const { return ddResultTable_; }
    // The par result of the table above, as the last double-dummy request found it.
    const ParResult& Par() const { return par_; }
    // The rubber pad and the last hand's score; the program loads and saves the pad with the
    // player's options.
    ScoreKeeper& Scores() { return scores_; }
    std::array<std::string, 4> PlayerNames() const;
    // The open room's part of the score pad for the hand just scored.
    ScorePadRows OpenRoomScorePad() const;

    // Options changed outside the table (the Preferences form writes them, then calls this).
    void SetOptions(const TableOptions& options) { options_ = options; }

    // The hand lifecycle.
    void StartNewHand();
    void BidToHuman();
    void AcceptBid(TSeat seat, CallCode call);
    void ProcessBid(const std::string& code);
    void AfterBidding();
    void StartButtonClick();  // "Start &Play" or "&Closed Rm" on the end-of-bidding panel
    // The auction-review popup: "&North's Bids" .. "&West's Bids" explain that seat's calls.
    static std::string ExplainMenuCaption(TSeat seat);
    void ExplainBidsClick(TSeat seat);
    void StartPlay();
    void BeforeEachPlay();
    void PlayTrickToHuman();
    void MakePlay(CardCode card, bool replay);
    void ClearPlay();
    void CleanTable();
    void CleanTimerTimer();
    void EndOfHand();
    void FinishHand();

    // Claims: the computer plays the rest of the current trick; or all the remaining cards at
    // once, with double-dummy play ("&Fast Claim") or with the options as they are set.
    void ButSlowClaimClick();
    void FastClaimClick();
    void DDClaimClick();

    // Take-backs.
    void ButTakeBackBidClick();
    void TPPBackupClick();
    void BackupTrick();

    void EOSReplayClick();
    void EOSNewHandClick();
    void EOBNewHandClick();
    void PriorHandClick();
    // Starts board `number` of the current file (the bridge-file form and the headless table).
    void GoToBoard(int number);
    // What dealing board `number` into the current file needs: the generator, the board's
    // vulnerability rule and the names a new board is stored with.
    DealContext NewBoardContext(int number);

    // The person's play.
    void PlayCardClick(CardCode card);  // a card released on the table
    void HintClick();
    void ShowButtonClick();

    // Computer card choice.
    CardCode GettheBestCard();
    CardCode GetSDCard();

    // Double-dummy table of the board.
    void DoubleDummyResults1Click();
    void DDTable1Click();
    void CloseDDResultsClick();

    // "Swap N-S && E-W CCs" and F11: the two sides exchange their convention cards.
    void SwapConventionCardsClick();
    // "Report Bidding Problem": a mail to the support address about the board in play.
    void ReportProblemClick();
    static std::string ProblemReportUrl(const BoardRecord& board,
                                        const std::vector<HandResultRecord>& results,
                                        const std::vector<std::string>& auction);

    // Keys, menus and the dealer-options panel.
    void KeyDown(const TableKey& key);
    void DealerChoice(int choice);
    void OpenDealerOptions();
    void CloseDealerOptions();
    bool DealerOptionsOpen() const { return dealerOptionsOpen_; }
    void ShowAllHands();          // F8
    void HideNonPlayingHands();   // F9
    void ScoreBookClick();
    void MatchResultsClick();
    void PreferencesClick();
    void SaveHandClick();
    void ZeroRubberScorePadClick();
    // "Delete This Hand" and "Copy to PBN": the board in play, or with the whole file.
    void DeleteThisHandClick();
    void CopyToPbnClick(bool justThisDeal);
    void ShowRubberScorePadClick();
    void OpenFormClick(Form form);  // forms that need nothing from the table
    void UpdateCaptions();

    static std::string WindowCaption(const std::string& player, const std::string& fileName);

private:
    TableHandFile* File() { return files_.Current(); }
    THands& Current() { return hands_[state_.CurrentSeat]; }
    bool Settled() const { return state_.PlaysSettled == state_.CardsPlayed; }

    // Auction helpers.
    void ResetAuction();
    void RebuildAuction(const std::vector<TableCall>& calls);
    void TakeContractFromAuction();
    void ShowBiddingBox();
    void BiddingKey(const TableKey& key);
    void BidHint();
    void ToggleTestPad();

    // Play helpers.
    void RecordPlay(CardCode card);  // counters and holdings only
    void ExposeDummy();
    void RefreshSeatFlags();
    void RestoreDealtCards();
    void ClearTrickDisplay();
    void ReplayPlayRecord(int count, int displayFrom);
    void PlayPersonCard(CardCode card);
    void PlaySelectedCard();
    void PlayKey(const TableKey& key);
    void FastClaim(bool forceDoubleDummy);
    void ShowTricksWon();
    void UpdatePlayPad();
    void LogicError();
    CardCode OpeningLeadPlaceholder();
    CardCode SolveBoardCard();
    CardCode FallbackCard() const;
    void ShowSolverError(int code, const std::string& operation);
    void BuildDealtSnapshot();
    PlayBlock PlayParameterBlock() const;
    void StoreAuctionInFile();
    std::vector<std::string> AuctionTexts() const;

    // Nested long steps (a computer turn inside the play loop) show one busy period.
    void Busy(bool busy);

    // Board helpers.
    bool LoadBoard();
    bool BoardInFile() const;  // the board in play is one of the current file's
    std::string SeatPlayerName(TSeat seat) const;
    void ShowBoardPanel();

    TableView& view_;
    Bidder& bidder_;
    SolverLibrary& solver_;
    HandFileShelf& files_;
    DealingState& dealing_;
    TableOptions options_;

    TableState state_;
    ScoreKeeper scores_;
    TableHands hands_ = MakeTableHands();
    TableAuction auction_;
    std::vector<TableCall> savedAuction_;
    BoardRecord board_;
    std::int32_t seedNumber_ = 0;

    KeyBuffer keys_;
    CardCode selectedCard_ = NoCard;
    CardCode hintCard_ = NoCard;
    std::optional<TSeat> shownByButton_;
    bool dealerOptionsOpen_ = false;
    bool inputEnabled_ = true;
    int busyDepth_ = 0;
    bool takingBack_ = false;
    bool biddingComputer_ = false;
    bool openingBidding_ = false;  // the computer calls before the person's first turn
    bool logicErrorStop_ = false;
    TablePhase phaseBeforeHint_ = PhaseBidding;
    std::array<std::array<CardCode, 13>, 4> dealtSnapshot_{};
    std::array<int, 20> ddResultTable_{};
    // The deal the table above belongs to; a failed computation may reuse it only for that deal.
    std::optional<DealHoldings> ddDeal_;
    ParResult par_;
    std::chrono::steady_clock::time_point playStart_{};
};

}  // namespace corvane
