#pragma once
// Loading a report for a subcommand, with the editor's messages on the error stream.

#include "core/cli/cli_app.h"
#include "core/move/move_file.h"
#include "core/report/game.h"

#include <string>

namespace orv::cli {

// Loads the report as the editor does. A missing or unreadable file, or one that is no
// turn report, ends the work (false, code = ExitFailure); a report without a General Report table
// is reported and the work goes on with an empty tribe list.
bool LoadReportForCli(const std::string& fileName, Streams io, report::Game& game, int& code);

// Opens a move in the display form as the editor does: a file, or "-" for standard input
// read as the clipboard text is. A failure has its message and, where one applies, its line.
move::MoveResult OpenMove(const std::string& source, move::DisplayForm form, Streams io,
                          move::MoveList& moveList);

// Writes the message that ended the work on a move to the error stream, after the move's
// name: "move.cmd: Error in file: no BEGIN found!".
void TellMoveFailure(std::ostream& err, const std::string& source, const move::MoveResult& failure);

} // namespace orv::cli
