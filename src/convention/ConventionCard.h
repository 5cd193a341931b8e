// One convention card: a list of KEY=VALUE settings kept in key order (the order of the INI
// files: case ignored, symbols before digits before letters). Keys are looked up ignoring
// case, values compared exactly; an absent key reads as the empty value and setting the empty
// value removes the line. Lines without "=" are kept as they are and written back unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct CardLine {
    std::string Key;    // the text before the first "=", or the whole line when there is none
    std::string Value;
    bool HasEquals = true;

    std::string Text() const { return HasEquals ? Key + "=" + Value : Key; }
    bool operator==(const CardLine&) const = default;
};

class ConventionCard {
public:
    // Reads KEY=VALUE lines (CR LF or LF, a leading byte-order mark ignored); blank lines are
    // dropped. Lines with the same key keep their file order; the first one counts.
    static ConventionCard FromText(std::string_view text);
    // Every line followed by CR LF.
    std::string ToText() const;

    // The first line with this key; empty when absent.
    const std::string& Value(std::string_view key) const;
    // Replaces the first line with this key, or adds one at its place in key order; the empty
    // value removes every line with the key.
    void Set(std::string_view key, std::string_view value);

    const std::vector<CardLine>& Lines() const { return lines_; }
    bool operator==(const ConventionCard&) const = default;

private:
    std::vector<CardLine>::const_iterator LowerBound(std::string_view key) const;

    std::vector<CardLine> lines_;
};

}  // namespace corvane
