// Reading LIN files (online-play records) into hand-file text.
#pragma once

#include "files/DealFileSections.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Converts the lines of a LIN file; eventDate ("yyyy.mm.dd" or empty) is written as each
// board's Date. One deal section per board, one result section per room ("o", "c").
DealFileImport ImportLin(const std::vector<std::string>& lines, std::string_view eventDate);

// The event date in a file name such as "05-12-08 game.lin" (2008.05.12); nothing when the
// name holds no such date.
std::optional<std::string> EventDateFromFileName(std::string_view fileName);

}  // namespace corvane
