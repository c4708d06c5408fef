#pragma once
// A full-size game and a long move with orders of every kind, shared by the benchmarks
// that check a move and that draw it on the map.

#include "core/move/move_list.h"
#include "core/report/game.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace orv::bench {

// 50 x 50 provinces, all the user's, sea in every fifth column, troops everywhere.
inline report::Game FullSizeGame() {
    report::Game game;
    game.tribeName = "Vikings";
    report::TribeElem tribe;
    tribe.name = "Vikings";
    tribe.figures[0] = 50000;
    tribe.figures[1] = 50000;
    game.tribes.push_back(tribe);
    game.currentTribe = 0;
    report::TMap& map = game.map;
    map.ClearMap();
    map.width = 50;
    map.height = 50;
    for (int x = 1; x <= 50; ++x) {
        for (int y = 1; y <= 50; ++y) {
            report::Province& p = *map.Cell(x, y);
            p.terrain = x % 5 == 0 ? report::Terrain::Sea : static_cast<report::Terrain>(y % 13);
            p.owner = "VIKINGS";
            p.homeProvince = true;
            p.isolated = (x * y) % 17 == 0;
            for (const report::TroopKind kind :
                 {report::FootSoldiers, report::Bowmen, report::Horsemen, report::Ships}) {
                p.troops[kind] = 20;
            }
            p.troops[report::Generals] = 1;
        }
    }
    return game;
}

// Orders of every kind spread over the map; a few of them are faulty.
inline move::MoveList LongMove(std::size_t orders) {
    move::MoveList move;
    move.form = move::DisplayForm::Raw;
    for (std::size_t i = 0; i < orders; ++i) {
        const int x = 1 + static_cast<int>(i * 7 % 50);
        const int y = 1 + static_cast<int>(i * 11 % 50);
        const std::string at = std::to_string(x) + " " + std::to_string(y);
        const std::string next = std::to_string(x % 50 + 1) + " " + std::to_string(y);
        std::string order;
        switch (i % 9) {
        case 0:
            order = "PLA " + at + " FO " + next + " SH";
            break;
        case 1:
            order = "LAND " + at + " P HO 2 FO 3 E S";
            break;
        case 2:
            order = "SEA " + at + " SH 2 FO 2 N W";
            break;
        case 3:
            order = "RAID " + at + " AT N";
            break;
        case 4:
            order = "DEF " + at + " F " + next + " T";
            break;
        case 5:
            order = "ESP " + at + " 51 3";
            break;
        case 6:
            order = "NAME " + at + " New Haven upon Trent";
            break;
        case 7:
            order = "CEDE " + at + " 2";
            break;
        default:
            order = "LAND " + at + " FO 1 BO 1 GE 1 N N N";
            break;
        }
        move.InsertOrder(move.EndLineIndex(), move::OrderFromRaw(order));
    }
    return move;
}

} // namespace orv::bench
