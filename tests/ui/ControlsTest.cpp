// Text markup, the bidding box, the auction grid, the seed dialog, the double-dummy panel and the
// rubber pad.
#include "UiTest.h"

#include "bidding/CallText.h"
#include "ui/bidding/AuctionCells.h"
#include "ui/bidding/BiddingBox.h"
#include "ui/bidding/SeatCallsDialog.h"
#include "ui/common/MarkupButton.h"
#include "ui/common/Messages.h"
#include "ui/common/Text.h"
#include "ui/dialogs/TDlgNewSeed.h"
#include "ui/scoring/RubberPadWindow.h"
#include "ui/table/DDPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace corvane::ui::test {

class ControlsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SetMessageResponder({}); }

    void SuitMarkupBecomesColouredSymbols() {
        const auto runs = ParseMarkup(QStringLiteral("4~hX by ~S, ~N ~Z~"));
        QStringList texts;
        for (const auto& run : runs) texts << run.Text;
        QCOMPARE(texts, (QStringList{QStringLiteral("4"), QString(QChar(0x2665)), QStringLiteral("X by "),
                                     QString(QChar(0x2660)), QStringLiteral(", "), QStringLiteral("NT"),
                                     QStringLiteral(" ~Z~")}));
        QCOMPARE(runs[1].Color, QColor(210, 0, 0));
        QVERIFY(!runs[3].Color.isValid());  // spades take the text colour
        QCOMPARE(runs[5].Color, QColor(0, 0, 128));
        QCOMPARE(MarkupToHtml(QStringLiteral("1~D <")),
                 QStringLiteral("1<span style=\"color:#d20000\">%1</span> &lt;").arg(QChar(0x2666)));
    }

    void CoreTextKeepsItsWindowsBytes() {
        const std::string dashes = "\x97\x97\x97 ";
        QCOMPARE(FromCore(dashes), QString(3, QChar(0x2014)) + QStringLiteral(" "));
        QCOMPARE(ToCore(FromCore(dashes)), dashes);
        QCOMPARE(ToCore(QStringLiteral("caf\u00e9 \u20ac")), std::string("caf\xe9 \x80"));
        QCOMPARE(ToCore(QString(QChar(0x4e2d))), std::string("?"));
    }

    void AuctionGridStartsInTheDealersColumn() {
        // North deals: West's cell is dashed, North's call opens row 0.
        TextGrid cells = AuctionCells(North, {BidCode(1, Spades), Pass, Double, Redouble, Pass});
        QCOMPARE(cells.size(), size_t(2));
        QCOMPARE(FromCore(cells[0][0]), QString(3, QChar(0x2014)) + QStringLiteral(" "));
        QCOMPARE(cells[0][1], std::string("1~S"));
        QCOMPARE(cells[0][3], CallDisplayText(Double));    // South
        QCOMPARE(cells[1][0], CallDisplayText(Redouble));  // West, on the next round
        QCOMPARE(cells[1][1], CallDisplayText(Pass));
        // West deals: the first call is in column 0 of row 0, no dashes.
        cells = AuctionCells(West, {Pass});
        QCOMPARE(cells.size(), size_t(1));
        QCOMPARE(cells[0][0], CallDisplayText(Pass));
        QCOMPARE(cells[0][1], std::string(" "));
        // South deals: three dashed cells before it.
        cells = AuctionCells(South, {Pass, Pass});
        QCOMPARE(cells[0][2].substr(0, 1), std::string("\x97"));
        QCOMPARE(cells[1][0], CallDisplayText(Pass));
    }

    void BiddingBoxGivesSelectionCodesForEnabledCallsOnly() {
        BiddingBox box;
        QSignalSpy selected(&box, &BiddingBox::Selected);
        BiddingBox::CallSet legal;
        legal.set(Pass);
        legal.set(Double);
        for (int c = BidCode(1, Hearts); c <= LastBid; ++c) legal.set(size_t(c));
        box.SetEnabledCalls(legal);
        QCOMPARE(box.EnabledCalls(), legal);
        QTest::mouseClick(box.CallButton(BidCode(4, Spades)), Qt::LeftButton);
        QTest::mouseClick(box.CallButton(BidCode(1, NoTrump)), Qt::LeftButton);
        QTest::mouseClick(box.CallButton(Pass), Qt::LeftButton);
        QTest::mouseClick(box.CallButton(Double), Qt::LeftButton);
        QTest::mouseClick(box.CallButton(Redouble), Qt::LeftButton);  // not enabled
        QTest::mouseClick(box.CallButton(BidCode(1, Clubs)), Qt::LeftButton);  // not enabled
        for (auto helper : {BiddingBox::Helper::Explain, BiddingBox::Helper::Hint, BiddingBox::Helper::TestBid,
                            BiddingBox::Helper::TakeBack}) {
            QTest::mouseClick(box.HelperButton(helper), Qt::LeftButton);
        }
        QStringList codes;
        for (const auto& args : selected) codes << args.at(0).toString();
        QCOMPARE(codes, (QStringList{"S4", "N1", "PA", "XD", "Ex", "Hi", "Te", "Ta"}));
        QCOMPARE(box.CallButton(Redouble)->text(), QStringLiteral("X RDbl"));
        QCOMPARE(box.HelperButton(BiddingBox::Helper::TestBid)->toolTip(),
                 QStringLiteral("Test what any bid means in this sequence"));
    }

    void TestPadTurnsTheBoxGreenAndBack() {
        QWidget parent;
        auto* box = new BiddingBox(&parent);
        const QColor normal = box->palette().color(QPalette::Window);
        box->SetTestMode(true);
        QCOMPARE(box->palette().color(QPalette::Window), QColor(0, 255, 0));
        box->SetTestMode(false);
        QCOMPARE(box->palette().color(QPalette::Window), normal);
    }

    void SeedDialogRefusesZeroAndOverlongNumbers() {
        QStringList messages;
        SetMessageResponder([&](const QString& text, QMessageBox::StandardButtons) {
            messages << text;
            return QMessageBox::Ok;
        });
        TDlgNewSeed dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Enter a New Random Seed"));
        dialog.show();
        for (const char* typed : {"0", "000000000", "", "99999999999"}) {
            dialog.Entry()->setText(QString::fromLatin1(typed));
            dialog.accept();
            QVERIFY(dialog.isVisible());
        }
        QCOMPARE(messages, (QStringList{"The random number must not equal zero", "That random number was too long!",
                                        "The random number must not equal zero", "That random number was too long!"}));
        dialog.Entry()->clear();
        QTest::keyClicks(dialog.Entry(), QStringLiteral("-12345x6"));
        QCOMPARE(dialog.Entry()->text(), QStringLiteral("-123456"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Seed(), -123456);
    }

    void DoubleDummyPanelShowsTricksAndMarksPar() {
        DDPanel panel;
        DDTricks tricks{};
        for (int seat = 0; seat < 4; ++seat) {
            for (int strain = 0; strain < 5; ++strain) tricks[size_t(seat)][size_t(strain)] = seat + strain;
        }
        panel.SetTable(tricks);
        MarkupGrid* grid = panel.Grid();
        QCOMPARE(grid->rowCount(), 6);
        QCOMPARE(grid->CellMarkup(0, 1), QStringLiteral("N"));
        QCOMPARE(grid->CellMarkup(0, 4), QStringLiteral("W"));
        QCOMPARE(grid->CellMarkup(1, 0), QStringLiteral("~N"));
        QCOMPARE(grid->CellMarkup(5, 0), QStringLiteral("~C"));
        QCOMPARE(grid->CellMarkup(1, 2), QStringLiteral("5"));  // East in notrump
        QCOMPARE(grid->CellMarkup(5, 4), QStringLiteral("3"));  // West in clubs
        QVERIFY(grid->item(0, 2)->font().bold());
        panel.SetParText(QStringLiteral("Par: 4~S N/S; N-S 620"));
        panel.MarkPar(South, Spades);
        QVERIFY(grid->item(2, 3)->font().bold());
        QVERIFY(!grid->item(2, 2)->font().bold());
        QVERIFY(panel.ParLabel()->text().contains(QChar(0x2660)));
        // The next board's par moves the mark: the old cell is plain again, and a new table or a
        // passed-out par leaves no cell marked.
        panel.MarkPar(West, Clubs);
        QCOMPARE(panel.MarkedCell(), std::make_pair(5, 4));
        QVERIFY(grid->item(5, 4)->font().bold());
        QVERIFY(!grid->item(2, 3)->font().bold());
        QVERIFY(grid->item(0, 2)->font().bold());  // the header stays bold
        panel.SetTable(tricks);
        QVERIFY(!grid->item(5, 4)->font().bold());
        panel.MarkPar(North, NoTrump);
        panel.MarkPar(-1, -1);
        QCOMPARE(panel.MarkedCell(), std::make_pair(-1, -1));
        QVERIFY(!grid->item(1, 1)->font().bold());
        QSignalSpy closed(&panel, &DDPanel::CloseClicked);
        QTest::mouseClick(panel.CloseButton(), Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(panel.CloseButton()->text(), QStringLiteral("Close DD Results"));
    }

    void SeatCallsListOnlyThatSeatsCallsInOrder() {
        TableAuction auction;
        auction.Reset(West);
        QVERIFY(auction.Accept(BidCode(1, Clubs), "3+ clubs"));
        QVERIFY(auction.Accept(BidCode(1, Spades), "5+ spades"));
        QVERIFY(auction.Accept(Pass));
        QVERIFY(auction.Accept(Pass));
        QVERIFY(auction.Accept(BidCode(2, Clubs), "6+ clubs"));
        QCOMPARE(SeatCallRows(auction, West),
                 (TextGrid{{"1~C", "3+ clubs"}, {"2~C", "6+ clubs"}}));
        QCOMPARE(SeatCallRows(auction, North), (TextGrid{{"1~S", "5+ spades"}}));
        QCOMPARE(SeatCallRows(auction, South), (TextGrid{{"Pass", ""}}));

        // A seat yet to call gets a dialog that says so, not an empty grid.
        auction.Reset(South);
        SeatCallsDialog dialog(auction, East);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("East's Bids"));
        QCOMPARE(dialog.Grid()->rowCount(), 0);
        QVERIFY(dialog.Grid()->isHidden());
        QVERIFY(dialog.findChild<QLabel*>()->text().contains(QStringLiteral("no call")));
    }

    void RubberPadShowsTheCoreGrid() {
        RubberPadWindow pad;
        std::array<std::array<std::string, 3>, 10> cells{};
        cells[0][0] = "South made 4~S X + 1";
        cells[2] = {"", "WE", "THEY"};
        cells[6][1] = "120";
        pad.SetPad(ToTextGrid(cells), 6);
        QCOMPARE(pad.Grid()->rowCount(), RubberPadRows);
        QCOMPARE(pad.Grid()->CellMarkup(2, 1), QStringLiteral("WE"));
        QCOMPARE(pad.Grid()->CellMarkup(6, 1), QStringLiteral("120"));
        QCOMPARE(pad.Grid()->item(6, 0)->background().color(), QColor(255, 240, 170));
        QVERIFY(pad.Grid()->item(5, 0)->background().color() != QColor(255, 240, 170));
    }

};

CORVANE_UI_TEST(ControlsTest)

}  // namespace corvane::ui::test

#include "ControlsTest.moc"
