#pragma once
// The settings file that remembers the last report and the tribe played, and the tribe
// dialog's reading of its entries. The file is two lines of 8-bit text ending in CR LF.

#include "core/report/game.h"
#include "core/report/message.h"
#include "core/report/report_series.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

inline constexpr const char* SettingsFileName = "OrvMove.ini";

// What reading the settings file decided.
struct SettingsRead {
    std::string reportFileName; // the newest report of the series, or empty after a message
    std::string tribeName;
    ReportSeries series;
    Message message; // the error box text, empty when all is well
};

// Reads the settings file (already split into lines) and picks the most recent report of
// its series. Buttons are switched as far as the series tells.
SettingsRead ReadSettings(const std::vector<std::string>& lines, SeriesButtons& buttons);

// Where the settings file is read and written.
struct SettingsPlaces {
    // Read from the first that exists, written to the first that can be written.
    std::vector<std::string> candidates;
    // Read when no candidate exists yet, and copied to the candidates at once, so each is
    // read once and never written.
    std::vector<std::string> imports;
};

// An unpacked build in a folder of the user's own keeps its settings beside the program
// (portable); an installed one keeps them in the user's configuration folder only, and
// takes a settings file left in the program folder or the working folder as an import.
// configDir is empty when the user has no folder.
SettingsPlaces SettingsPlacesFor(bool portable, const std::string& programDir,
                                 const std::string& configDir, const std::string& workingDir);

// Whether a program folder is the user's own: not in one of the system's folders (/usr,
// /opt, /bin, /sbin, /lib, /snap, /nix), owned by the user running the program and writable.
bool IsPortableProgramFolder(const std::filesystem::path& folder);

// The first settings file that exists among the candidates (program folder first), or
// empty when there is none.
std::string FindSettingsFile(const std::vector<std::string>& candidates);

// Writes the two lines into the first candidate that can be written. Returns the path
// written, or empty when no candidate could be written.
std::string WriteSettingsFile(const std::vector<std::string>& candidates,
                              const std::string& reportFileName, const std::string& tribeName);

// The entries of the tribe dialog: number, ". " and name, in list order.
std::vector<std::string> TribeChoices(const Game& game);

// The tribe name in a tribe dialog entry: the text from the second character after its
// first "." on (from the second character when there is no "."); empty when too short.
std::string TribeNameFromChoice(std::string_view text);

} // namespace orv::report
