#include "platform/FileTimes.h"

#include <ctime>
#include <sys/stat.h>

namespace corvane::platform {

namespace {

std::string DayText(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y.%m.%d", &local);
    return text;
}

}  // namespace

std::optional<std::int64_t> FileModifiedNanoseconds(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

std::string FileModifiedDate(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return DayText(info.st_mtim.tv_sec);
}

std::string TodayText() { return DayText(std::time(nullptr)); }

}  // namespace corvane::platform
