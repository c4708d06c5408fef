// The subcommands that show the current goods of a move and check it, as the editor does
// with a report loaded, a tribe chosen and the move open.
#include "core/check/check_driver.h"
#include "core/check/goods.h"
#include "core/cli/cli_app.h"
#include "core/cli/loading.h"
#include "core/move/move_file.h"
#include "core/report/tokenizer.h"

#include <istream>
#include <iterator>
#include <optional>
#include <ostream>

namespace orv::cli {

namespace {

struct MoveArgs {
    std::string report;
    std::optional<std::string> tribe;
    std::optional<std::string> move;
    std::optional<std::string> line; // goods only
    move::DisplayForm form = move::DisplayForm::Natural;
};

// Reads REPORT --tribe NAME MOVE [--line N] [--form natural|raw] in any order after
// REPORT; false on anything else.
bool ParseMoveArgs(const std::vector<std::string>& args, bool allowLine, MoveArgs& parsed) {
    if (args.empty() || args[0].rfind("--", 0) == 0) {
        return false;
    }
    parsed.report = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--tribe" && hasValue && !parsed.tribe) {
            parsed.tribe = args[++i];
        } else if (arg == "--line" && allowLine && hasValue && !parsed.line) {
            parsed.line = args[++i];
        } else if (arg == "--form" && hasValue) {
            const std::string& value = args[++i];
            if (value == "natural") {
                parsed.form = move::DisplayForm::Natural;
            } else if (value == "raw") {
                parsed.form = move::DisplayForm::Raw;
            } else {
                return false;
            }
        } else if (!parsed.move && (arg == "-" || arg.rfind("--", 0) != 0)) {
            parsed.move = arg;
        } else {
            return false;
        }
    }
    return parsed.tribe.has_value() && parsed.move.has_value();
}

// Loads the report, chooses the tribe and opens the move in the chosen display form, as
// the editor does; false (with the exit code in code) when the work ends.
bool LoadGameAndMove(const MoveArgs& args, Streams io, report::Game& game, move::MoveList& moveList,
                     int& code) {
    if (!LoadReportForCli(args.report, io, game, code)) {
        return false;
    }
    game.tribeName = *args.tribe;
    if (!report::SelectCurrentTribe(game)) {
        io.err << "Warning: no tribe named \"" << *args.tribe
               << "\" in the report; the goods start from 0 gold and 0 wood.\n";
    }
    moveList.form = args.form;
    move::MoveResult result;
    if (*args.move == "-") {
        std::string text;
        if (!ReadStandardInput(io, text)) {
            code = ExitFailure;
            return false;
        }
        result = move::LoadMoveFromText(moveList, text);
    } else {
        result = move::LoadMove(moveList, *args.move);
    }
    if (!result.Ok()) {
        WriteLines(io.err, result.message);
        code = ExitFailure;
        return false;
    }
    return true;
}

// Parses the arguments and loads the game and the move; the exit code when the work ends.
std::optional<int> Prepare(const std::vector<std::string>& args, bool allowLine, Streams io,
                           MoveArgs& parsed, report::Game& game, move::MoveList& moveList) {
    if (!ParseMoveArgs(args, allowLine, parsed)) {
        return Usage(io);
    }
    if (parsed.line &&
        (!report::IsNumber(*parsed.line) || report::TextAsNumber(*parsed.line) < 0)) {
        return Usage(io);
    }
    int code = ExitDone;
    if (!LoadGameAndMove(parsed, io, game, moveList, code)) {
        return code;
    }
    return std::nullopt;
}

} // namespace

int RunGoods(const std::vector<std::string>& args, Streams io) {
    MoveArgs parsed;
    report::Game game;
    move::MoveList moveList;
    if (const std::optional<int> code = Prepare(args, true, io, parsed, game, moveList)) {
        return *code;
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
    report::Game game;
    move::MoveList moveList;
    if (const std::optional<int> code = Prepare(args, false, io, parsed, game, moveList)) {
        return *code;
    }
    const check::CheckResult result = check::CheckMove(moveList, game);
    switch (result.outcome) {
    case check::CheckOutcome::NothingToCheck:
        io.out << check::NothingToCheckText << '\n';
        return ExitDone;
    case check::CheckOutcome::MoveSeemsCorrect:
        io.out << check::MoveSeemsCorrectText << '\n';
        return ExitDone;
    case check::CheckOutcome::ErrorsFound:
        WriteLines(io.out, check::CheckReportText(result));
        return ExitCheckFoundErrors;
    }
    return ExitFailure;
}

} // namespace orv::cli
