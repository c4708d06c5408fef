#pragma once
// Reads a turn report: the map (through the map parser), the game settings block
// with the options and the orders-per-turn limit, and the General Report tribe table.

#include "core/report/game.h"
#include "core/report/message.h"

#include <filesystem>
#include <string>

namespace orv::report {

enum class ReportLoadStatus {
    Loaded,
    FileNotFound,    // nothing changed but the title
    NoGeneralReport, // map and options read, tribe list empty
    ReadError,       // the file exists but could not be read; nothing changed
    NoReport,        // neither a General Report table nor a map: nothing changed
};

struct ReportLoadResult {
    ReportLoadStatus status = ReportLoadStatus::Loaded;
    // The main window's title: "OrvMove (report loaded: X)" when the file was read, else
    // "OrvMove (report not found: X)" or "OrvMove (report not read: X)".
    Message title;
    Message message; // the error box text, empty when loaded
};

// "OrvMove (report loaded: " + fileName + ")".
Message ReportTitle(const std::filesystem::path& fileName);

// Loads the report into game: tribe list (current tribe unset), options as far as the
// report gives them, and the map. A file that is neither, or that cannot be read, leaves
// the game as it was.
ReportLoadResult LoadReport(Game& game, const std::filesystem::path& fileName);

// The same, from the file's bytes already read (no message for NoReport, which names the
// file). A report saved from a mail (one message or a mailbox) is read from its decoded
// text, and the game master's address is the mail's; a mail without a report in a text
// part is no report.
ReportLoadResult LoadReportText(Game& game, std::string_view text);

// Reads the game settings block and the General Report table from the report's text into
// game (tribe list and options); false when there is no General Report heading.
bool ReadReportSections(Game& game, std::string_view text);

// A table figure: the number when the column is one, else the value of its leading
// digits without a sign (0 without digits). Figures too long for 32 bits saturate.
std::int32_t FigureValue(std::string_view word);

} // namespace orv::report
