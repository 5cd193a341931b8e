// Runs corvane-cli with arguments and collects what it prints.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace corvane::test {

struct CliOutput {
    int ExitCode = -1;
    std::string Text;  // stdout and stderr together
};

inline CliOutput RunCorvaneCli(const std::string& arguments) {
    const std::string command = std::string(CORVANE_CLI) + " " + arguments + " 2>&1";
    CliOutput run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) run.Text += buffer.data();
    const int status = pclose(pipe);
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace corvane::test
