#include "platform/Trash.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace corvane::platform {

namespace fs = std::filesystem;

namespace {

fs::path TrashFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "Trash";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "Trash";
}

// Percent-encodes a path for the trash record, keeping "/" and the unreserved characters.
std::string EncodePath(const std::string& path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string Now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

std::string Failure(const std::string& path, const std::string& why) {
    return "Cannot move " + path + " to the trash: " + why;
}

}  // namespace

std::string MoveToTrash(const std::string& path) {
    std::error_code ec;
    const fs::path source = fs::absolute(path, ec);
    if (ec || !fs::exists(fs::symlink_status(source, ec))) return Failure(path, "no such file");
    const fs::path trash = TrashFolder();
    fs::create_directories(trash / "files", ec);
    fs::create_directories(trash / "info", ec);
    if (ec) return Failure(path, ec.message());

    // Reserve a free name by creating its record exclusively; a name already in the trash gets
    // a number.
    const std::string stem = source.stem().string();
    const std::string extension = source.extension().string();
    std::string name;
    fs::path info;
    int fd = -1;
    for (int n = 1; n < 10000 && fd < 0; ++n) {
        name = n == 1 ? source.filename().string() : stem + "." + std::to_string(n) + extension;
        info = trash / "info" / (name + ".trashinfo");
        if (fs::exists(trash / "files" / name, ec)) continue;
        fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) return Failure(path, std::strerror(errno));
    }
    if (fd < 0) return Failure(path, "no free name in the trash");
    const std::string record =
        "[Trash Info]\nPath=" + EncodePath(source.string()) + "\nDeletionDate=" + Now() + "\n";
    const bool written = ::write(fd, record.data(), record.size()) == static_cast<ssize_t>(record.size());
    ::close(fd);

    const fs::path target = trash / "files" / name;
    if (written) {
        fs::rename(source, target, ec);
        if (ec == std::errc::cross_device_link) {
            // Another file system: copy, then remove the original only once the copy exists.
            ec.clear();
            fs::copy(source, target, fs::copy_options::recursive, ec);
            if (!ec) fs::remove_all(source, ec);
        }
        if (!ec) return {};
    }
    std::error_code ignored;
    fs::remove(info, ignored);
    return Failure(path, written ? ec.message() : "cannot write the trash record");
}

}  // namespace corvane::platform
