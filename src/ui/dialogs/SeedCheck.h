// The checks on a typed random seed, apart from the dialog so they can be tested and shared.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr const char* SeedTooLongMessage = "That random number was too long!";
inline constexpr const char* SeedZeroMessage = "The random number must not equal zero";

struct SeedCheckResult {
    bool Ok = false;
    std::int32_t Seed = 0;
    std::string Message;  // why the text was refused
};

// The text without surrounding blanks, read as a signed 32-bit decimal (0 when it is none).
SeedCheckResult CheckSeedText(std::string_view text);

}  // namespace corvane
