#include "core/mapview/map_drawing.h"

#include "core/check/check_driver.h"
#include "core/check/movement_rules.h"
#include "core/move/words.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <string_view>

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

// Why a walk stopped early when the check itself gives no message for it.
std::string_view SilentStop(PathResult result) {
    switch (result) {
    case PathResult::PathEnteredSea:
        return "The move ends in a sea province.";
    case PathResult::PathBlockedByLand:
        return "The move ends at a land province.";
    default:
        return {};
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

void AddTiles(const report::Game& game, Drawing& drawing) {
    const report::TMap& map = game.map;
    const std::string tribeKey = check::TribeKey(game.tribeName);
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
        for (const std::string& message : finding.messages) {
            drawing.lineMessages[finding.line] += message;
            drawing.lineMessages[finding.line] += '\n';
        }
    }
    for (const check::PathTrace& trace : check.traces) {
        Arrow arrow{trace.line, trace.kind, trace.points, trace.result, {}};
        if (arrow.Failed()) {
            const std::string_view said = check::WalkMessage(arrow.kind, arrow.result);
            arrow.failure = check::WithoutIndent(said.empty() ? SilentStop(arrow.result) : said);
        }
        drawing.arrows.push_back(std::move(arrow));
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
    text += orNone(tile->owner);
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
    // A path that failed beyond the map is told at the last province it reached.
    for (const Arrow& arrow : drawing.arrows) {
        if (!arrow.Failed()) {
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
            text += arrow.failure;
        }
    }
    return text;
}

} // namespace orv::mapview
