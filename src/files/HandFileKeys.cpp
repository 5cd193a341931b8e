#include "files/HandFileKeys.h"

#include <charconv>

namespace corvane {

std::string DealSectionName(int board) {
    return (board >= 0 && board < 10 ? "_" : "") + std::to_string(board);
}

std::string ResultSectionName(int board, std::string_view suffix) {
    return DealSectionName(board) + "." + std::string(suffix);
}

int SectionNumber(std::string_view section) {
    if (!section.empty() && section.front() == '_') section.remove_prefix(1);
    section = section.substr(0, section.find('.'));
    int n = -1;
    const auto [end, error] = std::from_chars(section.data(), section.data() + section.size(), n);
    if (section.empty() || error != std::errc() || end != section.data() + section.size()) return -1;
    return n;
}

std::string_view SectionSuffix(std::string_view section) {
    const auto dot = section.find('.');
    if (dot == std::string_view::npos || dot < 2) return {};
    return section.substr(dot + 1);
}

bool IsResultSection(std::string_view section) { return section.find('.') != std::string_view::npos; }

}  // namespace corvane
