// Clocks the program reads: the first random seed and elapsed times.
#pragma once

#include <cstdint>

namespace corvane::platform {

// The low 32 bits of a high-resolution counter, to start the random generator.
std::int32_t HighResolutionSeed();

// Milliseconds since an arbitrary fixed point, for measuring intervals.
double MillisecondsNow();

}  // namespace corvane::platform
