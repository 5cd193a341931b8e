#include "files/CbfImport.h"

#include "cards/Cards.h"
#include "files/HandFields.h"

#include <array>

namespace corvane {

namespace {

struct CbfLine {
    std::string tag;    // upper case; empty for a line without ":"
    std::string value;  // from the second character after the ":"
};

CbfLine SplitLine(const std::string& line) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) return {};
    return CbfLine{UpperCase(Trimmed(std::string_view(line).substr(0, colon))),
                   colon + 2 <= line.size() ? line.substr(colon + 2) : std::string()};
}

// One hand from character 11 on: "S:AK2 H:QJ3 D:T98 C:7654", suits in PBN order.
std::string HandText(const std::string& line) {
    std::array<std::string, 4> suits;  // spades, hearts, diamonds, clubs
    if (line.size() <= 10) return "...";
    const std::string_view hand = std::string_view(line).substr(10);
    size_t colon = hand.find(':');
    while (colon != std::string_view::npos && colon > 0) {
        const Strain suit = SuitFromChar(hand[colon - 1]);
        const size_t next = hand.find(':', colon + 1);
        const size_t end = next == std::string_view::npos ? hand.size() : (next >= 2 ? next - 2 : 0);
        if (suit <= Spades && end > colon) {
            suits[static_cast<size_t>(Spades - suit)] = std::string(Trimmed(hand.substr(colon + 1, end - colon - 1)));
        }
        colon = next;
    }
    return suits[0] + "." + suits[1] + "." + suits[2] + "." + suits[3];
}

class CbfReader {
public:
    explicit CbfReader(const std::vector<std::string>& lines) : lines_(lines) {}

    DealFileImport Run() {
        if (lines_.empty() || SplitLine(lines_[0]).tag != "DOCTYPE") {
            return DealFileImport{{}, {std::string(CbfDocTypeMessage)}};
        }
        for (i_ = 1; i_ < lines_.size(); ++i_) Handle(SplitLine(lines_[i_]));
        return DealFileImport{out_.ToLines(), {}};
    }

private:
    void Handle(const CbfLine& line) {
        const std::string& tag = line.tag;
        const std::string& value = line.value;
        if (tag == "EVENT") {
            if (events_ == 0) event_ = value;
            if (events_ == 1) event_ += " - " + value;
            ++events_;
        } else if (tag == "DEAL") {
            board_ = IntegerFrom(value).value_or(1);
        } else if (tag == "DEALER") {
            dealer_ = value;
        } else if (tag == "VULN") {
            vulnerable_ = VulnerabilityNames[VulnerabilityFromText(value)];
        } else if (tag == "CARDS") {
            ReadCards();
        } else if (tag == "PLAYERS") {
            ReadPlayers(value);
        } else if (tag == "TABLE") {
            const std::string deal = DealSectionName(board_);
            if (value == "1") {
                out_.Write(deal, "Event", event_);
                out_.Write(deal, "Board", std::to_string(board_));
                out_.Write(deal, "Dealer", dealer_);
                out_.Write(deal, "Vulnerable", vulnerable_);
                out_.Write(deal, "Deal", deal_);
            }
            section_ = deal + "." + value;
        } else if (tag == "BIDS") {
            out_.Write(section_, "Auction", JoinWithCommas(ReadContinuation(value, false)));
        } else if (tag == "PLAY") {
            out_.Write(section_, "Play", JoinWithCommas(ReadContinuation({}, true)));
        } else if (tag == "CONTRACT") {
            out_.Write(section_, "Contract", value);
        } else if (tag == "TRICKS") {
            out_.Write(section_, "Result", value);
        } else if (tag == "SCORE") {
            out_.Write(section_, "Score", value);
        }
    }

    // The CARDS line and the three after it: seat letter and ":" at characters 8 and 9, each
    // hand from character 11. The hands are joined with one space, as a deal string has them.
    void ReadCards() {
        const std::string& first = lines_[i_];
        deal_ = first.size() >= 9 ? first.substr(7, 2) : std::string(":");
        for (size_t k = 0; k < 4 && i_ + k < lines_.size(); ++k) {
            if (k > 0) deal_ += ' ';
            deal_ += HandText(lines_[i_ + k]);
        }
        i_ += std::min<size_t>(3, lines_.size() - 1 - i_);
    }

    void ReadPlayers(const std::string& value) {
        const size_t colon = value.find(':');
        if (colon != std::string::npos) {
            out_.Write(section_, "North", Trimmed(value.substr(std::min(colon + 2, value.size()))));
        }
        for (int k = 0; k < 3 && i_ + 1 < lines_.size(); ++k) {
            const std::string& line = lines_[++i_];
            const size_t at = line.find(':');
            const std::string_view seatText = Trimmed(std::string_view(line).substr(0, at == std::string::npos ? 0 : at));
            const char letter = seatText.empty() ? 'N' : static_cast<char>(std::toupper(static_cast<unsigned char>(seatText.back())));
            const size_t seat = SeatLetters.find(letter);
            const std::string_view name = at == std::string::npos ? std::string_view{} : Trimmed(std::string_view(line).substr(at + 1));
            out_.Write(section_, SeatNames[seat == std::string_view::npos ? North : seat], name);
        }
    }

    // Calls or cards continued on the lines after their tag. Calls end at the first line with
    // a ":"; cards end at a line holding "..." (its part before the dots still counts) and,
    // should that line be missing, at the next tag line rather than the end of the file.
    std::vector<std::string> ReadContinuation(const std::string& value, bool cards) {
        std::vector<std::string> items = CommaTextTokens(value);
        while (i_ + 1 < lines_.size()) {
            const std::string& line = lines_[i_ + 1];
            const size_t dots = cards ? line.find("...") : std::string::npos;
            if (dots == std::string::npos && line.find(':') != std::string::npos) break;
            ++i_;
            const auto more = CommaTextTokens(std::string_view(line).substr(0, dots));
            items.insert(items.end(), more.begin(), more.end());
            if (dots != std::string::npos) break;
        }
        return items;
    }

    const std::vector<std::string>& lines_;
    size_t i_ = 0;
    DealFileSections out_;
    std::string event_, dealer_, deal_;
    std::string_view vulnerable_ = VulnerabilityNames[VulNone];
    int events_ = 0;
    int board_ = 1;
    std::string section_;
};

}  // namespace

DealFileImport ImportCbf(const std::vector<std::string>& lines) { return CbfReader(lines).Run(); }

}  // namespace corvane
