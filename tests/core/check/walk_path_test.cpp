#include "core/check/walk_path.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace orv::check {
namespace {

using report::Bowmen;
using report::FootSoldiers;
using report::Generals;
using report::Horsemen;
using report::Ships;
using testing::World;

// Row y = 1 is sea, then land with a mountain, a forest and a sea bay at 6/3.
World MakeWorld() {
    World w({"~~~~~~", //
             "~....M", //
             "~...f~", //
             "~.....", //
             "~....."});
    w.Troops(3, 5, FootSoldiers, 5).Troops(3, 5, Bowmen, 3).Troops(3, 5, Ships, 1);
    w.Troops(3, 5, Horsemen, 4).Troops(3, 5, Generals, 1);
    w.Troops(2, 1, Ships, 4).Troops(2, 1, FootSoldiers, 2);
    return w;
}

struct WalkCase {
    const char* name;
    int x, y;
    MoveKind kind;
    const char* path;
    TroopSlots slots;
    PathResult result;
    int endX, endY; // where the troops are booked (0 when lost off the map)
};

class WalkPathTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(WalkPathTest, BooksTroopsWhereTheWalkEnds) {
    const WalkCase& c = GetParam();
    World w = MakeWorld();
    const report::TroopKind kind = c.slots[0].unit == "SH"   ? Ships
                                   : c.slots[0].unit == "HO" ? Horsemen
                                                             : FootSoldiers;
    const std::int32_t moving = c.slots[0].count;
    EXPECT_EQ(WalkPath(w.game.map, c.x, c.y, c.kind, c.path, c.slots), c.result);
    const bool stayed = c.endX == c.x && c.endY == c.y;
    EXPECT_EQ(w.Delta(c.x, c.y, kind), stayed ? 0 : -moving);
    if (c.endX != 0 && !stayed) {
        EXPECT_EQ(w.Delta(c.endX, c.endY, kind), moving);
    }
    int landMarks = 0;
    int seaMarks = 0;
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            landMarks += w.game.map.IsLandMarked(x, y) ? 1 : 0;
            seaMarks += w.game.map.IsSeaMarked(x, y) ? 1 : 0;
        }
    }
    const bool marked = c.endX != 0 && c.kind != MoveKind::RaidMove;
    EXPECT_EQ(landMarks, marked && c.kind == MoveKind::LandMove ? 1 : 0);
    EXPECT_EQ(seaMarks, marked && c.kind == MoveKind::SeaMove ? 1 : 0);
    if (marked) {
        EXPECT_TRUE(w.game.map.IsLandMarked(c.endX, c.endY) ||
                    w.game.map.IsSeaMarked(c.endX, c.endY));
    }
}

const TroopSlots fo2{{{"FO", 2}, {}, {}}};
const TroopSlots ho2{{{"HO", 2}, {}, {}}};
const TroopSlots foWithGeneral{{{"FO", 2}, {"GE", 1}, {}}};
const TroopSlots sh1{{{"SH", 1}, {}, {}}};

INSTANTIATE_TEST_SUITE_P(
    Walks, WalkPathTest,
    ::testing::Values(WalkCase{"EmptyPathPutsTroopsBack", 3, 5, MoveKind::LandMove, "", fo2,
                               PathResult::PathOk, 3, 5},
                      WalkCase{"FootTwoPlainsSteps", 3, 5, MoveKind::LandMove, "N N", fo2,
                               PathResult::PathOk, 3, 3},
                      WalkCase{"FootThirdStepOutOfPoints", 3, 5, MoveKind::LandMove, "N N N", fo2,
                               PathResult::PathOutOfPoints, 3, 3},
                      WalkCase{"MountainAsLastStepIsFine", 5, 2, MoveKind::LandMove, "E", fo2,
                               PathResult::PathOk, 6, 2},
                      WalkCase{"StepAfterMountainOutOfPoints", 4, 2, MoveKind::LandMove, "E E S",
                               fo2, PathResult::PathOutOfPoints, 6, 2},
                      WalkCase{"ForestCostsTwo", 5, 4, MoveKind::LandMove, "N N", fo2,
                               PathResult::PathOutOfPoints, 5, 3},
                      WalkCase{"HorsemenAloneThreeSteps", 2, 5, MoveKind::LandMove, "E E E", ho2,
                               PathResult::PathOk, 5, 5},
                      WalkCase{"HorsemenFourthStepOutOfPoints", 2, 5, MoveKind::RaidMove, "E E E E",
                               ho2, PathResult::PathOutOfPoints, 5, 5},
                      WalkCase{"GeneralGivesFootThreePoints", 3, 5, MoveKind::LandMove, "N N W",
                               foWithGeneral, PathResult::PathOk, 2, 3},
                      WalkCase{"LandStepIntoSea", 2, 4, MoveKind::LandMove, "W", fo2,
                               PathResult::PathEnteredSea, 1, 4},
                      WalkCase{"RaidIntoSeaLeavesNoMark", 2, 4, MoveKind::RaidMove, "N W", fo2,
                               PathResult::PathEnteredSea, 1, 3},
                      WalkCase{"OffTheMapLosesTroops", 3, 5, MoveKind::LandMove, "S", fo2,
                               PathResult::PathOffMap, 0, 0},
                      WalkCase{"NorthEastStepsNorthOnly", 3, 5, MoveKind::LandMove, "NE", fo2,
                               PathResult::PathOk, 3, 4},
                      WalkCase{"UnknownWordPaysWithoutStepping", 3, 5, MoveKind::LandMove, "X X X",
                               fo2, PathResult::PathOutOfPoints, 3, 5},
                      WalkCase{"TenSeaStepsAreFine", 1, 2, MoveKind::SeaMove, "N E E E E E W W W W",
                               sh1, PathResult::PathOk, 2, 1},
                      WalkCase{"EleventhSeaStepOutOfPoints", 1, 2, MoveKind::SeaMove,
                               "N E E E E E W W W W W", sh1, PathResult::PathOutOfPoints, 2, 1},
                      WalkCase{"SeaStepOntoCoastBlocked", 1, 2, MoveKind::SeaMove, "E", sh1,
                               PathResult::PathBlockedByLand, 2, 2},
                      WalkCase{"SeaOffTheMap", 1, 2, MoveKind::SeaMove, "W", sh1,
                               PathResult::PathOffMap, 0, 0}),
    [](const ::testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

TEST(WalkPath, AllTroopsTakesWhatTheProvinceHoldsExceptGivenCounts) {
    World w = MakeWorld();
    const TroopSlots slots{{{"AT", 0}, {"FO", 2}, {}}};
    EXPECT_EQ(WalkPath(w.game.map, 3, 5, MoveKind::RaidMove, "N", slots), PathResult::PathOk);
    EXPECT_EQ(w.Delta(3, 5, FootSoldiers), -2);
    EXPECT_EQ(w.Delta(3, 5, Bowmen), -3);
    EXPECT_EQ(w.Delta(3, 5, Ships), -1);
    EXPECT_EQ(w.Delta(3, 5, Generals), -1);
    EXPECT_EQ(w.game.map.GetBowmen(3, 4), 3);
    EXPECT_EQ(w.game.map.GetShips(3, 4), 1);
    EXPECT_EQ(w.game.map.GetHorsemen(3, 4), 4);
}

TEST(WalkPath, TheLastPairOfOneCodeWins) {
    World w = MakeWorld();
    const TroopSlots slots{{{"FO", 1}, {"FO", 4}, {}}};
    WalkPath(w.game.map, 3, 5, MoveKind::LandMove, "N", slots);
    EXPECT_EQ(w.game.map.GetFootSoldiers(3, 4), 4);
    EXPECT_EQ(w.game.map.GetFootSoldiers(3, 5), 1);
}

TEST(WalkPath, LaterWalksSeeEarlierBookings) {
    World w = MakeWorld();
    WalkPath(w.game.map, 3, 5, MoveKind::LandMove, "N", fo2);
    const TroopSlots all{{{"AT", 0}, {}, {}}};
    WalkPath(w.game.map, 3, 4, MoveKind::LandMove, "N", all);
    EXPECT_EQ(w.game.map.GetFootSoldiers(3, 3), 2);
    EXPECT_EQ(w.game.map.GetFootSoldiers(3, 4), 0);
    EXPECT_TRUE(w.game.map.IsLandMarked(3, 4));
}

TEST(WalkPath, HugeCountsAndLongPathsStayInBounds) {
    World w = MakeWorld();
    std::string path;
    for (int i = 0; i < 500; ++i) {
        path += "N ";
    }
    const TroopSlots huge{{{"FO", 2147483647}, {"SH", -2147483647 - 1}, {"AT", 0}}};
    EXPECT_EQ(WalkPath(w.game.map, 3, 5, MoveKind::LandMove, path, huge),
              PathResult::PathOutOfPoints);
    EXPECT_EQ(WalkPath(w.game.map, 3, 5, MoveKind::SeaMove, path, huge),
              PathResult::PathBlockedByLand);
}

} // namespace
} // namespace orv::check
