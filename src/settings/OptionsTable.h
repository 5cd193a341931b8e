// Every key of the player file that maps to one field of the options record: its section, key,
// type, default and range. Reading, writing and the Preferences form all work from this table.
#pragma once

#include "settings/Options.h"

#include <span>
#include <string_view>
#include <variant>

namespace corvane {

using TextField = std::string& (*)(Options&);
using IntegerField = std::int32_t& (*)(Options&);
using BoolField = bool& (*)(Options&);

struct OptionKey {
    std::string_view Section;
    std::string_view Key;
    std::variant<TextField, IntegerField, BoolField> Field;
    std::string_view DefaultText = {};  // text options
    std::int32_t DefaultNumber = 0;     // integers; booleans 0 or 1
    std::int32_t Min = 1;               // integer range, none when Min > Max
    std::int32_t Max = 0;
    std::span<const std::string_view> Choices = {};  // allowed texts (case ignored); empty: any
    bool Read = true;                   // false: written from the record, never read
    bool DefaultIsPlayerFolder = false;

    bool HasRange() const { return Min <= Max; }
};

// In the order the keys are written.
std::span<const OptionKey> OptionKeys();

// The record with every table default; "Dir" becomes the player folder.
Options DefaultOptions(const std::string& playerFolder);

}  // namespace corvane
