#include "platform/Clock.h"

#include <chrono>

namespace corvane::platform {

std::int32_t HighResolutionSeed() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ticks));
}

double MillisecondsNow() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace corvane::platform
