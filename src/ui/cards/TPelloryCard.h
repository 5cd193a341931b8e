// A card of a hand at the table. It knows its seat and asks the table whether it may be played;
// a quick click, or a drag that ends over the table, asks the table to play it.
#pragma once

#include "ui/cards/TNewCard.h"

#include <functional>

namespace corvane::ui {

// A release this soon after the press counts as a click wherever the card ends up.
inline constexpr qint64 ClickMilliseconds = 500;

class TPelloryCard : public TNewCard {
    Q_OBJECT
public:
    // What the card needs to know of the table it lies on.
    struct Table {
        // Input accepted, the seat to play is this card's seat, and it follows suit when it must.
        std::function<bool(const TPelloryCard&)> MayPlay;
        // While laying out a custom deal, a release picks the card instead.
        std::function<bool()> CustomDealing;
        QWidget* Panel = nullptr;  // the table area in the middle
    };

    TPelloryCard(TSeat seat, TCardDeck* deck, const Table* table, QWidget* parent = nullptr);

    TSeat Seat() const { return seat_; }
    bool OKtoPlay() const;
    bool OnTable() const;

Q_SIGNALS:
    // Sent queued, like a posted window message: the table plays the card on receipt.
    void PlayRequested(corvane::CardCode card);
    void Picked(corvane::CardCode card);
    // A drag that played nothing; the card is back at its place.
    void SnappedBack();

protected:
    bool DragAllowed() const override { return OKtoPlay(); }
    void Released(qint64 heldMs) override;

private:
    TSeat seat_;
    const Table* table_;
};

}  // namespace corvane::ui
