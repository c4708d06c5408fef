#pragma once
// A small game state for the checker's tests: a map drawn as rows of terrain letters, the
// user's tribe "Harald" and helpers to own provinces and put troops into them.

#include "core/report/game.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace orv::check::testing {

// Terrain letters: '.' Plains, '~' Sea, 'M' Mountains, 'f' Forest, 'h' Hills, 'm' Marsh,
// 's' Swamp, 'C' City, 'T' Town.
inline std::uint8_t TerrainOfLetter(char letter) {
    switch (letter) {
    case '~':
        return 13;
    case 'M':
        return 7;
    case 'f':
        return 5;
    case 'h':
        return 6;
    case 'm':
        return 8;
    case 's':
        return 9;
    case 'C':
        return 10;
    case 'T':
        return 11;
    default:
        return 1;
    }
}

struct World {
    report::Game game;

    // rows[0] is y = 1; every row must have the same length.
    explicit World(std::initializer_list<std::string_view> rows) {
        game.map.ClearMap();
        game.map.height = static_cast<int>(rows.size());
        int y = 1;
        for (const std::string_view row : rows) {
            game.map.width = static_cast<int>(row.size());
            for (int x = 1; x <= static_cast<int>(row.size()); ++x) {
                Cell(x, y).terrain = TerrainOfLetter(row[static_cast<std::size_t>(x - 1)]);
            }
            ++y;
        }
        game.tribeName = "Harald";
    }

    report::Province& Cell(int x, int y) { return *game.map.Cell(x, y); }

    // The user's province (the owner written as the report writes it, in mixed case, or in
    // capitals for a home province).
    World& Own(int x, int y, bool home = false) {
        Cell(x, y).owner = home ? "HARALD" : "Harald";
        Cell(x, y).homeProvince = home;
        return *this;
    }
    World& Foreign(int x, int y) {
        Cell(x, y).owner = "Olaf";
        return *this;
    }
    World& Isolate(int x, int y) {
        Cell(x, y).isolated = true;
        return *this;
    }
    World& Troops(int x, int y, report::TroopKind kind, std::int32_t count) {
        Cell(x, y).troops[kind] = count;
        return *this;
    }
    std::int32_t Delta(int x, int y, report::TroopKind kind) { return Cell(x, y).moveDelta[kind]; }
};

} // namespace orv::check::testing
