#include "core/check/walk_path.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace orv::check {
namespace {

using report::Bowmen;
using report::FootSoldiers;
using report::Ships;
using testing::World;

// Sea along the top and the left, a mountain at 6/2 and a forest at 5/3.
World MakeWorld() {
    World w({"~~~~~~", "~....M", "~...f~", "~.....", "~....."});
    w.Troops(3, 5, FootSoldiers, 5).Troops(3, 5, Bowmen, 3).Troops(3, 5, Ships, 1);
    return w;
}

// The slots of a walk and the kind its first slot names.
struct Army {
    TroopSlots slots;
    report::TroopKind kind;
};
const Army fo2{{{{"FO", 2}, {}, {}}}, FootSoldiers};
const Army ho2{{{{"HO", 2}, {}, {}}}, report::Horsemen};
const Army foWithGeneral{{{{"GE", 1}, {"FO", 2}, {}}}, report::Generals};
const Army sh1{{{{"SH", 1}, {}, {}}}, Ships};

using enum MoveKind;
using enum PathResult;

// Each walk books the troops and the earmark where it ends; endX 0: lost off the map.
TEST(WalkPath, BooksTheTroopsAndTheEarmarkWhereTheWalkEnds) {
    const struct {
        const char* name;
        int x, y;
        MoveKind kind;
        const char* path;
        const Army& army;
        PathResult result;
        int endX, endY;
    } rows[] = {
        {"EmptyPathPutsTroopsBack", 3, 5, LandMove, "", fo2, PathOk, 3, 5},
        {"FootTwoPlainsSteps", 3, 5, LandMove, "N N", fo2, PathOk, 3, 3},
        {"FootThirdStep", 3, 5, LandMove, "N N N", fo2, PathOutOfPoints, 3, 3},
        {"StepAfterMountain", 4, 2, LandMove, "E E S", fo2, PathOutOfPoints, 6, 2},
        {"ForestCostsTwo", 5, 4, LandMove, "N N", fo2, PathOutOfPoints, 5, 3},
        {"HorsemenAlone", 2, 5, LandMove, "E E E", ho2, PathOk, 5, 5},
        {"HorsemenFourthStep", 2, 5, RaidMove, "E E E E", ho2, PathOutOfPoints, 5, 5},
        {"GeneralWithFoot", 3, 5, LandMove, "N N W", foWithGeneral, PathOk, 2, 3},
        {"LandIntoSea", 2, 4, LandMove, "W", fo2, PathEnteredSea, 1, 4},
        {"OffTheMap", 3, 5, LandMove, "S", fo2, PathOffMap, 0, 0},
        {"NorthEastStepsNorth", 3, 5, LandMove, "NE", fo2, PathOk, 3, 4},
        {"OtherWordsPayInPlace", 3, 5, LandMove, "X X X", fo2, PathOutOfPoints, 3, 5},
        {"TenSeaSteps", 1, 2, SeaMove, "N E E E E E W W W W", sh1, PathOk, 2, 1},
        {"EleventhSeaStep", 1, 2, SeaMove, "N E E E E E W W W W W", sh1, PathOutOfPoints, 2, 1},
        {"SeaOntoCoast", 1, 2, SeaMove, "E", sh1, PathBlockedByLand, 2, 2},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(c.name);
        World w = MakeWorld();
        MoveMap map = w.Map();
        const report::TroopKind kind = c.army.kind;
        const std::int32_t moving = c.army.slots[0].count;
        EXPECT_EQ(WalkPath(map, c.x, c.y, c.kind, c.path, c.army.slots), c.result);
        const bool stayed = c.endX == c.x && c.endY == c.y;
        EXPECT_EQ(w.Delta(c.x, c.y, kind), stayed ? 0 : -moving);
        if (c.endX == 0) {
            EXPECT_FALSE(w.Map().IsLandMarked(c.x, c.y) || w.Map().IsSeaMarked(c.x, c.y));
            continue;
        }
        EXPECT_EQ(w.Delta(c.endX, c.endY, kind), stayed ? 0 : moving);
        EXPECT_EQ(w.Map().IsLandMarked(c.endX, c.endY), c.kind == LandMove);
        EXPECT_EQ(w.Map().IsSeaMarked(c.endX, c.endY), c.kind == SeaMove);
    }
}

// "AT" moves whole every kind no pair names; of two pairs of one code the last wins.
TEST(WalkPath, AllTroopsTakesWhatTheProvinceHoldsBesideGivenCounts) {
    World w = MakeWorld();
    MoveMap map = w.Map();
    const TroopSlots slots{{{"AT", 0}, {"FO", 4}, {"FO", 2}}};
    EXPECT_EQ(WalkPath(map, 3, 5, RaidMove, "N", slots), PathOk);
    EXPECT_EQ(w.Map().GetFootSoldiers(3, 4), 2);
    EXPECT_EQ(w.Map().GetBowmen(3, 4), 3);
    EXPECT_EQ(w.Map().GetShips(3, 4), 1);
    EXPECT_EQ(w.Map().GetFootSoldiers(3, 5), 3);
}

// The trace keeps the points left at every province; the step that ends a walk costs none.
TEST(WalkPath, TraceTellsThePointsLeftAtEachStep) {
    const struct {
        int x, y;
        const Army& army;
        const char* path;
        std::vector<MapPoint> points;
        std::vector<int> left;
    } rows[] = {
        {4, 4, ho2, "N E E", {{4, 4}, {4, 3}, {5, 3}}, {3, 2, 0}}, // forest costs two
        {2, 4, fo2, "W", {{2, 4}, {1, 4}}, {2, 2}},                // into the sea
        {4, 2, fo2, "E E", {{4, 2}, {5, 2}, {6, 2}}, {2, 1, 0}},   // mountain: never below 0
    };
    for (const auto& row : rows) {
        World w = MakeWorld();
        MoveMap map = w.Map();
        PathTrace trace;
        WalkPath(map, row.x, row.y, MoveKind::LandMove, row.path, row.army.slots, &trace);
        EXPECT_EQ(trace.points, row.points) << row.path;
        EXPECT_EQ(trace.pointsLeft, row.left) << row.path;
    }
}

} // namespace
} // namespace orv::check
