#include "core/cli/arguments.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <utility>

namespace orv::cli {

namespace {

// Each command's synopsis after "orvmove-cli ", continuation lines indented under it.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> Synopses = {{
    {"tribes", "tribes REPORT"},
    {"options", "options REPORT"},
    {"map", "map REPORT"},
    {"convert", "convert [--to natural|raw] MOVE"},
    {"goods", "goods REPORT --tribe NAME MOVE [--line N] [--form natural|raw]\n"
              "                         [--allow-unknown-tribe]"},
    {"check", "check REPORT --tribe NAME MOVE... [--form natural|raw]\n"
              "                         [--format text|gnu|json] [--allow-unknown-tribe]"},
}};

constexpr std::string_view Program = "orvmove-cli";
constexpr std::string_view StandardInputNote = "MOVE may be \"-\" for standard input.\n";

std::string_view SynopsisOf(std::string_view command) {
    const auto* found = std::find_if(Synopses.begin(), Synopses.end(),
                                     [command](const auto& s) { return s.first == command; });
    return found == Synopses.end() ? std::string_view() : found->second;
}

} // namespace

std::string UsageText() {
    std::string text;
    for (const auto& [command, synopsis] : Synopses) {
        text += text.empty() ? "usage: " : "       ";
        text += Program;
        text += ' ';
        text += synopsis;
        text += '\n';
    }
    text += "       orvmove-cli --help | --version\n";
    text += StandardInputNote;
    return text;
}

CommandLine::CommandLine(std::string_view command, const std::string& what)
    : command_(command), app_(what, std::string(Program) + " " + std::string(command)) {
    app_.set_help_flag("-h,--help", "Print this help and exit");
}

void CommandLine::AddReport(std::string& report) {
    app_.add_option("REPORT", report, "The turn report, also as saved from a mail (.eml, .mbox)")
        ->required()
        ->type_name("");
}

std::optional<int> CommandLine::Parse(const std::vector<std::string>& args, Streams io) {
    // CLI11 takes the words last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app_.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        io.out << app_.help();
        return ExitDone;
    } catch (const CLI::ParseError& error) {
        return Refuse(io, error.what());
    }
    return std::nullopt;
}

int CommandLine::Refuse(Streams io, std::string_view message, bool withUsage) const {
    io.err << Program << ' ' << command_ << ": " << message << '\n';
    if (withUsage) {
        io.err << "usage: " << Program << ' ' << SynopsisOf(command_) << '\n'
               << "Run \"" << Program << ' ' << command_ << " --help\" for more.\n";
    }
    return ExitFailure;
}

} // namespace orv::cli
