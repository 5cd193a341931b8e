#include "ui/settings/Colors.h"

#include <QWidget>

namespace corvane::ui {

QColor FromStoredColor(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

std::int32_t ToStoredColor(const QColor& color) {
    return std::int32_t(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QColor TableColor(const Options& options) {
    return FromStoredColor(options.Table == 0 ? ColorSchemes[1].Table : options.Table);
}

void UseScheme(Options& options, const ColorScheme& scheme) {
    options.MainBack = scheme.MainBack;
    options.MainFore = scheme.MainFore;
    options.SecondBack = scheme.SecondBack;
    options.SecondFore = scheme.SecondFore;
    options.Table = scheme.Table;
}

void ApplyColors(QWidget* form, const Options& options) {
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, FromStoredColor(options.MainBack));
    palette.setColor(QPalette::WindowText, FromStoredColor(options.MainFore));
    // Grids and edits keep a light ground so their text stays readable in every scheme.
    palette.setColor(QPalette::Base, FromStoredColor(options.SecondBack).lighter(175));
    palette.setColor(QPalette::Text, FromStoredColor(options.SecondFore).darker(220));
    form->setPalette(palette);
    if (auto* cloth = form->findChild<QWidget*>(QStringLiteral("TableCloth"))) {
        QPalette clothPalette = cloth->palette();
        clothPalette.setColor(QPalette::Window, TableColor(options));
        cloth->setPalette(clothPalette);
        cloth->update();
    }
}

}  // namespace corvane::ui
