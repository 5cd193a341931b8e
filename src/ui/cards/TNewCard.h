// One card on screen: face or back from the shared deck, highlight, and the mouse handling that
// lets a card be turned over or dragged.
#pragma once

#include "cards/Cards.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace corvane::ui {

class TCardDeck;

class TNewCard : public QWidget {
    Q_OBJECT
public:
    enum class Orientation { Upright, Sideways };

    TNewCard(TCardDeck* deck, QWidget* parent = nullptr);

    int Suit() const { return suit_; }
    TRank Rank() const { return rank_; }
    CardCode Code() const { return rank_ >= 2 ? MakeCard(suit_, rank_) : NoCard; }
    bool ShowBack() const { return showBack_; }
    bool Hilite() const { return hilite_; }
    bool Played() const { return played_; }
    bool Turnable() const { return turnable_; }
    corvane::ui::TNewCard::Orientation CardOrientation() const { return orientation_; }
    bool HoldPaint() const { return holdPaint_; }

    void SetSuit(int suit);
    void SetRank(TRank rank);
    void SetCard(CardCode card);
    void SetShowBack(bool back);
    void SetHilite(bool hilite);
    void SetPlayed(bool played) { played_ = played; }
    void SetTurnable(bool turnable) { turnable_ = turnable; }
    void SetOrientation(Orientation orientation);
    // While set, property changes wait for the next explicit repaint.
    void SetHoldPaint(bool hold);

    bool Dragging() const { return dragging_; }
    // Where the card sat when the button went down; a drag that plays nothing returns it there.
    QPoint HomePosition() const { return home_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Whether a left press may start a drag; the table's cards allow it only when playable.
    virtual bool DragAllowed() const { return true; }
    // The left button came up; `heldMs` is how long it was down.
    virtual void Released(qint64 heldMs);
    void EndDrag();

private:
    void Changed();
    void FitSize();

    QPointer<TCardDeck> deck_;
    int suit_ = 0;
    TRank rank_ = 0;
    bool showBack_ = false;
    bool hilite_ = false;
    bool played_ = false;
    bool turnable_ = false;
    Orientation orientation_ = Orientation::Upright;
    bool holdPaint_ = false;

    bool pressed_ = false;
    bool dragging_ = false;
    QPoint home_;
    QPoint pressGlobal_;
    qint64 pressTime_ = 0;
};

}  // namespace corvane::ui
