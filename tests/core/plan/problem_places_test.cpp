// Each problem of the check is shown on the province it is about.
#include "../check/test_world.h"
#include "../move/move_builder.h"
#include "core/plan/problem_places.h"

#include <gtest/gtest.h>

namespace orv::plan {
namespace {

using P = std::optional<check::MapPoint>;

TEST(ProblemProvinces, AreWhereTheWalkFailedOrTheMessageBelongs) {
    check::testing::World w({"~...C", "~..f.", "~...."});
    w.Own(2, 1).Own(2, 2).Own(3, 2).Own(4, 2).Own(5, 1).Troops(2, 1, report::FootSoldiers, 2);
    w.Isolate(3, 2).Isolate(4, 2).Isolate(5, 1);
    const move::MoveList move = move::testing::RawMove({
        "BEGIN",
        "LAND 2 1 FO 1 E E E",      // out of points at 4/1
        "PLA 2 2 FO 3 2 FO 4 2 FO", // the second and third groups are isolated
        "RAID 4 4 HO 1 N",          // off the map
        "SEA 1 1 SH 1 N",           // no ships there, then off the map from 1/1
        "ESP 5 3 2 2",              // names 2/2
        "LAND 2 1 FO 1 S W W",      // ends in the sea at 1/2 with a step left
        "RAID 5 1 HO 1 W",          // raids leave no isolated town
        "LAND 2 2 XX 1 N",          // unknown troop type, of the start
        "PLA 9 9 XX",               // unknown troop type, off the map; gold runs short
        "END",
    });
    // One per problem of the check, in its order.
    const std::vector<P> expected{
        check::MapPoint{4, 1}, check::MapPoint{3, 2}, check::MapPoint{4, 2}, std::nullopt,
        check::MapPoint{1, 1}, check::MapPoint{1, 1}, check::MapPoint{2, 2}, check::MapPoint{1, 2},
        check::MapPoint{5, 1}, check::MapPoint{2, 2}, std::nullopt,          std::nullopt,
        std::nullopt};
    EXPECT_EQ(ProblemProvinces(w.game, move, check::CheckMove(move, w.game)), expected);
}

} // namespace
} // namespace orv::plan
