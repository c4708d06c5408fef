#pragma once
// Small maps from a fixed-seed generator for the planning tests: random terrain with sea,
// land of the user's tribe "Harald" or of "Olaf", troops, a few isolated provinces.

#include "core/report/game.h"

#include <random>

namespace orv::plan::testing {

// A number from 0 to n - 1, from the raw engine output, which is the same everywhere.
inline int Roll(std::mt19937& rng, int n) {
    return static_cast<int>(rng() % static_cast<unsigned>(n));
}

inline report::Game RandomGame(std::mt19937& rng) {
    report::Game game;
    game.tribeName = "Harald";
    game.map.ClearMap();
    game.map.width = 3 + Roll(rng, 4);
    game.map.height = 3 + Roll(rng, 4);
    for (int x = 1; x <= game.map.width; ++x) {
        for (int y = 1; y <= game.map.height; ++y) {
            report::Province& p = *game.map.Cell(x, y);
            if (Roll(rng, 3) > 0) { // else sea, as ClearMap left it
                p.terrain = static_cast<report::Terrain>(Roll(rng, 13));
                p.owner = Roll(rng, 3) == 0 ? "Olaf" : "Harald";
                p.isolated = Roll(rng, 8) == 0;
                for (auto& count : p.troops) {
                    count = Roll(rng, 3);
                }
            }
        }
    }
    return game;
}

} // namespace orv::plan::testing
