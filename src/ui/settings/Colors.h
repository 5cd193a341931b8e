// Screen colours: the four schemes, the table cloth and ApplyColors, which paints a form in the
// person's colours.
#pragma once

#include "settings/Options.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

class QWidget;

namespace corvane::ui {

// Stored colours are 0x00BBGGRR.
QColor FromStoredColor(std::int32_t value);
std::int32_t ToStoredColor(const QColor& color);

struct ColorScheme {
    const char* Name;
    std::int32_t MainBack, MainFore, SecondBack, SecondFore, Table;
};
inline constexpr std::array<ColorScheme, 4> ColorSchemes{{
    {"Silver / Green", 0xC0C0C0, 0x000000, 0xE0E0E0, 0x202020, 0x346E1C},
    {"Tan / Aqua", 0xB4D2E6, 0x404000, 0xD8E8F0, 0x303000, 0x78AAC8},
    {"Gray / Blue", 0xA0A0A0, 0x800000, 0xD0D0D0, 0x400000, 0x805030},
    {"Olive", 0x60A0A0, 0x003030, 0xB0D0D0, 0x002020, 0x287060},
}};

// The cloth: the stored table colour, or for 0 the tan of its scheme.
QColor TableColor(const Options& options);
// Puts the screen colours on the form and its children; a widget named "TableCloth" takes the
// table colour.
void ApplyColors(QWidget* form, const Options& options);
// Copies a scheme into the options' "Colors" values.
void UseScheme(Options& options, const ColorScheme& scheme);

}  // namespace corvane::ui
