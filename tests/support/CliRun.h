// Runs corvane-cli with arguments and collects its exit code and output.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace corvane::test {

struct CliRun {
    int exitCode = -1;
    std::string out;  // stdout and stderr together
};

// environment: assignments put before the command ("XDG_DATA_HOME=/tmp/x"), may be empty.
inline CliRun RunCli(const std::string& arguments, const std::string& environment = "") {
    const std::string command = environment + " " + std::string(CORVANE_CLI) + " " + arguments + " 2>&1";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) run.out += buffer.data();
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace corvane::test
