#include "support/CliRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace corvane {
namespace {

using test::RunCli;
using test::TempFolder;

std::vector<std::string> BoardLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Board ", 0) == 0) lines.push_back(line);
    }
    return lines;
}

TEST(AutoplayCommand, TheComputerBidsAndPlaysEveryBoardIntoTheHandFile) {
    TempFolder folder;
    const std::string file = "'" + folder.File("auto.ini") + "'";
    const auto run = RunCli("autoplay --boards 2 --seed 5 --file " + file);
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::vector<std::string> lines = BoardLines(run.out);
    ASSERT_EQ(lines.size(), 2U) << run.out;
    // The rule bidder opens this deal, so the board is bid and played, not passed out.
    EXPECT_EQ(lines[0].find("Pass"), std::string::npos) << lines[0];

    const auto shown = RunCli("show " + file + " --board 1");
    ASSERT_EQ(shown.exitCode, 0) << shown.out;
    EXPECT_NE(shown.out.find("Results: 1"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Auction: "), std::string::npos) << shown.out;

    // Boards go after the ones already in the file.
    const auto more = RunCli("autoplay --boards 1 --seed 9 --contract 3N --declarer N --file " + file);
    ASSERT_EQ(more.exitCode, 0) << more.out;
    const std::vector<std::string> added = BoardLines(more.out);
    ASSERT_EQ(added.size(), 1U) << more.out;
    EXPECT_EQ(added[0].rfind("Board    3     3N  N", 0), 0U) << added[0];
}

TEST(AutoplayCommand, RefusesBadArgumentsWithAMessage) {
    TempFolder folder;
    const std::string file = " --file '" + folder.File("auto.ini") + "'";
    for (const char* arguments : {"--declarer Q", "--contract 9Z", "--seed 0", "--play xx", "--ns-card Missing.cc"}) {
        const auto run = RunCli(std::string("autoplay --boards 1 ") + arguments + file);
        EXPECT_NE(run.exitCode, 0) << arguments;
        EXPECT_NE(run.out.find("corvane-cli"), std::string::npos) << arguments << ": " << run.out;
        EXPECT_TRUE(BoardLines(run.out).empty()) << arguments;
    }
}

}  // namespace
}  // namespace corvane
