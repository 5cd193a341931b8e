// The card images and the card controls' mouse rules.
#include "UiTest.h"

#include "ui/cards/CardArt.h"
#include "ui/cards/TCardDeck.h"
#include "ui/cards/TPelloryCard.h"

#include <QSignalSpy>
#include <QTest>

namespace corvane::ui::test {

namespace {

int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

}  // namespace

class CardWidgetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ImagesKeepTheStandardProportions() {
        QCOMPARE(CardWidthForHeight(95), 71);
        QCOMPARE(CardWidthForHeight(124), 93);
        QCOMPARE(CardWidthForHeight(60), 45);
        TCardDeck deck;
        deck.SetLook({124, 0, Qt::blue, Qt::yellow});
        const QPixmap face = deck.Face(Spades, Ace, false, 1.0);
        QCOMPARE(face.size(), QSize(93, 124));
    }

    void HighDensityScreensGetSharperImagesOfTheSameLogicalSize() {
        TCardDeck deck;
        const QPixmap normal = deck.Face(Hearts, 7, false, 1.0);
        const QPixmap sharp = deck.Face(Hearts, 7, false, 2.0);
        QCOMPARE(sharp.size(), normal.size() * 2);
        QCOMPARE(sharp.deviceIndependentSize().toSize(), normal.size());
        QCOMPARE(deck.CachedCount(), 2);
        deck.Face(Hearts, 7, false, 2.0);
        QCOMPARE(deck.CachedCount(), 2);
    }

    void EveryFaceAndBackIsDrawnDifferently() {
        TCardDeck deck;
        std::vector<QImage> images;
        for (int suit = 0; suit < 4; ++suit) {
            for (TRank rank = 2; rank <= Ace; ++rank) images.push_back(deck.Face(suit, rank, false, 1).toImage());
        }
        for (int design = 0; design < BackDesignCount; ++design) {
            CardLook look = deck.Look();
            look.BackDesign = design;
            deck.SetLook(look);
            images.push_back(deck.Back(1).toImage());
        }
        for (size_t i = 0; i < images.size(); ++i) {
            for (size_t j = i + 1; j < images.size(); ++j) {
                QVERIFY2(DifferingPixels(images[i], images[j]) > 20,
                         qPrintable(QStringLiteral("images %1 and %2 look alike").arg(i).arg(j)));
            }
        }
    }

    void CornersAreRoundedAndTheHighlightTintsTheFace() {
        TCardDeck deck;
        const QImage plain = deck.Face(Clubs, King, false, 1).toImage();
        const QImage lit = deck.Face(Clubs, King, true, 1).toImage();
        QCOMPARE(qAlpha(plain.pixel(0, 0)), 0);
        QCOMPARE(QColor(plain.pixel(plain.width() / 2, 4)), QColor(Qt::white));
        QCOMPARE(QColor(lit.pixel(lit.width() / 2, 4)), deck.Look().HiliteColor);
    }

    void BackColourAndSizeChangesRebuildTheImages() {
        TCardDeck deck;
        QSignalSpy changed(&deck, &TCardDeck::Changed);
        const QImage blue = deck.Back(1).toImage();
        CardLook look = deck.Look();
        look.BackColor = QColor(150, 20, 20);
        deck.SetLook(look);
        QCOMPARE(changed.count(), 1);
        QVERIFY(DifferingPixels(blue, deck.Back(1).toImage()) > 1000);
        deck.SetLook(look);
        QCOMPARE(changed.count(), 1);
        TNewCard card(&deck);
        look.Height = 60;
        deck.SetLook(look);
        QCOMPARE(card.size(), QSize(45, 60));
    }

    void RightButtonTurnsOnlyTurnableCards() {
        TCardDeck deck;
        TNewCard card(&deck);
        card.SetCard(MakeCard(Spades, Queen));
        QTest::mouseClick(&card, Qt::RightButton);
        QVERIFY(!card.ShowBack());
        card.SetTurnable(true);
        QTest::mouseClick(&card, Qt::RightButton);
        QVERIFY(card.ShowBack());
        QTest::mouseClick(&card, Qt::RightButton);
        QVERIFY(!card.ShowBack());
    }

    void QuickClickPlaysAndSlowReleaseAwayFromTheTableSnapsBack() {
        Fixture f;
        QSignalSpy played(f.card, &TPelloryCard::PlayRequested);
        QSignalSpy snapped(f.card, &TPelloryCard::SnappedBack);
        QTest::mousePress(f.card, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(f.card, Qt::LeftButton, {}, QPoint(10, 10), 100);
        QCOMPARE(played.count(), 1);
        QCOMPARE(played.at(0).at(0).value<CardCode>(), MakeCard(Hearts, Ten));

        const QPoint home = f.card->pos();
        QTest::mousePress(f.card, Qt::LeftButton, {}, QPoint(10, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 10), f.card->mapToGlobal(QPointF(40, 10)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.card, &move);
        QCOMPARE(f.card->pos(), home + QPoint(30, 0));
        QTest::mouseRelease(f.card, Qt::LeftButton, {}, QPoint(40, 10), 700);
        QCOMPARE(played.count(), 1);
        QCOMPARE(snapped.count(), 1);
        QCOMPARE(f.card->pos(), home);
    }

    void SlowDragOntoTheTablePlays() {
        Fixture f;
        QSignalSpy played(f.card, &TPelloryCard::PlayRequested);
        QTest::mousePress(f.card, Qt::LeftButton, {}, QPoint(10, 10));
        const QPoint target = f.table->geometry().center() - f.card->pos();
        QMouseEvent move(QEvent::MouseMove, QPointF(target), f.card->mapToGlobal(QPointF(target)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.card, &move);
        QVERIFY(f.card->OnTable());
        QTest::mouseRelease(f.card, Qt::LeftButton, {}, target, 900);
        QCOMPARE(played.count(), 1);
    }

    void ACardTheTableRefusesNeitherDragsNorPlays() {
        Fixture f;
        f.allowed = false;
        QSignalSpy played(f.card, &TPelloryCard::PlayRequested);
        const QPoint home = f.card->pos();
        QTest::mousePress(f.card, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!f.card->Dragging());
        QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), f.card->mapToGlobal(QPointF(60, 60)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.card, &move);
        QTest::mouseRelease(f.card, Qt::LeftButton, {}, QPoint(60, 60), 50);
        QCOMPARE(played.count(), 0);
        QCOMPARE(f.card->pos(), home);
        // A played card, or a hidden one, is never offered either.
        f.allowed = true;
        f.card->SetPlayed(true);
        QVERIFY(!f.card->OKtoPlay());
    }

    void WhileDealingCustomHandsAReleasePicksTheCard() {
        Fixture f;
        f.customDealing = true;
        QSignalSpy picked(f.card, &TPelloryCard::Picked);
        QSignalSpy played(f.card, &TPelloryCard::PlayRequested);
        QTest::mouseClick(f.card, Qt::LeftButton);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(played.count(), 0);
    }

private:
    struct Fixture {
        Fixture() {
            rules.MayPlay = [this](const TPelloryCard&) { return allowed; };
            rules.CustomDealing = [this] { return customDealing; };
            window.resize(600, 500);
            table = new QWidget(&window);
            table->setGeometry(200, 50, 200, 200);
            rules.Panel = table;
            card = new TPelloryCard(South, &deck, &rules, &window);
            card->SetCard(MakeCard(Hearts, Ten));
            card->move(250, 380);
            window.show();
        }
        TCardDeck deck;
        TPelloryCard::Table rules;
        QWidget window;
        QWidget* table;
        TPelloryCard* card;
        bool allowed = true;
        bool customDealing = false;
    };
};

CORVANE_UI_TEST(CardWidgetsTest)

}  // namespace corvane::ui::test

#include "CardWidgetsTest.moc"
