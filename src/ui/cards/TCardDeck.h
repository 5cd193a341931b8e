// The one image store all card controls draw from: faces and the chosen back at the chosen card
// height, painted on demand and kept per device pixel ratio so cards stay crisp on any screen.
#pragma once

#include "cards/Cards.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <QPixmap>

namespace corvane::ui {

struct CardLook {
    int Height = 95;                           // the card size option, in pixels
    int BackDesign = 0;                        // 0..14
    QColor BackColor = QColor(30, 70, 150);
    QColor HiliteColor = QColor(255, 236, 120);  // replaces the white of a highlighted face
    bool operator==(const CardLook&) const = default;
};

class TCardDeck : public QObject {
    Q_OBJECT
public:
    explicit TCardDeck(QObject* parent = nullptr);

    const CardLook& Look() const { return look_; }
    // Rebuilds the images when anything changed; controls repaint on Changed.
    void SetLook(const CardLook& look);

    int Width() const;
    int Height() const { return look_.Height; }
    QPixmap Face(int suit, TRank rank, bool hilite, qreal devicePixelRatio) const;
    QPixmap Back(qreal devicePixelRatio) const;

    // How many images are held now (faces and backs over every ratio asked for).
    int CachedCount() const { return static_cast<int>(cache_.size()); }

Q_SIGNALS:
    void Changed();

private:
    QPixmap Render(int key, qreal ratio) const;

    CardLook look_;
    mutable QHash<quint64, QPixmap> cache_;
};

}  // namespace corvane::ui
