#include "cards/Cards.h"

#include <cctype>

namespace corvane {

TRank RankFromChar(char c) {
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (u == 'X' || u == '0') return 0;
    const auto pos = RankChars.find(u);
    return pos == std::string_view::npos ? 0 : static_cast<TRank>(pos);
}

Strain SuitFromChar(char c) {
    switch (std::toupper(static_cast<unsigned char>(c))) {
    case 'C': return Clubs;
    case 'D': return Diamonds;
    case 'H': return Hearts;
    case 'S': return Spades;
    default: return NoTrump;
    }
}

std::string CardText(CardCode c) {
    std::string text;
    text += RankChars[static_cast<size_t>(RankOf(c))];
    text += StrainLetters[static_cast<size_t>(SuitOf(c))];
    return text;
}

std::string HoldingText(Holding h) {
    std::string text;
    for (TRank r = Ace; r >= 2; --r) {
        if (Holds(h, r)) text += RankChars[static_cast<size_t>(r)];
    }
    return text;
}

bool HoldingFromText(std::string_view text, Holding& out) {
    out = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        TRank r = RankFromChar(text[i]);
        if (text[i] == '1' && i + 1 < text.size() && text[i + 1] == '0') {
            r = Ten;
            ++i;
        }
        if (r < 2 || Holds(out, r)) return false;
        out |= RankBit(r);
    }
    return true;
}

std::string PbnDealString(const DealHoldings& deal, TSeat first) {
    std::string text(1, SeatLetters[first]);
    text += ':';
    for (int i = 0; i < 4; ++i) {
        const TSeat seat = static_cast<TSeat>((first + i) & 3);
        if (i > 0) text += ' ';
        for (int suit = Spades; suit >= Clubs; --suit) {
            text += HoldingText(deal[seat][static_cast<size_t>(suit)]);
            if (suit > Clubs) text += '.';
        }
    }
    return text;
}

bool DealFromPbn(std::string_view text, DealHoldings& out) {
    out = {};
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    if (text.size() < 2 || text[1] != ':') return false;
    const auto firstPos = SeatLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
    if (firstPos == std::string_view::npos) return false;
    text.remove_prefix(2);
    Holding seen[4] = {};
    for (int i = 0; i < 4; ++i) {
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
        size_t end = 0;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
        const std::string_view hand = text.substr(0, end);
        text.remove_prefix(end);
        if (hand.empty()) return false;
        const TSeat seat = static_cast<TSeat>((firstPos + static_cast<size_t>(i)) & 3);
        if (hand == "-") continue;
        std::string_view rest = hand;
        for (int suit = Spades; suit >= Clubs; --suit) {
            const size_t dot = suit > Clubs ? rest.find('.') : rest.size();
            if (dot == std::string_view::npos) return false;
            Holding h = 0;
            if (!HoldingFromText(rest.substr(0, dot), h)) return false;
            if (h & seen[suit]) return false;
            seen[suit] |= h;
            out[seat][static_cast<size_t>(suit)] = h;
            rest.remove_prefix(suit > Clubs ? dot + 1 : dot);
        }
        if (!rest.empty()) return false;
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    return text.empty();
}

}  // namespace corvane
