#include "core/cli/cli_app.h"

#include "core/report/text_file.h"
#include "orv_version.h"

#include <istream>
#include <ostream>
#include <utility>

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

// Writes the usage text to the error stream and returns ExitFailure.
int Usage(Streams io) {
    io.err << UsageText();
    return ExitFailure;
}

// An error in the arguments before any command: the word it is about, then the usage.
int Refuse(Streams io, const std::string& message) {
    io.err << "orvmove-cli: " << message << '\n';
    return Usage(io);
}

} // namespace

int RunCli(const std::vector<std::string>& args, Streams io) {
    if (args.empty()) {
        return Usage(io);
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const std::string& command = args.front();
    if (command == "--help" || command == "-h" || command == "--version") {
        if (!rest.empty()) {
            return Refuse(io, command + " takes no argument: \"" + rest.front() + "\"");
        }
        if (command == "--version") {
            io.out << "orvmove-cli " << ORV_VERSION << '\n';
        } else {
            io.out << UsageText();
        }
        return ExitDone;
    }
    using Command = int (*)(const std::vector<std::string>&, Streams);
    constexpr std::pair<std::string_view, Command> Commands[] = {
        {"tribes", RunTribes},   {"options", RunOptions}, {"map", RunMap},
        {"convert", RunConvert}, {"goods", RunGoods},     {"check", RunCheck}};
    for (const auto& [name, run] : Commands) {
        if (command == name) {
            return run(rest, io);
        }
    }
    return Refuse(io, "unknown command \"" + command + "\"");
}

} // namespace orv::cli
