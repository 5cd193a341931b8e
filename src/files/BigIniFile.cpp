#include "files/BigIniFile.h"

#include "files/IniCollation.h"
#include "platform/DataFolder.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <unordered_set>

namespace corvane {

bool IniLineName(std::string_view line, std::string_view& name) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    name = line.substr(0, eq);
    return true;
}

std::string_view IniLineValue(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

namespace {

std::string Cut(std::string_view text) { return std::string(text.substr(0, MaxIniLine)); }

std::string Folded(std::string_view name) {
    std::string out(name);
    for (char& c : out) c = static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
    return out;
}

int FindKey(const std::vector<std::string>& lines, std::string_view key) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name;
        if (IniLineName(lines[i], name) && SameName(name, key)) return static_cast<int>(i);
    }
    return -1;
}

bool Blank(const std::string& line) { return line.empty() || line == " "; }

}  // namespace

// ---- TSectionList

int TSectionList::IndexOf(std::string_view name) const {
    const int n = Count();
    if (n == 0) return -1;
    if (last_ >= n) last_ = 0;
    if (SameName(sections_[last_].Name, name)) return last_;
    if (sorted_) {
        const auto it = std::lower_bound(
            sections_.begin(), sections_.end(), name,
            [](const IniSection& s, std::string_view v) { return CompareNames(s.Name, v) < 0; });
        if (it == sections_.end() || !SameName(it->Name, name)) return -1;
        last_ = static_cast<int>(it - sections_.begin());
        return last_;
    }
    for (int step = 1; step < n; ++step) {
        const int i = (last_ + step) % n;
        if (SameName(sections_[i].Name, name)) return last_ = i;
    }
    return -1;
}

int TSectionList::Add(std::string_view name) {
    const int found = IndexOf(name);
    if (found >= 0) return found;
    auto at = sections_.end();
    if (sorted_) {
        at = std::lower_bound(
            sections_.begin(), sections_.end(), name,
            [](const IniSection& s, std::string_view v) { return CompareNames(s.Name, v) < 0; });
    }
    at = sections_.insert(at, IniSection{std::string(name), {}});
    return last_ = static_cast<int>(at - sections_.begin());
}

void TSectionList::Erase(int index) {
    sections_.erase(sections_.begin() + index);
    last_ = 0;
}

void TSectionList::Clear() {
    sections_.clear();
    last_ = 0;
}

bool TSectionList::Assign(std::vector<IniSection> sections) {
    std::unordered_set<std::string> seen;
    seen.reserve(sections.size());
    bool dropped = false;
    sections_.clear();
    sections_.reserve(sections.size());
    for (auto& s : sections) {
        if (!seen.insert(Folded(s.Name)).second) {
            dropped = true;
            continue;
        }
        sections_.push_back(std::move(s));
    }
    if (sorted_) {
        std::sort(sections_.begin(), sections_.end(), [](const IniSection& a, const IniSection& b) {
            return CompareNames(a.Name, b.Name) < 0;
        });
    }
    last_ = 0;
    return dropped;
}

// ---- TBigIniFile

void TBigIniFile::LoadLines(const std::vector<std::string>& lines) {
    std::vector<IniSection> read;
    for (const auto& whole : lines) {
        const std::string_view line = std::string_view(whole).substr(0, MaxIniLine);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            read.push_back(IniSection{std::string(line.substr(1, line.size() - 2)), {}});
        } else if (!read.empty()) {
            read.back().Lines.emplace_back(line);
        }
    }
    modified_ = sections_.Assign(std::move(read));
}

void TBigIniFile::LoadText(std::string_view text) {
    LoadLines(SplitIniText(text));
}

const std::string* TBigIniFile::FindLine(std::string_view section, std::string_view key) const {
    const int s = sections_.IndexOf(section);
    if (s < 0) return nullptr;
    const auto& lines = sections_.Lines(s);
    const int k = FindKey(lines, key);
    return k < 0 ? nullptr : &lines[k];
}

std::string TBigIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const std::string* line = FindLine(section, key);
    return line ? std::string(IniLineValue(*line)) : std::string(defaultValue);
}

bool TBigIniFile::ParseInteger(std::string_view text, std::int32_t& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size() || magnitude < 0) return false;
    if (negative) magnitude = -magnitude;
    // Hexadecimal texts may give the full 32-bit pattern (0xFFFFFFFF is -1).
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL) {
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return true;
    }
    if (magnitude < INT32_MIN || magnitude > INT32_MAX) return false;
    value = static_cast<std::int32_t>(magnitude);
    return true;
}

std::int32_t TBigIniFile::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
    const std::string* line = FindLine(section, key);
    std::int32_t value = 0;
    return line && ParseInteger(IniLineValue(*line), value) ? value : defaultValue;
}

bool TBigIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadString(section, key, defaultValue ? "True" : "False") == "True";
}

void TBigIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (key.empty()) {
        EraseSection(section);
        return;
    }
    std::string line(key);
    if (!value.empty()) {
        line += '=';
        line += value;
    }
    line = Cut(line);
    auto& lines = sections_.Lines(sections_.Add(section));
    const int k = FindKey(lines, key);
    if (k < 0) {
        lines.push_back(std::move(line));
        modified_ = true;
    } else if (lines[k] != line) {
        lines[k] = std::move(line);
        modified_ = true;
    }
}

void TBigIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TBigIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "True" : "False");
}

void TBigIniFile::WriteKey(std::string_view key, std::string_view value) {
    if (!key.empty()) WriteString(currentSection_, key, value);
}

void TBigIniFile::ReadSectionValues(std::string_view section, std::vector<std::string>& list) const {
    list.clear();
    const int s = sections_.IndexOf(section);
    if (s >= 0) list = sections_.Lines(s);
}

void TBigIniFile::EraseSection(std::string_view section) {
    const int s = sections_.IndexOf(section);
    if (s < 0) return;
    sections_.Erase(s);
    modified_ = true;
}

void TBigIniFile::DeleteKey(std::string_view section, std::string_view key) {
    const int s = sections_.IndexOf(section);
    if (s < 0) return;  // a missing section would be created empty and erased at once
    auto& lines = sections_.Lines(s);
    const int k = FindKey(lines, key);
    if (k >= 0) {
        lines.erase(lines.begin() + k);
        modified_ = true;
    }
    std::size_t joined = 0;
    for (const auto& l : lines) joined += l.size();
    if (!lines.empty()) joined += lines.size() - 1;
    if (joined < 3) EraseSection(section);
}

// ---- TBiggerINIFile

TBiggerINIFile::TBiggerINIFile(const std::string& path, bool sorted) : TBigIniFile(sorted) {
    SetPath(path);
    if (path_.empty()) return;
    std::string text;
    std::string error;
    switch (platform::ReadWholeFile(path_, text, error)) {
        case platform::ReadOutcome::Read: LoadText(text); break;
        case platform::ReadOutcome::Missing: break;
        case platform::ReadOutcome::Failed: openError_ = error; break;
    }
}

void TBiggerINIFile::SetPath(const std::string& path) {
    std::filesystem::path p(path);
    if (!path.empty() && !p.has_parent_path()) p = std::filesystem::path(platform::ProgramFolder()) / p;
    path_ = p.string();
}

std::string TBiggerINIFile::FileName() const { return std::filesystem::path(path_).filename().string(); }

std::vector<std::string> SplitIniText(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line.substr(0, MaxIniLine));
        start = end + 1;
    }
    return lines;
}

void TBiggerINIFile::ToLines(std::vector<std::string>& list) const {
    const auto& s = Sections();
    for (int i = 0; i < s.Count(); ++i) {
        const auto& lines = s.Lines(i);
        if (lines.empty()) continue;
        list.push_back("[" + s.Name(i) + "]");
        for (const auto& l : lines) {
            if (!Blank(l)) list.push_back(l);
        }
    }
}

std::string TBiggerINIFile::FileText() const {
    std::string text;
    const auto& s = Sections();
    for (int i = 0; i < s.Count(); ++i) {
        const auto& lines = s.Lines(i);
        if (lines.empty()) continue;
        text += '[';
        text += s.Name(i);
        text += "]\n";
        for (const auto& l : lines) {
            if (Blank(l)) continue;
            text += l;
            text += '\n';
        }
        text += '\n';
    }
    return text;
}

std::string TBiggerINIFile::UpdateFile() {
    if (!Modified() || path_.empty()) return {};
    if (!openError_.empty()) {
        // The file exists but was never read: writing our partial view over it would lose it.
        return openError_;
    }
    std::string error = platform::WriteFileAtomically(path_, FileText());
    if (error.empty()) SetModified(false);
    return error;
}

}  // namespace corvane
