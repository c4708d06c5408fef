// The subcommands that show the current goods of a move and check moves, as the editor does
// with a report loaded, a tribe chosen and the move open.
#include "core/check/check_driver.h"
#include "core/check/goods.h"
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
    std::optional<std::string> tribe;
    std::vector<std::string> moves;
    std::optional<std::string> line; // goods only
    move::DisplayForm form = move::DisplayForm::Natural;
    CheckFormat format = CheckFormat::Text;
};

// Reads REPORT --tribe NAME MOVE... [--line N] [--form natural|raw] [--format F] in any
// order after REPORT; false on anything else. `check` takes several moves and --format,
// `goods` one move and --line.
bool ParseMoveArgs(const std::vector<std::string>& args, bool goods, MoveArgs& parsed) {
    if (args.empty() || args[0].rfind("--", 0) == 0) {
        return false;
    }
    parsed.report = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--tribe" && hasValue && !parsed.tribe) {
            parsed.tribe = args[++i];
        } else if (arg == "--line" && goods && hasValue && !parsed.line) {
            parsed.line = args[++i];
        } else if (arg == "--form" && hasValue) {
            const std::string& value = args[++i];
            if (value != "natural" && value != "raw") {
                return false;
            }
            parsed.form = value == "raw" ? move::DisplayForm::Raw : move::DisplayForm::Natural;
        } else if (arg == "--format" && !goods && hasValue) {
            const std::string& value = args[++i];
            if (value == "text") {
                parsed.format = CheckFormat::Text;
            } else if (value == "gnu") {
                parsed.format = CheckFormat::Gnu;
            } else if (value == "json") {
                parsed.format = CheckFormat::Json;
            } else {
                return false;
            }
        } else if ((goods ? parsed.moves.empty() : true) &&
                   (arg == "-" || arg.rfind("--", 0) != 0)) {
            parsed.moves.push_back(arg);
        } else {
            return false;
        }
    }
    const bool oneStandardInput = std::count(parsed.moves.begin(), parsed.moves.end(), "-") <= 1;
    return parsed.tribe.has_value() && !parsed.moves.empty() && oneStandardInput;
}

// Loads the report and chooses the tribe as the editor does; the exit code when the work
// ends.
std::optional<int> LoadGame(const MoveArgs& args, Streams io, report::Game& game) {
    int code = ExitDone;
    if (!LoadReportForCli(args.report, io, game, code)) {
        return code;
    }
    game.tribeName = *args.tribe;
    if (!report::SelectCurrentTribe(game)) {
        io.err << "Warning: no tribe named \"" << *args.tribe
               << "\" in the report; the goods start from 0 gold and 0 wood.\n";
    }
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
        io.out << JsonDocument(source, *args.tribe, moveList, result);
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
    MoveArgs parsed;
    if (!ParseMoveArgs(args, true, parsed) ||
        (parsed.line &&
         (!report::IsNumber(*parsed.line) || report::TextAsNumber(*parsed.line) < 0))) {
        return Usage(io);
    }
    report::Game game;
    if (const std::optional<int> code = LoadGame(parsed, io, game)) {
        return *code;
    }
    move::MoveList moveList;
    const move::MoveResult opened = OpenMove(parsed.moves.front(), parsed.form, io, moveList);
    if (!opened.Ok()) {
        TellMoveFailure(io.err, parsed.moves.front(), opened);
        return ExitFailure;
    }
    const auto size = static_cast<std::int64_t>(moveList.Size());
    const std::int64_t selected = parsed.line ? report::TextAsNumber(*parsed.line) : size - 1;
    if (selected >= size) {
        io.err << "The move has no line " << selected << " (lines 0 to " << size - 1 << ").\n";
        return ExitFailure;
    }
    const check::Goods goods = check::ComputeCurrentGoods(moveList, game, selected);
    io.out << goods.gold << ' ' << goods.wood << '\n';
    return ExitDone;
}

int RunCheck(const std::vector<std::string>& args, Streams io) {
    MoveArgs parsed;
    if (!ParseMoveArgs(args, false, parsed)) {
        return Usage(io);
    }
    report::Game game;
    if (const std::optional<int> code = LoadGame(parsed, io, game)) {
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
