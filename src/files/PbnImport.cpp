#include "files/PbnImport.h"

#include "cards/Cards.h"
#include "files/PbnReader.h"
#include "files/HandFileKeys.h"

#include <array>
#include <optional>
#include <set>
#include <unordered_map>

namespace corvane {

namespace {

// "#" takes the value of the same tag in the nearest earlier game; "##text" sets text for
// this game and every later game that does not give the tag itself.
void ResolveInheritance(std::vector<PbnGame>& games) {
    std::unordered_map<std::string, std::string> last;
    std::vector<std::pair<std::string, std::string>> standing;
    for (auto& game : games) {
        std::set<std::string> given;
        for (auto& tag : game.tags) {
            if (tag.value == "#") {
                tag.value = last[tag.name];
            } else if (tag.value.rfind("##", 0) == 0) {
                tag.value.erase(0, 2);
                bool replaced = false;
                for (auto& [name, value] : standing) {
                    if (name == tag.name) {
                        value = tag.value;
                        replaced = true;
                    }
                }
                if (!replaced) standing.emplace_back(tag.name, tag.value);
            }
            last[tag.name] = tag.value;
            given.insert(tag.name);
        }
        for (const auto& [name, value] : standing) {
            if (given.count(name)) continue;
            game.tags.push_back(PbnTagPair{name, value, {}, {}});
            last[name] = value;
        }
    }
}

const PbnTagPair* FindTag(const PbnGame& game, std::string_view name) {
    const PbnTagPair* found = nullptr;
    for (const auto& tag : game.tags) {
        if (tag.name == name) found = &tag;
    }
    return found;
}

// Board numbers by distinct deals; a game without a deal stays on the previous game's board.
std::vector<int> BoardNumbers(const std::vector<PbnGame>& games) {
    std::unordered_map<std::string, int> deals;
    std::vector<int> boards;
    int board = 1;
    for (const auto& game : games) {
        if (const auto* deal = FindTag(game, "Deal")) {
            const auto [at, added] = deals.emplace(LowerCase(deal->value), static_cast<int>(deals.size()) + 1);
            board = at->second;
        }
        boards.push_back(board);
    }
    return boards;
}

// The result-section suffix of each game: the table names when they vary, otherwise "o" for
// the first game's North player and "c" for other players. Two games of one board never share
// a result section: a later one gets a number after its suffix.
std::vector<std::string> GameSuffixes(const std::vector<PbnGame>& games, const std::vector<int>& boards) {
    std::vector<std::optional<std::string>> tables;
    std::vector<std::optional<std::string>> norths;
    std::vector<std::string> tableList;
    for (const auto& game : games) {
        const auto* table = FindTag(game, "Table");
        const auto* north = FindTag(game, "North");
        tables.push_back(table ? std::optional(table->value) : std::nullopt);
        norths.push_back(north ? std::optional(north->value) : std::nullopt);
        if (table) tableList.push_back(table->value);
    }
    int changes = 0;
    for (size_t i = 1; i < tableList.size(); ++i) changes += tableList[i] != tableList[i - 1];

    std::vector<std::string> suffixes;
    std::optional<std::string> firstNorth;
    for (const auto& north : norths) {
        if (north) {
            firstNorth = north;
            break;
        }
    }
    for (size_t i = 0; i < games.size(); ++i) {
        std::string suffix = "o";
        if (changes > 0 || tableList.size() == 1) {
            if (tables[i]) suffix = *tables[i];
        } else if (norths[i] && firstNorth) {
            suffix = *norths[i] == *firstNorth ? "o" : "c";
        }
        suffixes.push_back(suffix);
    }
    std::set<std::string> used;
    for (size_t i = 0; i < games.size(); ++i) {
        const std::string base = DealSectionName(boards[i]) + ".";
        std::string name = base + suffixes[i];
        for (int n = 2; used.count(LowerCase(name)); ++n) {
            name = base + suffixes[i] + std::to_string(n);
        }
        suffixes[i] = name.substr(base.size());
        used.insert(LowerCase(name));
    }
    return suffixes;
}

// The third field of each three-field row. OptimumResultTable rows naming a seat and a strain
// are put in the order the hand file keeps (seats N E S W, strains C D H S NT), whatever order
// the file lists them in.
std::string TableValues(const PbnTagPair& tag) {
    std::vector<std::string> values;
    std::array<std::string, 20> placed;
    int placedCount = 0;
    for (const auto& row : tag.tableRows) {
        const auto fields = CommaTextTokens(row);
        if (fields.size() != 3 || row.find(',') != std::string::npos) continue;
        values.push_back(fields[2]);
        const auto seat = SeatLetters.find(UpperCase(fields[0]));
        const std::string strain = UpperCase(fields[1]);
        size_t strainIndex = strain == "NT" || strain == "N" ? 4 : StrainLetters.find(strain);
        if (strain.size() != 1 && strain != "NT") strainIndex = std::string::npos;
        if (fields[0].size() != 1 || seat == std::string_view::npos || strainIndex > 4) continue;
        auto& slot = placed[seat * 5 + strainIndex];
        if (slot.empty()) ++placedCount;
        slot = fields[2];
    }
    if (tag.name == "OptimumResultTable" && placedCount == 20 && values.size() == 20) {
        return JoinWithCommas(std::vector<std::string>(placed.begin(), placed.end()));
    }
    return JoinWithCommas(values);
}

// "=1=" after a call becomes "(1)", the form the hand file keeps.
void NoteReferencesToParentheses(std::vector<std::string>& calls) {
    for (const auto& call : calls) {
        if (!call.empty() && call.front() == '(') return;
    }
    for (auto& call : calls) {
        const size_t first = call.find('=');
        if (first == std::string::npos) continue;
        call[first] = '(';
        const size_t second = call.find('=', first + 1);
        if (second != std::string::npos) call[second] = ')';
    }
}

// The play list is positional (four entries a trick), so only cards and "-" placeholders may
// take a place: the end mark "*", note references and annotation glyphs are left out.
std::vector<std::string> PlayEntries(const std::vector<std::string>& tokens) {
    std::vector<std::string> cards;
    for (std::string token : tokens) {
        if (token == "*" || token.front() == '=' || token.front() == '$') continue;
        while (token.size() > 1 && (token.back() == '!' || token.back() == '?')) token.pop_back();
        cards.push_back(std::move(token));
    }
    return cards;
}

}  // namespace

DealFileImport ImportPbn(const std::vector<std::string>& lines) {
    PbnScan scan = ScanPbn(lines);
    ResolveInheritance(scan.games);
    const auto boards = BoardNumbers(scan.games);
    const auto suffixes = GameSuffixes(scan.games, boards);

    DealFileSections out;
    std::vector<std::string> unlisted;
    for (size_t g = 0; g < scan.games.size(); ++g) {
        const std::string dealSection = DealSectionName(boards[g]);
        const std::string resultSection = dealSection + "." + suffixes[g];
        for (const auto& tag : scan.games[g].tags) {
            if (tag.name.empty()) continue;
            const int index = PbnTagIndex(tag.name);
            const std::string& section = index >= 0 && IsResultLevelTag(index) ? resultSection : dealSection;
            if (index < 0) {
                bool known = false;
                for (const auto& name : unlisted) known = known || name == tag.name;
                if (!known) unlisted.push_back(tag.name);
            }
            switch (index) {
            case tag::Board:
                out.Write(section, "Board", std::to_string(IntegerFrom(tag.value).value_or(1)));
                break;
            case tag::OptimumResultTable:
            case tag::TotalScoreTable:
                out.Write(section, tag.name, TableValues(tag));
                break;
            case tag::Note: {
                const size_t colon = tag.value.find(':');
                const auto number = colon == std::string::npos ? std::nullopt : IntegerFrom(tag.value.substr(0, colon));
                if (number) {
                    out.Write(section, "(" + std::to_string(*number) + ")", tag.value.substr(colon + 1));
                } else {
                    out.Write(section, tag.name, tag.value);
                }
                break;
            }
            case tag::Auction: {
                if (tag.tokens.empty()) break;
                auto calls = tag.tokens;
                NoteReferencesToParentheses(calls);
                out.Write(section, tag.name, JoinWithCommas(calls));
                break;
            }
            case tag::Play: {
                const auto cards = PlayEntries(tag.tokens);
                if (!cards.empty()) out.Write(section, tag.name, JoinWithCommas(cards));
                break;
            }
            default:
                out.Write(section, tag.name, tag.value);
                break;
            }
            out.Write(section, "Room", suffixes[g]);
        }
    }
    DealFileImport result{out.ToLines(), std::move(scan.errors)};
    result.messages.insert(result.messages.end(), unlisted.begin(), unlisted.end());
    return result;
}

}  // namespace corvane
