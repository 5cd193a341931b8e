#include "ui/cards/TPelloryCard.h"

namespace corvane::ui {

TPelloryCard::TPelloryCard(TSeat seat, TCardDeck* deck, const Table* table, QWidget* parent)
    : TNewCard(deck, parent), seat_(seat), table_(table) {}

bool TPelloryCard::OKtoPlay() const {
    return table_ && table_->MayPlay && isVisible() && !Played() && table_->MayPlay(*this);
}

bool TPelloryCard::OnTable() const {
    if (!table_ || !table_->Panel || !parentWidget()) return false;
    const QWidget* panel = table_->Panel;
    const QRect panelRect(panel->mapTo(window(), QPoint(0, 0)), panel->size());
    const QRect cardRect(parentWidget()->mapTo(window(), pos()), size());
    return panelRect.intersects(cardRect);
}

void TPelloryCard::Released(qint64 heldMs) {
    const bool wasDragging = Dragging();
    EndDrag();
    if (table_ && table_->CustomDealing && table_->CustomDealing()) {
        Q_EMIT Picked(Code());
        return;
    }
    if (OKtoPlay() && (heldMs < ClickMilliseconds || OnTable())) {
        Q_EMIT PlayRequested(Code());
        return;
    }
    if (wasDragging && pos() != HomePosition()) {
        move(HomePosition());
        Q_EMIT SnappedBack();
    }
}

}  // namespace corvane::ui
