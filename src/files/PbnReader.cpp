#include "files/PbnReader.h"

#include "files/DealFileSections.h"
#include "files/HandFileKeys.h"

#include <cctype>
#include <cstddef>

namespace corvane {

namespace {

constexpr size_t MaxTableRows = 20;

class Scanner {
public:
    explicit Scanner(const std::vector<std::string>& lines) : lines_(lines) {}

    PbnScan Run() {
        while (line_ < lines_.size()) {
            const std::string& text = lines_[line_];
            if (pos_ == 0 && IsPbnBlankLine(text)) {
                EndGame();
                NextLine();
                continue;
            }
            if (pos_ == 0 && text[0] == '%') {
                NextLine();
                continue;
            }
            if (pos_ >= text.size()) {
                NextLine();
                continue;
            }
            switch (text[pos_]) {
            case '[': ReadTagPair(); break;
            case '{': SkipComment(); break;
            case ';': pos_ = text.size(); break;
            default: ++pos_; break;  // stray text between tags carries no meaning
            }
        }
        EndGame();
        return std::move(scan_);
    }

private:
    void NextLine() {
        ++line_;
        pos_ = 0;
    }

    void EndGame() {
        if (!game_.tags.empty()) scan_.games.push_back(std::move(game_));
        game_ = PbnGame{};
    }

    void Error(const std::string& what, size_t line) {
        scan_.errors.push_back(what + " at line " + std::to_string(line + 1));
    }

    // A comment runs to the next "}". One that reaches a whole tag-pair line, or the end of
    // the file, was never closed: it is taken to end with its own line, so the tags after it
    // are still read, and the damage is reported.
    void SkipComment() {
        const size_t openLine = line_;
        const bool knownOpen = line_ > unclosedFrom_ || (line_ == unclosedFrom_ && pos_ >= unclosedPos_);
        size_t l = line_;
        size_t p = pos_ + 1;
        while (!knownOpen && l < lines_.size()) {
            const std::string& text = lines_[l];
            const size_t brace = text.find('}', p);
            if (brace != std::string::npos) {
                line_ = l;
                pos_ = brace + 1;
                return;
            }
            if (l > openLine && IsTagPairLine(text)) break;
            ++l;
            p = 0;
        }
        if (l >= lines_.size() && !knownOpen) {
            unclosedFrom_ = openLine;  // no "}" anywhere after here: later comments fail fast
            unclosedPos_ = pos_;
        }
        Error("Comment not closed", openLine);
        pos_ = lines_[line_].size();
    }

    static bool IsTagPairLine(std::string_view text) {
        text = Trimmed(text);
        if (text.size() < 5 || text.front() != '[' || text.back() != ']') return false;
        if (!std::isalpha(static_cast<unsigned char>(text[1]))) return false;
        const size_t open = text.find('"');
        return open != std::string_view::npos && text.find('"', open + 1) != std::string_view::npos;
    }

    // One tag pair, never read past its own line: a value missing its closing quote would
    // otherwise swallow the tags after it.
    void ReadTagPair() {
        const std::string& text = lines_[line_];
        size_t p = pos_ + 1;
        while (p < text.size() && text[p] == ' ') ++p;
        const size_t nameStart = p;
        while (p < text.size() && text[p] != ' ' && text[p] != '"' && text[p] != ']') ++p;
        PbnTagPair pair;
        pair.name = text.substr(nameStart, p - nameStart);
        const size_t quote = text.find('"', p);
        const size_t bracket = text.find(']', p);
        if (quote == std::string::npos || (bracket != std::string::npos && bracket < quote)) {
            // An unquoted value: everything up to "]".
            const size_t end = bracket == std::string::npos ? text.size() : bracket;
            pair.value = std::string(Trimmed(std::string_view(text).substr(p, end - p)));
            pos_ = bracket == std::string::npos ? text.size() : bracket + 1;
        } else {
            const size_t close = text.find('"', quote + 1);
            if (close == std::string::npos) {
                Error("Tag value not closed", line_);
                std::string_view rest = std::string_view(text).substr(quote + 1);
                if (!rest.empty() && rest.back() == ']') rest.remove_suffix(1);
                pair.value = std::string(rest);
                pos_ = text.size();
            } else {
                pair.value = text.substr(quote + 1, close - quote - 1);
                const size_t end = text.find(']', close + 1);
                pos_ = end == std::string::npos ? text.size() : end + 1;
            }
        }
        if (pair.name == "Auction" || pair.name == "Play") {
            pair.tokens = CommaTextTokens(ReadSectionText());
        } else if (pair.name == "OptimumResultTable" || pair.name == "TotalScoreTable") {
            pair.tableRows = ReadTableRows();
        }
        game_.tags.push_back(std::move(pair));
    }

    // The text of a section up to the next tag pair or the end of the game; line breaks
    // count as spaces and comments are left out.
    std::string ReadSectionText() {
        std::string collected;
        while (line_ < lines_.size()) {
            const std::string& text = lines_[line_];
            if (pos_ == 0 && (IsPbnBlankLine(text) || text[0] == '%')) {
                if (IsPbnBlankLine(text)) break;
                NextLine();
                continue;
            }
            if (pos_ >= text.size()) {
                collected += ' ';
                NextLine();
                continue;
            }
            const char c = text[pos_];
            if (c == '[') break;
            if (c == '{') {
                SkipComment();
                collected += ' ';
            } else if (c == ';') {
                pos_ = text.size();
            } else {
                collected += c;
                ++pos_;
            }
        }
        return collected;
    }

    // The rows of a table: the lines after its tag, up to 20, ending early at the next tag
    // pair or the end of the game so that a short table never takes the tags that follow.
    std::vector<std::string> ReadTableRows() {
        std::vector<std::string> rows;
        if (pos_ < lines_[line_].size() && !Trimmed(std::string_view(lines_[line_]).substr(pos_)).empty())
            return rows;  // something else follows the tag on its line
        NextLine();
        while (line_ < lines_.size() && rows.size() < MaxTableRows) {
            const std::string& text = lines_[line_];
            if (IsPbnBlankLine(text)) break;
            const std::string_view trimmed = Trimmed(text);
            if (!trimmed.empty() && (trimmed.front() == '[' || trimmed.front() == '{')) break;
            if (text[0] != '%') rows.push_back(text);
            NextLine();
        }
        return rows;
    }

    const std::vector<std::string>& lines_;
    size_t line_ = 0;
    size_t pos_ = 0;
    size_t unclosedFrom_ = static_cast<size_t>(-1);
    size_t unclosedPos_ = 0;
    PbnGame game_;
    PbnScan scan_;
};

}  // namespace

int PbnTagIndex(std::string_view name) {
    for (int i = 0; i < tag::End; ++i) {
        if (PbnTags[static_cast<size_t>(i)] == name) return i;
    }
    return -1;
}

bool IsPbnBlankLine(const std::string& line) { return line.empty() || line == " "; }

PbnScan ScanPbn(const std::vector<std::string>& lines) { return Scanner(lines).Run(); }

}  // namespace corvane
