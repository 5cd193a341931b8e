// Reading CBF files (tag: value lines) into hand-file text.
#pragma once

#include "files/DealFileSections.h"

#include <string>
#include <vector>

namespace corvane {

// Converts the lines of a CBF file: one deal section per board, one result section per TABLE.
// A file whose first line is not its DOCTYPE line converts to nothing, with a message.
DealFileImport ImportCbf(const std::vector<std::string>& lines);

inline constexpr std::string_view CbfDocTypeMessage =
    "The first line of a CBF file must include the DOCTYPE tag";

}  // namespace corvane
