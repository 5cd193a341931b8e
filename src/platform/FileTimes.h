// File modification times: the player chosen at start-up is the one whose file changed last,
// and a deal file without a date in its name takes its file's date.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvane::platform {

// Seconds and nanoseconds since the epoch, comparable between files; nothing when the file
// does not exist.
std::optional<std::int64_t> FileModifiedNanoseconds(const std::string& path);

// The file's modification day in local time as "yyyy.mm.dd"; empty when it does not exist.
std::string FileModifiedDate(const std::string& path);

// Today in local time as "yyyy.mm.dd".
std::string TodayText();

}  // namespace corvane::platform
