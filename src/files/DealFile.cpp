#include "files/DealFile.h"

#include "files/PbnExport.h"
#include "platform/FileIo.h"

#include <filesystem>

namespace corvane {

std::vector<std::string> SplitTextLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string PbnPathOf(const std::string& handFilePath) {
    return std::filesystem::path(handFilePath).replace_extension(".pbn").string();
}

PbnCopy CopyToPbn(const TBiggerINIFile& handFile, int board, bool justThisDeal) {
    PbnCopy copy;
    copy.path = PbnPathOf(handFile.Path());
    const std::string error = platform::WriteFileAtomically(copy.path, ExportPbnText(handFile, justThisDeal ? board : -1));
    copy.written = error.empty();
    // A failed write is said as such, never as a copy made.
    copy.message = copy.written ? std::string(justThisDeal ? DealCopiedMessage : EntireFileCopiedMessage) + copy.path : error;
    return copy;
}

}  // namespace corvane
