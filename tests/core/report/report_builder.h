#pragma once
// Builds turn report text for tests: map strips from cell texts, and whole reports.

#include "core/report/map_parser.h"
#include "core/report/report_reader.h"

#include <string>
#include <vector>

namespace orv::report::testing {

struct CellText {
    std::string terrain;
    std::string name;
    std::string troops1;
    std::string troops2;
    std::string owner = "~~~~~~~~~";
};

// One strip: top frame, each row's five cell lines and the frame after it, then a line
// that begins with ten blanks.
inline std::vector<std::string> StripLines(const std::vector<std::vector<CellText>>& rows) {
    const std::size_t columns = rows.empty() ? 0 : rows.front().size();
    std::string frame = "     +";
    for (std::size_t i = 0; i < columns; ++i) {
        frame += "---------+";
    }
    std::vector<std::string> lines{frame};
    int y = 0;
    for (const auto& row : rows) {
        ++y;
        std::string l[5] = {std::string(" ").append(std::to_string(y)).append("   !"), "     !",
                            "     !", "     !", "     !"};
        for (const CellText& c : row) {
            const std::string* parts[5] = {&c.terrain, &c.name, &c.troops1, &c.troops2, &c.owner};
            for (int k = 0; k < 5; ++k) {
                l[k] += (*parts[k] + std::string(9, ' ')).substr(0, 9) + "!";
            }
        }
        lines.insert(lines.end(), std::begin(l), std::end(l));
        lines.push_back(frame);
    }
    lines.emplace_back("              1         2");
    return lines;
}

inline CellText Sea() {
    return {"Sea", "~~~~~~~~~", "~~~~~~~~~", "~~~~~~~~~", "~~~~~~~~~"};
}

inline CellText Land(const std::string& terrain, const std::string& owner = "~~~~~~~~~",
                     const std::string& troops1 = "", const std::string& troops2 = "") {
    return {terrain, "", troops1, troops2, owner};
}

// A report with a game settings block and a General Report table.
inline std::vector<std::string> ReportLines(const std::vector<std::string>& settings,
                                            const std::vector<std::string>& rows) {
    std::vector<std::string> lines{"Turn report", "", "GAME SPECIFICATION", "------------------"};
    lines.insert(lines.end(), settings.begin(), settings.end());
    lines.insert(lines.end(),
                 {"", "General Report", "==============", "No Tribe Gold ...", "-- -----"});
    lines.insert(lines.end(), rows.begin(), rows.end());
    lines.emplace_back("");
    return lines;
}

// The lines as one report text, each ended by CR LF.
inline std::string Text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Loads report lines as LoadReport loads the text of a file.
inline ReportLoadResult LoadLines(Game& game, const std::vector<std::string>& lines) {
    return LoadReportText(game, Text(lines));
}

} // namespace orv::report::testing
