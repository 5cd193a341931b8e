// Our own card artwork, painted with QPainter at any size: faces, the fifteen back designs and
// the suit symbols that the rest of the window shares.
#pragma once

#include "cards/Cards.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace corvane::ui {

inline constexpr int StandardCardWidth = 71;
inline constexpr int StandardCardHeight = 95;
inline constexpr int BackDesignCount = 15;

// Cards keep the standard proportions at every height.
int CardWidthForHeight(int height);

// Red for hearts and diamonds, black for spades and clubs.
QColor SuitColor(int suit);

// The suit symbol filling `box` (aspect kept, centred).
QPainterPath SuitPath(int suit, const QRectF& box);

// A face with its corners, pips or court frame; `background` is white, or the highlight colour
// for the highlighted card.
void PaintFace(QPainter& painter, const QRectF& card, int suit, TRank rank, const QColor& background);

// A back of one of the designs 0..14 in the given colour (a design out of range draws design 0).
void PaintBack(QPainter& painter, const QRectF& card, int design, const QColor& color);

// "10" for a ten, the rank character otherwise.
QString RankLabel(TRank rank);

}  // namespace corvane::ui
