// The definition and code files the program ships must read cleanly: every definition applies
// without a coding error and every alert number it names has a text.
#include "bidding/CodeTables.h"
#include "bidding/DefinitionLanguage.h"
#include "convention/DefinitionDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace corvane {
namespace {

bool IsNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

const std::string DataFolder = std::string(CORVANE_SOURCE_DIR) + "/data/";

TEST(ShippedDefinitions, EveryAlternativeAppliesAndEveryAlertNumberHasAText) {
    const DefinitionFiles files =
        DefinitionFiles::ReadOnly(DataFolder, DataFolder + std::string(SectionOrderFileName));
    const AlertTableLoad alerts = LoadAlertTable(DataFolder);
    ASSERT_FALSE(alerts.Failed);
    const TSectionList& sections = files.Sequences().Sections();
    ASSERT_GT(sections.Count(), 0);
    ASSERT_GE(sections.IndexOf(StandardSection), 0);

    DefinitionContext context;
    context.CardBounds = [](std::string_view) { return std::make_pair(8, 16); };
    int applied = 0;
    for (int s = 0; s < sections.Count(); ++s) {
        for (const std::string& line : sections.Lines(s)) {
            if (line.empty()) continue;
            std::string_view sequence;
            ASSERT_TRUE(IniLineName(line, sequence)) << line;
            const std::vector<std::string> tokens = DefinitionTokens(IniLineValue(line));
            ASSERT_GT(AlternativeCount(tokens), 0) << line;
            ASSERT_LE(AlternativeCount(tokens), MaxAlternatives) << line;
            for (int i = 1; i <= AlternativeCount(tokens); ++i) {
                CandidateMeaning candidate;
                ApplyDefinition(tokens, i, context, candidate);
                EXPECT_EQ(candidate.ErrorState, 0) << sections.Name(s) << ": " << line;
                const std::string& explanation = candidate.Info.Explanation;
                if (IsNumber(explanation)) {
                    EXPECT_NE(AlertText(alerts.Table, explanation), "") << line;
                }
                ++applied;
            }
        }
    }
    EXPECT_GT(applied, 100);
    EXPECT_TRUE(files.Messages().empty());
    EXPECT_NE(files.SectionPriority("DRU>REG"), 0);
}

TEST(ShippedCodeTables, EveryTableHasEntriesAndAlertsAreNumbered) {
    for (int table = 0; table < code_table::Count; ++table) {
        const CodeTable entries = LoadCodeTable(table, DataFolder);
        EXPECT_GT(entries.Lines().size(), 5u) << CodeTableInfos[table].File;
        for (const std::string& line : entries.Lines()) {
            EXPECT_NE(line.find('='), std::string::npos) << line;
            EXPECT_LE(CodeTable::EntryText(line).size(), ShownTextLength) << line;
        }
    }
    const CodeTable alerts = LoadCodeTable(code_table::Alerts, DataFolder);
    for (const std::string& line : alerts.Lines()) {
        EXPECT_TRUE(IsNumber(CodeTable::EntryCode(line))) << line;
    }
    EXPECT_EQ(alerts.Value("51"), "Splinter: a singleton or void in the bid suit, support for partner");
}

}  // namespace
}  // namespace corvane
