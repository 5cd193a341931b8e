// Deal-file text as the readers need it, and copying hand files to PBN.
#pragma once

#include "files/BigIniFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view EntireFileCopiedMessage = "The entire file has been copied to:\r";
inline constexpr std::string_view DealCopiedMessage = "This deal has been copied to:\r";

// A file's lines (LF or CRLF, a leading UTF-8 byte-order mark dropped), kept whole: a deal
// file's comments and sections may run past the length of a hand-file line.
std::vector<std::string> SplitTextLines(std::string_view text);

// The PBN file a hand file is copied to: its path with the extension ".pbn".
std::string PbnPathOf(const std::string& handFilePath);

struct PbnCopy {
    std::string path;     // the file written
    std::string message;  // what to show the person
    bool written = false;
};

// Writes the whole hand file, or with justThisDeal only the given board, as PBN beside it,
// replacing any file of that name.
PbnCopy CopyToPbn(const TBiggerINIFile& handFile, int board, bool justThisDeal);

}  // namespace corvane
