// Helpers for the deal-file tests: converted text loaded into a sorted hand-file store, and
// the shared corpus of files written by other programs.
#pragma once

#include "files/BigIniFile.h"
#include "files/DealFile.h"
#include "files/DealFileSections.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::test {

inline TBigIniFile HandFileOf(const DealFileImport& imported) {
    TBigIniFile store(true);
    store.LoadLines(imported.lines);
    return store;
}

inline std::vector<std::string> SectionNames(const TBigIniFile& store) {
    std::vector<std::string> names;
    for (int i = 0; i < store.Sections().Count(); ++i) names.push_back(store.Sections().Name(i));
    return names;
}

inline std::vector<std::string> LinesOfText(const std::string& text) { return SplitTextLines(text); }

inline std::filesystem::path TestDataFolder(const std::string& sub) {
    return std::filesystem::path(CORVANE_TESTDATA) / sub;
}

// The corpus files of one kind, sorted by name; empty when the folder is missing.
inline std::vector<std::filesystem::path> CorpusFiles(const std::string& sub) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(TestDataFolder(sub), ec)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

inline std::vector<std::string> FileLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return SplitTextLines(text.str());
}

}  // namespace corvane::test

#define CORVANE_SKIP_WITHOUT_CORPUS(files, sub)                                                   \
    if ((files).empty()) {                                                                        \
        GTEST_SKIP() << "no deal files in " << corvane::test::TestDataFolder(sub)                 \
                     << " (shared test data not present)";                                        \
    }
