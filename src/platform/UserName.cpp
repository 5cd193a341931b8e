#include "platform/UserName.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace corvane::platform {

std::string UserName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name && *found->pw_name)
        return found->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

}  // namespace corvane::platform
