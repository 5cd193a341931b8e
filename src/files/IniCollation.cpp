#include "files/IniCollation.h"

#include <array>

namespace corvane {

namespace {

// Weight classes: symbols and control characters, then digits, then letters, then the other
// bytes above 127. Within a class the case-folded byte decides.
enum : int { SymbolClass = 0, DigitClass = 1, LetterClass = 2, OtherClass = 3 };

constexpr bool IsLetter(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    // Windows-1252: Š Œ Ž š œ ž Ÿ and the accented letters from À, except × and ÷.
    if (c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F)
        return true;
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

constexpr unsigned char Fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
    if (c == 0x9F) return 0xFF;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

constexpr int Class(unsigned char c) {
    if (c >= '0' && c <= '9') return DigitClass;
    if (IsLetter(c)) return LetterClass;
    if (c >= 0x80) return OtherClass;
    return SymbolClass;
}

// One weight per byte: class in the high bits, folded byte in the low ones.
constexpr std::array<int, 256> MakeWeights() {
    std::array<int, 256> w{};
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        w[c] = Class(b) * 256 + Fold(b);
    }
    return w;
}

constexpr std::array<int, 256> Weights = MakeWeights();

constexpr std::array<unsigned char, 256> MakeFolds() {
    std::array<unsigned char, 256> f{};
    for (int c = 0; c < 256; ++c) f[c] = Fold(static_cast<unsigned char>(c));
    return f;
}

constexpr std::array<unsigned char, 256> Folds = MakeFolds();

}  // namespace

unsigned char FoldCase(unsigned char c) { return Folds[c]; }

int CompareNames(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int wa = Weights[static_cast<unsigned char>(a[i])];
        const int wb = Weights[static_cast<unsigned char>(b[i])];
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Folds[static_cast<unsigned char>(a[i])] != Folds[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

}  // namespace corvane
