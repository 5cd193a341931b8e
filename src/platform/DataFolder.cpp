#include "platform/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace corvane::platform {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(const fs::path& p) {
    std::string s = p.string();
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

bool IsFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

}  // namespace

std::string ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return WithSlash(fs::current_path(ec));
    return WithSlash(exe.parent_path());
}

std::string DataFolderPath() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg && fs::path(xdg).is_absolute()) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".local" / "share";
    } else {
        base = fs::temp_directory_path();
    }
    return WithSlash(base / "Corvane" / "Ver 6");
}

std::string CreateDataFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (IsFolder(folder)) return {};
    return "Cannot create " + folder;
}

std::string ShippedFilesFolder() {
    const fs::path program(ProgramFolder());
    const fs::path candidates[] = {
        program / "data",
        program.parent_path().parent_path() / "share" / "corvane" / "data",
#ifdef CORVANE_SOURCE_DATA
        fs::path(CORVANE_SOURCE_DATA),
#endif
    };
    for (const auto& c : candidates) {
        if (IsFolder(c)) return WithSlash(c);
    }
    return {};
}

int InstallShippedFiles(const std::string& shippedFolder, const std::string& dataFolder) {
    if (shippedFolder.empty() || !IsFolder(shippedFolder)) return 0;
    int copied = 0;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(shippedFolder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const fs::path target = fs::path(dataFolder) / fs::relative(it->path(), shippedFolder, ec);
        if (ec) continue;
        std::error_code ignored;
        if (fs::exists(target, ignored)) continue;
        fs::create_directories(target.parent_path(), ignored);
        if (fs::copy_file(it->path(), target, fs::copy_options::skip_existing, ignored)) ++copied;
    }
    return copied;
}

std::string PrepareDataFolder(std::string& error) {
    const std::string folder = DataFolderPath();
    error = CreateDataFolder(folder);
    if (error.empty()) InstallShippedFiles(ShippedFilesFolder(), folder);
    return folder;
}

}  // namespace corvane::platform
