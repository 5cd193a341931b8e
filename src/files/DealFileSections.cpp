#include "files/DealFileSections.h"

#include "files/BigIniFile.h"

#include <cctype>
#include <charconv>

namespace corvane {

namespace {
std::string_view NameOf(std::string_view line) {
    std::string_view name;
    return IniLineName(line, name) ? name : std::string_view{};
}
}  // namespace

void DealFileSections::Write(std::string_view section, std::string_view key, std::string_view value) {
    if (key.empty()) return;
    std::string line(key);
    if (!value.empty()) {
        line += '=';
        line += value;
    }
    if (line.size() > MaxIniLine) line.resize(MaxIniLine);
    const std::string lower = LowerCase(section);
    auto found = index_.find(lower);
    if (found == index_.end()) {
        found = index_.emplace(lower, sections_.size()).first;
        sections_.push_back(Section{std::string(section), {}});
    }
    auto& lines = sections_[found->second].lines;
    for (auto& existing : lines) {
        if (EqualsIgnoringCase(NameOf(existing), key)) {
            existing = std::move(line);
            return;
        }
    }
    lines.push_back(std::move(line));
}

bool DealFileSections::Has(std::string_view section) const {
    return index_.count(LowerCase(section)) != 0;
}

std::vector<std::string> DealFileSections::ToLines() const {
    std::vector<std::string> out;
    for (const auto& section : sections_) {
        if (section.lines.empty()) continue;
        out.push_back("[" + section.name + "]");
        out.insert(out.end(), section.lines.begin(), section.lines.end());
    }
    return out;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (auto& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

std::optional<int> IntegerFrom(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::vector<std::string> CommaTextTokens(std::string_view text) {
    std::vector<std::string> tokens;
    size_t i = 0;
    const auto isGap = [](char c) { return c == ',' || std::isspace(static_cast<unsigned char>(c)); };
    while (i < text.size()) {
        while (i < text.size() && isGap(text[i])) ++i;
        if (i >= text.size()) break;
        std::string token;
        if (text[i] == '"') {
            const size_t close = text.find('"', i + 1);
            const size_t end = close == std::string_view::npos ? text.size() : close;
            token.assign(text.substr(i + 1, end - i - 1));
            i = close == std::string_view::npos ? text.size() : close + 1;
        } else {
            const size_t start = i;
            while (i < text.size() && !isGap(text[i])) ++i;
            token.assign(text.substr(start, i - start));
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::string JoinWithCommas(const std::vector<std::string>& items) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ',';
        out += items[i];
    }
    return out;
}

}  // namespace corvane
