#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

std::string ReadAll(const std::string& path);

struct ConvertRun {
    int exitCode = -1;
    std::string out;
};

// Runs the command with its standard output and error in files of the folder.
ConvertRun Convert(const std::string& arguments, const std::string& errorFile) {
    const std::string outFile = errorFile + ".out";
    const int status = std::system((std::string(CORVANE_CLI) + " convert " + arguments + " >" + outFile + " 2>" + errorFile).c_str());
    return ConvertRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(outFile)};
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ConvertCommandTest, PbnToHandFileAndBackWithSummaryAndErrors) {
    corvane::test::TempFolder folder;
    const std::string pbn = folder.File("in.pbn");
    corvane::test::WriteFile(pbn, "[Dealer \"N\"]\n[Deal \"N:T32.AKQ7.T3.AQJT A9864.83.AK4.987 J.JT9542.72.K653 "
                                  "KQ75.6.QJ9865.42\"]\n[Contract \"4H\"]\n[Odd \"1\"]\n\n[Deal \"N:- - - -\"]\n");
    const std::string errors = folder.File("errors.txt");
    const ConvertRun toIni = Convert(pbn + " " + folder.File("out.ini"), errors);
    EXPECT_EQ(toIni.exitCode, 0);
    EXPECT_EQ(toIni.out, pbn + ": 2 boards, 1 results, 2 errors -> " + folder.File("out.ini") + "\n");
    EXPECT_EQ(ReadAll(errors), "Odd\nBoard _2: no whole deal : N:- - - -\n");
    EXPECT_NE(ReadAll(folder.File("out.ini")).find("[_1.o]\nContract=4H\nRoom=o\n"), std::string::npos);

    const ConvertRun toPbn = Convert(folder.File("out.ini") + " " + folder.File("out.pbn"), errors);
    EXPECT_EQ(toPbn.exitCode, 0);
    EXPECT_NE(ReadAll(folder.File("out.pbn")).find("[Contract \"4H\"]\n"), std::string::npos);
}

TEST(ConvertCommandTest, RefusesWhatItCannotConvert) {
    corvane::test::TempFolder folder;
    const std::string errors = folder.File("errors.txt");
    corvane::test::WriteFile(folder.File("a.pbn"), "");
    for (const auto& arguments : {folder.File("a.doc") + " " + folder.File("b.ini"),
                                        folder.File("a.pbn") + " " + folder.File("b.lin"),
                                        folder.File("missing.pbn") + " " + folder.File("b.ini")}) {
        const ConvertRun run = Convert(arguments, errors);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        const std::string message = ReadAll(errors);
        EXPECT_EQ(message.rfind("corvane-cli convert: ", 0), 0U) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    }
}

}  // namespace
