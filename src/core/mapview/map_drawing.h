#pragma once
// What the graphical map shows, decided without a window: one tile per province with its
// colour, owner and troops, and the current move's paths and province marks, the paths
// walked by the move check itself so that the picture and the check report agree.

#include "core/check/check_driver.h"
#include "core/move/move_list.h"
#include "core/report/game.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orv::mapview {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

using TroopCounts = std::array<std::int32_t, report::TroopKinds>;

struct Tile {
    int x = 0;
    int y = 0;
    report::Terrain terrain = report::Terrain::Sea;
    Rgb colour;
    bool sea = true;
    bool town = false;
    bool home = false;
    bool isolated = false;
    bool own = false;      // the user's tribe holds it
    std::string owner;     // as the report writes it, at most nine characters
    std::string ownerName; // the full name from the tribe table; the report's text without one
    std::string initials;  // for small tiles
    std::string name;      // the province's name line
    TroopCounts troops{};  // from the report
    TroopCounts after{};   // after the orders of the move
};

// How a movement's walk ended.
enum class PathEnd : std::uint8_t {
    Arrived, // every step was walked
    // Ended early where the check accepts it: a land movement ends in the sea province it
    // stepped into, its troops booked there for a later sea movement to carry on.
    Stopped,
    Failed, // ended early with a message of the check
};

// A troop movement of the move along the provinces its walk passed.
struct Arrow {
    std::size_t line = 0; // index into the move's lines
    check::MoveKind kind = check::MoveKind::LandMove;
    std::vector<check::MapPoint> points; // start first; the last may lie off the map
    std::vector<int> pointsLeft;         // move points left at each of points
    check::PathResult result = check::PathResult::PathOk;
    PathEnd end = PathEnd::Arrived;
    std::string stop; // why the walk ended early, failure or not; empty when it arrived

    bool Failed() const { return end == PathEnd::Failed; }
};

enum class MarkKind : std::uint8_t { Placement, Defence, Espionage, Naming, Cession, Building };

// An order that names a province without moving troops.
struct Mark {
    std::size_t line = 0;
    MarkKind kind = MarkKind::Placement;
    check::MapPoint at;
    std::string label; // a few characters drawn on the province
};

// A movement whose words do not make a well-formed order: no path is drawn for it, and its
// start province says why.
struct Unwalked {
    std::size_t line = 0;
    check::MapPoint at;
    std::string why; // the first thing that does not fit, as the check says it
};

struct Drawing {
    int width = 0;           // provinces across, at most 50
    int height = 0;          // provinces down, at most 50
    std::vector<Tile> tiles; // row by row from the top
    std::vector<Arrow> arrows;
    std::vector<Mark> marks;
    std::vector<Unwalked> unwalked;
    std::vector<std::string> lineMessages; // the check's messages per move line, joined
    // The order a dialog is composing, walked in a copy of the move: its paths and messages.
    std::vector<Arrow> preview;
    std::string previewMessages;

    // nullptr outside the map.
    const Tile* TileAt(int x, int y) const;
};

// The colour a terrain is painted in; sea stands apart from every land colour.
Rgb TerrainColour(report::Terrain terrain);

// Up to three capitals from the owner's name: the first letter of each word, or the first
// three letters of a single word.
std::string OwnerInitials(std::string_view owner);

// The troops present in two lines as a tile shows them: "3F 2B" and "1H 4S G C", the
// general and castle as marks.
std::array<std::string, 2> TroopLines(const TroopCounts& troops);

// Both troop lines in one: "3F 2B 1H 4S G C".
std::string TroopText(const TroopCounts& troops);

// The picture of the game state with the move's orders and what their check found.
Drawing BuildDrawing(const report::Game& game, const move::MoveList& move,
                     const check::CheckResult& check);

// The paths and messages of the order at line of a check run on a copy of the move with
// that order put in, as the drawing's preview; replaces the one before.
void SetPreview(Drawing& drawing, const check::CheckResult& check, std::size_t line);

// The lines shown when the pointer rests on a province, joined by '\n': its terrain first,
// its place and name, the owner's full name, the troops, the badges of the orders that name
// it, why every path that ended early ended there (or beyond the map from there), and why a
// movement from there draws no path; empty outside the map.
std::string ProvinceDetails(const Drawing& drawing, int x, int y);

} // namespace orv::mapview
