// Whole-file reading and writing. Every data file is read whole and written whole; a write goes
// to a temporary file beside the target that replaces it only once complete, so a full disk or
// a crash never leaves half a file.
#pragma once

#include <string>
#include <string_view>

namespace corvane::platform {

enum class ReadOutcome { Read, Missing, Failed };

// Reads the file's bytes into contents. Missing: no such file (contents empty). Failed: the
// file exists but could not be read; error says why.
ReadOutcome ReadWholeFile(const std::string& path, std::string& contents, std::string& error);

// Replaces the file with contents: writes a temporary file in the same folder, flushes it to
// the disk and renames it over the target. Returns an empty text on success, otherwise a
// message naming the file and the reason; the old file is then left as it was.
std::string WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace corvane::platform
