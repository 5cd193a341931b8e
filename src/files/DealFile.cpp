#include "files/DealFile.h"

#include "files/CbfImport.h"
#include "files/LinImport.h"
#include "files/PbnExport.h"
#include "files/PbnImport.h"
#include "platform/FileIo.h"
#include "platform/FileTimes.h"
#include "platform/Trash.h"

#include <filesystem>
#include <system_error>

namespace corvane {

DealFileKind DealFileKindOf(std::string_view path) {
    const std::string extension = UpperCase(std::filesystem::path(std::string(path)).extension().string());
    if (extension == ".INI" || extension == ".TXT") return DealFileKind::Ini;
    if (extension == ".PBN") return DealFileKind::Pbn;
    if (extension == ".LIN") return DealFileKind::Lin;
    if (extension == ".CBF") return DealFileKind::Cbf;
    return DealFileKind::Unknown;
}

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

DealFileImport ConvertDealLines(DealFileKind kind, const std::vector<std::string>& lines,
                                std::string_view eventDate) {
    switch (kind) {
    case DealFileKind::Pbn: return ImportPbn(lines);
    case DealFileKind::Lin: return ImportLin(lines, eventDate);
    case DealFileKind::Cbf: return ImportCbf(lines);
    case DealFileKind::Unknown: return DealFileImport{lines, {std::string(UnknownDealFileMessage)}};
    case DealFileKind::Ini: break;
    }
    return DealFileImport{lines, {}};
}

OpenedDealFile OpenDealFile(const std::string& path) {
    OpenedDealFile opened;
    opened.kind = DealFileKindOf(path);
    opened.iniPath = std::filesystem::path(path).replace_extension(".ini").string();
    std::string text;
    switch (platform::ReadWholeFile(path, text, opened.error)) {
    case platform::ReadOutcome::Missing: return opened;
    case platform::ReadOutcome::Failed: return opened;
    case platform::ReadOutcome::Read: break;
    }
    const bool converts = opened.kind == DealFileKind::Pbn || opened.kind == DealFileKind::Lin ||
                          opened.kind == DealFileKind::Cbf;
    std::error_code ec;
    if (converts && std::filesystem::exists(opened.iniPath, ec)) {
        const std::string trashError = platform::MoveToTrash(opened.iniPath);
        if (!trashError.empty()) {
            opened.messages.push_back(trashError);
            std::string iniText;
            if (platform::ReadWholeFile(opened.iniPath, iniText, opened.error) == platform::ReadOutcome::Read) {
                opened.kind = DealFileKind::Ini;
                opened.lines = SplitTextLines(iniText);
            }
            return opened;
        }
    }
    std::string eventDate;
    if (opened.kind == DealFileKind::Lin) {
        const auto fromName = EventDateFromFileName(std::filesystem::path(path).filename().string());
        eventDate = fromName ? *fromName : platform::FileModifiedDate(path);
    }
    DealFileImport converted = ConvertDealLines(opened.kind, SplitTextLines(text), eventDate);
    opened.lines = std::move(converted.lines);
    opened.messages = std::move(converted.messages);
    return opened;
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
