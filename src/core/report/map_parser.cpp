#include "core/report/map_parser.h"

#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <array>
#include <limits>

namespace orv::report {

namespace {

constexpr std::string_view FrameMark = "+---------+";
constexpr std::string_view NoOwner = "~~~~~~~~~";
constexpr std::string_view StatusLetters = "fptuc";
constexpr std::size_t CellWidth = 9;

constexpr std::array<std::string_view, 14> ReportTerrainNames = {
    "Cultivate", "Plains", "Grassland", "Desert", "Steppes", "Forest",     "Hills",
    "Mountains", "Marsh",  "Swamp",     "City",   "Town",    "Metropolis", "Sea"};

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The cells of a cell line begin after its first "!".
std::string_view CellArea(std::string_view line) {
    const std::size_t bang = line.find('!');
    return bang == std::string_view::npos ? line : line.substr(bang + 1);
}

// The k-th cell (from 0) of a cell area: nine characters, fewer where the line is short.
std::string_view CellText(std::string_view area, std::size_t k) {
    const std::size_t start = k * (CellWidth + 1);
    return start >= area.size() ? std::string_view() : area.substr(start, CellWidth);
}

bool HasApostrophe(std::string_view cell) {
    return cell.find('\'') != std::string_view::npos;
}

// The number formed by the digits that end just before end (blanks before end skipped).
std::int64_t DigitsBefore(std::string_view line, std::size_t end) {
    while (end > 0 && line[end - 1] == ' ') {
        --end;
    }
    std::size_t start = end;
    while (start > 0 && line[start - 1] >= '0' && line[start - 1] <= '9') {
        --start;
    }
    std::int64_t value = 0;
    for (std::size_t i = start; i < end; ++i) {
        value = std::min<std::int64_t>(value * 10 + (line[i] - '0'),
                                       std::numeric_limits<std::int32_t>::max());
    }
    return value;
}

std::int64_t DigitsAfter(std::string_view line, std::size_t start) {
    while (start < line.size() && line[start] == ' ') {
        ++start;
    }
    std::int64_t value = 0;
    for (; start < line.size() && line[start] >= '0' && line[start] <= '9'; ++start) {
        value = std::min<std::int64_t>(value * 10 + (line[start] - '0'),
                                       std::numeric_limits<std::int32_t>::max());
    }
    return value;
}

bool StartsWithTenBlanks(std::string_view line) {
    return line.size() >= 10 && line.substr(0, 10).find_first_not_of(' ') == std::string_view::npos;
}

bool IsFrameLine(std::string_view line) {
    return line.find(FrameMark) != std::string_view::npos;
}

// Calls apply(x, cell) for every column of the strip that lies inside the grid.
template <typename Apply>
void ForEachCell(std::string_view line, int c0, int width, int y, TMap& map, Apply apply) {
    const std::string_view area = CellArea(line);
    for (int x = c0; x <= width; ++x) {
        Province* province = map.Cell(x, y);
        if (province != nullptr) {
            apply(*province, CellText(area, static_cast<std::size_t>(x - c0)));
        }
    }
}

} // namespace

std::string CleanCell(std::string_view cell) {
    std::string text(cell);
    std::replace(text.begin(), text.end(), '\'', ' ');
    return std::string(Trim(text));
}

int TerrainCodeFromName(std::string_view name) {
    for (std::size_t code = 0; code < ReportTerrainNames.size(); ++code) {
        if (name == ReportTerrainNames[code]) {
            return static_cast<int>(code);
        }
    }
    // "Metropolis" is ten characters and never fits a nine-character cell whole.
    if (name == "Metropoli" || name == "Metropol") {
        return 12;
    }
    return -1;
}

void ReadTroops(std::string_view cell, Province& province) {
    std::int32_t current = 0;
    for (const char c : cell) {
        switch (c) {
        case 'F':
            province.troops[FootSoldiers] = current;
            break;
        case 'B':
            province.troops[Bowmen] = current;
            break;
        case 'H':
            province.troops[Horsemen] = current;
            break;
        case 'S':
            province.troops[Ships] = current;
            break;
        case 'G':
            province.troops[Generals] = 1;
            break;
        case 'C':
            province.troops[Castles] = 1;
            break;
        default:
            if (c >= '0' && c <= '9') {
                current = c - '0';
            }
            break;
        }
    }
}

bool HasMapFrame(std::string_view text) {
    return text.find(FrameMark) != std::string_view::npos;
}

void LoadMapFromText(TMap& map, std::string_view text) {
    map.ClearMap();
    // Past the end every line reads as empty.
    LineCursor reader(text);
    std::string_view line;
    bool frame_found = false;
    while (!reader.AtEnd()) {
        line = reader.Next();
        if (IsFrameLine(line)) {
            frame_found = true;
            break;
        }
        if (line.find("is isolated") != std::string_view::npos ||
            line.find("In the isolated") != std::string_view::npos) {
            const std::size_t slash = line.find('/');
            if (slash == std::string_view::npos) {
                continue; // free text that names no province
            }
            const std::int64_t x = DigitsBefore(line, slash);
            const std::int64_t y = DigitsAfter(line, slash + 1);
            if (Province* p =
                    IsInGrid(x, y) ? map.Cell(static_cast<int>(x), static_cast<int>(y)) : nullptr) {
                p->isolated = true;
            }
        }
    }

    // Sizes are counted as the report announces them but kept within the grid, so that
    // every query inside width and height addresses a real province.
    std::int64_t width = 0;
    std::int64_t height = 0;
    int c0 = 1;
    bool first_strip = true;
    // A strip is read only while lines follow its frame line.
    while (frame_found && !reader.AtEnd()) {
        width += static_cast<std::int64_t>((Trim(line).size() - 1) / 10);
        const int strip_end = static_cast<int>(std::min<std::int64_t>(width, MaxMapSize));
        int y = 0;
        while (!reader.AtEnd()) {
            y = y < std::numeric_limits<int>::max() ? y + 1 : y;
            if (first_strip) {
                ++height;
            }
            const std::string_view line1 = reader.Next();
            if (StartsWithTenBlanks(line1)) {
                if (first_strip) {
                    --height;
                }
                line = line1;
                break;
            }
            ForEachCell(line1, c0, strip_end, y, map, [](Province& p, std::string_view cell) {
                p.apostropheMark = p.apostropheMark || HasApostrophe(cell);
                const int code = TerrainCodeFromName(CleanCell(cell));
                if (code >= 0) {
                    p.terrain = static_cast<std::uint8_t>(code);
                }
            });
            ForEachCell(reader.Next(), c0, strip_end, y, map,
                        [](Province& p, std::string_view cell) { p.nameLine = CleanCell(cell); });
            ForEachCell(reader.Next(), c0, strip_end, y, map,
                        [](Province& p, std::string_view cell) {
                            p.apostropheMark = p.apostropheMark || HasApostrophe(cell);
                            if (cell.size() == CellWidth) {
                                const std::size_t status = StatusLetters.find(cell[CellWidth - 1]);
                                if (status != std::string_view::npos) {
                                    p.statusLetter = static_cast<std::uint8_t>(status);
                                }
                            }
                            ReadTroops(CleanCell(cell), p);
                        });
            ForEachCell(reader.Next(), c0, strip_end, y, map,
                        [](Province& p, std::string_view cell) {
                            p.apostropheMark = p.apostropheMark || HasApostrophe(cell);
                            ReadTroops(CleanCell(cell), p);
                        });
            ForEachCell(reader.Next(), c0, strip_end, y, map,
                        [](Province& p, std::string_view cell) {
                            const std::string text = CleanCell(cell);
                            if (text == NoOwner) {
                                p.owner.clear();
                            } else {
                                p.owner = text;
                                p.homeProvince = text == UpperAscii(text);
                            }
                        });
            line = reader.Next(); // the line after the row, usually the next frame line
        }
        // The line that ended the strip may itself carry the next strip's frame.
        frame_found = IsFrameLine(line);
        while (!frame_found && !reader.AtEnd()) {
            line = reader.Next();
            frame_found = IsFrameLine(line);
        }
        c0 = static_cast<int>(std::min<std::int64_t>(width, MaxMapSize)) + 1;
        first_strip = false;
    }
    map.width = static_cast<int>(std::min<std::int64_t>(width, MaxMapSize));
    map.height = static_cast<int>(std::clamp<std::int64_t>(height, 0, MaxMapSize));
}

} // namespace orv::report
