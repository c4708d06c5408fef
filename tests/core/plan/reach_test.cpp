// The reach and the cheapest paths against every path the check accepts, tried one by one,
// on the example report and on random small maps; every planned order, put into the move,
// gets no message of the check about its path.
#include "../move/move_builder.h"
#include "core/move/move_file.h"
#include "core/plan/reach.h"
#include "core/report/report_reader.h"
#include "random_game.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace orv::plan {
namespace {

using check::MoveKind;
using testing::Roll;

struct Best {
    int cost = 0;
    int steps = 0;
    std::string path;

    bool operator==(const Best&) const = default;
};
using Bests = std::map<std::pair<int, int>, Best>;

// Every path that the check lets pass with no message but orderMessages, depth first in
// direction order, so that the first of the cheapest paths to a province is kept. Each
// order is checked on the state and taken back: a walk changes only the provinces it
// leaves and ends in.
Bests EveryPath(const report::Game& game, const check::LineState& state, const Movement& mv,
                const check::Messages& orderMessages) {
    Bests best;
    check::LineState work = state;
    std::function<void(const std::string&, int)> extend = [&](const std::string& path, int cost) {
        for (const char d : std::string_view("NESW")) {
            const std::string next = path.empty() ? std::string(1, d) : path + ' ' + d;
            const move::Order order(MovementOrder(mv, next));
            check::Messages messages = check::GrammarMessages(order, check::GrammarContextOf(game));
            std::vector<check::PathTrace> traces;
            check::CheckState checkState{check::MoveMap(game.map, work.changes), game.options,
                                         check::TribeKey(game.tribeName), state.placedLandUnits,
                                         &traces};
            check::CheckOrder(order, checkState, messages);
            for (const check::PathTrace& t : traces) {
                for (const check::MapPoint p : {t.points.front(), t.points.back()}) {
                    if (check::ProvinceChange* cell = work.changes.Cell(p.x, p.y)) {
                        *cell = state.changes.At(p.x, p.y);
                    }
                }
            }
            if (!traces.empty()) {
                best.try_emplace({mv.x, mv.y}); // the start, where the walk begins
            }
            if (traces.empty() || messages != orderMessages) {
                continue;
            }
            const check::MapPoint end = traces[0].points.back();
            const bool on = traces[0].result == check::PathResult::PathOk;
            const int spent =
                cost + (on ? report::InfoOf(game.map.GetTerrain(end.x, end.y)).moveCost : 0);
            const int steps = static_cast<int>(traces[0].points.size()) - 1;
            Best& b = best.try_emplace({end.x, end.y}, Best{spent, steps, next}).first->second;
            if (std::pair(spent, steps) < std::pair(b.cost, b.steps)) {
                b = {spent, steps, next};
            }
            if (on && traces[0].pointsLeft.front() - spent >= 1) {
                extend(next, spent);
            }
        }
    };
    extend("", 0);
    return best;
}

// The reach from the state at line agrees with every path, and each planned order, put in
// at line, gets the messages it gets whatever its path, and no more.
void ExpectAgrees(const report::Game& game, const move::MoveList& move, std::size_t line,
                  const Movement& movement) {
    SCOPED_TRACE(MovementOrder(movement, "") + " at line " + std::to_string(line));
    const check::LineState state = check::StateAtLine(move, game, line);
    const Reach reach = ReachOf(game, state, movement);
    Bests planned;
    for (const check::MapPoint to : reach.Provinces()) {
        const PlannedPath path = CheapestPath(reach, to.x, to.y).value();
        planned[{to.x, to.y}] = {path.cost, path.steps, path.directions};
        if (path.steps == 0) {
            continue;
        }
        move::MoveList with = move;
        with.InsertOrder(line, move::OrderFromRaw(MovementOrder(movement, path.directions)));
        check::Messages messages;
        for (const check::Finding& f : check::CheckMove(with, game).findings) {
            if (f.kind == check::FindingKind::Order && f.line == line) {
                messages = f.messages;
            }
        }
        EXPECT_EQ(messages, reach.orderMessages) << path.directions;
    }
    EXPECT_EQ(planned.size(), reach.Provinces().size()); // each once
    EXPECT_EQ(reach.walks, !planned.empty());
    EXPECT_EQ(planned, EveryPath(game, state, movement, reach.orderMessages));
}

const check::TroopSlots all{{{"AT", 0}, {}, {}}};

TEST(Reach, AgreesWithEveryPathOnTheExample) {
    report::Game game;
    ASSERT_TRUE(report::LoadReport(game, ORV_EXAMPLES_DIR "/turn12.txt").message.Empty());
    game.tribeName = "Vikings";
    report::SelectCurrentTribe(game);
    move::MoveList move;
    ASSERT_TRUE(move::LoadMove(move, ORV_EXAMPLES_DIR "/turn12.cmd").Ok());
    for (int x = 1; x <= game.map.width; ++x) {
        for (int y = 1; y <= game.map.height; ++y) {
            if (game.map.GetOwner(x, y) != "VIKINGS") {
                continue;
            }
            for (const std::size_t line : {std::size_t{1}, move.EndLineIndex()}) {
                ExpectAgrees(game, move, line, {MoveKind::LandMove, x, y, "", all});
                ExpectAgrees(game, move, line, {MoveKind::LandMove, x, y, "P", {{{"FO", 1}}}});
                ExpectAgrees(game, move, line, {MoveKind::RaidMove, x, y, "", {{{"HO", 1}}}});
            }
            // Ten move points at sea make many paths: one line is enough.
            ExpectAgrees(game, move, move.EndLineIndex(),
                         {MoveKind::SeaMove, x, y, "", {{{"SH", 2}, {"FO", 1}}}});
        }
    }
    // From 2/4 the ships reach 1/4, then 1/3 and 1/5, ... and last 6/8 with all ten points;
    // the troops land from there, each coast province once.
    const Reach ships = ReachOf(game, move, 1, {MoveKind::SeaMove, 2, 4, "", {{{"SH", 2}}}});
    ASSERT_EQ(ships.landings.size(), 9U);
    EXPECT_EQ(ships.landings[1].at, (check::MapPoint{2, 3}));
    EXPECT_EQ(ships.landings[1].from, (check::MapPoint{1, 3}));
    EXPECT_EQ(ships.landings.back().at, (check::MapPoint{6, 7}));
}

TEST(Reach, AgreesWithEveryPathOnRandomMaps) {
    std::mt19937 rng(20240611);
    const char* codes[] = {"FO", "BO", "HO", "GE", "SH", "AT"};
    for (int round = 0; round < 100; ++round) {
        const report::Game game = testing::RandomGame(rng);
        const auto anywhere = [&] {
            return std::pair(1 + Roll(rng, game.map.width), 1 + Roll(rng, game.map.height));
        };
        // An order above the line moves, places or earmarks; the plan often starts where
        // it ended.
        const auto [ax, ay] = anywhere();
        const std::string at = std::to_string(ax) + ' ' + std::to_string(ay);
        const std::string above[] = {"LAND " + at + " AT E", "SEA " + at + " SH 1 AT E",
                                     "PLA " + at + " SH"};
        const move::MoveList move = move::testing::RawMove({"BEGIN", above[Roll(rng, 3)], "END"});
        Movement movement;
        movement.kind = static_cast<MoveKind>(1 + Roll(rng, 3));
        std::tie(movement.x, movement.y) = Roll(rng, 2) == 0 ? std::pair(ax + 1, ay) : anywhere();
        for (int s = Roll(rng, 3); s >= 0; --s) {
            movement.troops[static_cast<std::size_t>(s)] = {codes[Roll(rng, 6)], 1 + Roll(rng, 3)};
        }
        if (movement.kind == MoveKind::SeaMove) { // without ships it would not walk
            movement.troops[0].unit = "SH";
        }
        ExpectAgrees(game, move, move.EndLineIndex(), movement);
    }
}

} // namespace
} // namespace orv::plan
