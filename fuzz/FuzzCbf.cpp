// Any bytes as a CBF file.
#include "files/CbfImport.h"
#include "files/DealFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvane::ImportCbf(corvane::SplitTextLines(text));
    return 0;
}
