// The order and equality of section names and keys. One comparator of our own, so a file is
// sorted the same way on every machine: case is ignored, symbols come before digits and digits
// before letters. Hand files rely on it: "_" and "." sort before digits, so each board's deal
// section is followed directly by its result sections and boards 1 to 99 are in numeric order.
#pragma once

#include <string_view>

namespace corvane {

// Negative, zero or positive as a sorts before, with or after b.
int CompareNames(std::string_view a, std::string_view b);

// Equal ignoring case (ASCII and Windows-1252 letters).
bool SameName(std::string_view a, std::string_view b);

// The byte with Windows-1252 upper-case letters turned to lower case.
unsigned char FoldCase(unsigned char c);

}  // namespace corvane
