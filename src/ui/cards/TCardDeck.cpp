#include "ui/cards/TCardDeck.h"

#include "ui/cards/CardArt.h"

#include <QPainter>

#include <cmath>

namespace corvane::ui {

namespace {

// Images are keyed by what they show (suit * 16 + rank, plus a flag for the highlight; 255 for
// the back) and by the ratio in hundredths.
constexpr int BackKey = 255;
constexpr int HiliteFlag = 128;

quint64 CacheKey(int image, qreal ratio) {
    return (quint64(std::lround(ratio * 100)) << 16) | quint64(image);
}

}  // namespace

TCardDeck::TCardDeck(QObject* parent) : QObject(parent) {}

void TCardDeck::SetLook(const CardLook& look) {
    if (look == look_) return;
    look_ = look;
    if (look_.Height < 20) look_.Height = 20;
    cache_.clear();
    Q_EMIT Changed();
}

int TCardDeck::Width() const { return CardWidthForHeight(look_.Height); }

QPixmap TCardDeck::Face(int suit, TRank rank, bool hilite, qreal devicePixelRatio) const {
    return Render((suit & 3) * 16 + rank + (hilite ? HiliteFlag : 0), devicePixelRatio);
}

QPixmap TCardDeck::Back(qreal devicePixelRatio) const { return Render(BackKey, devicePixelRatio); }

QPixmap TCardDeck::Render(int image, qreal ratio) const {
    if (ratio <= 0) ratio = 1;
    const quint64 key = CacheKey(image, ratio);
    if (auto found = cache_.constFind(key); found != cache_.constEnd()) return *found;

    QPixmap pixmap(int(std::ceil(Width() * ratio)), int(std::ceil(Height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRectF card(0, 0, Width(), Height());
    if (image == BackKey) {
        PaintBack(painter, card, look_.BackDesign, look_.BackColor);
    } else {
        const bool hilite = (image & HiliteFlag) != 0;
        const int face = image & ~HiliteFlag;
        PaintFace(painter, card, face / 16, face % 16, hilite ? look_.HiliteColor : QColor(Qt::white));
    }
    painter.end();
    cache_.insert(key, pixmap);
    return pixmap;
}

}  // namespace corvane::ui
