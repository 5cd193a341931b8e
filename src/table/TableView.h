// What the table controller needs from a window. The controller holds every text, caption and
// rule; a view only shows what it is told, returns the person's answers and reports timers. The
// desktop window implements it with widgets; tests implement it with a recording fake.
#pragma once

#include "cards/Cards.h"

#include <cstdint>
#include <string>

namespace corvane {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

enum class BeepKind { Information, Exclamation };

// Panels and grids that are shown or hidden as a whole.
enum class Panel {
    DealerOptions,
    DDResults,
    EndOfBidding,
    EndOfScoring,
    BidReview,
    ScorePad,
    RubberPad,
    PlayTimer,
    BiddingBox,
    PlayPad,
    Contract,
    AuctionRecap,
    ShowButton,
};

// Buttons and menu entries that are enabled or disabled.
enum class Command {
    MainMenu,  // the whole menu bar during computer turns
    Table,     // the cards and panels of the table during computer turns
    ReplayHand,
    RebidHand,
    PriorHand,
    SlowClaim,
    Hint,
    TakeBackCard,  // the play pad's "Take &Back"
    TakeBackCall,  // the bidding box's and end-of-bidding panel's "Take Back"
    ClearTable,
    StartPlay,     // the end-of-bidding panel's start button
    ClosedRoom,    // the end-of-scoring panel's "&Closed Rm"
    OpenRoom,
    Rebid,         // the end-of-scoring panel's "Re&bid"
    Replay,        // the end-of-scoring panel's "Re&play"
    ReviewMenu,
    PlayOptionsMenu,
};

// Texts the controller sets.
enum class Caption {
    Window,
    NSTeamLine,
    EWTeamLine,
    ContractText,
    PlayPadText,
    HintButton,     // "H&int" or "&Play Hint"
    StartButton,    // "Start &Play" or "&Closed Rm"
    ShowButton,     // "Show North" / "Hide North"
    TricksWon,
    PlayTime,
    BoardPanel,
    SouthHcp,
    ParText,
    AuctionMessage,  // the line under the auction grid
};

// Forms and dialogs that belong to other parts of the program. The controller asks for them;
// the answer says whether the person confirmed the form, and the number a form returns.
enum class Form {
    ScoreBook,
    PracticePatterns,
    CustomDealer,
    SeedDialog,
    BridgeFile,
    Match,
    MatchResults,
    CCEditor,
    ScoringAnalysis,
    Preferences,
    SaveHand,
    ExplainMenu,  // the auction-review popup; answers the seat chosen
    SeatCalls,    // the test pad showing the calls of the seat in the argument
    BidHint,
    TestPad,
    RubberScorePad,
    About,
    HelpAnswers,
    HelpBidDefinitions,
};

struct FormResult {
    bool Accepted = false;
    std::int32_t Number = 0;  // the seed dialog's seed; the score book's view on the way in
};

enum class TableTimer { ClearTable };

class TableView {
public:
    virtual ~TableView() = default;

    virtual MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) = 0;
    virtual void Beep(BeepKind kind) = 0;
    virtual void ShowPanel(Panel panel, bool shown) = 0;
    virtual void EnableCommand(Command command, bool enabled) = 0;
    virtual void SetCaption(Caption caption, const std::string& text) = 0;
    virtual void SetSeatName(TSeat seat, const std::string& name) = 0;
    // A hand's cards or face changed; the view reads the hand from the controller.
    virtual void RedrawHand(TSeat seat) = 0;
    // The card a seat shows on the table, NoCard to take it away.
    virtual void ShowTrickCard(TSeat seat, CardCode card) = 0;
    // The card chosen with the keyboard or offered as a hint is drawn raised.
    virtual void HighlightCard(TSeat seat, CardCode card) = 0;
    // The auction grid changed; the view reads the calls from the controller.
    virtual void AuctionChanged() = 0;
    // Long work runs: the cursor shows it and no input reaches the controller.
    virtual void SetBusy(bool busy) = 0;
    // The view calls the controller's timer handler once `milliseconds` have passed.
    virtual void StartTimer(TableTimer timer, int milliseconds) = 0;
    virtual void StopTimer(TableTimer timer) = 0;
    virtual FormResult OpenForm(Form form, std::int32_t argument) = 0;
    // The double-dummy table and par were computed; the view reads them from the controller.
    virtual void ShowDDResults() = 0;
    // An internal check failed after its message: the program must end now.
    virtual void EndProgram() = 0;
    // Hands a mail or document link to the desktop's program for it. A view without one (the
    // terminal) says so with false, and the table tells the person where to write instead.
    virtual bool OpenUrl(const std::string& /*url*/) { return false; }
};

}  // namespace corvane
