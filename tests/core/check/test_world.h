#pragma once
// A small game state for the checker's tests: a map drawn as rows of terrain letters, the
// user's tribe "Harald" and helpers to own provinces and put troops into them.

#include "core/check/check_driver.h"
#include "core/report/game.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orv::check::testing {

// The letter at index c stands for terrain code c: '.' Plains, 'f' Forest, 'h' Hills,
// 'M' Mountains, 'm' Marsh, 's' Swamp, 'C' City, 'T' Town, '~' Sea.
inline constexpr std::string_view terrainLetters = "c.gdSfhMmsCTX~";

struct World {
    report::Game game;
    MoveChanges changes; // what the orders run so far did

    // rows[0] is y = 1; every row must have the same length.
    explicit World(std::initializer_list<std::string_view> rows) {
        game.map.ClearMap();
        game.map.height = static_cast<int>(rows.size());
        int y = 1;
        for (const std::string_view row : rows) {
            game.map.width = static_cast<int>(row.size());
            for (std::size_t x = 0; x < row.size(); ++x) {
                Cell(static_cast<int>(x) + 1, y).terrain =
                    static_cast<report::Terrain>(terrainLetters.find(row[x]));
            }
            ++y;
        }
        game.tribeName = "Harald";
    }

    report::Province& Cell(int x, int y) { return *game.map.Cell(x, y); }

    // The owner as the report writes it: in capitals for a home province.
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
    // The map as the orders run so far left it.
    MoveMap Map() { return MoveMap(game.map, changes); }
    std::int32_t Delta(int x, int y, report::TroopKind kind) const {
        return changes.At(x, y).moved[kind];
    }
};

// Checks the orders in turn against one check state, as the driver does, and returns the
// messages of all of them.
inline Messages RunOrders(World& w, const std::vector<std::string>& orders) {
    CheckState state{
        MoveMap(w.game.map, w.changes), w.game.options, TribeKey(w.game.tribeName), {}};
    Messages messages;
    for (const std::string& order : orders) {
        CheckOrder(move::Order(order), state, messages);
    }
    return messages;
}

} // namespace orv::check::testing
