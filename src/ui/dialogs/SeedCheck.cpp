#include "ui/dialogs/SeedCheck.h"

#include <charconv>

namespace corvane {

SeedCheckResult CheckSeedText(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    text = first == std::string_view::npos ? std::string_view() : text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    // A number that does not fit, or text that is not wholly a number, reads as 0.
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        (digits.size() != text.size() && digits.front() == '-')) {
        value = 0;
    }
    if (value != 0) return {true, value, {}};
    return {false, 0, text.size() >= 9 ? SeedTooLongMessage : SeedZeroMessage};
}

}  // namespace corvane
