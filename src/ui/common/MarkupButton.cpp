#include "ui/common/MarkupButton.h"

#include "ui/common/Text.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace corvane::ui {

MarkupButton::MarkupButton(const QString& markup, QWidget* parent)
    : QPushButton(PlainMarkup(markup), parent), markup_(markup) {}

QSize MarkupButton::sizeHint() const {
    QSize hint = QPushButton::sizeHint();
    hint.setWidth(std::max(hint.width(), MarkupWidth(fontMetrics(), markup_) + 16));
    return hint;
}

void MarkupButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    PaintMarkup(painter, rect(), Qt::AlignCenter, markup_, ink, !isEnabled());
}

}  // namespace corvane::ui
