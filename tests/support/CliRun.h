// Runs corvane-cli with arguments and collects its exit code and output.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <stdlib.h>

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

// Runs corvane-cli with `input` as its standard input. A run that has not ended after `seconds`
// is stopped and reported with exit code 124, so a program waiting for input it never gets fails
// the test instead of hanging it.
inline CliRun RunCliWithInput(const std::string& arguments, const std::string& input, int seconds = 120) {
    char path[] = "/tmp/corvane-cli-input-XXXXXX";
    const int fd = ::mkstemp(path);
    if (fd < 0) return {};
    const bool written = ::write(fd, input.data(), input.size()) == static_cast<ssize_t>(input.size());
    ::close(fd);
    CliRun run;
    if (written) run = RunCli(arguments + " < " + path, "timeout " + std::to_string(seconds));
    ::unlink(path);
    return run;
}

}  // namespace corvane::test
