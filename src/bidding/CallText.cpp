#include "bidding/CallText.h"

#include <cctype>

namespace corvane {

namespace {

// The suit-symbol font draws these bytes as the strain symbols, so text copied from the display
// carries them in place of the strain letter.
constexpr unsigned char ClubGlyph = 0xC0;
constexpr unsigned char DiamondGlyph = 0xC1;
constexpr unsigned char HeartGlyph = 0xC2;
constexpr unsigned char SpadeGlyph = 0xC3;
constexpr unsigned char NotrumpGlyph = 0xC8;

std::optional<Strain> StrainFromCallChar(char c) {
    switch (static_cast<unsigned char>(c)) {
    case 'C': case 'c': case ClubGlyph: return Clubs;
    case 'D': case 'd': case DiamondGlyph: return Diamonds;
    case 'H': case 'h': case HeartGlyph: return Hearts;
    case 'S': case 's': case SpadeGlyph: return Spades;
    case 'N': case 'n': case NotrumpGlyph: return NoTrump;
    default: return std::nullopt;
    }
}

std::string BidText(CallCode code, std::string_view between) {
    std::string text(1, static_cast<char>('0' + LevelOf(code)));
    text += between;
    text += StrainLetters[StrainOf(code)];
    return text;
}

// The written forms of the calls that are not bids.
struct CallForms {
    std::string_view Plain;
    std::string_view Display;
    std::string_view Short;
};
constexpr CallForms SpecialCallForms[] = {// indexed by code: redouble, double, pass
                                          {"XX", "RDbl", "XX"},
                                          {"X", "Dbl", "X"},
                                          {"Pass", "Pass", "P"}};
constexpr CallForms NoCallForms{"????", NoCallDisplayText, "??"};
constexpr CallForms UnknownCallForms{"????", "????", "??"};

std::string WrittenForm(CallCode code, std::string_view CallForms::*form,
                        std::string_view bidSeparator) {
    if (code <= Pass) return std::string(SpecialCallForms[code].*form);
    if (IsBid(code)) return BidText(code, bidSeparator);
    return std::string((code == NoCall ? NoCallForms : UnknownCallForms).*form);
}

std::string_view DoublingSuffix(int doubled) {
    return doubled == 2 ? "XX" : doubled == 1 ? "X" : "";
}

std::string_view PadDoublingSuffix(int doubled) {
    return doubled == 2 ? " XX" : doubled == 1 ? " X" : "";
}

}  // namespace

CallCode CallFromText(std::string_view text) {
    std::string t(text);
    if (const auto tilde = t.find('~'); tilde != std::string::npos) t.erase(tilde, 1);
    if (const auto bracket = t.find('(', 1); bracket != std::string::npos) t.resize(bracket);
    if (!t.empty() && t.front() == '(') {
        if (t.size() < 2 || t.back() != ')') return NoCall;
        t = t.substr(1, t.size() - 2);
    }
    if (t.empty() || t.front() == 'P' || t == "aP") return Pass;
    if (t.front() == 'D' || t == "X" || t == "XD") return Double;
    if (t == "XX" || t.front() == 'R' || t == "eR") return Redouble;
    if (t.size() < 2) return NoCall;
    const std::optional<Strain> strain = StrainFromCallChar(t[1]);
    if (!strain) return NoCall;
    const bool digit = std::isdigit(static_cast<unsigned char>(t.front())) != 0;
    const int level = digit ? t.front() - '0' : 1;
    // "0C" is taken as a one-level bid; beyond seven there is no bid to read.
    if (level > 7) return NoCall;
    return BidCode(level < 1 ? 1 : level, *strain);
}

std::string CallText(CallCode code) { return WrittenForm(code, &CallForms::Plain, ""); }

std::string CallDisplayText(CallCode code) {
    return WrittenForm(code, &CallForms::Display, "~");
}

std::string CallShortText(CallCode code) { return WrittenForm(code, &CallForms::Short, ""); }

std::string ContractText(CallCode contract, int doubled) {
    return CallText(contract) + std::string(DoublingSuffix(doubled));
}

std::string ContractDisplayText(CallCode contract, int doubled) {
    return CallDisplayText(contract) + std::string(DoublingSuffix(doubled));
}

std::string ContractPadText(CallCode contract, int doubled) {
    return CallDisplayText(contract) + std::string(PadDoublingSuffix(doubled));
}

std::vector<std::string> CompactCallTexts(std::string_view compact) {
    std::vector<std::string> calls;
    for (size_t i = 0; i < compact.size(); ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[i])));
        if (c >= '1' && c <= '7') {
            if (i + 1 < compact.size()) {
                if (const auto strain = StrainFromCallChar(compact[i + 1])) {
                    calls.push_back(CallText(BidCode(c - '0', *strain)));
                    ++i;
                }
            }
        } else if (c == 'P') {
            calls.push_back(CallText(Pass));
        } else if (c == 'D') {
            calls.push_back(CallText(Double));
        } else if (c == 'R') {
            calls.push_back(CallText(Redouble));
        }
    }
    return calls;
}

std::optional<std::string> CallTokenText(std::string_view token) {
    token = token.substr(0, token.find('!'));
    if (token == "-") return std::nullopt;
    if (token == "D") return CallText(Double);
    if (token == "R") return CallText(Redouble);
    if (token == "P") return CallText(Pass);
    return std::string(token);
}

}  // namespace corvane
