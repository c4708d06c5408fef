#pragma once
// The check results of the command line in the forms other tools read: GNU error lines that
// editors jump from, and JSON for scripts.

#include "core/check/check_driver.h"
#include "core/move/move_file.h"
#include "core/move/move_list.h"
#include "core/report/code_page.h"

#include <string>
#include <string_view>

namespace orv::cli {

enum class CheckFormat { Text, Gnu, Json };

// One line per message: "MOVEFILE:LINE: error: MESSAGE", LINE counted in the move file as
// written (lines before BEGIN included); the goods and order-limit entries point at the
// END line. Texts stay 8-bit as the move holds them.
std::string GnuLines(std::string_view moveName, const move::MoveList& move,
                     const check::CheckResult& result);

// One JSON object on one line: the move file, the tribe, the findings (file line, list
// index, order, messages without their indent), whether the move is correct and the goods
// left. Texts are decoded from Windows-1252; a file name that is UTF-8 stays as it is.
std::string JsonDocument(std::string_view moveName, std::string_view tribe,
                         const move::MoveList& move, const check::CheckResult& result);

// The message that ended the work on a move: "MOVEFILE:LINE: error: MESSAGE" on one line,
// LINE being the refused line of the file, or 1 where no line applies.
std::string GnuFailure(std::string_view moveName, const move::MoveResult& failure);

// The same as a JSON object on one line: "move", "error" (its lines joined by LF) and "line".
std::string JsonFailure(std::string_view moveName, const move::MoveResult& failure);

using report::Utf8FromWindows1252;

} // namespace orv::cli
