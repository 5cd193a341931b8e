#include "bidding/SuitMarkup.h"

#include <cctype>

namespace corvane {

SymbolColour SymbolColourOf(Strain strain) {
    switch (strain) {
    case Diamonds:
    case Hearts: return SymbolColour::Red;
    case NoTrump: return SymbolColour::Navy;
    default: return SymbolColour::Text;
    }
}

std::vector<MarkupRun> SplitSuitMarkup(std::string_view text) {
    std::vector<MarkupRun> runs;
    auto appendText = [&runs](char c) {
        if (runs.empty() || runs.back().IsSymbol) runs.push_back({});
        runs.back().Text += c;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '~' && i + 1 < text.size()) {
            // Suit letters in either case; notrump only as "N".
            const char next = text[i + 1];
            const char letter =
                next == 'n' ? next
                            : static_cast<char>(std::toupper(static_cast<unsigned char>(next)));
            const auto strain = StrainLetters.find(letter);
            if (strain != std::string_view::npos) {
                runs.push_back({true, static_cast<Strain>(strain), {}});
                ++i;
                continue;
            }
        }
        appendText(text[i]);
    }
    return runs;
}

}  // namespace corvane
