#include "cards/Diagram.h"

#include <array>

namespace corvane {

namespace {

constexpr size_t ColumnWidth = 18;

std::array<std::string, 4> SuitLines(const std::array<Holding, 4>& hand) {
    std::array<std::string, 4> lines;
    for (int suit = Spades, i = 0; suit >= Clubs; --suit, ++i) {
        const Holding h = hand[static_cast<size_t>(suit)];
        lines[static_cast<size_t>(i)] =
            std::string(1, StrainLetters[static_cast<size_t>(suit)]) + " " + (h ? HoldingText(h) : "-");
    }
    return lines;
}

std::string Pad(std::string s, size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

}  // namespace

std::string DealDiagram(const DealHoldings& deal) {
    std::string out;
    const std::string indent(ColumnWidth, ' ');
    for (const auto& line : SuitLines(deal[North])) out += indent + line + "\n";
    const auto west = SuitLines(deal[West]);
    const auto east = SuitLines(deal[East]);
    for (size_t i = 0; i < 4; ++i) {
        out += Pad(west[i], ColumnWidth) + indent + east[i] + "\n";
    }
    for (const auto& line : SuitLines(deal[South])) out += indent + line + "\n";
    return out;
}

}  // namespace corvane
