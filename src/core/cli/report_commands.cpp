// The subcommands that show what the editor reads from a turn report.
#include "core/cli/cli_app.h"
#include "core/cli/loading.h"
#include "core/report/views.h"

#include <ostream>

namespace orv::cli {

namespace {

// Loads the one report argument; false (with the exit code in code) when the work ends.
bool LoadSingleReport(const std::vector<std::string>& args, Streams io, report::Game& game,
                      int& code) {
    if (args.size() != 1) {
        code = Usage(io);
        return false;
    }
    return LoadReportForCli(args[0], io, game, code);
}

} // namespace

int RunTribes(const std::vector<std::string>& args, Streams io) {
    report::Game game;
    int code = ExitDone;
    if (!LoadSingleReport(args, io, game, code)) {
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
    if (!LoadSingleReport(args, io, game, code)) {
        return code;
    }
    WriteLines(io.out, report::ShowGlobalOptionsText(game.options));
    return ExitDone;
}

int RunMap(const std::vector<std::string>& args, Streams io) {
    report::Game game;
    int code = ExitDone;
    if (!LoadSingleReport(args, io, game, code)) {
        return code;
    }
    WriteLines(io.out, report::ShowMapText(game.map));
    return ExitDone;
}

} // namespace orv::cli
