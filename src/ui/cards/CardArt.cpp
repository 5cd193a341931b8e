#include "ui/cards/CardArt.h"

#include <QPainter>
#include <QtMath>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace corvane::ui {

int CardWidthForHeight(int height) {
    return static_cast<int>(std::lround(height * double(StandardCardWidth) / StandardCardHeight + 0.4));
}

QColor SuitColor(int suit) {
    return suit == Hearts || suit == Diamonds ? QColor(200, 16, 32) : QColor(20, 20, 24);
}

QString RankLabel(TRank rank) {
    if (rank == Ten) return QStringLiteral("10");
    if (rank < 2 || rank > Ace) return {};
    return QString(QChar(RankChars[static_cast<size_t>(rank)]));
}

namespace {

// Each symbol is drawn in a unit square and scaled into its box.
QPainterPath UnitSuitPath(int suit) {
    QPainterPath path;
    switch (suit) {
    case Diamonds:
        path.moveTo(0.5, 0.0);
        path.lineTo(0.88, 0.5);
        path.lineTo(0.5, 1.0);
        path.lineTo(0.12, 0.5);
        path.closeSubpath();
        break;
    case Hearts:
        path.moveTo(0.5, 1.0);
        path.cubicTo(0.12, 0.7, 0.0, 0.48, 0.0, 0.28);
        path.cubicTo(0.0, 0.1, 0.13, 0.02, 0.27, 0.02);
        path.cubicTo(0.4, 0.02, 0.48, 0.12, 0.5, 0.22);
        path.cubicTo(0.52, 0.12, 0.6, 0.02, 0.73, 0.02);
        path.cubicTo(0.87, 0.02, 1.0, 0.1, 1.0, 0.28);
        path.cubicTo(1.0, 0.48, 0.88, 0.7, 0.5, 1.0);
        path.closeSubpath();
        break;
    case Spades: {
        QPainterPath blade;
        blade.moveTo(0.5, 0.0);
        blade.cubicTo(0.88, 0.3, 1.0, 0.46, 1.0, 0.6);
        blade.cubicTo(1.0, 0.76, 0.87, 0.84, 0.74, 0.84);
        blade.cubicTo(0.63, 0.84, 0.55, 0.78, 0.5, 0.7);
        blade.cubicTo(0.45, 0.78, 0.37, 0.84, 0.26, 0.84);
        blade.cubicTo(0.13, 0.84, 0.0, 0.76, 0.0, 0.6);
        blade.cubicTo(0.0, 0.46, 0.12, 0.3, 0.5, 0.0);
        blade.closeSubpath();
        QPainterPath stem;
        stem.moveTo(0.5, 0.62);
        stem.quadTo(0.54, 0.9, 0.7, 1.0);
        stem.lineTo(0.3, 1.0);
        stem.quadTo(0.46, 0.9, 0.5, 0.62);
        stem.closeSubpath();
        path = blade.united(stem);
        break;
    }
    default: {  // clubs
        QPainterPath leaves;
        leaves.addEllipse(QPointF(0.5, 0.26), 0.22, 0.22);
        leaves.addEllipse(QPointF(0.25, 0.6), 0.22, 0.22);
        leaves.addEllipse(QPointF(0.75, 0.6), 0.22, 0.22);
        leaves.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
        leaves.setFillRule(Qt::WindingFill);
        QPainterPath stem;
        stem.moveTo(0.5, 0.5);
        stem.quadTo(0.54, 0.9, 0.7, 1.0);
        stem.lineTo(0.3, 1.0);
        stem.quadTo(0.46, 0.9, 0.5, 0.5);
        stem.closeSubpath();
        path = leaves.united(stem);
        break;
    }
    }
    return path;
}

const QPainterPath& CachedUnitPath(int suit) {
    static const std::array<QPainterPath, 4> paths{UnitSuitPath(0), UnitSuitPath(1),
                                                   UnitSuitPath(2), UnitSuitPath(3)};
    return paths[static_cast<size_t>(suit & 3)];
}

void PaintSymbol(QPainter& painter, int suit, const QRectF& box, bool upsideDown = false) {
    painter.save();
    painter.translate(box.center());
    if (upsideDown) painter.rotate(180);
    painter.fillPath(SuitPath(suit, QRectF(-box.width() / 2, -box.height() / 2, box.width(),
                                           box.height())),
                     SuitColor(suit));
    painter.restore();
}

// Pip centres within the pip area, x and y from 0 to 1; those below the middle are drawn
// upside down as on printed cards.
std::vector<QPointF> PipLayout(TRank rank) {
    const double l = 0.0, c = 0.5, r = 1.0;
    const std::vector<QPointF> corners{{l, 0}, {r, 0}, {l, 1}, {r, 1}};
    std::vector<QPointF> pips;
    switch (rank) {
    case 2: pips = {{c, 0}, {c, 1}}; break;
    case 3: pips = {{c, 0}, {c, 0.5}, {c, 1}}; break;
    case 4: pips = corners; break;
    case 5: pips = corners; pips.push_back({c, 0.5}); break;
    case 6: pips = corners; pips.insert(pips.end(), {{l, 0.5}, {r, 0.5}}); break;
    case 7: pips = corners; pips.insert(pips.end(), {{l, 0.5}, {r, 0.5}, {c, 0.25}}); break;
    case 8:
        pips = corners;
        pips.insert(pips.end(), {{l, 0.5}, {r, 0.5}, {c, 0.25}, {c, 0.75}});
        break;
    case 9:
        pips = corners;
        pips.insert(pips.end(), {{l, 1.0 / 3}, {r, 1.0 / 3}, {l, 2.0 / 3}, {r, 2.0 / 3}, {c, 0.5}});
        break;
    case 10:
        pips = corners;
        pips.insert(pips.end(), {{l, 1.0 / 3}, {r, 1.0 / 3}, {l, 2.0 / 3}, {r, 2.0 / 3},
                                 {c, 1.0 / 6}, {c, 5.0 / 6}});
        break;
    default: break;
    }
    return pips;
}

void PaintCorner(QPainter& painter, const QRectF& card, int suit, TRank rank) {
    const double w = card.width(), h = card.height();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(h * (rank == Ten ? 0.15 : 0.17))));
    if (rank == Ten) font.setLetterSpacing(QFont::PercentageSpacing, 85);
    painter.setFont(font);
    painter.setPen(SuitColor(suit));
    const QRectF textBox(card.left() + w * 0.02, card.top() + h * 0.03, w * 0.2, h * 0.18);
    painter.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop, RankLabel(rank));
    const double symbol = w * 0.13;
    PaintSymbol(painter, suit,
                QRectF(textBox.center().x() - symbol / 2, textBox.bottom() + h * 0.005, symbol,
                       symbol));
}

// A crown, a circlet or a plume above the court letter, so the three courts differ at a glance.
void PaintCourtMark(QPainter& painter, TRank rank, const QRectF& box, const QColor& color) {
    QPainterPath mark;
    const double x = box.left(), y = box.top(), w = box.width(), hh = box.height();
    if (rank == King) {
        mark.moveTo(x, y + hh);
        mark.lineTo(x, y + hh * 0.3);
        mark.lineTo(x + w * 0.25, y + hh * 0.65);
        mark.lineTo(x + w * 0.5, y);
        mark.lineTo(x + w * 0.75, y + hh * 0.65);
        mark.lineTo(x + w, y + hh * 0.3);
        mark.lineTo(x + w, y + hh);
        mark.closeSubpath();
    } else if (rank == Queen) {
        mark.addEllipse(QRectF(x + w * 0.1, y + hh * 0.45, w * 0.8, hh * 0.55));
        mark.addEllipse(QRectF(x + w * 0.38, y, w * 0.24, hh * 0.4));
    } else {
        mark.moveTo(x + w * 0.5, y);
        mark.cubicTo(x + w * 0.95, y + hh * 0.3, x + w * 0.8, y + hh * 0.8, x + w * 0.5, y + hh);
        mark.cubicTo(x + w * 0.2, y + hh * 0.8, x + w * 0.05, y + hh * 0.3, x + w * 0.5, y);
    }
    painter.fillPath(mark, color);
}

void PaintCourt(QPainter& painter, const QRectF& card, int suit, TRank rank) {
    const double w = card.width(), h = card.height();
    const QRectF frame(card.left() + w * 0.22, card.top() + h * 0.12, w * 0.56, h * 0.76);
    const QColor ink = SuitColor(suit);
    painter.setPen(QPen(ink, std::max(1.0, w * 0.02)));
    painter.setBrush(suit == Hearts || suit == Diamonds ? QColor(255, 236, 210)
                                                         : QColor(222, 232, 250));
    painter.drawRect(frame);
    const QColor gold(196, 150, 30);
    PaintCourtMark(painter, rank,
                   QRectF(frame.center().x() - w * 0.14, frame.top() + h * 0.06, w * 0.28, h * 0.12),
                   gold);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(std::max(8, int(h * 0.3)));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRectF(frame.left(), frame.top() + h * 0.17, frame.width(), h * 0.34),
                     Qt::AlignCenter, RankLabel(rank));
    const double symbol = w * 0.2;
    PaintSymbol(painter, suit,
                QRectF(frame.center().x() - symbol / 2, frame.bottom() - symbol - h * 0.05, symbol,
                       symbol));
}

}  // namespace

QPainterPath SuitPath(int suit, const QRectF& box) {
    const double side = std::min(box.width(), box.height());
    QTransform scale;
    scale.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    scale.scale(side, side);
    return scale.map(CachedUnitPath(suit));
}

void PaintFace(QPainter& painter, const QRectF& card, int suit, TRank rank, const QColor& background) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double w = card.width(), h = card.height();
    const double radius = w * 0.07;
    painter.setPen(QPen(QColor(110, 110, 110), std::max(1.0, w / 71.0)));
    painter.setBrush(background);
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    PaintCorner(painter, card, suit, rank);
    painter.save();
    painter.translate(card.center());
    painter.rotate(180);
    painter.translate(-card.center());
    PaintCorner(painter, card, suit, rank);
    painter.restore();

    if (rank == Ace) {
        const double symbol = w * 0.46;
        PaintSymbol(painter, suit,
                    QRectF(card.center().x() - symbol / 2, card.center().y() - symbol / 2, symbol,
                           symbol));
    } else if (rank >= Jack) {
        PaintCourt(painter, card, suit, rank);
    } else {
        const QRectF area(card.left() + w * 0.3, card.top() + h * 0.17, w * 0.4, h * 0.66);
        const double pip = w * (rank == Ten || rank == 9 ? 0.17 : 0.19);
        for (const QPointF& p : PipLayout(rank)) {
            const QPointF centre(area.left() + p.x() * area.width(), area.top() + p.y() * area.height());
            PaintSymbol(painter, suit, QRectF(centre.x() - pip / 2, centre.y() - pip / 2, pip, pip),
                        p.y() > 0.5);
        }
    }
    painter.restore();
}

namespace {

using BackPattern = void (*)(QPainter&, const QRectF&, const QColor&, const QColor&);

void Lattice(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(QPen(light, r.width() / 60.0));
    const double step = r.width() / 8;
    for (double d = -r.height(); d < r.width() + r.height(); d += step) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
}
void Dots(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    const double step = r.width() / 7, dot = step * 0.22;
    int row = 0;
    for (double y = r.top() + step / 2; y < r.bottom(); y += step, ++row) {
        for (double x = r.left() + (row % 2 ? step : step / 2); x < r.right(); x += step) {
            p.drawEllipse(QPointF(x, y), dot, dot);
        }
    }
}
void Checks(QPainter& p, const QRectF& r, const QColor& dark, const QColor&) {
    const double step = r.width() / 8;
    int row = 0;
    for (double y = r.top(); y < r.bottom(); y += step, ++row) {
        int col = row % 2;
        for (double x = r.left(); x < r.right(); x += step, ++col) {
            if (col % 2) p.fillRect(QRectF(x, y, step, step), dark);
        }
    }
}
void Stripes(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    const double step = r.width() / 10;
    for (double x = r.left(); x < r.right(); x += 2 * step) p.fillRect(QRectF(x, r.top(), step * 0.6, r.height()), light);
}
void Frames(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(QPen(light, r.width() / 50.0));
    p.setBrush(Qt::NoBrush);
    const double step = r.width() / 14;
    for (QRectF f = r.adjusted(step / 2, step / 2, -step / 2, -step / 2); f.width() > step;
         f.adjust(step, step, -step, -step)) {
        p.drawRoundedRect(f, step / 2, step / 2);
    }
}
void Harlequin(QPainter& p, const QRectF& r, const QColor& dark, const QColor&) {
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    const double w = r.width() / 6, h = w * 1.4;
    int row = 0;
    for (double y = r.top(); y < r.bottom() + h; y += h / 2, ++row) {
        for (double x = r.left() + (row % 2 ? w / 2 : 0); x < r.right() + w; x += w) {
            const QPointF pts[4] = {{x, y - h / 4}, {x + w / 4, y}, {x, y + h / 4}, {x - w / 4, y}};
            p.drawPolygon(pts, 4);
        }
    }
}
void Waves(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(QPen(light, r.width() / 45.0));
    p.setBrush(Qt::NoBrush);
    const double step = r.height() / 14, amp = step * 0.35;
    for (double y = r.top(); y < r.bottom() + step; y += step) {
        QPainterPath wave;
        wave.moveTo(r.left(), y);
        for (double x = r.left(); x <= r.right() + 1; x += r.width() / 40) {
            wave.lineTo(x, y + amp * std::sin((x - r.left()) / r.width() * 4 * M_PI));
        }
        p.drawPath(wave);
    }
}
void Rings(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(QPen(light, r.width() / 60.0));
    p.setBrush(Qt::NoBrush);
    const double step = r.width() / 5;
    for (double y = r.top(); y < r.bottom() + step; y += step / 1.5) {
        for (double x = r.left(); x < r.right() + step; x += step / 1.5) p.drawEllipse(QPointF(x, y), step / 2, step / 2);
    }
}
void Stars(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    const double step = r.width() / 5, s = step * 0.35;
    int row = 0;
    for (double y = r.top() + step / 2; y < r.bottom(); y += step * 0.8, ++row) {
        for (double x = r.left() + (row % 2 ? step : step / 2); x < r.right(); x += step) {
            const QPointF pts[8] = {{x, y - s},       {x + s / 4, y - s / 4}, {x + s, y},
                                    {x + s / 4, y + s / 4}, {x, y + s},       {x - s / 4, y + s / 4},
                                    {x - s, y},       {x - s / 4, y - s / 4}};
            p.drawPolygon(pts, 8);
        }
    }
}
void Bricks(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(QPen(light, r.width() / 60.0));
    const double h = r.height() / 12, w = r.width() / 4;
    int row = 0;
    for (double y = r.top(); y < r.bottom(); y += h, ++row) {
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        for (double x = r.left() + (row % 2 ? w / 2 : 0); x < r.right(); x += w) p.drawLine(QPointF(x, y), QPointF(x, y + h));
    }
}
void Chevrons(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(QPen(light, r.width() / 35.0));
    p.setBrush(Qt::NoBrush);
    const double step = r.height() / 10, w = r.width() / 6;
    for (double y = r.top(); y < r.bottom() + step; y += step) {
        QPainterPath zig;
        zig.moveTo(r.left(), y);
        int i = 0;
        for (double x = r.left() + w / 2; x <= r.right() + w; x += w / 2, ++i) zig.lineTo(x, y + (i % 2 ? 0 : step / 2));
        p.drawPath(zig);
    }
}
void Plaid(QPainter& p, const QRectF& r, const QColor& dark, const QColor& light) {
    QColor band = light;
    band.setAlpha(110);
    QColor thin = dark;
    thin.setAlpha(160);
    const double step = r.width() / 4;
    for (double x = r.left() + step / 4; x < r.right(); x += step) {
        p.fillRect(QRectF(x, r.top(), step / 3, r.height()), band);
        p.fillRect(QRectF(x + step / 2, r.top(), step / 14, r.height()), thin);
    }
    for (double y = r.top() + step / 4; y < r.bottom(); y += step) {
        p.fillRect(QRectF(r.left(), y, r.width(), step / 3), band);
        p.fillRect(QRectF(r.left(), y + step / 2, r.width(), step / 14), thin);
    }
}
void Scales(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(QPen(light, r.width() / 55.0));
    p.setBrush(Qt::NoBrush);
    const double step = r.width() / 6;
    int row = 0;
    for (double y = r.top(); y < r.bottom() + step; y += step / 2, ++row) {
        for (double x = r.left() + (row % 2 ? step / 2 : 0); x < r.right() + step; x += step) {
            p.drawArc(QRectF(x - step / 2, y - step / 2, step, step), 180 * 16, 180 * 16);
        }
    }
}
void Medallion(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    Lattice(p, r, light, light.darker(115));
    const QRectF oval(r.center().x() - r.width() * 0.3, r.center().y() - r.height() * 0.25, r.width() * 0.6,
                      r.height() * 0.5);
    p.setPen(QPen(Qt::white, r.width() / 40.0));
    p.setBrush(light);
    p.drawEllipse(oval);
    const double s = oval.width() * 0.28;
    p.fillPath(SuitPath(Spades, QRectF(oval.center().x() - s / 2, oval.center().y() - s / 2, s, s)), Qt::white);
}
void Suits(QPainter& p, const QRectF& r, const QColor&, const QColor& light) {
    p.setPen(QPen(light, r.width() / 50.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(r.width() * 0.06, r.width() * 0.06, -r.width() * 0.06, -r.width() * 0.06));
    const double s = r.width() * 0.26;
    const QPointF c = r.center();
    const std::array<QPointF, 4> at{QPointF(c.x() - s * 0.6, c.y() - s * 0.6), QPointF(c.x() + s * 0.6, c.y() - s * 0.6),
                                    QPointF(c.x() - s * 0.6, c.y() + s * 0.6), QPointF(c.x() + s * 0.6, c.y() + s * 0.6)};
    for (int suit = 0; suit < 4; ++suit) {
        const QPointF& q = at[static_cast<size_t>(suit)];
        p.fillPath(SuitPath(3 - suit, QRectF(q.x() - s / 2, q.y() - s / 2, s, s)), light);
    }
}

constexpr std::array<BackPattern, BackDesignCount> BackPatterns{
    Lattice, Dots, Checks, Stripes, Frames, Harlequin, Waves, Rings,
    Stars,   Bricks, Chevrons, Plaid, Scales, Medallion, Suits};

}  // namespace

void PaintBack(QPainter& painter, const QRectF& card, int design, const QColor& color) {
    if (design < 0 || design >= BackDesignCount) design = 0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = card.width();
    const double radius = w * 0.07;
    painter.setPen(QPen(QColor(110, 110, 110), std::max(1.0, w / 71.0)));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const QRectF inner = card.adjusted(w * 0.07, w * 0.07, -w * 0.07, -w * 0.07);
    QPainterPath clip;
    clip.addRoundedRect(inner, radius / 2, radius / 2);
    painter.setClipPath(clip);
    painter.fillRect(inner, color);
    BackPatterns[static_cast<size_t>(design)](painter, inner, color.darker(135), color.lighter(145));
    painter.restore();
}

}  // namespace corvane::ui
