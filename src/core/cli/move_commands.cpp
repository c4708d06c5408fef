// The subcommand that shows a move file as the editor's move list shows it.
#include "core/cli/cli_app.h"
#include "core/cli/loading.h"
#include "core/move/move_file.h"

#include <istream>
#include <iterator>
#include <ostream>

namespace orv::cli {

int RunConvert(const std::vector<std::string>& args, Streams io) {
    move::DisplayForm form = move::DisplayForm::Natural;
    std::string source;
    bool haveSource = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--to" && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (value == "natural") {
                form = move::DisplayForm::Natural;
            } else if (value == "raw") {
                form = move::DisplayForm::Raw;
            } else {
                return Usage(io);
            }
        } else if (!haveSource && (args[i] == "-" || args[i].rfind("--", 0) != 0)) {
            source = args[i];
            haveSource = true;
        } else {
            return Usage(io);
        }
    }
    if (!haveSource) {
        return Usage(io);
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
