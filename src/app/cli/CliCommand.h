// Each corvane-cli command lives in a file of its own and registers itself here, so adding a
// command touches nothing else.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <vector>

namespace corvane::cli {

// Adds one subcommand (its options and callback) to the program's parser.
using CommandSetup = std::function<void(CLI::App& program)>;

std::vector<CommandSetup>& CommandRegistry();

struct CommandRegistration {
    explicit CommandRegistration(CommandSetup setup) { CommandRegistry().push_back(std::move(setup)); }
};

// Thrown by a command's callback to end the program with a one-line message and exit code 1.
inline CLI::RuntimeError Failure() { return CLI::RuntimeError(1); }

}  // namespace corvane::cli
