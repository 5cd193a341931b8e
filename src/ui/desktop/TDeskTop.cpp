#include "ui/desktop/TDeskTop.h"

#include "bidding/CallText.h"
#include "cards/CardSelection.h"
#include "ui/bidding/AuctionCells.h"
#include "ui/cards/CardArt.h"
#include "ui/bidding/BiddingBox.h"
#include "ui/bidding/SeatCallsDialog.h"
#include "ui/common/MarkupButton.h"
#include "ui/common/MarkupGrid.h"
#include "ui/common/Messages.h"
#include "ui/common/Text.h"
#include "ui/desktop/DealerOptionsPanel.h"
#include "ui/dialogs/TDlgNewSeed.h"
#include "ui/scoring/RubberPadWindow.h"
#include "ui/settings/Colors.h"
#include "ui/settings/SettingsForms.h"
#include "ui/table/DDPanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace corvane::ui {

// The green cloth the hands lie on; it lays the table out again whenever its size changes.
class TableCloth : public QWidget {
public:
    TableCloth(std::function<void()> layout, QWidget* parent) : QWidget(parent), layout_(std::move(layout)) {
        setFocusPolicy(Qt::StrongFocus);
    }
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor cloth = palette().color(QPalette::Window);
        QRadialGradient light(rect().center(), std::max(width(), height()) * 0.7);
        light.setColorAt(0, cloth.lighter(118));
        light.setColorAt(1, cloth.darker(115));
        painter.fillRect(rect(), light);
    }
    void resizeEvent(QResizeEvent*) override { layout_(); }

private:
    std::function<void()> layout_;
};

TableOptions TableOptionsFrom(const Options& options, const std::string& player) {
    TableOptions table;
    table.PlayerName = player;
    table.HandsPlayed = options.HandsPlayed;
    table.HandsSeen = options.HandsSeen;
    table.Scoring = static_cast<ScoringMode>(std::clamp(int(options.ScoringMode), 0, 2));
    table.AutoPlaySingleton = options.AutoPlaySingleton;
    table.ClearTable = options.ClearTable;
    table.ClearTableTime = options.ClearTableTime;
    table.DDPlayOpenRoom = options.DDPlayOpenRoom;
    table.DDPlayClosedRoom = options.DDPlayClosedRoom;
    table.PlayLevel = options.PlayLevel;
    table.SimBid = options.SimBid;
    table.SuitOrder = options.SuitOrder;
    table.LastHandInMatch = options.LastHandInMatch;
    return table;
}

CardLook CardLookFrom(const Options& options) {
    CardLook look;
    // The size option is a display scale on which 96 is the standard card.
    look.Height = std::clamp(int(std::lround(StandardCardHeight * options.CardSize / 96.0)), 40, 240);
    look.BackDesign = options.BackDesign;
    look.BackColor = FromStoredColor(options.BackColor);
    return look;
}

namespace {

constexpr int Margin = 12;
constexpr int NameHeight = 22;

// The table in the middle, where the tricks are played; a click there clears a finished trick.
class TrickArea : public QWidget {
public:
    TrickArea(std::function<void()> clicked, QWidget* parent) : QWidget(parent), clicked_(std::move(clicked)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 255, 255, 60), 2));
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 18, 18);
    }
    void mousePressEvent(QMouseEvent*) override { clicked_(); }

private:
    std::function<void()> clicked_;
};

// The par contract's strain, or -1 for a passed-out par.
int ParStrain(const ParResult& par) { return IsBid(par.Bid()) ? int(StrainOf(par.Bid())) : -1; }

QPushButton* PanelButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TDeskTop::TDeskTop(const TableServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("DeskTop"));
    controller_ = std::make_unique<TableController>(*this, *services.TheBidder, *services.Solver, *services.Files,
                                                    *services.Dealing, services.Options);
    if (services.Settings) controller_->Scores().Pad = services.Settings->Values.Pad;
    cardTable_.MayPlay = [this](const TPelloryCard& card) { return CardMayBePlayed(card); };
    cardTable_.CustomDealing = [this] { return !stepRunning_ && controller_->State().Phase == PhaseCustomDeal; };

    clearTableTimer_ = new QTimer(this);
    clearTableTimer_->setSingleShot(true);
    connect(clearTableTimer_, &QTimer::timeout, this, [this] {
        // The person may be mid-command when the trick is due to go; clear it right after.
        if (stepRunning_) {
            clearTableTimer_->start(50);
            return;
        }
        Step(&TableController::CleanTimerTimer);
    });
    connect(&stepWatcher_, &QFutureWatcher<void>::finished, this, [this] {
        stepRunning_ = false;
        SetInputEnabled(true);
        QApplication::restoreOverrideCursor();
        Q_EMIT StepFinished();
    });

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    BuildTableCloth();
    row->addWidget(cloth_, 1);
    BuildSidePanel();
    row->addWidget(side_);
    setCentralWidget(central);
    BuildMenus();
    rubberPad_ = new RubberPadWindow(this);
    connect(&deck_, &TCardDeck::Changed, this, [this] { LayoutTable(); });
    ApplySettings();
    controller_->UpdateCaptions();
    resize(1240, 760);
}

TDeskTop::~TDeskTop() {
    stepWatcher_.waitForFinished();
}

void TDeskTop::BuildTableCloth() {
    cloth_ = new TableCloth([this] { LayoutTable(); }, this);
    cloth_->setObjectName(QStringLiteral("TableCloth"));
    tablePanel_ = new TrickArea([this] {
        if (tableEnabled_ && !stepRunning_ && controller_->State().TrickOnTable) Step(&TableController::CleanTable);
    }, cloth_);
    tablePanel_->setObjectName(QStringLiteral("TablePanel"));
    cardTable_.Panel = tablePanel_;
    for (TSeat seat = North; seat <= West; ++seat) {
        auto* name = new QLabel(cloth_);
        name->setObjectName(QStringLiteral("SeatName") + QChar(SeatLetters[seat]));
        name->setAlignment(Qt::AlignCenter);
        name->setStyleSheet(QStringLiteral("QLabel { color: white; font-weight: bold; background: rgba(0,0,0,70);"
                                           " border-radius: 4px; padding: 1px 8px; }"));
        name->setText(FromCore(SeatNames[seat]));
        seatNames_[seat] = name;
        trickCards_[seat] = new TNewCard(&deck_, cloth_);
        trickCards_[seat]->hide();
        for (size_t slot = 0; slot < 13; ++slot) {
            auto* card = new TPelloryCard(seat, &deck_, &cardTable_, cloth_);
            card->hide();
            card->SetPlayed(true);
            connect(card, &TPelloryCard::PlayRequested, this,
                    [this](CardCode code) { RunStep([this, code] { controller_->PlayCardClick(code); }); },
                    Qt::QueuedConnection);
            connect(card, &TPelloryCard::SnappedBack, this, [this, seat] { RedrawHand(seat); });
            cards_[seat][slot] = card;
        }
    }
    showButton_ = PanelButton(cloth_, QStringLiteral("ShowButton"), QStringLiteral("Show"));
    showButton_->hide();
    connect(showButton_, &QPushButton::clicked, this, [this] { Step(&TableController::ShowButtonClick); });

    ddPanel_ = new DDPanel(cloth_);
    ddPanel_->hide();
    connect(ddPanel_, &DDPanel::CloseClicked, this, [this] { Step(&TableController::CloseDDResultsClick); });

    dealerOptions_ = new DealerOptionsPanel(QString::fromStdString(services_.DataFolder), cloth_);
    dealerOptions_->hide();
    dealerOptions_->SetPlayerName(FromCore(services_.Options.PlayerName));
    connect(dealerOptions_, &DealerOptionsPanel::ChoiceMade, this, &TDeskTop::StartDealerChoice);
    connect(dealerOptions_, &DealerOptionsPanel::PlayerChosen, this, [this](const QString& name) {
        if (stepRunning_ || name.isEmpty()) return;
        if (services_.Settings) {
            LoadPlayer(ToCore(name));
            ApplySettings();
        } else {
            TableOptions options = controller_->Options();
            options.PlayerName = ToCore(name);
            controller_->SetOptions(options);
        }
        controller_->UpdateCaptions();
    });
    connect(dealerOptions_, &DealerOptionsPanel::ScoringAnalysisClicked, this,
            [this] { RunStep([this] { controller_->OpenFormClick(Form::ScoringAnalysis); }); });
    connect(dealerOptions_, &DealerOptionsPanel::CCEditorClicked, this,
            [this] { RunStep([this] { controller_->OpenFormClick(Form::CCEditor); }); });
    connect(dealerOptions_, &DealerOptionsPanel::PreferencesClicked, this, [this] { Step(&TableController::PreferencesClick); });
    connect(dealerOptions_, &DealerOptionsPanel::ScoreBookClicked, this, [this] { Step(&TableController::ScoreBookClick); });
}

void TDeskTop::BuildSidePanel() {
    side_ = new QWidget(this);
    side_->setObjectName(QStringLiteral("SidePanel"));
    side_->setFixedWidth(300);
    auto* layout = new QVBoxLayout(side_);
    layout->setContentsMargins(6, 6, 6, 6);
    auto label = [this, layout](Caption caption, const QString& name, bool bold = false) {
        auto* text = new QLabel(side_);
        text->setObjectName(name);
        text->setTextFormat(Qt::RichText);
        text->setWordWrap(true);
        if (bold) {
            QFont font = text->font();
            font.setBold(true);
            text->setFont(font);
        }
        layout->addWidget(text);
        captions_[caption] = text;
        return text;
    };
    label(Caption::NSTeamLine, QStringLiteral("NSTeamLine"));
    label(Caption::EWTeamLine, QStringLiteral("EWTeamLine"));
    label(Caption::BoardPanel, QStringLiteral("BoardPanel"), true);
    label(Caption::ContractText, QStringLiteral("ContractText"), true);
    label(Caption::TricksWon, QStringLiteral("TricksWon"));
    label(Caption::SouthHcp, QStringLiteral("SouthHcp"));

    auctionGrid_ = new MarkupGrid(side_);
    auctionGrid_->setObjectName(QStringLiteral("AuctionGrid"));
    auctionGrid_->horizontalHeader()->show();
    auctionGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auctionGrid_->setColumnCount(AuctionColumns);
    auctionGrid_->setHorizontalHeaderLabels({QStringLiteral("West"), QStringLiteral("North"), QStringLiteral("East"),
                                             QStringLiteral("South")});
    auctionGrid_->setMinimumHeight(150);
    layout->addWidget(auctionGrid_, 1);
    label(Caption::AuctionMessage, QStringLiteral("AuctionMessage"));

    scorePad_ = new MarkupGrid(side_);
    scorePad_->setObjectName(QStringLiteral("ScorePad"));
    scorePad_->setShowGrid(false);
    scorePad_->setStyleSheet(QStringLiteral("QTableWidget { background: #fffdf0; }"));
    scorePad_->setColumnCount(2);
    scorePad_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    scorePad_->hide();
    layout->addWidget(scorePad_);

    controls_ = new QStackedWidget(side_);
    box_ = new BiddingBox(controls_);
    connect(box_, &BiddingBox::Selected, this,
            [this](const QString& code) { RunStep([this, code = ToCore(code)] { controller_->ProcessBid(code); }); });
    controls_->addWidget(box_);

    playPad_ = new QWidget(controls_);
    playPad_->setObjectName(QStringLiteral("PlayPad"));
    playPad_->setToolTip(QStringLiteral("Click to speed up play"));
    {
        auto* pad = new QGridLayout(playPad_);
        auto* text = new QLabel(playPad_);
        text->setObjectName(QStringLiteral("PlayPadText"));
        captions_[Caption::PlayPadText] = text;
        pad->addWidget(text, 0, 0, 1, 2);
        const std::vector<std::tuple<const char*, const char*, void (TableController::*)()>> buttons{
            {"ClearTable", "Clear &Table", &TableController::CleanTable},
            {"HintButton", "H&int", &TableController::HintClick},
            {"TakeBackCard", "Take &Back", &TableController::TPPBackupClick},
            {"SlowClaim", "Slo&w Claim", &TableController::ButSlowClaimClick},
            {"FastClaim", "&Fast Claim", &TableController::FastClaimClick},
            {"DDClaim", "&DD Claim", &TableController::DDClaimClick},
            {"PadReplay", "Replay Hand", &TableController::EOSReplayClick},
            {"PadNewHand", "New Hand", &TableController::EOSNewHandClick},
            {"PadRebid", "Rebid Hand", &TableController::StartNewHand},
        };
        int i = 0;
        for (const auto& [name, caption, member] : buttons) {
            auto* button = PanelButton(playPad_, QString::fromLatin1(name), QString::fromLatin1(caption));
            connect(button, &QPushButton::clicked, this, [this, member = member] { Step(member); });
            pad->addWidget(button, 1 + i / 2, i % 2);
            ++i;
        }
    }
    controls_->addWidget(playPad_);

    endOfBidding_ = new QWidget(controls_);
    endOfBidding_->setObjectName(QStringLiteral("EndOfBidding"));
    {
        auto* pad = new QVBoxLayout(endOfBidding_);
        auto* start = PanelButton(endOfBidding_, QStringLiteral("StartButton"), QStringLiteral("Start &Play"));
        connect(start, &QPushButton::clicked, this, [this] { Step(&TableController::StartButtonClick); });
        auto* rebid = PanelButton(endOfBidding_, QStringLiteral("EOBRebid"), QStringLiteral("Reb&id"));
        connect(rebid, &QPushButton::clicked, this, [this] { Step(&TableController::StartNewHand); });
        auto* next = PanelButton(endOfBidding_, QStringLiteral("EOBNewHand"), QStringLiteral("Ne&w Hand"));
        connect(next, &QPushButton::clicked, this, [this] { Step(&TableController::EOBNewHandClick); });
        auto* back = PanelButton(endOfBidding_, QStringLiteral("EOBTakeBack"), QStringLiteral("Take &Back"));
        connect(back, &QPushButton::clicked, this, [this] { Step(&TableController::ButTakeBackBidClick); });
        for (auto* b : {start, rebid, next, back}) pad->addWidget(b);
        pad->addStretch();
    }
    controls_->addWidget(endOfBidding_);

    endOfScoring_ = new QWidget(controls_);
    endOfScoring_->setObjectName(QStringLiteral("EndOfScoring"));
    {
        auto* pad = new QGridLayout(endOfScoring_);
        auto* next = PanelButton(endOfScoring_, QStringLiteral("EOSNewHand"), QStringLiteral("&New Hand"));
        connect(next, &QPushButton::clicked, this, [this] { Step(&TableController::EOSNewHandClick); });
        auto* dd = PanelButton(endOfScoring_, QStringLiteral("EOSDDResult"), QStringLiteral("DD Result"));
        connect(dd, &QPushButton::clicked, this, [this] { Step(&TableController::DoubleDummyResults1Click); });
        auto* open = PanelButton(endOfScoring_, QStringLiteral("EOSOpenRoom"), QStringLiteral("&Open Rm"));
        connect(open, &QPushButton::clicked, this, [this] { RunStep([this] { controller_->OpenFormClick(Form::ScoreBook); }); });
        auto* closed = PanelButton(endOfScoring_, QStringLiteral("EOSClosedRoom"), QStringLiteral("&Closed Rm"));
        connect(closed, &QPushButton::clicked, this, [this] { RunStep([this] { controller_->OpenFormClick(Form::ScoreBook); }); });
        auto* rebid = PanelButton(endOfScoring_, QStringLiteral("EOSRebid"), QStringLiteral("Re&bid"));
        connect(rebid, &QPushButton::clicked, this, [this] { Step(&TableController::StartNewHand); });
        auto* replay = PanelButton(endOfScoring_, QStringLiteral("EOSReplay"), QStringLiteral("Re&play"));
        connect(replay, &QPushButton::clicked, this, [this] { Step(&TableController::EOSReplayClick); });
        int i = 0;
        for (auto* b : {next, dd, open, closed, rebid, replay}) {
            pad->addWidget(b, i / 2, i % 2);
            ++i;
        }
    }
    controls_->addWidget(endOfScoring_);
    auto* blank = new QWidget(controls_);
    controls_->addWidget(blank);
    controls_->setCurrentWidget(blank);
    layout->addWidget(controls_);
}

QAction* TDeskTop::AddAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut,
                             std::function<void()> handler) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    if (handler) {
        connect(action, &QAction::triggered, this, std::move(handler));
    } else {
        action->setEnabled(false);
    }
    return action;
}

void TDeskTop::NotAvailable(const QString& what) {
    ui::ShowMessage(this, what + QStringLiteral(" is not available in this version."));
}

void TDeskTop::BuildMenus() {
    auto form = [this](Form f) { return [this, f] { RunStep([this, f] { controller_->OpenFormClick(f); }); }; };
    auto step = [this](void (TableController::*member)()) { return [this, member] { Step(member); }; };

    QMenu* main = menuBar()->addMenu(QStringLiteral("&Main"));
    AddAction(main, QStringLiteral("CCEditor"), QStringLiteral("&CC Editor"), QKeySequence(QStringLiteral("Ctrl+C")),
              form(Form::CCEditor));
    AddAction(main, QStringLiteral("ScoringAnalysis"), QStringLiteral("&Scoring Analysis"),
              QKeySequence(QStringLiteral("Ctrl+A")), form(Form::ScoringAnalysis));
    AddAction(main, QStringLiteral("Preferences"), QStringLiteral("&Preferences"), QKeySequence(QStringLiteral("Ctrl+P")),
              step(&TableController::PreferencesClick));
    AddAction(main, QStringLiteral("PracticeDeals"), QStringLiteral("Practice Deals"),
              QKeySequence(QStringLiteral("Ctrl+D")), [this] { StartDealerChoice(DealerOptionsPanel::Practice); });
    AddAction(main, QStringLiteral("CustomHands"), QStringLiteral("Custom Hands"), QKeySequence(QStringLiteral("Ctrl+H")),
              [this] { StartDealerChoice(DealerOptionsPanel::Custom); });
    AddAction(main, QStringLiteral("NetworkPlay"), QStringLiteral("Network Play"), QKeySequence(QStringLiteral("Ctrl+N")),
              {});
    main->addSeparator();
    AddAction(main, QStringLiteral("Exit"), QStringLiteral("E&xit"), {}, [this] { close(); });

    QMenu* dealing = menuBar()->addMenu(QStringLiteral("&Dealing"));
    AddAction(dealing, QStringLiteral("NextHand"), QStringLiteral("&Next Hand"), QKeySequence(Qt::Key_F2),
              step(&TableController::EOSNewHandClick));
    AddAction(dealing, QStringLiteral("PriorHand"), QStringLiteral("&Prior Hand"), QKeySequence(Qt::Key_F3),
              step(&TableController::PriorHandClick));
    AddAction(dealing, QStringLiteral("DeleteHand"), QStringLiteral("Delete This Hand"), QKeySequence(Qt::Key_F4),
              step(&TableController::DeleteThisHandClick));
    AddAction(dealing, QStringLiteral("DealerOptions"), QStringLiteral("&Dealer Options"), {},
              step(&TableController::OpenDealerOptions));
    AddAction(dealing, QStringLiteral("SpecifySeed"), QStringLiteral("&Specify Random Seed"), QKeySequence(Qt::Key_F5),
              [this] { StartDealerChoice(DealerOptionsPanel::Seed); });
    AddAction(dealing, QStringLiteral("SelectBridgeFile"), QStringLiteral("Select Bridge File"), QKeySequence(Qt::Key_F6),
              [this] { StartDealerChoice(DealerOptionsPanel::BridgeFile); });
    QMenu* pbn = dealing->addMenu(QStringLiteral("Copy to PBN"));
    AddAction(pbn, QStringLiteral("CopyFileToPbn"), QStringLiteral("Entire File"), {},
              [this] { RunStep([this] { controller_->CopyToPbnClick(false); }); });
    AddAction(pbn, QStringLiteral("CopyDealToPbn"), QStringLiteral("Just this deal"), {},
              [this] { RunStep([this] { controller_->CopyToPbnClick(true); }); });

    reviewMenu_ = menuBar()->addMenu(QStringLiteral("&Review"));
    AddAction(reviewMenu_, QStringLiteral("ScoreBook"), QStringLiteral("&Score Book"), {}, step(&TableController::ScoreBookClick));
    AddAction(reviewMenu_, QStringLiteral("MatchResults"), QStringLiteral("&Match Results"), {},
              step(&TableController::MatchResultsClick));
    AddAction(reviewMenu_, QStringLiteral("ShowRubberPad"), QStringLiteral("Show &Rubber Score Pad"), {},
              form(Form::RubberScorePad));
    AddAction(reviewMenu_, QStringLiteral("ZeroRubberPad"), QStringLiteral("&Zero Rubber Score Pad"), {}, [this] {
        RunStep([this] {
            controller_->ZeroRubberScorePadClick();
            // The pad lives in the player file: a cleared pad stays cleared after a restart.
            OnGui([this] { SavePlayer(); });
        });
    });
    AddAction(reviewMenu_, QStringLiteral("SaveHand"), QStringLiteral("Save &Hand"), {}, step(&TableController::SaveHandClick));

    playOptionsMenu_ = menuBar()->addMenu(QStringLiteral("Play &Options"));
    AddAction(playOptionsMenu_, QStringLiteral("ReplayHand"), QStringLiteral("Re&play Hand"), {},
              step(&TableController::EOSReplayClick));
    AddAction(playOptionsMenu_, QStringLiteral("RebidHand"), QStringLiteral("Re&bid Hand"), {},
              step(&TableController::StartNewHand));
    AddAction(playOptionsMenu_, QStringLiteral("ShowAllHands"), QStringLiteral("&Show all 4 hands"),
              QKeySequence(Qt::Key_F8), step(&TableController::ShowAllHands));
    AddAction(playOptionsMenu_, QStringLiteral("HideNonPlaying"), QStringLiteral("&Hide non-playing hands"),
              QKeySequence(Qt::Key_F9), step(&TableController::HideNonPlayingHands));
    AddAction(playOptionsMenu_, QStringLiteral("ShowDDResults"), QStringLiteral("Show DD Results"), {},
              step(&TableController::DoubleDummyResults1Click));
    AddAction(playOptionsMenu_, QStringLiteral("SwapCCs"), QStringLiteral("Swap N-S && E-W CCs"), QKeySequence(Qt::Key_F11),
              [this] { SwapConventionCards(); });

    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    AddAction(info, QStringLiteral("Answers"), QStringLiteral("&Frequently Asked Questions"), {}, form(Form::HelpAnswers));
    AddAction(info, QStringLiteral("BidDefHelp"), QStringLiteral("&Help on Bid Definitions"), {},
              form(Form::HelpBidDefinitions));
    AddAction(info, QStringLiteral("ReportProblem"), QStringLiteral("Report Bidding Problem"), {},
              step(&TableController::ReportProblemClick));
    AddAction(info, QStringLiteral("About"), QStringLiteral("About Corvane"), {}, form(Form::About));
}

void TDeskTop::StartTable() {
    dealerOptions_->ReloadPlayers();
    Step(&TableController::OpenDealerOptions);
}

void TDeskTop::StartDealerChoice(int choice) {
    const QString player = dealerOptions_->PlayerName();
    if (services_.Settings && !player.isEmpty()) {
        if (ToCore(player) != services_.Settings->CurrentPlayer()) LoadPlayer(ToCore(player));
        ApplySettings();
        SavePlayer();
    }
    RunStep([this, choice, player = ToCore(player)] {
        TableOptions options = controller_->Options();
        options.PlayerName = player;
        controller_->SetOptions(options);
        controller_->DealerChoice(choice);
    });
}

// ---- steps and threads

void TDeskTop::Step(void (TableController::*member)()) {
    RunStep([this, member] { (controller_.get()->*member)(); });
}

bool TDeskTop::RunStep(std::function<void()> step) {
    if (stepRunning_) {
        ui::Beep();
        return false;
    }
    stepRunning_ = true;
    SetInputEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    stepWatcher_.setFuture(QtConcurrent::run(std::move(step)));
    return true;
}

void TDeskTop::WaitForSteps() {
    while (stepRunning_) QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
}

void TDeskTop::OnGui(const std::function<void()>& work) {
    if (QThread::currentThread() == thread()) {
        work();
    } else {
        QMetaObject::invokeMethod(this, work, Qt::BlockingQueuedConnection);
    }
}

void TDeskTop::SetInputEnabled(bool enabled) {
    // The menus and the table go quiet while a step runs; painting and resizing go on.
    menuBar()->setEnabled(enabled && tableEnabled_);
    controls_->setEnabled(enabled && tableEnabled_);
    dealerOptions_->setEnabled(enabled);
    ddPanel_->setEnabled(enabled);
    showButton_->setEnabled(enabled && tableEnabled_);
}

bool TDeskTop::CardMayBePlayed(const TPelloryCard& card) const {
    return !stepRunning_ && tableEnabled_ && controller_->AcceptsCardFrom(card.Seat()) &&
           controller_->Hands()[card.Seat()].HoldsCard(card.Code()) &&
           MayPlay(controller_->Hands()[card.Seat()], card.Code(),
                   controller_->State().TrickPosition() == 1 ? -1 : controller_->State().SuitLed);
}

// ---- keys

void TDeskTop::keyPressEvent(QKeyEvent* event) {
    if (stepRunning_ || dealerOptions_->isVisible()) return;
    TableKey key;
    const int k = event->key();
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: key = TableKey::Of(KeyCode::Enter); break;
    case Qt::Key_Backspace: key = TableKey::Of(KeyCode::Backspace); break;
    case Qt::Key_Left: key = TableKey::Of(KeyCode::Left); break;
    case Qt::Key_Right: key = TableKey::Of(KeyCode::Right); break;
    case Qt::Key_Up: key = TableKey::Of(KeyCode::Up); break;
    case Qt::Key_Down: key = TableKey::Of(KeyCode::Down); break;
    case Qt::Key_Home: key = TableKey::Of(KeyCode::Home); break;
    case Qt::Key_F1: return;  // help is the help system's
    case Qt::Key_F7: key = TableKey::Of(KeyCode::F7); break;
    case Qt::Key_F11: SwapConventionCards(); return;  // when the menu's shortcut did not take it
    default:
        if (k >= Qt::Key_Space && k <= Qt::Key_AsciiTilde) {
            key = TableKey::Char(static_cast<char>(QChar(k).toUpper().toLatin1()));
        } else if (k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Alt || k == Qt::Key_Meta) {
            return;
        } else {
            key = TableKey::Of(KeyCode::Other);
        }
    }
    key.Shift = event->modifiers() & Qt::ShiftModifier;
    key.Ctrl = event->modifiers() & Qt::ControlModifier;
    key.Alt = event->modifiers() & Qt::AltModifier;
    RunStep([this, key] { controller_->KeyDown(key); });
}

void TDeskTop::SwapConventionCards() {
    RunStep([this] { controller_->SwapConventionCardsClick(); });
}

void TDeskTop::closeEvent(QCloseEvent* event) {
    WaitForSteps();
    SavePlayer();
    event->accept();
}

void TDeskTop::LoadPlayer(const std::string& name) {
    // What the table holds of the player leaving (his rubber above all) is written before any
    // player file is read, the same player's included.
    SavePlayer();
    if (const std::string error = services_.Settings->LoadPlayer(name); !error.empty()) {
        ui::ShowMessage(this, FromCore(error));
    }
    controller_->Scores().Pad = services_.Settings->Values.Pad;
}

void TDeskTop::SavePlayer() {
    if (!services_.Settings || services_.Settings->CurrentPlayer().empty()) return;
    // The table keeps the pad while it plays; the file takes it from there.
    services_.Settings->Values.Pad = controller_->Scores().Pad;
    if (const std::string error = services_.Settings->SavePlayer(); !error.empty()) ui::ShowMessage(this, FromCore(error));
}

// ---- TableView

MessageAnswer TDeskTop::ShowMessage(const std::string& text, MessageButtons buttons) {
    MessageAnswer answer = MessageAnswer::Ok;
    OnGui([&] {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const auto pressed = ui::ShowMessage(this, FromCore(text),
                                             buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                                              : QMessageBox::StandardButtons(QMessageBox::Ok));
        QApplication::restoreOverrideCursor();
        answer = buttons == MessageButtons::Ok ? MessageAnswer::Ok
                 : pressed == QMessageBox::Yes ? MessageAnswer::Yes
                                               : MessageAnswer::No;
    });
    return answer;
}

void TDeskTop::Beep(BeepKind) { OnGui([] { ui::Beep(); }); }

QWidget* TDeskTop::PanelWidget(Panel panel) const {
    switch (panel) {
    case Panel::DealerOptions: return dealerOptions_;
    case Panel::DDResults: return ddPanel_;
    case Panel::EndOfBidding: return endOfBidding_;
    case Panel::EndOfScoring: return endOfScoring_;
    case Panel::BiddingBox: return box_;
    case Panel::PlayPad: return playPad_;
    case Panel::ShowButton: return showButton_;
    case Panel::RubberPad: return rubberPad_;
    case Panel::ScorePad: return scorePad_;
    case Panel::Contract: return captions_.at(Caption::ContractText);
    case Panel::AuctionRecap: return auctionGrid_;
    default: return nullptr;
    }
}

bool TDeskTop::PanelShown(Panel panel) const {
    const auto found = panelShown_.find(panel);
    return found != panelShown_.end() && found->second;
}

void TDeskTop::ShowPanel(Panel panel, bool shown) {
    OnGui([=, this] {
        panelShown_[panel] = shown;
        QWidget* widget = PanelWidget(panel);
        if (!widget) return;
        if (widget->parentWidget() == controls_) {
            if (shown) {
                controls_->setCurrentWidget(widget);
            } else if (controls_->currentWidget() == widget) {
                controls_->setCurrentIndex(controls_->count() - 1);
            }
            return;
        }
        if (panel == Panel::RubberPad) {
            if (shown) {
                ShowRubberPad();
            } else {
                rubberPad_->hide();
            }
            return;
        }
        if (panel == Panel::ScorePad && shown) {
            scorePad_->SetCells(ToTextGrid(controller_->OpenRoomScorePad()));
            scorePad_->resizeRowsToContents();
            scorePad_->setFixedHeight(scorePad_->verticalHeader()->length() + 4);
        }
        widget->setVisible(shown);
        if (shown) widget->raise();
        // Keys go to the table once the dealer options are put away.
        if (panel == Panel::DealerOptions && !shown) cloth_->setFocus();
        LayoutTable();
    });
}

void TDeskTop::EnableCommand(Command command, bool enabled) {
    OnGui([=, this] {
        auto button = [this](const char* name) { return Button(QString::fromLatin1(name)); };
        auto action = [this](const char* name) { return Action(QString::fromLatin1(name)); };
        auto set = [enabled](QObject* object) {
            if (auto* widget = qobject_cast<QWidget*>(object)) widget->setEnabled(enabled);
            if (auto* act = qobject_cast<QAction*>(object)) act->setEnabled(enabled);
        };
        switch (command) {
        case Command::MainMenu: menuBar()->setEnabled(enabled); break;
        case Command::Table:
            tableEnabled_ = enabled;
            if (!stepRunning_) SetInputEnabled(true);
            break;
        case Command::ReplayHand: set(action("ReplayHand")); set(button("PadReplay")); break;
        case Command::RebidHand: set(action("RebidHand")); set(button("PadRebid")); break;
        case Command::PriorHand: set(action("PriorHand")); break;
        case Command::SlowClaim: set(button("SlowClaim")); break;
        case Command::Hint: set(button("HintButton")); break;
        case Command::TakeBackCard: set(button("TakeBackCard")); break;
        case Command::TakeBackCall:
            box_->SetHelperEnabled(BiddingBox::Helper::TakeBack, enabled);
            set(button("EOBTakeBack"));
            break;
        case Command::ClearTable: set(button("ClearTable")); break;
        case Command::StartPlay: set(button("StartButton")); break;
        case Command::ClosedRoom: set(button("EOSClosedRoom")); break;
        case Command::OpenRoom: set(button("EOSOpenRoom")); break;
        case Command::Rebid: set(button("EOSRebid")); break;
        case Command::Replay: set(button("EOSReplay")); break;
        case Command::ReviewMenu: reviewMenu_->setEnabled(enabled); break;
        case Command::PlayOptionsMenu: playOptionsMenu_->setEnabled(enabled); break;
        }
    });
}

QString TDeskTop::CaptionText(Caption caption) const {
    if (caption == Caption::Window) return windowTitle();
    if (caption == Caption::StartButton) return Button(QStringLiteral("StartButton"))->text();
    if (caption == Caption::HintButton) return Button(QStringLiteral("HintButton"))->text();
    if (caption == Caption::ShowButton) return showButton_->text();
    if (caption == Caption::ParText) return ddPanel_->ParLabel()->text();
    const auto found = captions_.find(caption);
    return found == captions_.end() ? QString() : found->second->text();
}

void TDeskTop::SetCaption(Caption caption, const std::string& text) {
    OnGui([=, this] {
        const QString value = FromCore(text);
        switch (caption) {
        case Caption::Window: setWindowTitle(value); return;
        case Caption::StartButton: Button(QStringLiteral("StartButton"))->setText(value); return;
        case Caption::HintButton: Button(QStringLiteral("HintButton"))->setText(value); return;
        case Caption::ShowButton:
            showButton_->setText(value);
            showButton_->adjustSize();
            PlaceShowButton();
            return;
        case Caption::ParText: ddPanel_->SetParText(value); return;
        case Caption::PlayTime: return;  // the play timer is not shown on this table
        default: break;
        }
        if (QLabel* label = captions_.count(caption) ? captions_.at(caption) : nullptr) label->setText(MarkupToHtml(value));
    });
}

void TDeskTop::SetSeatName(TSeat seat, const std::string& name) {
    OnGui([=, this] {
        // Vulnerable seats wear red, as on a duplicate board.
        const bool vulnerable = SeatVulnerable(controller_->Board().Vul, seat);
        seatNames_[seat]->setStyleSheet(
            QStringLiteral("QLabel { color: white; font-weight: bold; border-radius: 4px; padding: 1px 8px;"
                           " background: %1; }")
                .arg(vulnerable ? QStringLiteral("rgba(190,20,30,210)") : QStringLiteral("rgba(0,0,0,70)")));
        seatNames_[seat]->setText(FromCore(name));
        seatNames_[seat]->adjustSize();
        LayoutTable();
    });
}

void TDeskTop::RedrawHand(TSeat seat) {
    OnGui([=, this] {
        const THands& hand = controller_->Hands()[seat];
        const TableState& state = controller_->State();
        const bool playing = state.Phase == PhasePlaying || state.Phase == PhaseHandOver;
        const Strain trumpRow = playing && state.Trump < Spades && IsBid(state.Contract) ? state.Trump : Spades;
        const std::vector<CardCode> shown = CardsInDisplayOrder(hand, trumpRow, controller_->Options().SuitOrder);
        const bool faceUp = controller_->IsHandShown(seat);
        for (size_t slot = 0; slot < cards_[seat].size(); ++slot) {
            TPelloryCard* card = cards_[seat][slot];
            if (slot < shown.size()) {
                card->SetHoldPaint(true);
                card->SetCard(shown[slot]);
                card->SetShowBack(!faceUp);
                const CardCode hint = hand.Suits[size_t(SuitOf(shown[slot]))].HintCard;
                card->SetHilite(faceUp && (hint == shown[slot] || highlighted_[seat] == shown[slot]));
                card->SetPlayed(false);
                card->SetHoldPaint(false);
                card->show();
            } else {
                card->SetPlayed(true);
                card->hide();
            }
        }
        LayoutTable();
    });
}

void TDeskTop::ShowTrickCard(TSeat seat, CardCode card) {
    OnGui([=, this] {
        TNewCard* shown = trickCards_[seat];
        if (!IsCard(card)) {
            shown->hide();
            return;
        }
        shown->SetCard(card);
        shown->SetShowBack(false);
        shown->show();
        shown->raise();
        LayoutTable();
    });
}

void TDeskTop::HighlightCard(TSeat seat, CardCode card) {
    OnGui([=, this] { highlighted_[seat] = card; });
    RedrawHand(seat);
}

void TDeskTop::AuctionChanged() {
    OnGui([this] {
        const TableAuction& auction = controller_->Auction();
        std::vector<CallCode> calls;
        for (const TableCall& call : auction.Calls()) calls.push_back(call.Code);
        auctionGrid_->SetCells(AuctionCells(auction.Dealer(), calls));
        auctionGrid_->resizeRowsToContents();
        auctionGrid_->scrollToBottom();
        BiddingBox::CallSet legal;
        for (CallCode c = Redouble; c < NoCall; ++c) legal.set(c, auction.IsLegal(c));
        box_->SetEnabledCalls(legal);
    });
}

void TDeskTop::SetBusy(bool busy) {
    OnGui([=, this] {
        if (busy == busy_) return;
        busy_ = busy;
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    });
}

void TDeskTop::StartTimer(TableTimer, int milliseconds) {
    OnGui([=, this] { clearTableTimer_->start(milliseconds); });
}

void TDeskTop::StopTimer(TableTimer) {
    OnGui([this] { clearTableTimer_->stop(); });
}

FormResult TDeskTop::OpenForm(Form form, std::int32_t argument) {
    FormResult result;
    OnGui([&, this] {
        if (formResponder_) {
            if (const std::optional<FormResult> answer = formResponder_(form, argument)) {
                result = *answer;
                return;
            }
        }
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        switch (form) {
        case Form::SeedDialog: {
            TDlgNewSeed dialog(this);
            if (dialog.exec() == QDialog::Accepted) result = {true, dialog.Seed()};
            break;
        }
        case Form::ExplainMenu:
            if (const std::optional<TSeat> seat = ChooseSeatToExplain()) result = {true, *seat};
            break;
        case Form::SeatCalls:
            if (argument < North || argument > West) break;
            SeatCallsDialog(controller_->Auction(), static_cast<TSeat>(argument), this).exec();
            result.Accepted = true;
            break;
        case Form::RubberScorePad:
            ShowRubberPad();
            result.Accepted = true;
            break;
        case Form::About:
            QMessageBox::about(this, QStringLiteral("About Corvane"),
                               QStringLiteral("<b>Corvane %1</b><p>Contract bridge against the computer.</p>")
                                   .arg(QString::fromLatin1(ProgramVersion)));
            result.Accepted = true;
            break;
        case Form::Preferences: {
            if (!services_.Settings) {
                NotAvailable(QStringLiteral("Preferences"));
                break;
            }
            const TableState& state = controller_->State();
            TSetupOptions preferences(services_.Settings->Values, state.MatchPlay && state.HandNumber > 0, this);
            if (preferences.exec() != QDialog::Accepted) break;
            services_.Settings->Values = preferences.Values();
            SavePlayer();
            ApplySettings();
            result.Accepted = true;
            break;
        }
        default: NotAvailable(QStringLiteral("This form")); break;
        }
        QApplication::restoreOverrideCursor();
    });
    return result;
}

std::optional<TSeat> TDeskTop::ChooseSeatToExplain() {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("ExplainMenu"));
    for (TSeat seat = North; seat <= West; ++seat) {
        QAction* entry = menu.addAction(FromCore(TableController::ExplainMenuCaption(seat)));
        entry->setObjectName(QStringLiteral("Explain") + FromCore(SeatNames[seat]));
        entry->setData(int(seat));
    }
    // Under the box's "Explain Bid" when it is up, else where the pointer is.
    const QWidget* explain = box_->HelperButton(BiddingBox::Helper::Explain);
    const QPoint at = explain->isVisible() ? explain->mapToGlobal(QPoint(0, explain->height())) : QCursor::pos();
    const QAction* chosen = menu.exec(at);
    if (!chosen) return std::nullopt;
    return static_cast<TSeat>(chosen->data().toInt());
}

void TDeskTop::ShowRubberPad() {
    ScoreKeeper& scores = controller_->Scores();
    rubberPad_->SetPad(ToTextGrid(scores.ShowScorePad(controller_->PlayerNames())), scores.GameInProgressRow());
    rubberPad_->show();
    rubberPad_->raise();
}

void TDeskTop::ShowDDResults() {
    OnGui([this] {
        const auto& table = controller_->DDResultTable();
        DDTricks tricks{};
        for (int seat = 0; seat < 4; ++seat) {
            for (int strain = 0; strain < 5; ++strain) tricks[size_t(seat)][size_t(strain)] = table[size_t(seat * 5 + strain)];
        }
        ddPanel_->SetTable(tricks);
        const ParResult& par = controller_->Par();
        const int strain = ParStrain(par);
        ddPanel_->MarkPar(strain < 0 ? -1 : int(par.Declarer), strain);
        ddPanel_->show();
        ddPanel_->raise();
        LayoutTable();
    });
}

bool TDeskTop::OpenUrl(const std::string& url) {
    bool opened = false;
    OnGui([&] { opened = QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url))); });
    return opened;
}

void TDeskTop::EndProgram() {
    OnGui([this] { QTimer::singleShot(0, qApp, [] { QApplication::exit(1); }); });
}

// ---- layout and drawing

void TDeskTop::ApplySettings() {
    if (!services_.Settings) {
        LayoutTable();
        return;
    }
    const Options& values = services_.Settings->Values;
    deck_.SetLook(CardLookFrom(values));
    ApplyColors(this, values);
    controller_->SetOptions(TableOptionsFrom(values, services_.Settings->CurrentPlayer()));
    LayoutTable();
}

QWidget* TDeskTop::TablePanel() const { return tablePanel_; }

TPelloryCard* TDeskTop::CardWidget(TSeat seat, CardCode card) const {
    for (TPelloryCard* widget : cards_[seat]) {
        if (!widget->Played() && widget->Code() == card) return widget;
    }
    return nullptr;
}

QPushButton* TDeskTop::Button(const QString& objectName) const { return findChild<QPushButton*>(objectName); }

QAction* TDeskTop::Action(const QString& objectName) const { return findChild<QAction*>(objectName); }

void TDeskTop::LayoutTable() {
    if (!cloth_) return;
    const int w = cloth_->width(), h = cloth_->height();
    const int cw = deck_.Width(), ch = deck_.Height();
    const int step = std::max(14, cw * 2 / 7);
    const int handWidth = cw + 12 * step;
    const std::array<QPoint, 4> handAt{
        QPoint((w - handWidth) / 2, Margin + NameHeight),
        QPoint(w - Margin - handWidth, (h - ch) / 2 + NameHeight / 2),
        QPoint((w - handWidth) / 2, h - Margin - ch),
        QPoint(Margin, (h - ch) / 2 + NameHeight / 2),
    };
    const int tableW = 3 * cw + 40, tableH = 2 * ch + ch / 2 + 20;
    const QRect table((w - tableW) / 2, (h - tableH) / 2 + NameHeight / 2, tableW, tableH);
    tablePanel_->setGeometry(table);
    tablePanel_->lower();
    const std::array<QPoint, 4> trickAt{
        QPoint(table.center().x() - cw / 2, table.top() + 10),
        QPoint(table.right() - cw - 10, table.center().y() - ch / 2),
        QPoint(table.center().x() - cw / 2, table.bottom() - ch - 10),
        QPoint(table.left() + 10, table.center().y() - ch / 2),
    };
    for (TSeat seat = North; seat <= West; ++seat) {
        int slot = 0;
        int count = 0;
        for (TPelloryCard* card : cards_[seat]) count += card->Played() ? 0 : 1;
        const int offset = (13 - count) * step / 2;
        for (TPelloryCard* card : cards_[seat]) {
            if (card->Played()) continue;
            if (!card->Dragging()) card->move(handAt[seat] + QPoint(offset + slot * step, 0));
            card->raise();
            ++slot;
        }
        QLabel* name = seatNames_[seat];
        name->adjustSize();
        const QPoint hand = handAt[seat];
        name->move(hand.x() + (handWidth - name->width()) / 2, hand.y() - NameHeight);
        trickCards_[seat]->move(trickAt[seat]);
        if (trickCards_[seat]->isVisible()) trickCards_[seat]->raise();
    }
    PlaceShowButton();
    if (ddPanel_ && ddPanel_->isVisible()) {
        ddPanel_->adjustSize();
        ddPanel_->move(table.center() - QPoint(ddPanel_->width() / 2, ddPanel_->height() / 2));
        ddPanel_->raise();
    }
    if (dealerOptions_ && dealerOptions_->isVisible()) {
        dealerOptions_->adjustSize();
        dealerOptions_->move((w - dealerOptions_->width()) / 2, (h - dealerOptions_->height()) / 2);
        dealerOptions_->raise();
    }
    cloth_->setMinimumSize(2 * (Margin + handWidth) + tableW + 20, 2 * (Margin + NameHeight + ch) + tableH + 20);
}

void TDeskTop::PlaceShowButton() {
    if (!showButton_) return;
    // Beside the name of the seat it names.
    for (TSeat seat = North; seat <= West; ++seat) {
        if (showButton_->text().endsWith(FromCore(SeatNames[seat]))) {
            const QLabel* name = seatNames_[seat];
            showButton_->move(name->geometry().right() + 8, name->y() - 3);
            showButton_->raise();
        }
    }
}

}  // namespace corvane::ui
