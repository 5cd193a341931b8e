#include "bidding/CodeTables.h"

#include "files/BigIniFile.h"
#include "files/IniCollation.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace corvane {
namespace {

std::string TablePath(int table, const std::string& dataFolder) {
    return dataFolder + std::string(CodeTableInfos[table].File);
}

}  // namespace

CodeTable CodeTable::FromLines(std::vector<std::string> lines) {
    CodeTable table;
    table.lines_ = std::move(lines);
    std::stable_sort(table.lines_.begin(), table.lines_.end(),
                     [](const std::string& a, const std::string& b) { return CompareNames(a, b) < 0; });
    return table;
}

CodeTable CodeTable::FromText(std::string_view text) {
    std::vector<std::string> lines = SplitIniText(text);
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    return FromLines(std::move(lines));
}

std::string CodeTable::ToText() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

std::string_view CodeTable::EntryCode(std::string_view line) {
    return line.substr(0, line.find('='));
}

std::string_view CodeTable::EntryText(std::string_view line) { return IniLineValue(line); }

std::string CodeTable::Value(std::string_view code) const {
    for (const std::string& line : lines_) {
        if (SameName(EntryCode(line), code)) return std::string(EntryText(line));
    }
    return {};
}

int CodeTable::LargestNumber() const {
    int largest = 0;
    for (const std::string& line : lines_) {
        const std::string_view code = EntryCode(line);
        int value = 0;
        const auto [end, ec] = std::from_chars(code.data(), code.data() + code.size(), value);
        if (ec == std::errc{} && end == code.data() + code.size()) largest = std::max(largest, value);
    }
    return largest;
}

CodeTable LoadCodeTable(int table, const std::string& dataFolder) {
    std::string text;
    std::string error;
    if (platform::ReadWholeFile(TablePath(table, dataFolder), text, error) !=
        platform::ReadOutcome::Read) {
        return {};
    }
    return CodeTable::FromText(text);
}

std::string SaveCodeTable(int table, const std::string& dataFolder, const CodeTable& entries) {
    return platform::WriteFileAtomically(TablePath(table, dataFolder), entries.ToText());
}

AlertTableLoad LoadAlertTable(const std::string& dataFolder) {
    AlertTableLoad load;
    std::string text;
    std::string error;
    switch (platform::ReadWholeFile(TablePath(code_table::Alerts, dataFolder), text, error)) {
    case platform::ReadOutcome::Read: load.Table = CodeTable::FromText(text); break;
    case platform::ReadOutcome::Missing:
        load.Failed = true;
        load.Message = std::string(MissingAlertsMessage);
        break;
    case platform::ReadOutcome::Failed:
        load.Failed = true;
        load.Message = error;
        break;
    }
    return load;
}

std::string AlertText(const CodeTable& alerts, std::string_view code) { return alerts.Value(code); }

std::string ExplanationText(std::string_view code, const CodeTable& alerts) {
    if (std::string text = AlertText(alerts, code); !text.empty()) return text;
    std::string text(code);
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i - 1] != ' ') {
            text[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        }
    }
    std::replace(text.begin(), text.end(), '.', ' ');
    return text;
}

}  // namespace corvane
