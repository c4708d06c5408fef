#include "core/report/map_parser.h"

#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace orv::report {

namespace {

constexpr std::string_view FrameMark = "+---------+";
constexpr std::string_view NoOwner = "~~~~~~~~~";
constexpr std::string_view StatusLetters = "fptuc";
constexpr std::size_t CellWidth = 9;

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

// Blanks, control characters and apostrophes: what CleanCell takes from a cell's ends.
bool IsCellPadding(char c) {
    constexpr unsigned char LastBlank = 32;
    return static_cast<unsigned char>(c) <= LastBlank || c == '\'';
}

// The cell without its padding at either end, as a view into the line; CleanCell's text
// but for apostrophes between words, which it turns into blanks.
std::string_view CellCore(std::string_view cell) {
    while (!cell.empty() && IsCellPadding(cell.front())) {
        cell.remove_prefix(1);
    }
    while (!cell.empty() && IsCellPadding(cell.back())) {
        cell.remove_suffix(1);
    }
    return cell;
}

// Sets text to CleanCell(cell), keeping the room text already has.
void AssignCleanCell(std::string& text, std::string_view cell) {
    text.assign(CellCore(cell));
    std::replace(text.begin(), text.end(), '\'', ' ');
}

// Whether UpperAscii leaves the text as it stands.
bool HasNoLowerCase(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
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
    std::string text;
    AssignCleanCell(text, cell);
    return text;
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

namespace {

// Reads the lines before the map, where isolation lines mark their province; the first
// frame line, or none when the text holds no map.
std::optional<std::string_view> ReadUpToMap(LineCursor& reader, TMap& map) {
    while (!reader.AtEnd()) {
        const std::string_view line = reader.Next();
        if (IsFrameLine(line)) {
            return line;
        }
        if (line.find("is isolated") == std::string_view::npos &&
            line.find("In the isolated") == std::string_view::npos) {
            continue;
        }
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
    return std::nullopt;
}

// The columns of a strip that lie in the grid, from 1.
struct Strip {
    int first = 1;
    int last = 0;
};

// The five cell lines of one row: terrain, name, two troop lines and owner. Cells are read
// in place: no terrain name holds a blank or an apostrophe, the troop notation passes over
// both, and an owner cell with no lower-case letter is the same upper-cased.
void ReadRow(LineCursor& reader, std::string_view terrainLine, Strip strip, int y, TMap& map) {
    ForEachCell(terrainLine, strip.first, strip.last, y, map,
                [](Province& p, std::string_view cell) {
                    p.apostropheMark = p.apostropheMark || HasApostrophe(cell);
                    if (const std::optional<Terrain> terrain = TerrainFromReport(CellCore(cell))) {
                        p.terrain = *terrain;
                    }
                });
    ForEachCell(reader.Next(), strip.first, strip.last, y, map,
                [](Province& p, std::string_view cell) { AssignCleanCell(p.nameLine, cell); });
    ForEachCell(reader.Next(), strip.first, strip.last, y, map,
                [](Province& p, std::string_view cell) {
                    p.apostropheMark = p.apostropheMark || HasApostrophe(cell);
                    if (cell.size() == CellWidth) {
                        const std::size_t status = StatusLetters.find(cell[CellWidth - 1]);
                        if (status != std::string_view::npos) {
                            p.statusLetter = static_cast<std::uint8_t>(status);
                        }
                    }
                    ReadTroops(cell, p);
                });
    ForEachCell(reader.Next(), strip.first, strip.last, y, map,
                [](Province& p, std::string_view cell) {
                    p.apostropheMark = p.apostropheMark || HasApostrophe(cell);
                    ReadTroops(cell, p);
                });
    ForEachCell(reader.Next(), strip.first, strip.last, y, map,
                [](Province& p, std::string_view cell) {
                    const std::string_view owner = CellCore(cell);
                    if (owner == NoOwner) {
                        p.owner.clear();
                    } else {
                        AssignCleanCell(p.owner, cell);
                        p.homeProvince = HasNoLowerCase(owner);
                    }
                });
}

// Reads the rows of a strip after its frame line until a line that starts with ten blanks
// (the column numbers) or the end of the text. Returns the line that ended it; rows counts
// the rows read.
std::string_view ReadStrip(LineCursor& reader, std::string_view frame, Strip strip, TMap& map,
                           std::int64_t& rows) {
    std::string_view line = frame;
    int y = 0;
    while (!reader.AtEnd()) {
        y = y < std::numeric_limits<int>::max() ? y + 1 : y;
        const std::string_view terrainLine = reader.Next();
        if (StartsWithTenBlanks(terrainLine)) {
            return terrainLine;
        }
        ++rows;
        ReadRow(reader, terrainLine, strip, y, map);
        line = reader.Next(); // the line after the row, usually the next frame line
    }
    return line;
}

// The next strip's frame line: the line that ended a strip may itself be one.
std::optional<std::string_view> NextFrame(LineCursor& reader, std::string_view line) {
    while (!IsFrameLine(line)) {
        if (reader.AtEnd()) {
            return std::nullopt;
        }
        line = reader.Next();
    }
    return line;
}

} // namespace

void LoadMapFromText(TMap& map, std::string_view text) {
    map.ClearMap();
    // Past the end every line reads as empty.
    LineCursor reader(text);
    std::optional<std::string_view> frame = ReadUpToMap(reader, map);
    // Sizes are counted as the report announces them but kept within the grid, so that
    // every query inside width and height addresses a real province.
    std::int64_t width = 0;
    std::int64_t height = 0;
    Strip strip;
    bool firstStrip = true;
    // A strip is read only while lines follow its frame line.
    while (frame && !reader.AtEnd()) {
        width += static_cast<std::int64_t>((TrimmedBlanks(*frame).size() - 1) / 10);
        strip.last = static_cast<int>(std::min<std::int64_t>(width, MaxMapSize));
        std::int64_t rows = 0;
        const std::string_view line = ReadStrip(reader, *frame, strip, map, rows);
        if (firstStrip) {
            height = rows;
        }
        frame = NextFrame(reader, line);
        strip.first = strip.last + 1;
        firstStrip = false;
    }
    map.reportWidth = width;
    map.reportHeight = std::max<std::int64_t>(height, 0);
    map.width = static_cast<int>(std::min<std::int64_t>(width, MaxMapSize));
    map.height = static_cast<int>(std::clamp<std::int64_t>(height, 0, MaxMapSize));
}

std::string MapCutMessage(const TMap& map) {
    if (map.reportWidth <= MaxMapSize && map.reportHeight <= MaxMapSize) {
        return {};
    }
    return "The report's map is " + std::to_string(map.reportWidth) + " x " +
           std::to_string(map.reportHeight) + " provinces; only " + std::to_string(map.width) +
           " x " + std::to_string(map.height) + " of them are read.";
}

} // namespace orv::report
