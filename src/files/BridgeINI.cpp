#include "files/BridgeINI.h"

#include "bidding/CallText.h"
#include "files/HandFields.h"
#include "files/DealFile.h"
#include "files/IniCollation.h"
#include "platform/FileIo.h"
#include "platform/Trash.h"
#include "scoring/BoardComparison.h"
#include "scoring/ContractScore.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <filesystem>

namespace corvane {

namespace {

namespace fs = std::filesystem;

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

int TagIndex(std::string_view name) {
    for (int i = 0; i < PbnTagCount; ++i) {
        if (SameName(PbnTags[i], name)) return i;
    }
    return -1;
}

struct ContractReading {
    CallCode Contract = Pass;
    int Doubling = 0;
    bool Valid = true;
};

ContractReading ReadContract(std::string_view text) {
    const std::string upper = Upper(text);
    ContractReading r;
    const CallCode code = CallFromText(upper);
    if (code != Pass && !IsBid(code)) {
        r.Valid = false;
        return r;
    }
    r.Contract = code;
    r.Doubling = upper.find("XX") != std::string::npos ? 2 : upper.find('X') != std::string::npos ? 1 : 0;
    return r;
}

// The North-South score of a result from its stored values; an empty Score is computed from
// the contract and the tricks.
int ResultScore(std::string_view score, const ContractReading& contract, TSeat declarer, int tricks,
                Vulnerability vul) {
    if (score == "-999") return NotPlayedScore;
    if (const auto read = ScoreFromText(score, declarer)) return *read;
    return ContractScore(contract.Contract, contract.Doubling, declarer, tricks,
                         DeclarerVulnerable(vul, Side(declarer)));
}

TSeat DeclarerOf(std::string_view value) { return SeatFromLetter(value).value_or(South); }

int TricksOf(std::string_view value, TSeat declarer) {
    std::string ignored;
    return std::max(TricksFromResult(value, declarer, ignored).value_or(0), 0);
}

std::optional<int> DisplayNumber(std::string_view text) {
    if (!text.empty() && text.front() == '_') text.remove_prefix(1);
    text = text.substr(0, text.find('.'));
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::int32_t n = 0;
    if (!TBigIniFile::ParseInteger(text, n)) return std::nullopt;
    return n;
}

std::string PlayEntry(CardCode card) {
    std::string text;
    text += StrainLetters[SuitOf(card)];
    text += RankChars[RankOf(card)];
    return text;
}

}  // namespace

// ---- opening

TBridgeINI::TBridgeINI(const std::string& path) : TBiggerINIFile(std::string(), true) { Open(path); }

void TBridgeINI::Open(const std::string& path) {
    std::string extension = fs::path(path).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    fileType_ = Upper(extension);

    OpenedDealFile opened = OpenDealFile(path);
    SetPath(opened.iniPath);
    openMessages_ = std::move(opened.messages);
    if (!opened.error.empty()) {
        SetOpenError(opened.error);
        openMessages_.push_back(opened.error);
    }

    // Text that comes from another name is saved over the ".ini" beside it: that file goes to
    // the trash first (conversions have seen to it already), and when it cannot, or when there
    // is nothing to read, the ".ini" itself is opened so it is never overwritten.
    std::error_code ec;
    const bool otherName = fs::path(opened.iniPath) != fs::path(path);
    const bool sourceRead = fs::exists(path, ec) && opened.error.empty();
    bool keepIni = otherName && !sourceRead;
    if (otherName && sourceRead && opened.kind != DealFileKind::Pbn && opened.kind != DealFileKind::Lin &&
        opened.kind != DealFileKind::Cbf && fs::exists(opened.iniPath, ec)) {
        const std::string error = platform::MoveToTrash(opened.iniPath);
        if (!error.empty()) openMessages_.push_back(error);
        keepIni = !error.empty();
    }
    if (keepIni) {
        std::string text;
        std::string error;
        if (platform::ReadWholeFile(opened.iniPath, text, error) == platform::ReadOutcome::Failed)
            SetOpenError(error);
        LoadText(text);
    } else {
        LoadLines(opened.lines);
        if (otherName && sourceRead) SetModified(true);
    }

    for (int board : Boards()) {
        if (ResultSections(board).size() >= 2) CompareResults(board);
    }
    ErrorList.clear();
    HandNumber = FirstBoard();
}

// ---- loading

void TBridgeINI::AddError(std::string_view message, std::string_view value) {
    ErrorList.push_back(std::string(message) + " : " + std::string(value));
}

int TBridgeINI::DealSectionIndex(int board) const { return Sections().IndexOf(DealSectionName(board)); }

void TBridgeINI::ClearResultSlots() {
    for (int t : ResultLevelTags) Record.Values[t].clear();
    Record.Contract = Pass;
    Record.Doubling = 0;
    Record.Declarer = South;
    Record.Tricks = 0;
    Record.Score = NotPlayedScore;
    Record.ScoreIMP = Record.ScoreMP = 0;
    Record.Calls.clear();
    Record.Notes.clear();
    Record.Play.clear();
    Record.Players = {};
}

void TBridgeINI::ReadSlots(int sectionIndex, bool resultLevelOnly) {
    std::bitset<PbnTagCount> seen;
    for (const auto& line : Sections().Lines(sectionIndex)) {
        std::string_view name;
        if (!IniLineName(line, name)) continue;
        const int t = TagIndex(name);
        if (t < 0 || seen[t] || (resultLevelOnly && !IsResultLevelTag(t))) continue;
        seen[t] = true;
        Record.Values[t] = std::string(IniLineValue(line).substr(0, MaxSlotValue));
    }
}

void TBridgeINI::ReadOptimum(int sectionIndex) {
    auto& v = Record.Values;
    const std::string& section = Sections().Name(sectionIndex);
    // Our own files keep the par under the names we write; take them when the usual ones are
    // absent, so a stored par reads back.
    if (v[tag::OptimumContract] == "?") {
        if (const std::string* line = FindLine(section, key::ParContract)) v[tag::OptimumContract] = IniLineValue(*line);
    }
    if (v[tag::OptimumScore] == "?") {
        if (const std::string* line = FindLine(section, key::OptimumResult)) v[tag::OptimumScore] = IniLineValue(*line);
    }

    OptimumData& o = Record.Optimum;
    o = OptimumData{};
    const auto table = SplitCommaList(v[tag::OptimumResultTable]);
    if (table.size() >= 20) {
        for (int i = 0; i < 20; ++i) {
            std::int32_t tricks = 0;
            o.Table[i / StrainCount][i % StrainCount] =
                TBigIniFile::ParseInteger(table[i], tricks) ? tricks : 0;
        }
    }
    std::string contract = v[tag::OptimumContract];
    if (contract.size() <= 1) {
        o.Declarer = Record.Dealer;
        return;
    }
    // A par written for display ("4~S N/S") reads like the plain form.
    std::erase(contract, '~');
    const ContractReading par = ReadContract(contract.substr(0, contract.find(' ')));
    o.Contract = par.Valid ? par.Contract : Pass;
    if (const auto seat = SeatFromLetter(v[tag::OptimumDeclarer])) {
        o.Declarer = *seat;
    } else if (const auto blank = contract.find(' '); blank != std::string::npos) {
        o.Declarer = SeatFromLetter(contract.substr(blank + 1, 1)).value_or(South);
    } else {
        o.Declarer = South;
    }
    o.Tricks = o.Table[o.Declarer][StrainOf(o.Contract)];
    o.Score = ScoreFromText(v[tag::OptimumScore], North).value_or(0);
}

int TBridgeINI::LoadBoard(int n) {
    const int index = DealSectionIndex(n);
    if (index < 0 || Sections().Lines(index).size() <= 1) return -1;
    ErrorList.clear();
    HandRecord& r = Record;
    ClearResultSlots();
    for (auto& value : r.Values) value.clear();
    r.Optimum = OptimumData{};
    HandNumber = n;
    r.SectionName = Sections().Name(index);
    r.ResultSuffix.clear();

    ReadSlots(index, false);
    auto& v = r.Values;
    for (int t = 0; t <= LastQueriedTag; ++t) {
        if (v[t].empty()) v[t] = "?";
    }
    if (v[tag::Board] == "?") v[tag::Board] = std::to_string(n);
    if (!ValidHandDate(v[tag::Date])) v[tag::Date] = "?";
    if (const auto dealer = SeatFromLetter(v[tag::Dealer])) {
        r.Dealer = *dealer;
    } else {
        r.Dealer = South;
        AddError(std::string(PbnTags[tag::Dealer]) + " not N,E,S, or  W", v[tag::Dealer]);
    }
    if (TeamMatch) {
        const std::string scoring = Upper(v[tag::Scoring]);
        const auto at = std::find_if(ScoringTexts.begin(), ScoringTexts.end(),
                                     [&](std::string_view s) { return Upper(s) == scoring; });
        r.Scoring = at == ScoringTexts.end() ? ImpScoring : static_cast<ScoringMode>(at - ScoringTexts.begin());
        if (at == ScoringTexts.end()) AddError("Scoring Mode is invalid", v[tag::Scoring]);
    }
    r.Vul = VulnerabilityFromText(v[tag::Vulnerable]);
    if (const std::string error = ParseHandFileDeal(v[tag::Deal], r.Holdings); !error.empty())
        AddError(error, v[tag::Deal]);
    ReadOptimum(index);
    r.SavedDealValues = v;
    return static_cast<int>(ErrorList.size());
}

int TBridgeINI::LoadResult(std::string_view section) {
    const int index = Sections().IndexOf(section);
    if (index < 0) return -1;
    ErrorList.clear();
    HandRecord& r = Record;
    ClearResultSlots();
    r.SectionName = Sections().Name(index);
    r.ResultSuffix = SectionSuffix(r.SectionName);
    ReadSlots(index, true);
    auto& v = r.Values;

    const ContractReading contract = ReadContract(v[tag::Contract]);
    if (!contract.Valid) AddError(" invalid Contract", v[tag::Contract]);
    r.Contract = contract.Contract;
    r.Doubling = contract.Doubling;
    r.Declarer = DeclarerOf(v[tag::Declarer]);
    std::string normalized;
    if (const auto tricks = TricksFromResult(v[tag::Result], r.Declarer, normalized)) {
        r.Tricks = std::max(*tricks, 0);
        if (!normalized.empty()) v[tag::Result] = normalized;
    } else {
        AddError(" invalid Result", v[tag::Result]);
        r.Tricks = 0;
    }
    for (int s = 0; s < SeatCount; ++s) {
        const std::string& name = v[PlayerTags[s]];
        r.Players[s] = name.empty() ? "--" : name;
    }
    r.Calls = SplitCommaList(v[tag::Auction]);
    r.Play = SplitCommaList(Upper(v[tag::Play]));
    r.Score = ResultScore(v[tag::Score], contract, r.Declarer, r.Tricks, r.Vul);
    r.ScoreIMP = ComparisonFromText(v[tag::ScoreIMP], r.Declarer);
    r.ScoreMP = ComparisonFromText(v[tag::ScoreMP], r.Declarer);
    if (FindLine(r.SectionName, PbnTags[tag::Note])) {
        r.Notes = SplitCommaList(v[tag::Note]);
    } else {
        for (int n = 1;; ++n) {
            const std::string key = "(" + std::to_string(n) + ")";
            const std::string* line = FindLine(r.SectionName, key);
            if (!line) break;
            r.Notes.push_back(key + "=" + std::string(IniLineValue(*line)));
        }
    }
    r.SavedDealValues = v;
    return static_cast<int>(ErrorList.size());
}

// ---- questions

std::vector<std::string> TBridgeINI::ResultSections(int board) const {
    std::vector<std::string> names;
    const int index = DealSectionIndex(board);
    if (index < 0) return names;
    const auto& s = Sections();
    for (int i = index + 1; i < s.Count(); ++i) {
        const std::string& name = s.Name(i);
        if (!IsResultSection(name) || SectionNumber(name) != board) break;
        names.push_back(name);
    }
    return names;
}

int TBridgeINI::ResultsWithAuction() const {
    int count = 0;
    for (const auto& name : ResultSections(HandNumber)) {
        if (!ReadString(name, PbnTags[tag::Auction], "").empty()) ++count;
    }
    return count;
}

int TBridgeINI::BoardCount() const { return static_cast<int>(Boards().size()); }

int TBridgeINI::FirstBoard() const {
    return Sections().Count() == 0 ? 0 : std::max(SectionNumber(Sections().Name(0)), 0);
}

int TBridgeINI::LastBoard() const {
    const auto& s = Sections();
    if (s.Count() == 0) return 0;
    const int last = SectionNumber(s.Name(s.Count() - 1));
    // Up to 99 the name order is the numeric order; beyond it every deal section is looked at.
    if (last >= 0 && last < 99) return last;
    const auto boards = Boards();
    return boards.empty() ? 0 : std::max(*std::max_element(boards.begin(), boards.end()), 0);
}

int TBridgeINI::MaxResults() const {
    int most = 0;
    int run = 0;
    const auto& s = Sections();
    for (int i = 0; i < s.Count(); ++i) {
        run = IsResultSection(s.Name(i)) ? run + 1 : 0;
        most = std::max(most, run);
    }
    return most;
}

BoardState TBridgeINI::BoardStatus(int board, std::string_view player) const {
    const std::string* score = FindLine(ResultSectionName(board, player), PbnTags[tag::Score]);
    if (!score) return NotStarted;
    return IniLineValue(*score) == "-999" ? Started : Played;
}

bool TBridgeINI::PlayedBoard(int board, std::string_view name) const {
    for (const auto& section : ResultSections(board)) {
        const std::string* score = FindLine(section, PbnTags[tag::Score]);
        if (!score || IniLineValue(*score) == "-999") continue;
        for (int t : PlayerTags) {
            if (SameName(ReadString(section, PbnTags[t], ""), name)) return true;
        }
    }
    return false;
}

std::vector<int> TBridgeINI::Boards() const {
    std::vector<int> boards;
    const auto& s = Sections();
    for (int i = 0; i < s.Count(); ++i) {
        if (!IsResultSection(s.Name(i))) boards.push_back(SectionNumber(s.Name(i)));
    }
    return boards;
}

int TBridgeINI::FirstUnfinishedBoard(std::string_view player) const {
    for (int board : Boards()) {
        if (BoardStatus(board, player) != Played) return board;
    }
    return LastBoard();
}

int TBridgeINI::LastPlayedBoard(std::string_view player) const {
    int last = 0;
    for (int board : Boards()) {
        if (BoardStatus(board, player) == Played) last = std::max(last, board);
    }
    return last;
}

int TBridgeINI::NextBoard(std::string_view player) const {
    int last = 0;
    for (int board : Boards()) {
        if (BoardStatus(board, player) != NotStarted) last = std::max(last, board);
    }
    return last + 1;
}

int TBridgeINI::FindBoard(std::string_view displayNumber) const {
    const auto wanted = DisplayNumber(displayNumber);
    if (!wanted) return -1;
    const auto& s = Sections();
    for (int i = 0; i < s.Count(); ++i) {
        const std::string& name = s.Name(i);
        if (IsResultSection(name)) continue;
        const std::string* board = FindLine(name, PbnTags[tag::Board]);
        const auto number = board ? DisplayNumber(IniLineValue(*board)) : SectionNumber(name);
        if (number == wanted) return SectionNumber(name);
    }
    return -1;
}

std::vector<std::string> TBridgeINI::PlayerNames() const {
    std::vector<std::string> names;
    const auto& s = Sections();
    for (int i = 0; i < s.Count(); ++i) {
        if (!IsResultSection(s.Name(i))) continue;
        for (int t : PlayerTags) {
            const std::string name = ReadString(s.Name(i), PbnTags[t], "");
            if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    return names;
}

// ---- changes

void TBridgeINI::DeleteBoard(int n) {
    for (const auto& section : ResultSections(n)) EraseSection(section);
    EraseSection(DealSectionName(n));
}

void TBridgeINI::WriteDeal(const DealWriting& writing) {
    auto& v = Record.Values;
    v[tag::Date] = writing.Today;
    v[tag::Competition] = writing.TeamMatch ? std::string(MatchCompetition) : std::string();
    if (v[tag::Board].empty() || v[tag::Board] == "?") v[tag::Board] = std::to_string(HandNumber);
    v[tag::Scoring] = ScoringTexts[writing.Mode < ScoringTexts.size() ? writing.Mode : ImpScoring];
    v[tag::Dealer] = std::string(1, SeatLetters[Record.Dealer & 3]);
    v[tag::Vulnerable] = VulnerabilityNames[Record.Vul & 3];
    v[tag::Deal] = PbnDealString(Record.Holdings, Record.Dealer);

    const std::string section = DealSectionName(HandNumber);
    Record.SectionName = section;
    SetCurrentSection(section);
    for (std::string_view name : DealSectionKeys) {
        std::string_view value;
        bool skipUnknown = false;
        if (name == key::ParContract) {
            value = v[tag::OptimumContract];
            skipUnknown = true;
        } else if (name == key::OptimumResult) {
            value = v[tag::OptimumScore];
            skipUnknown = true;
        } else {
            const int t = TagIndex(name);
            value = v[t];
            skipUnknown = t == tag::Site || t == tag::HomeTeam || t == tag::VisitTeam ||
                          t == tag::OptimumResultTable;
        }
        if (value.empty() || (skipUnknown && value == "?")) continue;
        WriteKey(name, value);
    }
}

void TBridgeINI::WriteDefaultResult(std::string_view player) {
    const std::string section = ResultSectionName(HandNumber, player);
    if (SectionExists(section)) return;
    for (int t : {tag::North, tag::East, tag::South, tag::West}) WriteString(section, PbnTags[t], Record.Values[t]);
    WriteString(section, PbnTags[tag::Declarer], "S");
    WriteString(section, PbnTags[tag::Contract], "Pass");
    WriteString(section, PbnTags[tag::Result], "0");
}

std::string TBridgeINI::RecordResult(const HandOutcome& outcome) {
    if (BoardStatus(HandNumber, outcome.Player) == Played) return {};
    WriteDefaultResult(outcome.Player);
    const std::string section = ResultSectionName(HandNumber, outcome.Player);
    auto write = [&](int t, std::string_view value) { WriteString(section, PbnTags[t], value); };

    if (outcome.BidSystemNS != "?") write(tag::BidSystemNS, outcome.BidSystemNS);
    if (outcome.BidSystemEW != "?") write(tag::BidSystemEW, outcome.BidSystemEW);
    if (!outcome.Calls.empty()) write(tag::Auction, JoinCommaList(outcome.Calls));
    for (const auto& note : outcome.Explanations) {
        const auto eq = note.find('=');
        if (eq != std::string::npos) WriteString(section, note.substr(0, eq), note.substr(eq + 1));
    }
    write(tag::Contract, ContractText(outcome.Contract, outcome.Doubling));
    write(tag::Declarer, std::string(1, SeatLetters[outcome.Declarer & 3]));
    write(tag::Result, std::to_string(outcome.Tricks));
    if (outcome.Contract != Pass) {
        std::vector<std::string> play(52, "..");
        for (std::size_t t = 0; t < outcome.Play.size() && t < 13; ++t) {
            const PlayedTrick& trick = outcome.Play[t];
            for (int seat = 0; seat < SeatCount; ++seat) {
                if (!IsCard(trick.Cards[seat])) continue;
                std::string entry = PlayEntry(trick.Cards[seat]);
                if (seat == trick.Winner) entry += '>';
                play[4 * t + ((seat - outcome.Declarer + 3) & 3)] = entry;
            }
        }
        write(tag::Play, JoinCommaList(play));
    }
    write(tag::Score, "NS " + std::to_string(outcome.Score));

    CompareResults(HandNumber);
    LoadResult(section);
    return Save();
}

void TBridgeINI::CompareResults(int board) {
    const auto sections = ResultSections(board);
    if (sections.size() < 2) return;
    const Vulnerability vul =
        VulnerabilityFromText(ReadString(DealSectionName(board), PbnTags[tag::Vulnerable], ""));
    std::vector<int> scores;
    for (const auto& section : sections) {
        const TSeat declarer = DeclarerOf(ReadString(section, PbnTags[tag::Declarer], ""));
        const ContractReading contract = ReadContract(ReadString(section, PbnTags[tag::Contract], ""));
        const int tricks = TricksOf(ReadString(section, PbnTags[tag::Result], ""), declarer);
        scores.push_back(ResultScore(ReadString(section, PbnTags[tag::Score], ""), contract, declarer,
                                     tricks, vul));
    }
    const auto compared = CompareBoardResults(scores);
    for (std::size_t i = 0; i < compared.size() && i < sections.size(); ++i) {
        WriteString(sections[i], PbnTags[tag::ScoreIMP], compared[i].ImpText);
        WriteString(sections[i], PbnTags[tag::ScoreMP], compared[i].MpText);
    }
}

}  // namespace corvane
