// The six code tables: the alert texts that explain calls, and five reference lists of the
// codes a person types into bid definitions and convention cards. Each is a text file of the
// data folder with one "code=text" entry per line. Only the alert table is read by the bidder;
// the others are documentation shown in the code-table dialog.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct CodeTableInfo {
    std::string_view File;
    std::string_view Caption;
    std::string_view CodeHeader;
    std::string_view TextHeader;
};

namespace code_table {
inline constexpr int Alerts = 0;
inline constexpr int ConventionCodes = 1;
inline constexpr int BidInformationCodes = 2;
inline constexpr int PointCodes = 3;
inline constexpr int QualityCodes = 4;
inline constexpr int SuitCodes = 5;
inline constexpr int Count = 6;
}  // namespace code_table

inline constexpr std::array<CodeTableInfo, code_table::Count> CodeTableInfos = {{
    {"Alerts.txt", "Codes for Alerts", "Number", "Alert Message"},
    {"CnvtCodes.txt", "Cnvt codes used on CCs", "Code", "Description of convention"},
    {"BidMeaning.txt", "Codes used in \"Other Bid Information\"", "Code", "Meaning"},
    {"PtMeaning.txt", "Codes used to define Point Ranges", "Code", "Meaning"},
    {"QualityCodes.txt", "Codes for Suit Quality", "Code", "Meaning"},
    {"SuitCodes.txt", "Suit Codes", "Code", "Meaning"},
}};

// The dialog shows only this much of an entry's text.
inline constexpr std::size_t ShownTextLength = 100;

// One table: its entries as lines, kept in name order of the whole line (case ignored).
class CodeTable {
public:
    static CodeTable FromText(std::string_view text);
    static CodeTable FromLines(std::vector<std::string> lines);

    const std::vector<std::string>& Lines() const { return lines_; }
    // Every line followed by CR LF.
    std::string ToText() const;

    // The code of an entry is everything before the first "=", the text what follows (empty
    // for a line without "=").
    static std::string_view EntryCode(std::string_view line);
    static std::string_view EntryText(std::string_view line);

    // The text of the first entry whose code equals the given one (case ignored); empty when
    // there is none.
    std::string Value(std::string_view code) const;
    // The largest numeric code; codes that are not numbers count 0.
    int LargestNumber() const;

private:
    std::vector<std::string> lines_;
};

// Reads a table from the data folder; a missing or unreadable file gives an empty table.
CodeTable LoadCodeTable(int table, const std::string& dataFolder);
// Writes a table back to its file in the data folder; an empty text on success, else a message.
std::string SaveCodeTable(int table, const std::string& dataFolder, const CodeTable& entries);

// The message when the alert table is missing at start-up; start-up is then flagged as failed.
inline constexpr std::string_view MissingAlertsMessage =
    "The \"Alerts.txt\" file is not available. Please reinstall Corvane.";

struct AlertTableLoad {
    CodeTable Table;
    bool Failed = false;
    std::string Message;  // for the person, when Failed
};
// Start-up: reads "Alerts.txt" of the data folder.
AlertTableLoad LoadAlertTable(const std::string& dataFolder);

// The alert text of a code, empty when the table has none.
std::string AlertText(const CodeTable& alerts, std::string_view code);

// The text shown for a call's explanation: the alert text of the code, else the code itself
// with each word's first letter kept, every other letter lower-cased and "." turned into blanks.
std::string ExplanationText(std::string_view code, const CodeTable& alerts);

}  // namespace corvane
