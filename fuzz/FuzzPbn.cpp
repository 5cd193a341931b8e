// Any bytes as a PBN file: the import must not crash, and neither may writing the result
// back as PBN and reading that again.
#include "files/BigIniFile.h"
#include "files/DealFile.h"
#include "files/PbnExport.h"
#include "files/PbnImport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto imported = corvane::ImportPbn(corvane::SplitTextLines(text));
    corvane::TBigIniFile handFile(true);
    handFile.LoadLines(imported.lines);
    const std::string written = corvane::ExportPbnText(handFile);
    corvane::ImportPbn(corvane::SplitTextLines(written));
    return 0;
}
