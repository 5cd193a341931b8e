#include "ui/cards/TNewCard.h"

#include "ui/cards/TCardDeck.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane::ui {

TNewCard::TNewCard(TCardDeck* deck, QWidget* parent) : QWidget(parent), deck_(deck) {
    setAttribute(Qt::WA_TranslucentBackground);
    FitSize();
    if (deck_) {
        connect(deck_, &TCardDeck::Changed, this, [this] {
            FitSize();
            update();
        });
    }
}

void TNewCard::FitSize() {
    if (!deck_) return;
    const QSize upright(deck_->Width(), deck_->Height());
    setFixedSize(orientation_ == Orientation::Upright ? upright : upright.transposed());
}

QSize TNewCard::sizeHint() const { return size(); }

void TNewCard::Changed() {
    if (!holdPaint_) update();
}

void TNewCard::SetSuit(int suit) {
    if (suit == suit_) return;
    suit_ = suit & 3;
    Changed();
}
void TNewCard::SetRank(TRank rank) {
    if (rank == rank_) return;
    rank_ = rank;
    Changed();
}
void TNewCard::SetCard(CardCode card) {
    const bool differs = SuitOf(card) != suit_ || RankOf(card) != rank_;
    suit_ = SuitOf(card);
    rank_ = RankOf(card);
    if (differs) Changed();
}
void TNewCard::SetShowBack(bool back) {
    if (back == showBack_) return;
    showBack_ = back;
    Changed();
}
void TNewCard::SetHilite(bool hilite) {
    if (hilite == hilite_) return;
    hilite_ = hilite;
    Changed();
}
void TNewCard::SetOrientation(Orientation orientation) {
    orientation_ = orientation;
    FitSize();
    Changed();
}
void TNewCard::SetHoldPaint(bool hold) {
    holdPaint_ = hold;
    if (!hold) update();
}

void TNewCard::paintEvent(QPaintEvent*) {
    if (!deck_) return;
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QPixmap image = showBack_ || rank_ < 2 ? deck_->Back(ratio) : deck_->Face(suit_, rank_, hilite_, ratio);
    if (orientation_ == Orientation::Sideways) {
        painter.translate(width(), 0);
        painter.rotate(90);
    }
    painter.drawPixmap(0, 0, image);
}

void TNewCard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (turnable_) SetShowBack(!showBack_);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    pressTime_ = qint64(event->timestamp());
    pressGlobal_ = event->globalPosition().toPoint();
    home_ = pos();
    if (DragAllowed()) {
        dragging_ = true;
        raise();
    }
}

void TNewCard::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    move(home_ + event->globalPosition().toPoint() - pressGlobal_);
}

void TNewCard::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    Released(qint64(event->timestamp()) - pressTime_);
}

void TNewCard::Released(qint64) { EndDrag(); }

void TNewCard::EndDrag() { dragging_ = false; }

}  // namespace corvane::ui
