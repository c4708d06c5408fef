// The subcommand that shows a move file as the editor's move list shows it.
#include "core/cli/arguments.h"
#include "core/cli/cli_app.h"
#include "core/cli/loading.h"
#include "core/move/move_file.h"

#include <istream>
#include <iterator>
#include <ostream>

namespace orv::cli {

int RunConvert(const std::vector<std::string>& args, Streams io) {
    CommandLine line("convert",
                     "Prints the move list of MOVE as the editor shows it in a display form.");
    move::DisplayForm form = move::DisplayForm::Natural;
    std::string source;
    line.AddForm("--to", form, "The display form (default natural)");
    line.App()
        .add_option("MOVE", source, "The move file, or - for standard input")
        ->required()
        ->type_name("");
    if (const std::optional<int> ended = line.Parse(args, io)) {
        return *ended;
    }

    move::MoveList moveList;
    const move::MoveResult result = OpenMove(source, form, io, moveList);
    if (!result.Ok()) {
        TellMoveFailure(io.err, source, result);
        return ExitFailure;
    }
    for (std::size_t i = 0; i < moveList.Size(); ++i) {
        io.out << moveList.Line(i) << '\n';
    }
    return ExitDone;
}

} // namespace orv::cli
