#pragma once
// Loading a report for a subcommand, with the editor's messages on the error stream.

#include "core/cli/cli_app.h"
#include "core/report/game.h"

#include <string>

namespace orv::cli {

// Loads the report as the editor does. A missing or unreadable file, or one that is no
// turn report, ends the work (false, code = ExitFailure); a report without a General Report table
// is reported and the work goes on with an empty tribe list.
bool LoadReportForCli(const std::string& fileName, Streams io, report::Game& game, int& code);

} // namespace orv::cli
