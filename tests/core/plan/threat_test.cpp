// The threats against the reach of each foreign army planned by its owner: over land with
// all its troops or one kind alone, and by sea followed by a LAND order from where its
// ships went.
#include "../move/move_builder.h"
#include "core/plan/reach.h"
#include "core/plan/threat.h"
#include "random_game.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace orv::plan {
namespace {

using check::MapPoint;

TEST(Threats, AreTheReachOfEveryForeignArmyPlannedByItsOwner) {
    std::mt19937 rng(4711);
    const std::pair<const char*, report::TroopKind> groups[] = {{"AT", report::Castles},
                                                                {"FO", report::FootSoldiers},
                                                                {"BO", report::Bowmen},
                                                                {"HO", report::Horsemen},
                                                                {"GE", report::Generals}};
    for (int round = 0; round < 40; ++round) {
        report::Game game = testing::RandomGame(rng);
        const ThreatMap threats = Threats(game);
        game.tribeName = "Olaf";
        std::map<std::pair<int, int>, std::set<std::uint16_t>> expected;
        std::size_t armies = 0;
        for (std::size_t a = 0; a < threats.Armies().size(); ++a) {
            const MapPoint home = threats.Armies()[a].at;
            const auto& t = game.map.At(home.x, home.y).troops;
            const auto strikes = [&](const std::string& sail, MapPoint from) {
                const move::MoveList move = move::testing::RawMove({"BEGIN", sail, "END"});
                for (const auto& [code, kind] : groups) {
                    const Reach reach = ReachOf(
                        game, move, 2,
                        {check::MoveKind::LandMove, from.x, from.y, "", {{{code, t[kind]}}}});
                    for (const MapPoint to : reach.Provinces()) {
                        const ReachCell& cell = reach.At(to.x, to.y);
                        if ((t[kind] > 0 || kind == report::Castles) && cell.steps > 0 &&
                            !cell.ends && to != home) {
                            expected[{to.x, to.y}].insert(static_cast<std::uint16_t>(a));
                        }
                    }
                }
            };
            strikes("ALL 1 1", home); // an order that moves nothing
            const Movement fleet{check::MoveKind::SeaMove,
                                 home.x,
                                 home.y,
                                 "",
                                 {{{"SH", t[report::Ships]}, {"AT", 0}}}};
            const Reach sea = ReachOf(game, move::testing::RawMove({"BEGIN", "END"}), 1, fleet);
            for (const MapPoint to : sea.Provinces()) {
                if (t[report::Ships] > 0 && sea.At(to.x, to.y).steps > 0) {
                    strikes(MovementOrder(fleet, CheapestPath(sea, to.x, to.y)->directions), to);
                }
            }
        }
        for (int x = 1; x <= game.map.width; ++x) {
            for (int y = 1; y <= game.map.height; ++y) {
                const auto& t = game.map.At(x, y).troops;
                armies += game.map.At(x, y).owner == "Olaf" &&
                          t[0] + t[1] + t[2] + t[report::Generals] > 0;
                const auto at = threats.ArmiesAt(x, y);
                std::int64_t troops = 0;
                for (const std::uint16_t a : at) {
                    troops += threats.Armies()[a].troops;
                }
                EXPECT_EQ(threats.TroopsAt(x, y), troops);
                EXPECT_EQ(std::set(at.begin(), at.end()), expected[std::pair(x, y)])
                    << x << '/' << y;
            }
        }
        EXPECT_EQ(threats.Armies().size(), armies);
        EXPECT_EQ(threats.TroopsAt(0, 1), 0); // off the map
    }
}

} // namespace
} // namespace orv::plan
