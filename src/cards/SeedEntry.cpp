#include "cards/SeedEntry.h"

#include <charconv>

namespace corvane {

SeedEntryResult CheckSeedEntry(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const std::string trimmed =
        first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::int32_t number = 0;
    const char* begin = trimmed.data();
    const char* end = begin + trimmed.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, number);
    if (ec != std::errc() || ptr != end) number = 0;

    SeedEntryResult result;
    if (trimmed.size() >= 9 && number == 0) {
        result.Message = SeedTooLongMessage;
    } else if (number == 0) {
        result.Message = SeedZeroMessage;
    } else {
        result.Accepted = true;
        result.Seed = number;
        result.ReproductionText = std::to_string(number);
    }
    return result;
}

}  // namespace corvane
