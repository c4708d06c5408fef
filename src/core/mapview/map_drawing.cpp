#include "core/mapview/map_drawing.h"

#include "core/check/check_driver.h"
#include "core/check/movement_rules.h"
#include "core/move/order.h"
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

// The characters of a tribe's name an owner cell of the report holds.
constexpr std::size_t CellWidth = 9;

// The provinces an order names without moving troops, each with the few characters drawn
// on it: the groups of PLA, DEF and ESP as the check reads them (an x word that is no number
// ends them), the one province of NAME, CEDE and BUILD.
void AddMarks(const move::Order& order, std::size_t line, std::vector<Mark>& marks) {
    const auto add = [&](MarkKind kind, int x, std::string label) {
        const std::int32_t px = order.Number(x);
        const std::int32_t py = order.Number(x + 1);
        if (report::IsInGrid(px, py)) {
            marks.push_back(Mark{line, kind, MapPoint{px, py}, std::move(label)});
        }
    };
    const auto groups = [&](MarkKind kind, std::string_view prefix) {
        for (int g = 0; g < 3; ++g) {
            const move::Order::Group group = order.GroupAt(g);
            if (order.Number(group.x) == report::NotANumber) {
                return;
            }
            std::string label(prefix);
            if (group.choice != 0) {
                label += order.Word(group.choice);
            }
            add(kind, group.x, std::move(label));
        }
    };
    const std::string_view keyword = order.Word(1);
    if (keyword == "PLA") {
        groups(MarkKind::Placement, "+");
    } else if (keyword == "DEF") {
        groups(MarkKind::Defence, "D");
    } else if (keyword == "ESP") {
        groups(MarkKind::Espionage, "ESP");
    } else if (keyword == "NAME" && order.Kind() == move::CommandKind::NameProvince) {
        add(MarkKind::Naming, 2, "NAME");
    } else if (keyword == "CEDE") {
        add(MarkKind::Cession, 2, "CEDE");
    } else if (keyword == "BUILD") {
        add(MarkKind::Building, 2, "BUILD");
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

// A cell the report fills with '~' says nothing: the province has no such text.
std::string_view Said(std::string_view cell) {
    return cell.find_first_not_of('~') == std::string_view::npos ? std::string_view() : cell;
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
            tile.owner = Said(p.owner);
            tile.own = !tile.owner.empty() && map.GetOwner(x, y) == tribeKey;
            const auto named = fullNames.find(OwnerKey(tile.owner));
            tile.ownerName = named != fullNames.end() ? std::string(named->second) : tile.owner;
            tile.initials = OwnerInitials(tile.owner);
            tile.name = Said(p.nameLine);
            tile.troops = p.troops;
            drawing.tiles.push_back(std::move(tile));
        }
    }
}

// The badges of the orders that name the province, each kind once with how often it is
// given: the map may have room for a few of them only.
void AddOrders(const Drawing& drawing, int x, int y, std::string& text) {
    // A province has few marks: a look along the labels found so far is enough.
    std::vector<std::pair<std::string_view, int>> labels;
    for (const Mark& mark : drawing.marks) {
        if (mark.at.x != x || mark.at.y != y) {
            continue;
        }
        auto found = std::find_if(labels.begin(), labels.end(),
                                  [&mark](const auto& label) { return label.first == mark.label; });
        if (found == labels.end()) {
            found = labels.insert(labels.end(), {mark.label, 0});
        }
        ++found->second;
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        text += i == 0 ? "\nOrders: " : ", ";
        text += labels[i].first;
        if (labels[i].second > 1) {
            text += " (";
            text += std::to_string(labels[i].second);
            text += ')';
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
    std::vector<bool> malformed(move.Size(), false);
    for (std::size_t i = 1; i < move.EndLineIndex(); ++i) {
        const move::Order order(move.Order(i).raw);
        AddMarks(order, i, drawing.marks);
        const move::Keyword keyword = order.GetKeyword();
        const bool movement = keyword == move::Keyword::Land || keyword == move::Keyword::Sea ||
                              keyword == move::Keyword::Raid;
        if (movement && !order.Findings().empty()) {
            malformed[i] = true;
            const std::int32_t x = order.Number(2);
            const std::int32_t y = order.Number(3);
            if (report::IsInGrid(x, y)) {
                drawing.unwalked.push_back(
                    {i, MapPoint{x, y},
                     check::OneLineMessage(move::GrammarMessage(order, order.Findings().front()))});
            }
        }
    }
    drawing.arrows.reserve(check.traces.size());
    for (const check::PathTrace& trace : check.traces) {
        if (trace.line >= malformed.size() || !malformed[trace.line]) {
            drawing.arrows.push_back(ArrowOf(trace));
        }
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
    // The terrain first: every province has one, sea included.
    std::string text(report::InfoOf(tile->terrain).name);
    text += ' ';
    text += std::to_string(x);
    text += '/';
    text += std::to_string(y);
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
    AddOrders(drawing, x, y, text);
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
    for (const Unwalked& movement : drawing.unwalked) {
        if (movement.at.x == x && movement.at.y == y) {
            text += "\nLine ";
            text += std::to_string(movement.line);
            text += ": no path drawn: ";
            text += movement.why;
        }
    }
    return text;
}

} // namespace orv::mapview
