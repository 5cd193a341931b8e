// The door through which deal files of other programs (PBN, LIN, CBF) become hand-file text.
// The deal-file readers fill ConvertToHandFile; the hand-file layer calls it when such a file
// is opened.
#pragma once

#include <string>
#include <vector>

namespace corvane {

enum class DealFileFormat { Pbn, Lin, Cbf };

struct HandFileConversion {
    bool Readable = false;              // false: the format cannot be converted
    std::vector<std::string> Lines;     // the hand-file text, for TBigIniFile::LoadLines
    std::vector<std::string> Messages;  // to show after converting, one message box each
};

// path: the deal file (its name and date may matter to the reader); lines: its text.
HandFileConversion ConvertToHandFile(DealFileFormat format, const std::string& path,
                                     const std::vector<std::string>& lines);

}  // namespace corvane
