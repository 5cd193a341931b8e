// corvane-cli convert IN OUT: reads a PBN, LIN, CBF or hand file and writes it as a hand file
// (.ini) or as PBN. One summary line on stdout; the conversion's messages and the boards
// without a whole deal on stderr.
#include "app/cli/CliCommand.h"
#include "cards/Cards.h"
#include "files/BigIniFile.h"
#include "files/DealFile.h"
#include "files/HandFileKeys.h"
#include "files/LinImport.h"
#include "files/PbnExport.h"
#include "platform/FileIo.h"
#include "platform/FileTimes.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace corvane::cli {
namespace {

int CardCount(const DealHoldings& deal) {
    int cards = 0;
    for (const auto& hand : deal) {
        for (const Holding h : hand) cards += Length(h);
    }
    return cards;
}

void Convert(const std::string& in, const std::string& out) {
    const DealFileKind inKind = DealFileKindOf(in);
    const DealFileKind outKind = DealFileKindOf(out);
    if (inKind == DealFileKind::Unknown) {
        std::cerr << "corvane-cli convert: " << in << " is not a .pbn, .lin, .cbf or .ini file\n";
        throw Failure();
    }
    if (outKind != DealFileKind::Ini && outKind != DealFileKind::Pbn) {
        std::cerr << "corvane-cli convert: " << out << " must end in .ini or .pbn\n";
        throw Failure();
    }
    std::string text;
    std::string error;
    if (platform::ReadWholeFile(in, text, error) != platform::ReadOutcome::Read) {
        std::cerr << "corvane-cli convert: cannot read " << in << (error.empty() ? "" : ": " + error) << '\n';
        throw Failure();
    }
    std::string eventDate;
    if (inKind == DealFileKind::Lin) {
        const auto fromName = EventDateFromFileName(std::filesystem::path(in).filename().string());
        eventDate = fromName ? *fromName : platform::FileModifiedDate(in);
    }
    const DealFileImport converted = ConvertDealLines(inKind, SplitTextLines(text), eventDate);
    TBiggerINIFile handFile("", true);
    handFile.LoadLines(converted.lines);

    int boards = 0;
    int results = 0;
    std::vector<std::string> problems = converted.messages;
    const auto& sections = handFile.Sections();
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string& name = sections.Name(i);
        if (IsResultSection(name)) {
            ++results;
            continue;
        }
        ++boards;
        const std::string deal = handFile.ReadString(name, "Deal", "");
        DealHoldings holdings{};
        if (!DealFromPbn(deal, holdings) || CardCount(holdings) != 52)
            problems.push_back("Board " + name + ": no whole deal : " + deal);
    }
    const std::string written = outKind == DealFileKind::Pbn ? ExportPbnText(handFile) : handFile.FileText();
    error = platform::WriteFileAtomically(out, written);
    if (!error.empty()) {
        std::cerr << "corvane-cli convert: " << error << '\n';
        throw Failure();
    }
    std::cout << in << ": " << boards << " boards, " << results << " results, " << problems.size()
              << " errors -> " << out << '\n';
    for (const auto& problem : problems) std::cerr << problem << '\n';
}

const CommandRegistration registration{[](CLI::App& program) {
    auto* command = program.add_subcommand("convert", "Convert a PBN, LIN, CBF or hand file to a hand file or PBN");
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command->add_option("IN", *in, "Input file: .pbn, .lin, .cbf or .ini")->required();
    command->add_option("OUT", *out, "Output file: .ini or .pbn")->required();
    command->callback([=] { Convert(*in, *out); });
}};

}  // namespace
}  // namespace corvane::cli
