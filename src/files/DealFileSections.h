// The hand-file text a deal-file reader builds: named sections of key=value lines, written
// the way the hand-file store writes them, so the result loads like any hand file.
#pragma once

#include "files/HandFileKeys.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane {

// What a reader returns: the hand-file lines and the messages to show after the conversion.
struct DealFileImport {
    std::vector<std::string> lines;
    std::vector<std::string> messages;
};

// Built with a hashed index rather than in the hand-file store itself: a converted file of
// thousands of boards would otherwise pay a search of the section list for every new section.
class DealFileSections {
public:
    // Replaces the key's line in the section (keys match ignoring case) or appends it; the
    // section is created at the end of the list when missing. Lines are cut to 255 characters.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    bool Has(std::string_view section) const;
    // "[name]" and the lines of every section that has lines, in the order sections were made.
    std::vector<std::string> ToLines() const;

private:
    struct Section {
        std::string name;
        std::vector<std::string> lines;
    };
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> index_;  // lower-cased name -> position
};

// Helpers shared by the readers.
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
std::string_view Trimmed(std::string_view text);
// A whole decimal integer (optional sign, surrounding spaces allowed); nothing otherwise.
std::optional<int> IntegerFrom(std::string_view text);
// Splits at commas and runs of spaces; a token in double quotes keeps its spaces.
std::vector<std::string> CommaTextTokens(std::string_view text);
std::string JoinWithCommas(const std::vector<std::string>& items);

}  // namespace corvane
