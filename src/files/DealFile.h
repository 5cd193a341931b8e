// Opening deal files of every kind as hand-file text, and copying hand files to PBN.
#pragma once

#include "files/BigIniFile.h"
#include "files/DealFileSections.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view UnknownDealFileMessage = "Only .INI, .PBN, .CBF and .LIN files can be read.";
inline constexpr std::string_view EntireFileCopiedMessage = "The entire file has been copied to:\r";
inline constexpr std::string_view DealCopiedMessage = "This deal has been copied to:\r";

enum class DealFileKind { Ini, Pbn, Lin, Cbf, Unknown };

// By extension, ignoring case; ".TXT" files are hand files too.
DealFileKind DealFileKindOf(std::string_view path);

// A file's lines (LF or CRLF, a leading UTF-8 byte-order mark dropped), kept whole: a deal
// file's comments and sections may run past the length of a hand-file line.
std::vector<std::string> SplitTextLines(std::string_view text);

// Converts the lines of a deal file of the given kind into hand-file text. Hand files (and
// files of an unknown kind, after a message) are taken as they are. eventDate is used for LIN
// files ("yyyy.mm.dd" or empty).
DealFileImport ConvertDealLines(DealFileKind kind, const std::vector<std::string>& lines,
                                std::string_view eventDate);

struct OpenedDealFile {
    std::string iniPath;  // where the hand file is saved: the opened name with ".ini"
    DealFileKind kind = DealFileKind::Ini;
    std::vector<std::string> lines;     // hand-file text
    std::vector<std::string> messages;  // to show after opening
    std::string error;                  // why the file could not be read; empty when it was
};

// Opens a file for the hand-file layer. A PBN, LIN or CBF file is converted, and the ".ini"
// conversion made earlier is moved to the trash first; should that fail, the earlier
// conversion is opened instead, so it is never overwritten. A missing file gives no lines.
OpenedDealFile OpenDealFile(const std::string& path);

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
