#include "ui/common/Text.h"

#include <QFontMetrics>
#include <QPainter>

#include <array>

namespace corvane::ui {

namespace {

// Windows-1252 0x80..0x9F; the rest of the code page is Latin-1. Unused slots map to U+FFFD.
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

const QString NotrumpSign = QStringLiteral("NT");

QString SymbolText(QChar letter) {
    switch (letter.toUpper().unicode()) {
    case 'C': return QString(QChar(0x2663));
    case 'D': return QString(QChar(0x2666));
    case 'H': return QString(QChar(0x2665));
    case 'S': return QString(QChar(0x2660));
    case 'N': return NotrumpSign;
    default: return {};
    }
}

QColor SymbolColor(QChar letter) {
    switch (letter.toUpper().unicode()) {
    case 'D':
    case 'H': return QColor(210, 0, 0);
    case 'N': return QColor(0, 0, 128);
    default: return {};
    }
}

}  // namespace

QString FromCore(std::string_view text) {
    QString out;
    out.reserve(qsizetype(text.size()));
    for (char raw : text) {
        const auto byte = static_cast<unsigned char>(raw);
        out.append(byte >= 0x80 && byte < 0xA0 ? QChar(HighControls[byte - 0x80]) : QChar(byte));
    }
    return out;
}

std::string ToCore(const QString& text) {
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.push_back(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (size_t i = 0; i < HighControls.size(); ++i) {
            if (HighControls[i] == u && u != 0xFFFD) mapped = static_cast<char>(0x80 + i);
        }
        out.push_back(mapped);
    }
    return out;
}

std::vector<MarkupRun> ParseMarkup(const QString& text) {
    std::vector<MarkupRun> runs;
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'~' && i + 1 < text.size() && !SymbolText(text[i + 1]).isEmpty()) {
            if (!plain.isEmpty()) runs.push_back({plain, false, {}});
            plain.clear();
            runs.push_back({SymbolText(text[i + 1]), true, SymbolColor(text[i + 1])});
            ++i;
        } else {
            plain.append(text[i]);
        }
    }
    if (!plain.isEmpty()) runs.push_back({plain, false, {}});
    return runs;
}

QString PlainMarkup(const QString& text) {
    QString out;
    for (const MarkupRun& run : ParseMarkup(text)) out += run.Text;
    return out;
}

QString MarkupToHtml(const QString& text) {
    QString out;
    for (const MarkupRun& run : ParseMarkup(text)) {
        if (run.Color.isValid()) {
            out += QStringLiteral("<span style=\"color:%1\">%2</span>")
                       .arg(run.Color.name(), run.Text.toHtmlEscaped());
        } else {
            out += run.Text.toHtmlEscaped();
        }
    }
    return out;
}

int MarkupWidth(const QFontMetrics& metrics, const QString& text) {
    int width = 0;
    for (const MarkupRun& run : ParseMarkup(text)) width += metrics.horizontalAdvance(run.Text);
    return width;
}

void PaintMarkup(QPainter& painter, const QRect& box, int alignment, const QString& text,
                 const QColor& textColor, bool grey) {
    const QFontMetrics metrics(painter.font());
    const int width = MarkupWidth(metrics, text);
    int x = box.left();
    if (alignment & Qt::AlignRight) {
        x = box.right() - width;
    } else if (alignment & Qt::AlignHCenter) {
        x = box.left() + (box.width() - width) / 2;
    }
    int baseline = box.top() + metrics.ascent();
    if (alignment & Qt::AlignVCenter) baseline = box.top() + (box.height() + metrics.ascent() - metrics.descent()) / 2;
    if (alignment & Qt::AlignBottom) baseline = box.bottom() - metrics.descent();
    painter.save();
    for (const MarkupRun& run : ParseMarkup(text)) {
        painter.setPen(!grey && run.Color.isValid() ? run.Color : textColor);
        painter.drawText(QPoint(x, baseline), run.Text);
        x += metrics.horizontalAdvance(run.Text);
    }
    painter.restore();
}

}  // namespace corvane::ui
