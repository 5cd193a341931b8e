// The table window driven as a person drives it: a player, a seeded deal, calls by keys and by
// the bidding box, cards by click, drag and keys, a take-back, a claim and the score.
#include "PassingBidder.h"
#include "UiTest.h"

#include "convention/ConventionCards.h"
#include "files/BridgeINI.h"
#include "table/BridgeHandFile.h"
#include "ui/bidding/BiddingBox.h"
#include "ui/bidding/SeatCallsDialog.h"
#include "ui/common/MarkupButton.h"
#include "ui/common/MarkupGrid.h"
#include "ui/common/Messages.h"
#include "ui/common/Text.h"
#include "ui/desktop/DealerOptionsPanel.h"
#include "ui/desktop/TDeskTop.h"
#include "ui/dialogs/TDlgNewSeed.h"
#include "ui/scoring/RubberPadWindow.h"
#include "ui/table/DDPanel.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrlQuery>

#include <atomic>

namespace corvane::ui::test {

namespace {

// Plays nothing of its own (the table then plays its default card) and reports a fixed
// double-dummy table.
class QuietSolver final : public SolverLibrary {
public:
    std::int32_t Initialize(const PlayBlock&) override { return 0; }
    std::int32_t PlayCard(int, int) override { return 0; }
    std::int32_t TakeBackCard() override { return 0; }
    bool HasSingleDummyPlay() const override { return false; }
    std::int32_t GetSD(const std::array<CardCode, 13>&, GetSDResult&) override { return -1; }
    std::int32_t SolveBoard(const SolvePosition&, SolveResult& result) override {
        result.fill(0);
        return SolveOk;
    }
    std::int32_t CalcDDtable(const DealHoldings&, DDTableResult& result) override {
        for (size_t i = 0; i < result.size(); ++i) result[i] = int(i % 14);
        return SolveOk;
    }
};

// Acts on the next window of type T that `active` reports, once it is up.
template <class T>
void WhenShown(QWidget* (*active)(), std::function<void(T*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, active, act] {
        if (auto* window = qobject_cast<T*>(active())) {
            poll->stop();
            poll->deleteLater();
            act(window);
        }
    });
    poll->start();
}

template <class T>
void WhenModal(std::function<void(T*)> act) {
    WhenShown<T>(&QApplication::activeModalWidget, std::move(act));
}

void WhenPopup(std::function<void(QMenu*)> act) { WhenShown<QMenu>(&QApplication::activePopupWidget, std::move(act)); }

}  // namespace

// Stands in for the desktop's mail program.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public Q_SLOTS:
    void Open(const QUrl& url) { Urls << url; }
};

class DeskTopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        messages_.clear();
        SetMessageResponder([this](const QString& text, QMessageBox::StandardButtons buttons) {
            messages_ << text;
            return buttons & QMessageBox::Yes ? QMessageBox::No : QMessageBox::Ok;
        });
        dir_ = std::make_unique<QTemporaryDir>();
        BuildDesk();
    }

    void cleanup() {
        desk_.reset();
        SetMessageResponder({});
    }

    void StartsWithTheDealerOptionsAndNeedsAPlayer() {
        QFile existing(dir_->filePath(QStringLiteral("Bob.sta")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        desk_->StartTable();
        desk_->WaitForSteps();
        QVERIFY(desk_->PanelShown(Panel::DealerOptions));
        QVERIFY(desk_->DealerOptions()->isVisible());
        QCOMPARE(desk_->DealerOptions()->PlayerSelector()->count(), 1);
        QVERIFY(!desk_->Action(QStringLiteral("ScoreBook"))->isEnabled() ||
                !desk_->menuBar()->actions().at(2)->menu()->isEnabled());

        desk_->DealerOptions()->PlayerSelector()->setEditText(QString());
        QTest::mouseClick(desk_->DealerOptions()->ButtonNamed(QStringLiteral("StartPlay")), Qt::LeftButton);
        desk_->WaitForSteps();
        QCOMPARE(messages_.value(0),
                 QStringLiteral("Please choose a player name from the drop-down list or type in a new player's name."));
        QVERIFY(desk_->DealerOptions()->isVisible());

        // Deleting the only player is refused with the name quoted.
        desk_->DealerOptions()->PlayerSelector()->setEditText(QStringLiteral("Bob"));
        QTest::mouseClick(desk_->DealerOptions()->ButtonNamed(QStringLiteral("DeletePlayer")), Qt::LeftButton);
        QCOMPARE(messages_.value(1), QStringLiteral("You must always have at least one valid player. It you want to "
                                                    "delete \"Bob\" you must first play a hand with a new player."));
        QVERIFY(existing.exists());
    }

    void PlaysASeededHandFromTheFirstCallToTheScore() {
        desk_->StartTable();
        desk_->WaitForSteps();
        // A new player.
        QLineEdit* name = desk_->DealerOptions()->PlayerSelector()->lineEdit();
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Alice"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(desk_->windowTitle().contains(QStringLiteral("Alice")));

        // Seed 12345 through the seed dialog: East deals, East-West vulnerable.
        WhenModal<TDlgNewSeed>([](TDlgNewSeed* dialog) {
            QTest::keyClicks(dialog->Entry(), QStringLiteral("12345"));
            dialog->accept();
        });
        desk_->Action(QStringLiteral("SpecifySeed"))->trigger();
        desk_->WaitForSteps();
        const TableController& table = desk_->Controller();
        QVERIFY(!desk_->DealerOptions()->isVisible());
        QCOMPARE(table.Board().Dealer, East);
        QCOMPARE(table.Board().Holdings[North][Spades], RankBit(8) | RankBit(7) | RankBit(4));
        QCOMPARE(table.State().CurrentSeat, South);
        QVERIFY(desk_->CardWidget(South, MakeCard(Hearts, Ace))->isVisible());
        QVERIFY(!desk_->CardWidget(South, MakeCard(Hearts, Ace))->ShowBack());
        QVERIFY(desk_->CardWidget(North, MakeCard(Diamonds, King))->ShowBack());
        MarkupGrid* grid = desk_->AuctionGridWidget();
        QCOMPARE(grid->CellMarkup(0, 2), QStringLiteral("Pass"));
        QVERIFY(desk_->Box()->isVisible());
        QVERIFY(!desk_->Box()->CallButton(Redouble)->isEnabled());

        // A double of nothing is refused with a beep; then 1NT typed level first.
        const int beeps = BeepCount();
        Type("X");
        QCOMPARE(table.Auction().Calls().size(), size_t(1));
        QTest::keyClick(desk_.get(), Qt::Key_Return);
        desk_->WaitForSteps();
        QCOMPARE(BeepCount(), beeps + 1);
        QCOMPARE(table.Auction().Calls().size(), size_t(1));
        Type("1N");
        QCOMPARE(grid->CellMarkup(0, 3), QStringLiteral("1~N"));
        QCOMPARE(table.State().Phase, PhaseBiddingOver);
        QVERIFY(desk_->PanelShown(Panel::EndOfBidding));
        QCOMPARE(desk_->CaptionText(Caption::ContractText), MarkupToHtml(QStringLiteral("Contract 1~N by South")));

        QTest::mouseClick(desk_->Button(QStringLiteral("StartButton")), Qt::LeftButton);
        desk_->WaitForSteps();
        QCOMPARE(table.State().Phase, PhasePlaying);
        QCOMPARE(table.State().CardsPlayed, 1);  // West's lead
        QVERIFY(desk_->TrickCardWidget(West)->isVisible());
        QCOMPARE(table.State().CurrentSeat, North);
        QVERIFY(!desk_->CardWidget(North, MakeCard(Diamonds, King))->ShowBack());  // the dummy is down

        // The dummy's card by a click.
        TPelloryCard* click = PlayableCard(North);
        QVERIFY(click);
        const CardCode clicked = click->Code();
        QTest::mouseClick(click, Qt::LeftButton);
        WaitUntilSettled();
        QCOMPARE(desk_->TrickCardWidget(North)->Code(), clicked);
        QCOMPARE(table.State().CurrentSeat, South);

        // South's card by a slow drag onto the table.
        TPelloryCard* drag = PlayableCard(South);
        QVERIFY(drag);
        const CardCode dragged = drag->Code();
        QVERIFY(!table.Hands()[South].HoldsCard(MakeCard(Clubs, 2)) || dragged != NoCard);
        QTest::mousePress(drag, Qt::LeftButton, {}, QPoint(10, 10));
        const QPoint target = drag->mapFromGlobal(desk_->TablePanel()->mapToGlobal(desk_->TablePanel()->rect().center()));
        QMouseEvent move(QEvent::MouseMove, QPointF(target), drag->mapToGlobal(QPointF(target)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(drag, &move);
        QTest::mouseRelease(drag, Qt::LeftButton, {}, target, 800);
        WaitUntilSettled();
        QVERIFY(!table.Hands()[South].HoldsCard(dragged));
        // The finished trick leaves the table by itself.
        QTRY_VERIFY(!desk_->TrickCardWidget(South)->isVisible());
        QCOMPARE(table.State().CardsPlayed, 4);
        desk_->WaitForSteps();

        // The next card by its rank and suit keys, from whichever of the person's hands leads.
        const TSeat seat = table.State().CurrentSeat;
        QVERIFY(seat == North || seat == South);
        const CardCode keyed = PlayableCard(seat)->Code();
        Type(QString(QChar(RankChars[size_t(RankOf(keyed))])) + QChar(StrainLetters[size_t(SuitOf(keyed))]));
        QVERIFY(!table.Hands()[seat].HoldsCard(keyed));
        const int played = table.State().CardsPlayed;
        QVERIFY(played > 4);

        // Take back the last card: it goes back to its hand and off the table.
        const corvane::PlayedCard last = table.State().PlayRecord.back();
        QTest::keyClick(desk_.get(), Qt::Key_Backspace);
        WaitUntilSettled();
        QCOMPARE(table.State().CardsPlayed, played - 1);
        QVERIFY(table.Hands()[last.Seat].HoldsCard(last.Card));
        QVERIFY(!desk_->TrickCardWidget(last.Seat)->isVisible());

        // Claim the rest and reach the score.
        QTest::mouseClick(desk_->Button(QStringLiteral("FastClaim")), Qt::LeftButton);
        WaitUntilSettled();
        QCOMPARE(table.State().Phase, PhaseHandOver);
        QCOMPARE(table.State().CardsPlayed, 52);
        QVERIFY(desk_->PanelShown(Panel::EndOfScoring));
        QVERIFY(desk_->PanelShown(Panel::ScorePad));
        QVERIFY(desk_->ScorePadWidget()->isVisible());
        QCOMPARE(desk_->ScorePadWidget()->CellMarkup(0, 0), QStringLiteral("Open Room"));
        QVERIFY(desk_->ScorePadWidget()->CellMarkup(1, 0).startsWith(QStringLiteral(" Alice ")));
        QVERIFY(desk_->ScorePadWidget()->CellMarkup(1, 0).contains(QStringLiteral("1~N")));
        // Every hand is shown once the hand is over.
        QVERIFY(!desk_->CardWidget(East, PlayedCard(East))
                || !desk_->CardWidget(East, PlayedCard(East))->ShowBack());
        desk_->Action(QStringLiteral("ShowRubberPad"))->trigger();
        desk_->WaitForSteps();
        QVERIFY(desk_->RubberPad()->isVisible());
        desk_->RubberPad()->close();

        // The next board: a call by the bidding box.
        QTest::mouseClick(desk_->Button(QStringLiteral("EOSNewHand")), Qt::LeftButton);
        WaitUntilSettled();
        QCOMPARE(table.State().Phase, PhaseBidding);
        QCOMPARE(table.State().CurrentSeat, South);
        const size_t before = table.Auction().Calls().size();
        QTest::mouseClick(desk_->Box()->CallButton(BidCode(2, Spades)), Qt::LeftButton);
        WaitUntilSettled();
        QVERIFY(table.Auction().Calls().size() > before);
        QCOMPARE(table.Auction().Calls()[before].Code, BidCode(2, Spades));

        // The first board's result is on disk from the moment it was scored.
        {
            TBridgeINI disk(NewHandsPath());
            QCOMPARE(disk.BoardStatus(1, "Alice"), Played);
            QCOMPARE(disk.LoadBoard(1), 0);
            QCOMPARE(disk.LoadResult(ResultSectionName(1, "Alice")), 0);
            QCOMPARE(disk.Record.Contract, BidCode(1, NoTrump));
            QCOMPARE(disk.Record.Declarer, South);
        }
        // A new window over the same folder knows it: Alice starts after the boards she has met.
        desk_.reset();
        files_.reset();
        BuildDesk();
        QCOMPARE(files_->Current()->PlayedBefore(1, "Alice"), FinishedBefore);
        ChoosePlayer(QStringLiteral("Alice"));
        QTest::mouseClick(desk_->DealerOptions()->ButtonNamed(QStringLiteral("StartPlay")), Qt::LeftButton);
        WaitUntilSettled();
        QCOMPARE(desk_->Controller().State().HandNumber, 3);
        QCOMPARE(desk_->Controller().State().Phase, PhaseBidding);
    }

    void FormsOpenAndCancel() {
        ChoosePlayer(QStringLiteral("Carol"));

        // The seed dialog, cancelled: still at the dealer options, nothing dealt.
        bool seen = false;
        WhenModal<TDlgNewSeed>([&seen](TDlgNewSeed* dialog) {
            seen = true;
            dialog->reject();
        });
        desk_->Action(QStringLiteral("SpecifySeed"))->trigger();
        desk_->WaitForSteps();
        QVERIFY(seen);
        QVERIFY(desk_->DealerOptions()->isVisible());
        QCOMPARE(desk_->Controller().Hands()[South].CardCount(), 0);

        // The about box.
        seen = false;
        WhenModal<QMessageBox>([&seen](QMessageBox* box) {
            seen = box->text().contains(QStringLiteral("Corvane 6.2"));
            box->accept();
        });
        desk_->Action(QStringLiteral("About"))->trigger();
        desk_->WaitForSteps();
        QVERIFY(seen);

        // The rubber pad window.
        desk_->Action(QStringLiteral("ShowRubberPad"))->setEnabled(true);
        desk_->Action(QStringLiteral("ShowRubberPad"))->trigger();
        desk_->WaitForSteps();
        QVERIFY(desk_->RubberPad()->isVisible());
        desk_->RubberPad()->reject();
        QVERIFY(!desk_->RubberPad()->isVisible());

        // The double-dummy panel opens over a dealt board and closes with its button.
        QTest::mouseClick(desk_->DealerOptions()->ButtonNamed(QStringLiteral("StartPlay")), Qt::LeftButton);
        desk_->WaitForSteps();
        desk_->Action(QStringLiteral("ShowDDResults"))->trigger();
        desk_->WaitForSteps();
        QVERIFY(desk_->DoubleDummyPanel()->isVisible());
        QCOMPARE(desk_->DoubleDummyPanel()->Grid()->CellMarkup(0, 1), QStringLiteral("N"));
        QTest::mouseClick(desk_->DoubleDummyPanel()->CloseButton(), Qt::LeftButton);
        desk_->WaitForSteps();
        QVERIFY(!desk_->DoubleDummyPanel()->isVisible());

        // Copy to PBN says where the copy went, on a line of its own.
        messages_.clear();
        desk_->Action(QStringLiteral("CopyDealToPbn"))->trigger();
        desk_->WaitForSteps();
        const QString pbn = dir_->filePath(QStringLiteral("New Hands.pbn"));
        QCOMPARE(messages_.value(0), QStringLiteral("This deal has been copied to:\n") + pbn);
        QVERIFY(QFile::exists(pbn));
        // Delete This Hand asks first; No keeps the board.
        desk_->Action(QStringLiteral("DeleteHand"))->trigger();
        desk_->WaitForSteps();
        QCOMPARE(messages_.value(1), QStringLiteral("Do you want to delete this deal?"));
        QCOMPARE(TBridgeINI(NewHandsPath()).BoardCount(), 1);

        // F11 exchanges the sides' cards.
        cards_.State(1).CardFileName = "Ours.cc";
        cards_.State(2).CardFileName = "Theirs.cc";
        QTest::keyClick(desk_.get(), Qt::Key_F11);
        desk_->WaitForSteps();
        QCOMPARE(cards_.State(1).CardFileName, std::string("Theirs.cc"));
        QCOMPARE(cards_.State(2).CardFileName, std::string("Ours.cc"));

        // The cleared rubber pad is shown with nothing on it.
        desk_->Controller().Scores().Pad.At(1, PadCounter::Game1) = 60;
        desk_->Action(QStringLiteral("ZeroRubberPad"))->trigger();
        desk_->WaitForSteps();
        QVERIFY(desk_->RubberPad()->isVisible());
        QCOMPARE(desk_->RubberPad()->Grid()->CellMarkup(2, 1), QStringLiteral("WE"));
        QCOMPARE(desk_->RubberPad()->Grid()->CellMarkup(6, 1), QString());
        QCOMPARE(desk_->Controller().Scores().Pad, ScorePad{});
        desk_->RubberPad()->reject();
    }

    void ReportsABiddingProblemByMail() {
        MailCatcher mail;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "Open");
        // Before a board is dealt there is nothing to report.
        ChoosePlayer(QStringLiteral("Dora"));
        desk_->Action(QStringLiteral("ReportProblem"))->trigger();
        desk_->WaitForSteps();
        QVERIFY(mail.Urls.isEmpty());

        QTest::mouseClick(desk_->DealerOptions()->ButtonNamed(QStringLiteral("StartPlay")), Qt::LeftButton);
        WaitUntilSettled();
        const BoardRecord& board = desk_->Controller().Board();
        desk_->Action(QStringLiteral("ReportProblem"))->trigger();
        desk_->WaitForSteps();
        QCOMPARE(mail.Urls.size(), 1);
        const QUrl url = mail.Urls.front();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QString::fromLatin1(SupportMailAddress));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Bidding problem, board ") + FromCore(board.BoardText));
        const QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
        QVERIFY(body.startsWith(QStringLiteral("Seed: ") + FromCore(board.SeedText) + QStringLiteral("\r\n")));
        QVERIFY(body.contains(QStringLiteral("Deal: ") + FromCore(PbnDealString(board.Holdings))));
        QVERIFY(messages_.isEmpty());

        // Without a mail program the person is told where to write instead.
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        desk_->Action(QStringLiteral("ReportProblem"))->trigger();
        desk_->WaitForSteps();
        QCOMPARE(mail.Urls.size(), 1);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_.front().contains(QString::fromLatin1(SupportMailAddress)));
        QVERIFY(messages_.front().contains(FromCore(board.SeedText)));
    }

    void DoubleDummyPanelShowsParAndMarksItsCell() {
        ChoosePlayer(QStringLiteral("Fay"));
        QTest::mouseClick(desk_->DealerOptions()->ButtonNamed(QStringLiteral("StartPlay")), Qt::LeftButton);
        WaitUntilSettled();
        desk_->Action(QStringLiteral("ShowDDResults"))->trigger();
        WaitUntilSettled();
        DDPanel* panel = desk_->DoubleDummyPanel();
        QVERIFY(panel->isVisible());
        QVERIFY(desk_->PanelShown(Panel::DDResults));
        // The quiet solver's table gives each seat a different count in every strain, so the
        // marked cell's count pins both its row (strain) and its column (declarer).
        const ParResult& par = desk_->Controller().Par();
        const auto [row, column] = panel->MarkedCell();
        QCOMPARE(column, int(par.Declarer) + 1);
        QVERIFY(row >= 1 && row <= 5);
        QCOMPARE(panel->Grid()->CellMarkup(row, column), QString::number(par.Tricks));
        QVERIFY(panel->Grid()->item(row, column)->font().bold());
        // "7~S East": the strain letter follows the level and the "~".
        const std::string parText = ParText(desk_->Controller().DDResultTable(), par, true);
        QCOMPARE(panel->Grid()->CellMarkup(row, 0), FromCore(parText.substr(1, 2)));
        const QString parLine = panel->ParLabel()->text();
        QVERIFY(parLine.startsWith(QStringLiteral("Par: ")));
        QVERIFY(parLine.endsWith(QStringLiteral("; N-S ") + QString::number(par.Score)));
        QCOMPARE(desk_->CaptionText(Caption::ParText), parLine);

        // Closing bids the same deal again.
        const DealHoldings deal = desk_->Controller().Board().Holdings;
        QTest::mouseClick(panel->CloseButton(), Qt::LeftButton);
        WaitUntilSettled();
        QVERIFY(!panel->isVisible());
        QCOMPARE(desk_->Controller().Board().Holdings, deal);
        QCOMPARE(desk_->Controller().State().Phase, PhaseBidding);
    }

    void ExplainsTheCallsOfTheSeatChosen() {
        ChoosePlayer(QStringLiteral("Erin"));
        // Seed 12345: East deals and passes, South is to call.
        WhenModal<TDlgNewSeed>([](TDlgNewSeed* dialog) {
            QTest::keyClicks(dialog->Entry(), QStringLiteral("12345"));
            dialog->accept();
        });
        desk_->Action(QStringLiteral("SpecifySeed"))->trigger();
        WaitUntilSettled();
        const TableController& table = desk_->Controller();
        QCOMPARE(table.State().CurrentSeat, South);
        QWidget* explain = desk_->Box()->HelperButton(BiddingBox::Helper::Explain);

        // A dismissed popup leaves the auction as it was.
        WhenPopup([](QMenu* menu) { menu->close(); });
        QTest::mouseClick(explain, Qt::LeftButton);
        WaitUntilSettled();
        QCOMPARE(table.State().Phase, PhaseBidding);
        QCOMPARE(table.State().CurrentSeat, South);

        QStringList captions;
        WhenPopup([&captions](QMenu* menu) {
            for (QAction* entry : menu->actions()) captions << entry->text();
            menu->setActiveAction(menu->findChild<QAction*>(QStringLiteral("ExplainEast")));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QString title, call;
        int rows = -1;
        TablePhase phase = PhaseBidding;
        TSeat seat = NoSeat;
        WhenModal<SeatCallsDialog>([&, this](SeatCallsDialog* dialog) {
            title = dialog->windowTitle();
            rows = dialog->Grid()->rowCount();
            call = dialog->Grid()->CellMarkup(0, 0);
            phase = desk_->Controller().State().Phase;
            seat = desk_->Controller().State().CurrentSeat;
            dialog->reject();
        });
        QTest::mouseClick(explain, Qt::LeftButton);
        WaitUntilSettled();
        QCOMPARE(captions, (QStringList{QStringLiteral("&North's Bids"), QStringLiteral("&East's Bids"),
                                        QStringLiteral("&South's Bids"), QStringLiteral("&West's Bids")}));
        QCOMPARE(title, QStringLiteral("East's Bids"));
        QCOMPARE(rows, 1);
        QCOMPARE(call, QStringLiteral("Pass"));
        // The seat explained is the table's while the list is up; then the auction goes on.
        QCOMPARE(phase, PhaseExplaining);
        QCOMPARE(seat, East);
        QCOMPARE(table.State().Phase, PhaseBidding);
        QCOMPARE(table.State().CurrentSeat, South);
        Type(QStringLiteral("1N"));
        QCOMPARE(table.Auction().Calls()[1].Code, BidCode(1, NoTrump));
    }

    void TheWindowKeepsPaintingWhileAStepRuns() {
        std::atomic<bool> release{false};
        QVERIFY(desk_->RunStep([&release] {
            while (!release) QThread::msleep(5);
        }));
        QVERIFY(desk_->StepRunning());
        QVERIFY(!desk_->menuBar()->isEnabled());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        // A second command meanwhile is refused, and keys do not reach the table.
        const int beeps = BeepCount();
        QVERIFY(!desk_->RunStep([] {}));
        QCOMPARE(BeepCount(), beeps + 1);
        // Resizing and painting go on.
        const QSize before = desk_->size();
        desk_->resize(before + QSize(60, 40));
        QTRY_COMPARE(desk_->size(), before + QSize(60, 40));
        desk_->repaint();
        release = true;
        desk_->WaitForSteps();
        QVERIFY(desk_->menuBar()->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

private:
    // A window over the hand files of the test's folder, as the program builds it at start-up.
    void BuildDesk() {
        files_ = std::make_unique<BridgeHandFileShelf>(dir_->path().toStdString());
        files_->OpenNewHands();
        TableServices services{&bidder_, &solver_, files_.get(), &dealing_, {}, dir_->path().toStdString(), nullptr};
        services.Options.PlayerName.clear();
        services.Options.ClearTableTime = 1;
        desk_ = std::make_unique<TDeskTop>(services);
        desk_->show();
        QVERIFY(QTest::qWaitForWindowExposed(desk_.get()));
    }

    void ChoosePlayer(const QString& name) {
        desk_->StartTable();
        desk_->WaitForSteps();
        desk_->DealerOptions()->PlayerSelector()->setEditText(name);
        Q_EMIT desk_->DealerOptions()->PlayerSelector()->activated(0);
    }

    std::string NewHandsPath() const { return dir_->filePath(QStringLiteral("New Hands.ini")).toStdString(); }

    void Type(const QString& keys) {
        for (QChar key : keys) {
            QTest::keyClick(desk_.get(), key.toLatin1());
            desk_->WaitForSteps();
        }
    }

    void WaitUntilSettled() {
        QApplication::processEvents();
        desk_->WaitForSteps();
        QApplication::processEvents();
        desk_->WaitForSteps();
    }

    TPelloryCard* PlayableCard(TSeat seat) const {
        const THands& hand = desk_->Controller().Hands()[seat];
        for (int suit = 0; suit < 4; ++suit) {
            for (TRank rank = 2; rank <= Ace; ++rank) {
                if (!Holds(hand.HoldingOf(suit), rank)) continue;
                TPelloryCard* card = desk_->CardWidget(seat, MakeCard(suit, rank));
                if (card && card->OKtoPlay()) return card;
            }
        }
        return nullptr;
    }

    CardCode PlayedCard(TSeat seat) const { return desk_->Controller().State().PlayedCards[seat][0]; }

    std::unique_ptr<QTemporaryDir> dir_;
    // Passes every call, but keeps a pair of cards so F11 can be seen to reach the bidder.
    struct CardHoldingBidder final : PassingBidder {
        explicit CardHoldingBidder(ConventionCards& cards) : Cards(cards) {}
        void SwapConventionCards() override { Cards.ExchangeSides(); }
        ConventionCards& Cards;
    };
    ConventionCards cards_;
    CardHoldingBidder bidder_{cards_};
    QuietSolver solver_;
    DealingState dealing_;
    std::unique_ptr<BridgeHandFileShelf> files_;
    std::unique_ptr<TDeskTop> desk_;
    QStringList messages_;
};

CORVANE_UI_TEST(DeskTopTest)

}  // namespace corvane::ui::test

#include "DeskTopTest.moc"
