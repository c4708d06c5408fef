#include "core/report/report_reader.h"

#include "core/report/map_parser.h"
#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <limits>

namespace orv::report {

namespace {

bool IsGeneralReportHeading(std::string_view line) {
    const std::vector<std::size_t> starts = WordStarts(line);
    return starts.size() >= 2 && RunAt(line, starts[0]) == "General" &&
           RunAt(line, starts[1]) == "Report";
}

// The text after the first occurrence of key in the upper-cased line, taken from the
// line as it stands; npos when the key does not occur.
std::size_t AfterKey(const std::string& upper, std::string_view key) {
    const std::size_t at = upper.find(key);
    return at == std::string::npos ? std::string::npos : at + key.size();
}

void ReadOptionsWord(GameOptions& options, std::string_view word) {
    const auto has = [word](char letter) { return word.find(letter) != std::string_view::npos; };
    options.shipPlacementSetsSeaFlag = has('e');
    options.pincerOnlyWithHorsemen = has('P');
    options.placeInHomeProvincesOnly = has('H');
    options.emptyProvincesKeepOwner = has('L');
    options.anyProvinceCanBecomeHome = has('A');
    options.buildOrderActive = has('B');
    options.shipsBuyableWithGold = has('S');
    options.shipsOnlyWithGold = has('s');
    options.generalsBuyableWithGold = has('G');
    options.tabulatedBattleReport = has('T');
    options.witchcraftAllowed = has('h');
    options.troopPlacementSetsLandSeaFlag = has('E');
    options.shipsHaveCrew = has('M');
}

void ReadSettingsLine(GameOptions& options, const std::string& line) {
    const std::string upper = UpperAscii(line);
    if (upper.find("ORDERS PER TURN:") != std::string::npos ||
        upper.find("ORDERS P. TURN:") != std::string::npos) {
        const std::size_t after = AfterKey(upper, "TURN:");
        const std::int32_t value = WordAsNumber(std::string_view(line).substr(after), 1);
        options.maxOrdersPerMove = value == NotANumber ? DefaultMaxOrdersPerMove : value;
    }
    const std::size_t options_at = AfterKey(upper, "OPTIONS:");
    if (options_at != std::string::npos) {
        ReadOptionsWord(options, WordAt(std::string_view(line).substr(options_at), 1));
    }
}

std::int32_t Saturate(std::uint64_t value, bool negative) {
    if (negative) {
        constexpr std::uint64_t limit = std::uint64_t{std::numeric_limits<std::int32_t>::max()} + 1;
        return value >= limit ? std::numeric_limits<std::int32_t>::min()
                              : -static_cast<std::int32_t>(value);
    }
    return value >= std::numeric_limits<std::int32_t>::max()
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(value);
}

std::string JoinWords(std::string_view line, const std::vector<std::size_t>& starts,
                      std::size_t first, std::size_t last) {
    std::string name;
    for (std::size_t i = first; i <= last && i < starts.size(); ++i) {
        if (!name.empty() || i > first) {
            name += ' ';
        }
        name += RunAt(line, starts[i]);
    }
    return name;
}

} // namespace

std::string ReportTitle(const std::string& fileName) {
    return "OrvMove (report loaded: " + fileName + ")";
}

std::int32_t FigureValue(std::string_view word) {
    if (IsNumber(word)) {
        return TextAsNumber(word);
    }
    std::size_t p = 0;
    while (p < word.size() && word[p] == ' ') {
        ++p;
    }
    bool negative = false;
    if (p < word.size() && (word[p] == '+' || word[p] == '-')) {
        negative = word[p] == '-';
        ++p;
    }
    std::uint64_t value = 0;
    std::size_t digits_end = p;
    while (digits_end < word.size() && word[digits_end] >= '0' && word[digits_end] <= '9') {
        if (value <= std::numeric_limits<std::uint32_t>::max()) {
            value = value * 10 + static_cast<std::uint64_t>(word[digits_end] - '0');
        }
        ++digits_end;
    }
    // Only a decimal number too long for 32 bits keeps its sign, saturated; any other
    // column that is no number gives its leading digits without a sign.
    const bool only_digits = digits_end == word.size() && digits_end > p;
    return Saturate(value, only_digits && negative);
}

void ClearTribeList(Game& game) {
    game.tribes.clear();
    game.currentTribe.reset();
}

void AddTribeRow(Game& game, std::string_view line) {
    const std::vector<std::size_t> starts = WordStarts(line);
    const std::size_t w = starts.size();
    TribeElem tribe;
    tribe.number = w > 0 ? TextAsNumber(RunAt(line, starts[0])) : NotANumber;
    if (w >= 13) {
        // Words are numbered from 1 below; starts[] from 0.
        tribe.name = JoinWords(line, starts, 1, w - 12);
        for (std::size_t f = 0; f < 8; ++f) {
            tribe.figures[f] = FigureValue(RunAt(line, starts[w - 11 + f]));
        }
        tribe.figures[8] = FigureValue(RunAt(line, starts[w - 2]));
        tribe.figures[9] = FigureValue(RunAt(line, starts[w - 1]));
    } else if (w == 2) {
        tribe.name = std::string(RunAt(line, starts[1]));
    } else if (w > 2) {
        tribe.name = JoinWords(line, starts, 1, w - 2);
    }
    game.tribes.push_back(std::move(tribe));
}

bool SelectCurrentTribe(Game& game) {
    game.currentTribe.reset();
    for (std::size_t i = 0; i < game.tribes.size(); ++i) {
        if (game.tribes[i].name == game.tribeName) {
            game.currentTribe = i;
            return true;
        }
    }
    return false;
}

bool ReadReportSections(Game& game, const std::vector<std::string>& lines) {
    std::size_t i = 0;
    const std::size_t n = lines.size();
    bool found = false;
    while (i < n) {
        if (UpperAscii(lines[i]).find("GAME SPECIFICATION") != std::string::npos) {
            // The line after the heading is passed over; the block runs to the first
            // empty line.
            i += 2;
            for (; i < n && !lines[i].empty(); ++i) {
                ReadSettingsLine(game.options, lines[i]);
            }
            for (; i < n; ++i) {
                if (IsGeneralReportHeading(lines[i])) {
                    found = true;
                    break;
                }
            }
            break;
        }
        if (IsGeneralReportHeading(lines[i])) {
            found = true;
            break;
        }
        ++i;
    }
    if (!found) {
        return false;
    }
    for (i += 4; i < n; ++i) {
        const std::string_view line = lines[i];
        const std::vector<std::size_t> starts = WordStarts(line);
        if (starts.empty() || !IsNumber(RunAt(line, starts[0]))) {
            break;
        }
        AddTribeRow(game, line);
    }
    return true;
}

ReportLoadResult LoadReportLines(Game& game, const std::vector<std::string>& lines) {
    ReportLoadResult result;
    ClearTribeList(game);
    LoadMapFromLines(game.map, lines);
    if (!ReadReportSections(game, lines)) {
        result.status = ReportLoadStatus::NoGeneralReport;
        result.message = "Section \"General Report\" not found!";
    }
    return result;
}

ReportLoadResult LoadReport(Game& game, const std::string& fileName) {
    ReportLoadResult result;
    const TextFile file = ReadTextFile(fileName);
    if (file.status == FileStatus::NotFound) {
        result.status = ReportLoadStatus::FileNotFound;
        result.message = "File " + fileName + " not found!";
    } else if (file.status != FileStatus::Ok) {
        result.status = ReportLoadStatus::ReadError;
        result.message = "Cannot read file " + fileName + ".";
    } else {
        result = LoadReportLines(game, file.lines);
    }
    result.title = ReportTitle(fileName);
    return result;
}

} // namespace orv::report
