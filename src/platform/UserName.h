#pragma once

#include <string>

namespace corvane::platform {

// The login name of the person running the program; empty when it cannot be found.
std::string UserName();

}  // namespace corvane::platform
