#include "files/HandFileConversion.h"

#include "files/CbfImport.h"
#include "files/LinImport.h"
#include "files/PbnImport.h"
#include "platform/FileTimes.h"

#include <filesystem>

namespace corvane {

HandFileConversion ConvertToHandFile(DealFileFormat format, const std::string& path,
                                     const std::vector<std::string>& lines) {
    DealFileImport converted;
    switch (format) {
    case DealFileFormat::Pbn: converted = ImportPbn(lines); break;
    case DealFileFormat::Cbf: converted = ImportCbf(lines); break;
    case DealFileFormat::Lin: {
        // The event date comes from the file's name, else from the day the file was written.
        const auto fromName = EventDateFromFileName(std::filesystem::path(path).filename().string());
        converted = ImportLin(lines, fromName ? *fromName : platform::FileModifiedDate(path));
        break;
    }
    }
    return HandFileConversion{true, std::move(converted.lines), std::move(converted.messages)};
}

}  // namespace corvane
