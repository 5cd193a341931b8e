// Writing hand files as PBN.
#pragma once

#include "files/BigIniFile.h"

#include <string>

namespace corvane {

// The PBN text of a hand file: one game per result, and one for every board without results.
// With onlyBoard set (a board number), just that board's games.
std::string ExportPbnText(const TBigIniFile& handFile, int onlyBoard = -1);

}  // namespace corvane
