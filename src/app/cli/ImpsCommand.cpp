// corvane-cli imps DIFF: the IMPs for a score difference.
#include "app/cli/CliCommand.h"
#include "scoring/BoardComparison.h"

#include <iostream>
#include <memory>

namespace corvane::cli {
namespace {

const CommandRegistration registration{[](CLI::App& program) {
    auto* command = program.add_subcommand("imps", "IMPs for a score difference");
    auto difference = std::make_shared<int>(0);
    command->add_option("difference", *difference, "Score difference, may be negative")
        ->required();
    command->callback([=] { std::cout << ImpsForDifference(*difference) << '\n'; });
}};

}  // namespace
}  // namespace corvane::cli
