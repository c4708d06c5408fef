// The subcommands that show what the editor reads from a turn report.
#include "core/cli/arguments.h"
#include "core/cli/cli_app.h"
#include "core/cli/loading.h"
#include "core/report/views.h"

#include <ostream>

namespace orv::cli {

namespace {

// Reads the one report argument and loads the report; false (with the exit code in code)
// when the work ends.
bool LoadSingleReport(std::string_view command, const std::string& what,
                      const std::vector<std::string>& args, Streams io, report::Game& game,
                      int& code) {
    CommandLine line(command, what);
    std::string report;
    line.AddReport(report);
    if (const std::optional<int> ended = line.Parse(args, io)) {
        code = *ended;
        return false;
    }
    return LoadReportForCli(report, io, game, code);
}

} // namespace

int RunTribes(const std::vector<std::string>& args, Streams io) {
    report::Game game;
    int code = ExitDone;
    if (!LoadSingleReport("tribes",
                          "Prints one line for each row of the report's General Report table: "
                          "number, name, gold, wood and food, separated by tabs.",
                          args, io, game, code)) {
        return code;
    }
    for (const report::TribeElem& t : game.tribes) {
        io.out << t.number << '\t' << t.name << '\t' << t.Gold() << '\t' << t.Wood() << '\t'
               << t.Food() << '\n';
    }
    return ExitDone;
}

int RunOptions(const std::vector<std::string>& args, Streams io) {
    report::Game game;
    int code = ExitDone;
    if (!LoadSingleReport("options",
                          "Prints the game's global options as \"Show Global Options\" shows them.",
                          args, io, game, code)) {
        return code;
    }
    WriteLines(io.out, report::ShowGlobalOptionsText(game.options));
    return ExitDone;
}

int RunMap(const std::vector<std::string>& args, Streams io) {
    report::Game game;
    int code = ExitDone;
    if (!LoadSingleReport("map", "Prints the report's map as \"Show Map\" shows it.", args, io,
                          game, code)) {
        return code;
    }
    WriteLines(io.out, report::ShowMapText(game.map));
    return ExitDone;
}

} // namespace orv::cli
