#include "platform/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::platform {

namespace {

std::string Reason(const std::string& what, const std::string& path, int err) {
    return what + " " + path + ": " + std::strerror(err);
}

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    int Release() {
        const int result = ::close(fd);
        fd = -1;
        return result;
    }
};

}  // namespace

ReadOutcome ReadWholeFile(const std::string& path, std::string& contents, std::string& error) {
    contents.clear();
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT) return ReadOutcome::Missing;
        error = Reason("Cannot read", path, errno);
        return ReadOutcome::Failed;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        error = Reason("Cannot read", path, EISDIR);
        return ReadOutcome::Failed;
    }
    if (info.st_size > 0) contents.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = Reason("Cannot read", path, errno);
            contents.clear();
            return ReadOutcome::Failed;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    return ReadOutcome::Read;
}

std::string WriteFileAtomically(const std::string& path, std::string_view contents) {
    const std::filesystem::path target(path);
    std::string temporary = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor file{::mkstemp(temporary.data())};
    if (file.fd < 0) return Reason("Cannot write", path, errno);

    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::fchmod(file.fd, mode);

    auto fail = [&](int err) {
        if (file.fd >= 0) file.Release();
        ::unlink(temporary.c_str());
        return Reason("Cannot write", path, err);
    };
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t n = ::write(file.fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(file.fd) != 0) return fail(errno);
    if (file.Release() != 0) return fail(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0) return fail(errno);

    // Make the rename itself durable; a failure here cannot undo the save, so it is ignored.
    const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
    Descriptor directory{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (directory.fd >= 0) ::fsync(directory.fd);
    return {};
}

}  // namespace corvane::platform
