#include "core/mapview/map_drawing.h"

#include "core/check/check_driver.h"
#include "core/check/movement_rules.h"
#include "core/move/words.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace orv::mapview {

namespace {

using check::MapPoint;
using check::PathResult;

// Land in greens and browns growing darker with the cost of entering it, towns in a warm
// stone colour, sea in a blue no land terrain comes near.
constexpr std::array<Rgb, report::TerrainCount> TerrainColours = {{
    {222, 214, 140}, // Cultivated
    {200, 224, 150}, // Plains
    {160, 208, 120}, // Grassland
    {236, 218, 168}, // Desert
    {214, 206, 150}, // Steppes
    {92, 156, 88},   // Forest
    {176, 160, 112}, // Hills
    {150, 136, 128}, // Mountains
    {140, 170, 140}, // Marsh
    {116, 140, 108}, // Swamps
    {214, 150, 120}, // City
    {226, 172, 140}, // Town
    {200, 128, 104}, // Metropolis
    {70, 120, 200},  // Sea
}};

// What a walk that stopped early without a message of the check means: the troops stay
// where it stopped, and the check books them there.
std::string_view SilentStop(PathResult result) {
    switch (result) {
    case PathResult::PathEnteredSea:
        return "The troops end in this sea province (a sea movement can carry them on).";
    case PathResult::PathBlockedByLand:
        return "The troops end before the land province.";
    default:
        return {};
    }
}

Arrow ArrowOf(const check::PathTrace& trace) {
    Arrow arrow{trace.line,       trace.kind, trace.points, trace.pointsLeft, trace.result,
                PathEnd::Arrived, {}};
    if (trace.result == PathResult::PathOk) {
        return arrow;
    }
    const std::string_view said = check::WalkMessage(arrow.kind, arrow.result);
    arrow.end = said.empty() ? PathEnd::Stopped : PathEnd::Failed;
    arrow.stop = check::WithoutIndent(said.empty() ? SilentStop(arrow.result) : said);
    return arrow;
}

// The check's messages of one finding, each ended by a line break.
void AddMessages(const check::Finding& finding, std::string& to) {
    for (const std::string& message : finding.messages) {
        to += message;
        to += '\n';
    }
}

// The provinces named by (x, y) groups of an order from word first on, group words apart.
template <typename Each>
void ForEachProvince(const move::LineWords& words, int first, int groupWords, Each each) {
    for (int k = first; k + 1 <= words.Count(); k += groupWords) {
        const std::int32_t x = check::NumberAt(words, k);
        const std::int32_t y = check::NumberAt(words, k + 1);
        if (report::IsInGrid(x, y)) {
            each(MapPoint{x, y}, k);
        }
    }
}

// The characters of a tribe's name an owner cell of the report holds.
constexpr std::size_t CellWidth = 9;

// A step between groups longer than any line: the order names one province only.
constexpr int OnlyOneProvince = 1000;

void AddMarks(std::string_view rawLine, std::size_t line, std::vector<Mark>& marks) {
    const move::LineWords words(rawLine);
    const std::string_view keyword = words.At(1);
    // The label's first letters, then the word a group holds at an offset (none when 0).
    const auto labelled = [&words](std::string_view prefix, int offset) {
        return [&words, prefix, offset](int k) {
            std::string label(prefix);
            if (offset > 0) {
                label += words.At(k + offset);
            }
            return label;
        };
    };
    const auto add = [&](MarkKind kind, int groupWords, auto label) {
        ForEachProvince(words, 2, groupWords, [&](MapPoint at, int k) {
            marks.push_back(Mark{line, kind, at, label(k)});
        });
    };
    if (keyword == "PLA") {
        add(MarkKind::Placement, 3, labelled("+", 2));
    } else if (keyword == "DEF") {
        add(MarkKind::Defence, 3, labelled("D", 2));
    } else if (keyword == "ESP") {
        add(MarkKind::Espionage, 2, labelled("ESP", 0));
    } else if (keyword == "NAME" && words.Count() >= 3 &&
               check::NumberAt(words, 2) != report::NotANumber) {
        add(MarkKind::Naming, OnlyOneProvince, labelled("NAME", 0));
    } else if (keyword == "CEDE") {
        add(MarkKind::Cession, OnlyOneProvince, labelled("CEDE", 0));
    } else if (keyword == "BUILD") {
        add(MarkKind::Building, OnlyOneProvince, labelled("BUILD", 0));
    }
}

// A tribe's name as an owner cell of the report holds it, in capitals: its first nine
// characters, without the blanks the cut may leave at the end.
std::string OwnerKey(std::string_view name) {
    std::string key = report::UpperAscii(name.substr(0, CellWidth));
    while (!key.empty() && key.back() == ' ') {
        key.pop_back();
    }
    return key;
}

void AddTiles(const report::Game& game, Drawing& drawing) {
    const report::TMap& map = game.map;
    const std::string tribeKey = check::TribeKey(game.tribeName);
    // The report's owner cell holds a tribe's name in capitals or not, cut to nine
    // characters; the tribe table has it whole.
    std::unordered_map<std::string, std::string_view> fullNames;
    for (const report::TribeElem& tribe : game.tribes) {
        fullNames.try_emplace(OwnerKey(tribe.name), tribe.name);
    }
    drawing.tiles.reserve(static_cast<std::size_t>(drawing.width) *
                          static_cast<std::size_t>(drawing.height));
    for (int y = 1; y <= drawing.height; ++y) {
        for (int x = 1; x <= drawing.width; ++x) {
            const report::Province& p = map.At(x, y);
            Tile tile;
            tile.x = x;
            tile.y = y;
            tile.terrain = p.terrain;
            tile.colour = TerrainColour(p.terrain);
            tile.sea = p.terrain == report::Terrain::Sea;
            tile.town = report::IsTown(p.terrain);
            tile.home = p.homeProvince;
            tile.isolated = p.isolated;
            tile.own = !p.owner.empty() && map.GetOwner(x, y) == tribeKey;
            tile.owner = p.owner;
            const auto named = fullNames.find(OwnerKey(p.owner));
            tile.ownerName = named != fullNames.end() ? std::string(named->second) : p.owner;
            tile.initials = OwnerInitials(p.owner);
            tile.name = p.nameLine;
            tile.troops = p.troops;
            drawing.tiles.push_back(std::move(tile));
        }
    }
}

} // namespace

const Tile* Drawing::TileAt(int x, int y) const {
    if (x < 1 || y < 1 || x > width || y > height) {
        return nullptr;
    }
    return &tiles[static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x - 1)];
}

Rgb TerrainColour(report::Terrain terrain) {
    return TerrainColours[static_cast<std::size_t>(terrain)];
}

std::string OwnerInitials(std::string_view owner) {
    const std::vector<std::size_t> starts = report::WordStarts(owner);
    std::string initials;
    if (starts.size() == 1) {
        const std::string_view word = report::RunAt(owner, starts[0]);
        for (std::size_t i = 0; i < word.size() && i < 3; ++i) {
            initials += report::UpperAscii(word[i]);
        }
        return initials;
    }
    for (std::size_t i = 0; i < starts.size() && initials.size() < 3; ++i) {
        initials += report::UpperAscii(owner[starts[i]]);
    }
    return initials;
}

std::array<std::string, 2> TroopLines(const TroopCounts& troops) {
    std::array<std::string, 2> lines;
    const auto part = [&lines](std::size_t line, std::string_view piece) {
        if (!lines[line].empty()) {
            lines[line] += ' ';
        }
        lines[line] += piece;
    };
    const std::array<std::pair<report::TroopKind, char>, 4> counted{{{report::FootSoldiers, 'F'},
                                                                     {report::Bowmen, 'B'},
                                                                     {report::Horsemen, 'H'},
                                                                     {report::Ships, 'S'}}};
    for (std::size_t k = 0; k < counted.size(); ++k) {
        const auto [kind, letter] = counted[k];
        if (troops[kind] != 0) {
            part(k / 2, std::to_string(troops[kind]) + letter);
        }
    }
    if (troops[report::Generals] > 0) {
        part(1, "G");
    }
    if (troops[report::Castles] > 0) {
        part(1, "C");
    }
    return lines;
}

std::string TroopText(const TroopCounts& troops) {
    const std::array<std::string, 2> lines = TroopLines(troops);
    if (lines[0].empty() || lines[1].empty()) {
        return lines[0] + lines[1];
    }
    return lines[0] + ' ' + lines[1];
}

Drawing BuildDrawing(const report::Game& game, const move::MoveList& move,
                     const check::CheckResult& check) {
    Drawing drawing;
    drawing.width = std::clamp(game.map.width, 0, report::MaxMapSize);
    drawing.height = std::clamp(game.map.height, 0, report::MaxMapSize);

    drawing.lineMessages.resize(move.Size());
    for (const check::Finding& finding : check.findings) {
        if (finding.kind != check::FindingKind::Order) {
            continue;
        }
        AddMessages(finding, drawing.lineMessages[finding.line]);
    }
    drawing.arrows.reserve(check.traces.size());
    for (const check::PathTrace& trace : check.traces) {
        drawing.arrows.push_back(ArrowOf(trace));
    }
    for (std::size_t i = 1; i < move.EndLineIndex(); ++i) {
        AddMarks(move.Order(i).raw, i, drawing.marks);
    }

    AddTiles(game, drawing);
    for (Tile& tile : drawing.tiles) {
        const check::ProvinceChange& change = check.changes.At(tile.x, tile.y);
        for (std::size_t k = 0; k < tile.after.size(); ++k) {
            tile.after[k] = report::SaturatingAdd(tile.troops[k], change.moved[k]);
        }
    }
    return drawing;
}

void SetPreview(Drawing& drawing, const check::CheckResult& check, std::size_t line) {
    drawing.preview.clear();
    drawing.previewMessages.clear();
    for (const check::PathTrace& trace : check.traces) {
        if (trace.line == line) {
            drawing.preview.push_back(ArrowOf(trace));
        }
    }
    for (const check::Finding& finding : check.findings) {
        if (finding.kind == check::FindingKind::Order && finding.line == line) {
            AddMessages(finding, drawing.previewMessages);
        }
    }
}

std::string ProvinceDetails(const Drawing& drawing, int x, int y) {
    const Tile* tile = drawing.TileAt(x, y);
    if (tile == nullptr) {
        return {};
    }
    const auto orNone = [](const std::string& text) {
        return text.empty() ? std::string_view("none") : std::string_view(text);
    };
    std::string text = "Province ";
    text += std::to_string(x);
    text += '/';
    text += std::to_string(y);
    text += ": ";
    text += report::InfoOf(tile->terrain).name;
    if (!tile->name.empty()) {
        text += " \"";
        text += tile->name;
        text += '"';
    }
    text += "\nOwner: ";
    text += orNone(tile->ownerName);
    if (tile->home) {
        text += "\nHome province";
    }
    if (tile->isolated) {
        text += "\nIsolated";
    }
    const std::string before = TroopText(tile->troops);
    const std::string after = TroopText(tile->after);
    text += "\nTroops: ";
    text += orNone(before);
    if (after != before) {
        text += "\nAfter the move: ";
        text += orNone(after);
    }
    // A path that ended beyond the map is told at the last province it reached.
    for (const Arrow& arrow : drawing.arrows) {
        if (arrow.end == PathEnd::Arrived) {
            continue;
        }
        auto last = arrow.points.rbegin();
        while (last != arrow.points.rend() && drawing.TileAt(last->x, last->y) == nullptr) {
            ++last;
        }
        if (last != arrow.points.rend() && last->x == x && last->y == y) {
            text += "\nLine ";
            text += std::to_string(arrow.line);
            text += ": ";
            text += arrow.stop;
        }
    }
    return text;
}

} // namespace orv::mapview
