#include "core/cli/cli_app.h"

#include "core/report/text_file.h"
#include "orv_version.h"

#include <istream>
#include <ostream>

namespace orv::cli {

void WriteLines(std::ostream& out, const std::string& text) {
    for (const std::string& line : report::SplitLines(text)) {
        out << line << '\n';
    }
}

std::string ReadStandardInput(Streams io, std::string& text) {
    switch (report::ReadStreamBytes(io.in, text)) {
    case report::FileStatus::TooLarge:
        return "Standard input is larger than 64 MiB and was not read!";
    case report::FileStatus::Ok:
        return {};
    default:
        return "Standard input could not be read!";
    }
}

namespace {

constexpr std::string_view UsageText =
    "usage: orvmove-cli tribes REPORT\n"
    "       orvmove-cli options REPORT\n"
    "       orvmove-cli map REPORT\n"
    "       orvmove-cli convert [--to natural|raw] MOVE\n"
    "       orvmove-cli goods REPORT --tribe NAME MOVE [--line N] [--form natural|raw]\n"
    "       orvmove-cli check REPORT --tribe NAME MOVE... [--form natural|raw]\n"
    "                         [--format text|gnu|json]\n"
    "       orvmove-cli --help | --version\n"
    "MOVE may be \"-\" for standard input.\n";

} // namespace

int Usage(Streams io) {
    io.err << UsageText;
    return ExitFailure;
}

int RunCli(const std::vector<std::string>& args, Streams io) {
    if (args.empty()) {
        return Usage(io);
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const std::string& command = args.front();
    if ((command == "--help" || command == "-h") && rest.empty()) {
        io.out << UsageText;
        return ExitDone;
    }
    if (command == "--version" && rest.empty()) {
        io.out << "orvmove-cli " << ORV_VERSION << '\n';
        return ExitDone;
    }
    if (command == "tribes") {
        return RunTribes(rest, io);
    }
    if (command == "options") {
        return RunOptions(rest, io);
    }
    if (command == "map") {
        return RunMap(rest, io);
    }
    if (command == "convert") {
        return RunConvert(rest, io);
    }
    if (command == "goods") {
        return RunGoods(rest, io);
    }
    if (command == "check") {
        return RunCheck(rest, io);
    }
    return Usage(io);
}

} // namespace orv::cli
