// Text between the core, which keeps 8-bit Windows-1252 strings, and the window, and the "~"
// suit-symbol markup that the core puts into displayed text.
#pragma once

#include <QColor>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QPainter;
class QRect;
class QFontMetrics;

namespace corvane::ui {

QString FromCore(std::string_view text);
// Characters outside Windows-1252 become "?".
std::string ToCore(const QString& text);

// A piece of displayed text; suit symbols come as their own runs with their colour.
struct MarkupRun {
    QString Text;
    bool Symbol = false;
    QColor Color;  // valid only for symbols that have a colour of their own
};

// "~" and a strain letter (either case) become the strain's symbol: diamonds and hearts red,
// notrump navy, clubs and spades in the text colour. A "~" before anything else, or last, stays.
std::vector<MarkupRun> ParseMarkup(const QString& text);

QString PlainMarkup(const QString& text);  // the symbols without colour, for accessibility
QString MarkupToHtml(const QString& text);  // for labels and tool tips
int MarkupWidth(const QFontMetrics& metrics, const QString& text);
// `grey` draws everything in the text colour, as disabled text is drawn.
void PaintMarkup(QPainter& painter, const QRect& box, int alignment, const QString& text,
                 const QColor& textColor, bool grey = false);

}  // namespace corvane::ui
