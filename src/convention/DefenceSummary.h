// What each defence to the opponents' 1NT means, shown beside the choice on the card: the name,
// then the meaning of double, 2C, 2D, 2H and 2S ("~" before a strain letter marks a suit symbol).
#pragma once

#include <array>
#include <string_view>

namespace corvane {

struct DefenceSummary {
    std::string_view Code;  // the card value
    std::array<std::string_view, 6> Rows;
};

inline constexpr std::array<std::string_view, 6> DefenceSummaryLabels = {
    " ", "DBL:", "2~C", "2~D", "2~H", "2~S"};

// clang-format off
inline constexpr std::array<DefenceSummary, 10> DefenceSummaries = {{
    {"NATURAL",  {"Natural", "Penalty", "long ~C", "long ~D", "long ~H", "long ~S"}},
    {"ASTRO",    {"Astro", "Penalty", "~H + minor", "~S + minor", "long ~H", "long ~S"}},
    {"BROZEL",   {"Brozel", "1 long suit", "~C + ~H", "~D + ~H", "~H + ~S", "~S + minor"}},
    {"CANSINO",  {"Cansino", "Penalty", "~C + 2 suits", "~H + ~S", "long ~H", "long ~S"}},
    {"CAPP",     {"Capp/Ham", "Penalty", "1 long suit", "~H + ~S", "~H + minor", "~S + minor"}},
    {"DONT",     {"D.O.N.T.", "1 suit", "~C + higher suit", "~D + higher suit", "~H + ~S", "Weak ~S"}},
    {"HELLO",    {"Hello", "Penalty", "~D or Maj / min", "long ~H", "~H + ~S", "long ~S"}},
    {"LANDY",    {"Landy", "Penalty", "~H + ~S", "long ~D", "long ~H", "long ~S"}},
    {"MECKWELL", {"Meckwell", "min's or Maj's", "~C + Maj", "~D + Maj", "long ~H", "long ~S"}},
    {"WOOLSEY",  {"Woolsey", "5Min/4 Maj", "~H + ~S", "~H or ~S", "5~H + minor", "5~S + minor"}},
}};
// clang-format on

// The summary of a defence code, or nullptr for a code that is none of them.
constexpr const DefenceSummary* FindDefenceSummary(std::string_view code) {
    for (const auto& summary : DefenceSummaries) {
        if (summary.Code == code) return &summary;
    }
    return nullptr;
}

}  // namespace corvane
