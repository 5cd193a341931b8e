// Any bytes as a LIN file.
#include "files/DealFile.h"
#include "files/LinImport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    corvane::ImportLin(corvane::SplitTextLines(text), "2024.01.02");
    corvane::EventDateFromFileName(text);
    return 0;
}
