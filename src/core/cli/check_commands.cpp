// The subcommands that show the current goods of a move and check moves, as the editor does
// with a report loaded, a tribe chosen and the move open.
#include "core/check/check_driver.h"
#include "core/check/goods.h"
#include "core/cli/arguments.h"
#include "core/cli/check_formats.h"
#include "core/cli/cli_app.h"
#include "core/cli/loading.h"
#include "core/move/move_file.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace orv::cli {

namespace {

struct MoveArgs {
    std::string report;
    std::string tribe;
    std::vector<std::string> moves;
    std::optional<std::int64_t> line; // goods only
    move::DisplayForm form = move::DisplayForm::Natural;
    CheckFormat format = CheckFormat::Text;
    bool allowUnknownTribe = false;
};

// The arguments of goods and check: REPORT --tribe NAME MOVE... [--form natural|raw],
// options anywhere. `check` takes several moves and --format, `goods` one move and --line.
void AddMoveArgs(CommandLine& command, bool goods, MoveArgs& parsed) {
    CLI::App& app = command.App();
    command.AddReport(parsed.report);
    app.add_option("--tribe", parsed.tribe, "The tribe you play, as the General Report names it")
        ->required()
        ->type_name("NAME");
    if (goods) {
        // One move: a second one is a word too many.
        app.add_option_function<std::string>(
               "MOVE", [&parsed](const std::string& move) { parsed.moves = {move}; },
               "The move file, or - for standard input")
            ->required()
            ->type_name("");
    } else {
        app.add_option("MOVE", parsed.moves, "The move files; - stands for standard input")
            ->required()
            ->type_name("");
    }
    command.AddForm("--form", parsed.form,
                    "The display form the move is read in (default natural)");
    app.add_flag("--allow-unknown-tribe", parsed.allowUnknownTribe,
                 "Go on from 0 gold and 0 wood when the report has no tribe NAME");
    if (goods) {
        app.add_option_function<std::string>(
               "--line",
               [&parsed](const std::string& value) {
                   if (!report::IsNumber(value) || report::TextAsNumber(value) < 0) {
                       throw CLI::ValidationError(
                           "--line",
                           "\"" + value + "\" is no line number (0 for BEGIN, 1, 2, ...)");
                   }
                   parsed.line = report::TextAsNumber(value);
               },
               "The list line whose goods are shown, from 0 for BEGIN (default the last)")
            ->type_name("N");
        return;
    }
    command.AddChoice(
        "--format", parsed.format,
        {{"text", CheckFormat::Text}, {"gnu", CheckFormat::Gnu}, {"json", CheckFormat::Json}},
        "How the findings are printed (default text)");
}

// Reads the arguments; the exit code when the work ends.
std::optional<int> ParseMoveArgs(CommandLine& command, const std::vector<std::string>& args,
                                 Streams io, MoveArgs& parsed) {
    if (const std::optional<int> ended = command.Parse(args, io)) {
        return ended;
    }
    if (std::count(parsed.moves.begin(), parsed.moves.end(), "-") > 1) {
        return command.Refuse(io, "MOVE: standard input \"-\" can be read only once");
    }
    return std::nullopt;
}

// Loads the report and chooses the tribe as the editor does; the exit code when the work
// ends.
std::optional<int> LoadGame(const MoveArgs& args, const CommandLine& command, Streams io,
                            report::Game& game) {
    int code = ExitDone;
    if (!LoadReportForCli(args.report, io, game, code)) {
        return code;
    }
    game.tribeName = args.tribe;
    if (report::SelectCurrentTribe(game)) {
        return std::nullopt;
    }
    // A mistyped name would check the move against nobody's goods. A report without a
    // tribe table (already said) names no tribe at all, so the work goes on as in the editor.
    if (!args.allowUnknownTribe && !game.tribes.empty()) {
        return command.Refuse(io,
                              "--tribe: no tribe named \"" + args.tribe +
                                  "\" in the report (--allow-unknown-tribe starts the goods "
                                  "from 0 gold and 0 wood)",
                              false);
    }
    io.err << "Warning: no tribe named \"" << args.tribe
           << "\" in the report; the goods start from 0 gold and 0 wood.\n";
    return std::nullopt;
}

// Checks one move and prints its result in the chosen format; the exit code for it.
int CheckOne(const MoveArgs& args, const std::string& source, const report::Game& game, bool named,
             Streams io) {
    move::MoveList moveList;
    const move::MoveResult opened = OpenMove(source, args.form, io, moveList);
    if (!opened.Ok()) {
        // The other moves of the call are still checked.
        switch (args.format) {
        case CheckFormat::Gnu:
            io.out << GnuFailure(source, opened);
            break;
        case CheckFormat::Json:
            io.out << JsonFailure(source, opened);
            break;
        case CheckFormat::Text:
            TellMoveFailure(io.err, source, opened);
            break;
        }
        return ExitFailure;
    }
    const check::CheckResult result = check::CheckMove(moveList, game);
    const int code = result.Correct() ? ExitDone : ExitCheckFoundErrors;
    switch (args.format) {
    case CheckFormat::Gnu:
        io.out << GnuLines(source, moveList, result);
        return code;
    case CheckFormat::Json:
        io.out << JsonDocument(source, args.tribe, moveList, result);
        return code;
    case CheckFormat::Text:
        break;
    }
    if (named) {
        io.out << source << ":\n";
    }
    switch (result.outcome) {
    case check::CheckOutcome::NothingToCheck:
        io.out << check::NothingToCheckText << '\n';
        break;
    case check::CheckOutcome::MoveSeemsCorrect:
        io.out << check::MoveSeemsCorrectText << '\n';
        break;
    case check::CheckOutcome::ErrorsFound:
        WriteLines(io.out, check::CheckReportText(result));
        break;
    }
    return code;
}

} // namespace

int RunGoods(const std::vector<std::string>& args, Streams io) {
    CommandLine command("goods", "Prints the gold and the wood the tribe NAME has left after a "
                                 "line of the move list, as \"Current Goods:\" shows them.");
    MoveArgs parsed;
    AddMoveArgs(command, true, parsed);
    if (const std::optional<int> ended = ParseMoveArgs(command, args, io, parsed)) {
        return *ended;
    }
    report::Game game;
    if (const std::optional<int> code = LoadGame(parsed, command, io, game)) {
        return *code;
    }
    move::MoveList moveList;
    const move::MoveResult opened = OpenMove(parsed.moves.front(), parsed.form, io, moveList);
    if (!opened.Ok()) {
        TellMoveFailure(io.err, parsed.moves.front(), opened);
        return ExitFailure;
    }
    const auto size = static_cast<std::int64_t>(moveList.Size());
    const std::int64_t selected = parsed.line.value_or(size - 1);
    if (selected >= size) {
        io.err << "The move has no line " << selected << " (lines 0 to " << size - 1 << ").\n";
        return ExitFailure;
    }
    const check::Goods goods = check::ComputeCurrentGoods(moveList, game, selected);
    io.out << goods.gold << ' ' << goods.wood << '\n';
    return ExitDone;
}

int RunCheck(const std::vector<std::string>& args, Streams io) {
    CommandLine command("check", "Checks each MOVE against the report for the tribe NAME, as "
                                 "\"Check Move\" does.");
    MoveArgs parsed;
    AddMoveArgs(command, false, parsed);
    if (const std::optional<int> ended = ParseMoveArgs(command, args, io, parsed)) {
        return *ended;
    }
    report::Game game;
    if (const std::optional<int> code = LoadGame(parsed, command, io, game)) {
        return *code;
    }
    // Each move gets its result; the exit status is the worst of them.
    const bool named = parsed.moves.size() > 1;
    int worst = ExitDone;
    for (const std::string& source : parsed.moves) {
        worst = std::max(worst, CheckOne(parsed, source, game, named, io));
    }
    return worst;
}

} // namespace orv::cli
