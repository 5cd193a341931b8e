#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

std::string Eval(const std::string& hand, int& exitCode) {
    const std::string command = std::string(CORVANE_CLI) + " eval --hand \"" + hand + "\" 2>&1";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) out += buffer.data();
    const int status = pclose(pipe);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

TEST(EvalCommandTest, PrintsTheFiguresOfTheHand) {
    int exitCode = -1;
    const std::string out = Eval("S:AKQ2 H:J54 D:T9 C:8765", exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_NE(out.find("HCP                10\n"), std::string::npos) << out;
    EXPECT_NE(out.find("ShapeCode          4432\n"), std::string::npos);
    EXPECT_NE(out.find("LosingTricks       8.0\n"), std::string::npos);
    EXPECT_NE(out.find("HandQuickTricks    3.0\n"), std::string::npos);
    EXPECT_NE(out.find("S     AKQ2"), std::string::npos);
    // Suits in any order, a void written "-".
    Eval("C:- D:AKQJT98765432 H: S:", exitCode);
    EXPECT_EQ(exitCode, 0);
}

TEST(EvalCommandTest, RefusesHandsThatAreNotThirteenCards) {
    for (const char* hand : {"S:AKQ2 H:J54 D:T9", "S:AKQ2 H:J54 D:T9 C:876", "S:AKQ2 S:J54 D:T9 C:8765",
                             "S:AKQ2 H:J54 D:T9 C:876Z", "AKQ2.J54.T9.8765"}) {
        int exitCode = 0;
        const std::string out = Eval(hand, exitCode);
        EXPECT_EQ(exitCode, 1) << hand;
        EXPECT_EQ(out.rfind("corvane-cli eval: ", 0), 0u) << out;
        EXPECT_EQ(out.find('\n'), out.size() - 1) << out;
    }
}

}  // namespace
