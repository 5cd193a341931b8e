#include "files/HandFields.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

namespace corvane {

namespace {

bool Digits(std::string_view text, int& value) {
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view StripCaret(std::string_view value) {
    if (value.size() > 1 && value.front() == '^') value.remove_prefix(1);
    return value;
}

// The signed whole number at the start of text (after blanks); 0 when there is none.
long LeadingInteger(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    long value = 0;
    const char* begin = text.data();
    if (!text.empty() && text.front() == '+') ++begin;
    std::from_chars(begin, text.data() + text.size(), value);
    return value;
}

double LeadingDecimal(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    std::string number;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) || (number.empty() && (c == '-' || c == '+'))) {
            number += c;
        } else if ((c == '.' || c == ',') && number.find('.') == std::string::npos) {
            number += '.';
        } else {
            break;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

bool EastWest(TSeat seat) { return Side(seat) == 2; }

// The text after the side's marker ("NS" or "EW"), or nothing without one.
std::optional<std::string_view> AfterSide(std::string_view value, std::string_view side) {
    const auto at = value.find(side);
    if (at == std::string_view::npos) return std::nullopt;
    return value.substr(at + side.size());
}

}  // namespace

bool ValidHandDate(std::string_view value) {
    if (value.size() != 10) {
        const auto blank = value.find(' ');
        if (blank != std::string_view::npos) value = value.substr(blank + 1);
    }
    if (value.size() != 10) return false;
    int year = 0, month = 0, day = 0;
    bool ok;
    if (value[4] == '.' && value[7] == '.') {
        ok = Digits(value.substr(0, 4), year) && Digits(value.substr(5, 2), month) &&
             Digits(value.substr(8, 2), day);
    } else {
        ok = Digits(value.substr(0, 2), month) && Digits(value.substr(3, 2), day) &&
             Digits(value.substr(6, 4), year);
    }
    return ok && year >= 1901 && year <= 2099 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::optional<TSeat> SeatFromLetter(std::string_view value) {
    value = StripCaret(value);
    if (value.size() != 1) return std::nullopt;
    if (const auto at = SeatLetters.find(value[0]); at != std::string_view::npos)
        return static_cast<TSeat>(at);
    if (value[0] >= '0' && value[0] <= '3') return static_cast<TSeat>(value[0] - '0');
    return std::nullopt;
}

Vulnerability VulnerabilityFromText(std::string_view value) {
    std::string head(value.substr(0, 3));
    for (char& c : head) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (StartsWith(head, "NS") || head == "N/S" || head == "N-S") return VulNS;
    if (StartsWith(head, "EW") || head == "E/W" || head == "E-W") return VulEW;
    if (head == "BOT" || head == "ALL") return VulBoth;
    return VulNone;
}

std::string ParseHandFileDeal(std::string_view value, DealHoldings& out) {
    out = {};
    const auto first = value.empty() ? std::string_view::npos : SeatLetters.find(value[0]);
    if (first == std::string_view::npos) return "Deal does not start with N,E,S, or  W";
    if (value.size() < 69) return " 52 cards not dealt";
    int seat = static_cast<int>(PreviousSeat(static_cast<int>(first)));
    int suit = Spades;
    for (char c : value.substr(1, 68)) {
        if (c == ':' || c == ' ') {
            seat = NextSeat(seat);
            suit = Spades;
        } else if (c == '.') {
            --suit;
        } else if (const TRank rank = RankFromChar(c); rank != 0 && suit >= Clubs) {
            // Characters that are not cards, and cards past the clubs, carry nothing.
            out[seat][suit] |= RankBit(rank);
        }
    }
    return {};
}

std::optional<int> TricksFromResult(std::string_view value, TSeat declarer, std::string& normalized) {
    value = StripCaret(value);
    int tricks = 0;
    if (value.empty()) return 0;
    if (Digits(value, tricks) && value.size() <= 2) {
        if (tricks <= 13) return tricks;
        return std::nullopt;
    }
    if (value.size() > 3 && (StartsWith(value, "NS ") || StartsWith(value, "EW "))) {
        const std::size_t width = value.size() > 4 && value[4] != ' ' ? 2 : 1;
        if (!Digits(value.substr(3, width), tricks)) return std::nullopt;
        const bool otherSide = (value[0] == 'N' && EastWest(declarer)) ||
                               (value[0] == 'E' && !EastWest(declarer));
        if (otherSide) tricks = 13 - tricks;
        if (tricks < 1 || tricks > 13) return std::nullopt;
        normalized = std::to_string(tricks);
        return tricks;
    }
    return std::nullopt;
}

std::optional<int> ScoreFromText(std::string_view value, TSeat declarer) {
    if (value.empty()) return std::nullopt;
    if (const auto ns = AfterSide(value, "NS")) return static_cast<int>(LeadingInteger(*ns));
    if (const auto ew = AfterSide(value, "EW")) return static_cast<int>(-LeadingInteger(*ew));
    const long score = LeadingInteger(value);
    return static_cast<int>(EastWest(declarer) ? -score : score);
}

double ComparisonFromText(std::string_view value, TSeat declarer) {
    if (value.empty()) return 0;
    if (const auto ns = AfterSide(value, "NS")) return LeadingDecimal(*ns);
    if (const auto ew = AfterSide(value, "EW")) return -LeadingDecimal(*ew);
    const double v = LeadingDecimal(value);
    return EastWest(declarer) ? -v : v;
}

std::vector<std::string> SplitCommaList(std::string_view text) {
    std::vector<std::string> items;
    if (text.empty()) return items;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        items.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return items;
}

std::string JoinCommaList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) text += ',';
        text += items[i];
    }
    return text;
}

}  // namespace corvane
