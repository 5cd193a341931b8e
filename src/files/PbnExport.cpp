#include "files/PbnExport.h"

#include "bidding/CallText.h"
#include "cards/Cards.h"
#include "files/DealFileAuction.h"
#include "files/DealFileSections.h"
#include "files/HandFields.h"
#include "files/HandFileKeys.h"
#include "scoring/ContractScore.h"

#include <array>
#include <unordered_map>

namespace corvane {

namespace {

using Values = std::unordered_map<std::string, std::string>;  // lower-cased key -> value

void ReadSection(const TSectionList& sections, int index, Values& into) {
    if (index < 0) return;
    for (const auto& line : sections.Lines(index)) {
        std::string_view name;
        if (IniLineName(line, name)) into.emplace(LowerCase(name), std::string(IniLineValue(line)));
    }
}

const std::string& Get(const Values& values, std::string_view key) {
    static const std::string none;
    const auto found = values.find(LowerCase(key));
    return found == values.end() ? none : found->second;
}

TSeat DeclarerOf(std::string_view text) { return SeatFromLetter(text).value_or(NoSeat); }

// The result's score from North-South's view: as stored, or, when none is stored, the score of
// the contract and tricks.
std::optional<int> NorthSouthScore(const Values& deal, const Values& result, TSeat declarer) {
    const std::string& stored = Get(result, "Score");
    if (!stored.empty()) return ScoreFromText(stored, declarer == NoSeat ? South : declarer);
    const std::string contract = UpperCase(Get(result, "Contract"));
    const CallCode call = CallFromText(contract);
    const auto tricks = IntegerFrom(Get(result, "Result"));
    if (call == Pass && !contract.empty()) return 0;
    if (!IsBid(call) || !tricks || declarer == NoSeat) return std::nullopt;
    const int doubling = contract.find("XX") != std::string::npos ? 2 : contract.find('X') != std::string::npos ? 1 : 0;
    return ContractScore(call, doubling, declarer, std::max(*tricks, 0),
                         SeatVulnerable(VulnerabilityFromText(Get(deal, "Vulnerable")), declarer));
}

// "3N" becomes "3NT", "1N(1)" "1NT=1=".
std::string PbnCallText(std::string call) {
    if (call.size() >= 2 && (call[1] == 'N' || call[1] == 'n') && (call.size() == 2 || (call[2] != 'T' && call[2] != 't')))
        call.insert(2, "T");
    for (auto& c : call) {
        if (c == '(' || c == ')') c = '=';
    }
    return call;
}

// The notes of a result: the "Note" list when given, else the keys "(1)", "(2)" ... up to the
// first one missing.
std::vector<std::string> NoteTexts(const Values& result) {
    std::vector<std::string> notes;
    const std::string& list = Get(result, "Note");
    if (!list.empty()) {
        for (const auto& entry : CommaTextTokens(list)) {
            const size_t eq = entry.find('=');
            notes.push_back(eq == std::string::npos ? entry : entry.substr(eq + 1));
        }
        return notes;
    }
    for (int n = 1;; ++n) {
        const auto found = result.find("(" + std::to_string(n) + ")");
        if (found == result.end()) break;
        notes.push_back(found->second);
    }
    return notes;
}

void WriteTag(std::string& out, std::string_view name, std::string_view value) {
    out += '[';
    out += name;
    out += " \"";
    out += value;
    out += "\"]\n";
}

void WriteResultTable(std::string& out, const std::string& stored) {
    const auto values = CommaTextTokens(stored);
    if (values.size() != 20) return;
    static constexpr std::array<std::string_view, 5> strains{"C ", "D ", "H ", "S ", "NT"};
    out += "[OptimumResultTable \"Declarer Denomination Result\"]\n";
    for (size_t i = 0; i < 20; ++i) {
        out += SeatLetters[i / 5];
        out += "   ";
        out += strains[i % 5];
        out += "  ";
        out += values[i];
        out += '\n';
    }
}

void WriteAuction(std::string& out, const std::string& stored, std::string_view dealer, const Values& result) {
    const auto calls = CommaTextTokens(stored);
    if (calls.empty()) return;
    WriteTag(out, "Auction", dealer);
    for (size_t i = 0; i < calls.size(); ++i) {
        out += PbnCallText(calls[i]);
        out += ' ';
        if (i % 4 == 3 || i + 1 == calls.size()) out += '\n';
    }
    const auto notes = NoteTexts(result);
    for (size_t n = 0; n < notes.size(); ++n) {
        if (!notes[n].empty()) WriteTag(out, "Note", std::to_string(n + 1) + ":" + notes[n]);
    }
}

void WritePlay(std::string& out, const std::string& stored, TSeat declarer) {
    std::vector<std::string> cards = SplitCommaList(stored);
    for (auto& card : cards) card = UpperCase(Trimmed(card));
    while (!cards.empty() && cards.back().empty()) cards.pop_back();
    if (cards.empty() || declarer == NoSeat) return;
    WriteTag(out, "Play", std::string(1, SeatLetters[NextSeat(declarer)]));
    for (size_t i = 0; i < cards.size(); ++i) {
        out += cards[i].empty() ? "-" : cards[i].substr(0, 2);
        out += ' ';
        if (i % 4 == 3 || i + 1 == cards.size()) out += '\n';
    }
    out += "*\n";
}

// The deal with the dealer's hand first when it is a whole deal; otherwise as stored.
std::string DealText(const std::string& stored, std::string_view dealerText) {
    DealHoldings deal{};
    const TSeat dealer = DeclarerOf(dealerText);
    if (dealer == NoSeat || !DealFromPbn(stored, deal)) return stored;
    int cards = 0;
    for (const auto& hand : deal) {
        for (const Holding h : hand) cards += Length(h);
    }
    return cards == 52 ? PbnDealString(deal, dealer) : stored;
}

void WriteGame(std::string& out, int board, const Values& deal, const Values& result,
               std::string_view section, int resultCount) {
    const std::string_view suffix = SectionSuffix(section);
    TSeat declarer = DeclarerOf(Get(result, "Declarer"));
    if (declarer == NoSeat) {
        // An unfinished table may record calls and cards without a declarer: the auction names
        // him, so the cards are not lost.
        const TSeat dealer = DeclarerOf(Get(deal, "Dealer"));
        if (dealer != NoSeat) declarer = ContractOfCalls(CommaTextTokens(Get(result, "Auction")), dealer).declarer;
    }
    for (int t = 0; t < tag::End; ++t) {
        const std::string_view name = PbnTags[static_cast<size_t>(t)];
        std::string value = Get(IsResultLevelTag(t) ? result : deal, name);
        switch (t) {
        case tag::Board:
            if (value.empty() || value == "?") value = std::to_string(board);
            break;
        case tag::Deal: value = DealText(value, Get(deal, "Dealer")); break;
        case tag::Table: value = std::string(suffix); break;
        case tag::Room:
            // Two results without room names: a "-C" or "-2" in the section name marks the
            // closed room.
            if (value.empty() && resultCount == 2) {
                const std::string upper = UpperCase(section.substr(1));
                value = upper.find("-C") == std::string::npos && upper.find("-2") == std::string::npos ? "Open" : "Closed";
            }
            break;
        case tag::Contract: {
            if (!value.empty() && value[0] >= '1' && value[0] <= '7') value = PbnCallText(value);
            break;
        }
        case tag::Score: {
            const bool hasResult = !Get(result, "Contract").empty() || !value.empty();
            const auto score = hasResult ? NorthSouthScore(deal, result, declarer) : std::nullopt;
            value = !score ? value : *score == 0 ? "0" : "NS " + std::to_string(*score);
            break;
        }
        case tag::OptimumScore:
            if (!value.empty() && value != "?") out += "[OptimumScore NS \"" + value + "\"]\n";
            continue;
        case tag::OptimumResultTable: WriteResultTable(out, value); continue;
        case tag::Auction: WriteAuction(out, value, Get(deal, "Dealer"), result); continue;
        case tag::Play: WritePlay(out, value, declarer); continue;
        case tag::Note: continue;  // written with the auction
        default: break;
        }
        if (value.empty() || value == "?") continue;
        WriteTag(out, name, value);
    }
    out += " \n";
}

}  // namespace

std::string ExportPbnText(const TBigIniFile& handFile, int onlyBoard) {
    const TSectionList& sections = handFile.Sections();
    std::string out;
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string& name = sections.Name(i);
        const int board = SectionNumber(name);
        if (onlyBoard >= 0 && board != onlyBoard) continue;
        const int dealIndex = sections.IndexOf(DealSectionName(board));
        int results = 0;
        for (int r = dealIndex + 1; dealIndex >= 0 && r < sections.Count() && IsResultSection(sections.Name(r)) &&
                                    SectionNumber(sections.Name(r)) == board;
             ++r) {
            ++results;
        }
        Values deal;
        ReadSection(sections, dealIndex, deal);
        if (!IsResultSection(name)) {
            if (results == 0 && sections.Lines(i).size() > 1) WriteGame(out, board, deal, {}, {}, 0);
            continue;
        }
        Values result;
        ReadSection(sections, i, result);
        WriteGame(out, board, deal, result, name, results);
    }
    return out;
}

}  // namespace corvane
