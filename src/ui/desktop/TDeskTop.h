// The card table window. It shows what the table controller tells it through TableView and
// hands the person's clicks, keys and menu choices back to the controller. Every controller
// step runs on a worker thread while the table's input is off, so the window keeps painting;
// the view calls made meanwhile are carried over to the interface thread.
#pragma once

#include "settings/PlayerFile.h"
#include "table/TableController.h"
#include "ui/cards/TCardDeck.h"
#include "ui/cards/TPelloryCard.h"

#include <QFutureWatcher>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace corvane::ui {

class BiddingBox;
class DDPanel;
class DealerOptionsPanel;
class MarkupGrid;
class RubberPadWindow;
class TableCloth;

// What the window needs besides itself to build a table.
struct TableServices {
    Bidder* TheBidder = nullptr;
    SolverLibrary* Solver = nullptr;
    HandFileShelf* Files = nullptr;
    DealingState* Dealing = nullptr;
    TableOptions Options;
    std::string DataFolder;  // where the player files are listed
    PlayerSettings* Settings = nullptr;  // the person's options; the table's defaults without
};

// The table's share of the person's options, and the card pictures they ask for.
TableOptions TableOptionsFrom(const Options& options, const std::string& player);
CardLook CardLookFrom(const Options& options);

class TDeskTop : public QMainWindow, public TableView {
    Q_OBJECT
public:
    explicit TDeskTop(const TableServices& services, QWidget* parent = nullptr);
    ~TDeskTop() override;

    TableController& Controller() { return *controller_; }
    TCardDeck& Deck() { return deck_; }

    // Runs one controller step off the interface thread with the table's input off. A step asked
    // for while another runs is refused with a beep.
    bool RunStep(std::function<void()> step);
    bool StepRunning() const { return stepRunning_; }
    // Waits, keeping the window alive, until no step runs (tests and the screenshot run).
    void WaitForSteps();

    // Widgets the tests and the screenshot reach.
    TPelloryCard* CardWidget(TSeat seat, CardCode card) const;
    TNewCard* TrickCardWidget(TSeat seat) const { return trickCards_[seat]; }
    QWidget* TablePanel() const;
    BiddingBox* Box() const { return box_; }
    DDPanel* DoubleDummyPanel() const { return ddPanel_; }
    DealerOptionsPanel* DealerOptions() const { return dealerOptions_; }
    MarkupGrid* AuctionGridWidget() const { return auctionGrid_; }
    MarkupGrid* ScorePadWidget() const { return scorePad_; }
    RubberPadWindow* RubberPad() const { return rubberPad_; }
    QPushButton* Button(const QString& objectName) const;
    QAction* Action(const QString& objectName) const;
    QString CaptionText(Caption caption) const;
    bool PanelShown(Panel panel) const;

    // Answers forms without showing them while set (the screenshot run); an empty answer shows
    // the form as usual.
    using FormResponder = std::function<std::optional<FormResult>(Form, std::int32_t)>;
    void SetFormResponder(FormResponder responder) { formResponder_ = std::move(responder); }

    // Takes the person's options into the table, the cards and the colours.
    void ApplySettings();

    // Starts the table as the program does after the window first shows: the dealer-options
    // panel opens.
    void StartTable();

    // TableView
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    void Beep(BeepKind kind) override;
    void ShowPanel(Panel panel, bool shown) override;
    void EnableCommand(Command command, bool enabled) override;
    void SetCaption(Caption caption, const std::string& text) override;
    void SetSeatName(TSeat seat, const std::string& name) override;
    void RedrawHand(TSeat seat) override;
    void ShowTrickCard(TSeat seat, CardCode card) override;
    void HighlightCard(TSeat seat, CardCode card) override;
    void AuctionChanged() override;
    void SetBusy(bool busy) override;
    void StartTimer(TableTimer timer, int milliseconds) override;
    void StopTimer(TableTimer timer) override;
    FormResult OpenForm(Form form, std::int32_t argument) override;
    void ShowDDResults() override;
    void EndProgram() override;
    bool OpenUrl(const std::string& url) override;

Q_SIGNALS:
    void StepFinished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildSidePanel();
    void BuildTableCloth();
    void OnGui(const std::function<void()>& work);
    void SetInputEnabled(bool enabled);
    void ApplyCardLook();
    void LayoutTable();
    void PlaceShowButton();
    QWidget* PanelWidget(Panel panel) const;
    bool CardMayBePlayed(const TPelloryCard& card) const;
    void Step(void (TableController::*member)());
    QAction* AddAction(QMenu* menu, const QString& name, const QString& caption,
                       const QKeySequence& shortcut, std::function<void()> handler);
    void StartDealerChoice(int choice);
    void NotAvailable(const QString& what);
    // Reads another player's options (saving the current player's first) and his rubber pad.
    void LoadPlayer(const std::string& name);
    void SavePlayer();
    void ShowRubberPad();
    void SwapConventionCards();
    // The auction-review popup; the seat chosen, or none when it was dismissed.
    std::optional<TSeat> ChooseSeatToExplain();

    TCardDeck deck_;
    std::unique_ptr<TableController> controller_;
    TableServices services_;

    TableCloth* cloth_ = nullptr;
    QWidget* tablePanel_ = nullptr;
    TPelloryCard::Table cardTable_;
    std::array<std::array<TPelloryCard*, 13>, 4> cards_{};
    std::array<TNewCard*, 4> trickCards_{};
    std::array<QLabel*, 4> seatNames_{};
    std::array<CardCode, 4> highlighted_{};
    QPushButton* showButton_ = nullptr;

    QWidget* side_ = nullptr;
    std::map<Caption, QLabel*> captions_;
    MarkupGrid* auctionGrid_ = nullptr;
    MarkupGrid* scorePad_ = nullptr;
    QStackedWidget* controls_ = nullptr;
    BiddingBox* box_ = nullptr;
    QWidget* playPad_ = nullptr;
    QWidget* endOfBidding_ = nullptr;
    QWidget* endOfScoring_ = nullptr;
    DDPanel* ddPanel_ = nullptr;
    DealerOptionsPanel* dealerOptions_ = nullptr;
    RubberPadWindow* rubberPad_ = nullptr;
    QMenu* reviewMenu_ = nullptr;
    QMenu* playOptionsMenu_ = nullptr;
    std::map<Panel, bool> panelShown_;

    FormResponder formResponder_;
    QTimer* clearTableTimer_ = nullptr;
    QFutureWatcher<void> stepWatcher_;
    bool stepRunning_ = false;
    bool tableEnabled_ = true;
    bool busy_ = false;
};

}  // namespace corvane::ui
