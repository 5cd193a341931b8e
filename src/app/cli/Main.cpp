#include "app/cli/CliCommand.h"

#include <iostream>

namespace corvane::cli {

std::vector<CommandSetup>& CommandRegistry() {
    static std::vector<CommandSetup> registry;
    return registry;
}

}  // namespace corvane::cli

int main(int argc, char** argv) {
    CLI::App program{"corvane-cli: the bridge table without a window"};
    program.require_subcommand(1);
    for (const auto& setup : corvane::cli::CommandRegistry()) setup(program);
    try {
        program.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return program.exit(e);  // --help
    } catch (const CLI::RuntimeError& e) {
        return e.get_exit_code();  // the command has said why
    } catch (const CLI::ParseError& e) {
        std::cerr << "corvane-cli: " << e.what() << '\n';
        return e.get_exit_code();
    }
    return 0;
}
