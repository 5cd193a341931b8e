// The INI store every data file of the program lives in: the whole file is read into memory
// as a list of sections, each a name and its lines, and written back whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Lines and values hold at most this many characters; longer ones are cut.
inline constexpr std::size_t MaxIniLine = 255;

// Splits file bytes into lines (LF or CRLF, a leading UTF-8 byte-order mark dropped), each cut
// to MaxIniLine characters.
std::vector<std::string> SplitIniText(std::string_view text);

// The name of a line "key=value" (the text before the first "="); false for a line without "=".
bool IniLineName(std::string_view line, std::string_view& name);
// The text after the first "=", empty when there is none.
std::string_view IniLineValue(std::string_view line);

struct IniSection {
    std::string Name;
    std::vector<std::string> Lines;
};

// The store's sections, in name order (CompareNames) when sorted, else in file order. Names are
// unique ignoring case. Lookups start at the section found last, since files are mostly read
// section after section.
class TSectionList {
public:
    explicit TSectionList(bool sorted) : sorted_(sorted) {}

    bool Sorted() const { return sorted_; }
    int Count() const { return static_cast<int>(sections_.size()); }
    const std::string& Name(int index) const { return sections_[index].Name; }
    const std::vector<std::string>& Lines(int index) const { return sections_[index].Lines; }
    std::vector<std::string>& Lines(int index) { return sections_[index].Lines; }

    // The position of the section, ignoring case; -1 when missing.
    int IndexOf(std::string_view name) const;
    // The position of the section, added empty (at its place when sorted) when missing.
    int Add(std::string_view name);
    void Erase(int index);
    void Clear();

    // Replaces the whole list; later sections whose names repeat an earlier one (ignoring case)
    // are dropped. Returns whether any was dropped.
    bool Assign(std::vector<IniSection> sections);

private:
    std::vector<IniSection> sections_;
    bool sorted_;
    mutable int last_ = 0;
};

class TBigIniFile {
public:
    explicit TBigIniFile(bool sorted) : sections_(sorted) {}
    virtual ~TBigIniFile() = default;
    TBigIniFile(const TBigIniFile&) = default;
    TBigIniFile& operator=(const TBigIniFile&) = default;
    TBigIniFile(TBigIniFile&&) = default;
    TBigIniFile& operator=(TBigIniFile&&) = default;

    // Replaces the contents with the sections of the text. Lines before the first "[name]" line
    // are dropped; a section whose name repeats an earlier one is dropped with its lines and
    // the store is marked modified, so the next save leaves it out.
    void LoadLines(const std::vector<std::string>& lines);
    void LoadText(std::string_view text);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "0x"; the default for anything else.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Writes into the current section; nothing for an empty key.
    void WriteKey(std::string_view key, std::string_view value);
    void SetCurrentSection(std::string_view section) { currentSection_ = section; }
    const std::string& CurrentSection() const { return currentSection_; }

    // Empties the list, then appends every line of the section as stored.
    void ReadSectionValues(std::string_view section, std::vector<std::string>& list) const;
    void EraseSection(std::string_view section);
    // Removes the first line of that key; a section left with next to nothing (its lines joined
    // with commas shorter than three characters) is erased whole.
    void DeleteKey(std::string_view section, std::string_view key);
    bool SectionExists(std::string_view section) const { return sections_.IndexOf(section) >= 0; }

    const TSectionList& Sections() const { return sections_; }
    bool Modified() const { return modified_; }

    // Parses a whole value as ReadInteger does; false when it is not a 32-bit number.
    static bool ParseInteger(std::string_view text, std::int32_t& value);

protected:
    // The value of the first line of the section named key, or nullptr.
    const std::string* FindLine(std::string_view section, std::string_view key) const;
    void SetModified(bool modified) { modified_ = modified; }
    TSectionList& MutableSections() { return sections_; }

private:
    TSectionList sections_;
    std::string currentSection_;
    bool modified_ = false;
};

// The store with a file behind it: read when created, written back by UpdateFile.
class TBiggerINIFile : public TBigIniFile {
public:
    // Reads the file when it exists; a missing file gives an empty store that the first save
    // creates. A path without a folder is placed in the program's folder.
    TBiggerINIFile(const std::string& path, bool sorted);

    const std::string& Path() const { return path_; }
    std::string FileName() const;
    // Why the file could not be read when opened; empty when it was read or did not exist.
    const std::string& OpenError() const { return openError_; }

    // Writes the file when modified. Returns an empty text on success, otherwise a message; the
    // old file, the contents and the modified flag are then as they were.
    std::string UpdateFile();
    // Appends the store as text: each section with lines, its header and lines, no blank lines.
    void ToLines(std::vector<std::string>& list) const;
    // The file's text as UpdateFile writes it.
    std::string FileText() const;

protected:
    // Points the store at another file (the hand-file layer saves conversions as ".ini").
    void SetPath(const std::string& path);
    void SetOpenError(std::string error) { openError_ = std::move(error); }

private:
    std::string path_;
    std::string openError_;
};

}  // namespace corvane
