#include "convention/ConventionCard.h"

#include "files/IniCollation.h"

#include <algorithm>

namespace corvane {

namespace {

bool KeyLess(std::string_view a, std::string_view b) { return CompareNames(a, b) < 0; }

}  // namespace

ConventionCard ConventionCard::FromText(std::string_view text) {
    ConventionCard card;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            card.lines_.push_back({std::string(line), {}, false});
        } else {
            card.lines_.push_back({std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
        }
    }
    std::stable_sort(card.lines_.begin(), card.lines_.end(),
                     [](const CardLine& a, const CardLine& b) { return KeyLess(a.Key, b.Key); });
    return card;
}

std::string ConventionCard::ToText() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line.Text();
        text += "\r\n";
    }
    return text;
}

std::vector<CardLine>::const_iterator ConventionCard::LowerBound(std::string_view key) const {
    return std::lower_bound(lines_.begin(), lines_.end(), key,
                            [](const CardLine& line, std::string_view k) { return KeyLess(line.Key, k); });
}

const std::string& ConventionCard::Value(std::string_view key) const {
    static const std::string empty;
    const auto it = LowerBound(key);
    return it != lines_.end() && SameName(it->Key, key) ? it->Value : empty;
}

void ConventionCard::Set(std::string_view key, std::string_view value) {
    const auto first = lines_.begin() + (LowerBound(key) - lines_.cbegin());
    auto last = first;
    while (last != lines_.end() && SameName(last->Key, key)) ++last;
    if (value.empty()) {
        lines_.erase(first, last);
    } else if (first != last) {
        first->Value = std::string(value);
        first->HasEquals = true;
    } else {
        lines_.insert(first, CardLine{std::string(key), std::string(value)});
    }
}

}  // namespace corvane
