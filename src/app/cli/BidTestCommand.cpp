// corvane-cli bidtest FILE.jsonl: runs bidding cases, one JSON object per line, and prints every
// miss and the pass rate; the last line is "N passed, M failed".
#include "app/cli/BiddingOptions.h"
#include "bidding/BiddingCase.h"
#include "bidding/BiddingData.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

namespace corvane::cli {
namespace {

struct BidTestArguments {
    std::string File;
    bool Json = false;
    BiddingOptions Bidding;
};

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') out += '\\';
        if (static_cast<unsigned char>(ch) < 0x20) continue;
        out += ch;
    }
    return out + "\"";
}

void Run(const BidTestArguments& args) {
    std::ifstream in(args.File, std::ios::binary);
    if (!in) {
        std::cerr << "corvane-cli bidtest: cannot read \"" << args.File << "\"\n";
        throw Failure();
    }
    BiddingData data;
    if (std::string error = args.Bidding.Load(data); !error.empty()) {
        std::cerr << "corvane-cli bidtest: " << error << '\n';
        throw Failure();
    }
    int passed = 0;
    int failed = 0;
    int lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        const BiddingCaseRead read = ReadBiddingCase(line);
        CaseResult result;
        std::string id = "line " + std::to_string(lineNumber);
        std::string expected = "?";
        if (!read.Case) {
            result.Error = read.Error;
        } else {
            if (!read.Case->Id.empty()) id = read.Case->Id;
            expected = CaseCallText(read.Case->Expected);
            result = RunBiddingCase(*read.Case, data);
        }
        result.Passed ? ++passed : ++failed;
        const std::string chosen = result.Chosen == NoCall ? "-" : CaseCallText(result.Chosen);
        if (args.Json) {
            std::printf("{\"id\": %s, \"expected\": %s, \"chosen\": %s, \"passed\": %s}\n", JsonString(id).c_str(),
                        JsonString(expected).c_str(), JsonString(chosen).c_str(), result.Passed ? "true" : "false");
        } else if (!result.Passed) {
            std::printf("%s: expected %s, chose %s%s\n", id.c_str(), expected.c_str(), chosen.c_str(),
                        result.Error.empty() ? "" : (" (" + result.Error + ")").c_str());
        }
    }
    const int total = passed + failed;
    if (!args.Json) std::printf("Pass rate: %.1f%%\n", total == 0 ? 0.0 : 100.0 * passed / total);
    std::printf("%d passed, %d failed\n", passed, failed);
}

const CommandRegistration registration([](CLI::App& program) {
    auto* command = program.add_subcommand("bidtest", "Run bidding cases from a JSON-lines file");
    auto args = std::make_shared<BidTestArguments>();
    command->add_option("file", args->File, "The cases, one JSON object per line")->required();
    command->add_flag("--json", args->Json, "One JSON object per case instead of the misses");
    args->Bidding.AddTo(*command);
    command->callback([args] { Run(*args); });
});

}  // namespace
}  // namespace corvane::cli
