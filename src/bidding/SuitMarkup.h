// Suit symbols in displayed text: "~" followed by a suit letter (either case) or "N" is drawn as
// that strain's symbol. The window draws the runs; which glyph stands for notrump is its choice.
#pragma once

#include "cards/Cards.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class SymbolColour { Text, Red, Navy };

struct MarkupRun {
    bool IsSymbol = false;
    Strain Symbol = NoTrump;  // for a symbol run
    std::string Text;         // for a text run
    bool operator==(const MarkupRun&) const = default;
};

// Diamonds and hearts red, notrump navy, clubs and spades in the text's own colour.
SymbolColour SymbolColourOf(Strain strain);

// Splits the text into text runs and symbol runs. A "~" not followed by a strain letter, the
// last character included, stays in the text.
std::vector<MarkupRun> SplitSuitMarkup(std::string_view text);

}  // namespace corvane
