#include "convention/SectionConditions.h"

#include "convention/CardVocabulary.h"
#include "files/IniCollation.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 10> DefenceNames = {
    "NATURAL", "ASTRO", "BROZEL", "CANSINO", "CAPP", "DONT", "HELLO", "LANDY", "MECKWELL", "WOOLSEY",
};

constexpr std::array<std::string_view, 4> LevelLimitedKeys = {"NEGX", "RESX", "SUPX", "VPRE"};

template <std::size_t N>
bool OneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::any_of(names.begin(), names.end(), [&](std::string_view n) { return SameName(n, name); });
}

bool Listed(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return SameName(n, name); });
}

std::string StructureCode(const SideCardAccess& card) {
    return card.NTStructure.empty() ? std::string("M") : card.NTStructure.substr(0, 1);
}

// The level limit of a doubling or preempt convention: older cards keep it under key + "TEXT",
// the editor under the key itself.
std::string LevelLimit(const SideCardAccess& card, std::string_view key) {
    std::string limit = card.Value(std::string(key) + "TEXT");
    return limit.empty() ? card.Value(key) : limit;
}

struct ConditionResult {
    bool Holds = false;
    bool LevelFiltered = false;
    std::string LevelLimit;
};

ConditionResult TestCondition(std::string condition, const SectionConditionSides& sides) {
    const bool opponents = condition.find('(') != std::string::npos;
    std::erase(condition, '(');
    const bool negated = !condition.empty() && condition.front() == '{';
    if (negated) condition.erase(0, 1);
    const SideCardAccess& card = opponents ? sides.Opponents : sides.Own;
    const std::vector<std::string>& additional = opponents ? sides.OpponentsAdditional : sides.OwnAdditional;

    ConditionResult result;
    if (const auto gt = condition.find('>'); gt != std::string::npos) {
        std::string key = condition.substr(0, gt);
        if (OneOf(key, card_keys::NTStructureKeys)) key = StructureCode(card) + ":" + key;
        result.Holds = card.Value(key) == condition.substr(gt + 1);
    } else if (SameName(condition, "RKC")) {
        const std::string scheme = card.Value("4N");
        result.Holds = scheme == "RKC" || scheme == "RKC14" || scheme == "RKCMM" ||
                       Listed(additional, "MORROW");
        result.LevelFiltered = true;
    } else if (SameName(condition, "MW")) {
        const std::string scheme = card.Value("MW");
        result.Holds = scheme == "0314" || scheme == "1430";
        result.LevelFiltered = true;
    } else if (OneOf(condition, DefenceNames)) {
        result.Holds = SameName(card.DirectDefence, condition);
    } else if (OneOf(condition, LevelLimitedKeys)) {
        result.LevelLimit = LevelLimit(card, condition);
        result.Holds = !result.LevelLimit.empty() && result.LevelLimit.front() != '_';
        result.LevelFiltered = true;
    } else {
        const std::string key = OneOf(condition, card_keys::NTStructureKeys) ? "M:" + condition : condition;
        result.Holds = card.Value(key) == "X" || Listed(additional, condition);
    }
    if (negated) {
        // Without the convention there is no limit to filter by.
        result.Holds = !result.Holds;
        result.LevelFiltered = false;
    }
    return result;
}

}  // namespace

SectionSelection SelectSection(std::string_view sectionName, const SectionConditionSides& sides) {
    SectionSelection selection;
    std::string_view rest = sectionName;
    ConditionResult last;
    while (true) {
        const auto end = rest.find('_');
        last = TestCondition(std::string(rest.substr(0, end)), sides);
        if (!last.Holds) return selection;
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    selection.Selected = true;
    selection.LevelFiltered = last.LevelFiltered;
    selection.LevelLimit = last.LevelLimit;
    return selection;
}

bool WithinLevelLimit(std::string_view sequence, std::string_view limit) {
    // The last parenthesized call other than a double or redouble.
    std::size_t end = sequence.size();
    while (end > 0) {
        const auto close = sequence.rfind(')', end - 1);
        if (close == std::string_view::npos) return true;
        const auto open = sequence.rfind('(', close);
        if (open == std::string_view::npos) return true;
        const std::string_view call = sequence.substr(open + 1, close - open - 1);
        if (call != "X" && call != "XX") return call <= limit;
        end = open;
    }
    return true;
}

}  // namespace corvane
