// The check of a seed typed into the seed dialog.
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

inline constexpr int SeedEntryMaxLength = 12;
inline constexpr const char* SeedEntryMask = "#99999999999";  // sign or digit, then digits
inline constexpr const char* SeedEntryCaption = "Enter a New Random Seed";
inline constexpr const char* SeedTooLongMessage = "That random number was too long!";
inline constexpr const char* SeedZeroMessage = "The random number must not equal zero";

struct SeedEntryResult {
    bool Accepted = false;
    std::int32_t Seed = 0;
    std::string ReproductionText;  // the seed's decimal text, for reproducing it at the next deal
    std::string Message;           // why the entry was refused; the dialog stays open
};

// Trims the text and reads it as a decimal number (0 when it is not one, or does not fit).
SeedEntryResult CheckSeedEntry(const std::string& text);

}  // namespace corvane
