// Reading PBN files into hand-file text.
#pragma once

#include "files/DealFileSections.h"

#include <string>
#include <vector>

namespace corvane {

// Converts the lines of a PBN file. Boards are numbered by distinct deals in order of first
// appearance; each game's result-level values go to a result section of its board. The
// messages name every unlisted tag once and any damage found in the text.
DealFileImport ImportPbn(const std::vector<std::string>& lines);

}  // namespace corvane
