#include "core/check/movement_rules.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace orv::check {
namespace {

using report::Castles;
using report::FootSoldiers;
using report::Generals;
using report::Horsemen;
using report::Ships;
using testing::RunOrders;
using testing::World;

// Sea along the top and the left. Own: 2/2 coast (3 foot, 1 horseman, 2 ships), 3/2,
// 4/2, 4/3 (4 foot, 2 horsemen, a castle), 3/4 isolated Plains (2 foot), 6/2 isolated City
// (2 horsemen). Foreign: 5/4 (6 foot). Sea 1/3 holds 3 ships.
World MakeWorld() {
    World w({"~~~~~~", "~....C", "~.....", "~.....", "~....."});
    w.Own(2, 2).Own(3, 2).Own(4, 2).Own(4, 3).Own(3, 4).Own(6, 2).Foreign(5, 4);
    w.Isolate(3, 4).Isolate(6, 2);
    w.Troops(2, 2, FootSoldiers, 3).Troops(2, 2, Horsemen, 1).Troops(2, 2, Ships, 2);
    w.Troops(4, 3, FootSoldiers, 4).Troops(4, 3, Horsemen, 2).Troops(4, 3, Castles, 1);
    w.Troops(3, 4, FootSoldiers, 2).Troops(6, 2, Horsemen, 2).Troops(5, 4, FootSoldiers, 6);
    w.Troops(1, 3, Ships, 3);
    return w;
}

struct MoveCase {
    const char* name;
    std::vector<std::string> orders;
    Messages expected;
};

class MovementRulesTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MovementRulesTest, GivesTheMessagesInOrder) {
    World w = MakeWorld();
    EXPECT_EQ(RunOrders(w, GetParam().orders), GetParam().expected);
}

std::string Name(const ::testing::TestParamInfo<MoveCase>& info) {
    return info.param.name;
}

const char* const illegal = "   Illegal province coordinates!";
const char* const isolated = "   Province is isolated!";
const char* const noShips = "   Not enough ships!";
const char* const shipsMissing = "   Not enough ships in province!";
const char* const withoutShips = "   You can't move units by sea without ships!";
const char* const landMark =
    "   Province is earmarked. These units may move no further over land this turn!";

INSTANTIATE_TEST_SUITE_P(
    Sea, MovementRulesTest,
    ::testing::Values(
        MoveCase{"WithoutShips",
                 {"SEA 2 2 FO 3 W", "SEA 2 2 FO 1 HO 1 BO 0 SH 1 W"},
                 {withoutShips, withoutShips}},
        MoveCase{"WithoutShipsButAT",
                 {"SEA 2 2 AT W"},
                 {"   You can't move units by sea without ships (Note that AT doesn't include "
                  "ships)!"}},
        MoveCase{"OneShipPerLandUnit", {"SEA 2 2 SH 2 FO 3 W"}, {noShips}},
        MoveCase{"AllTroopsAsCargo", {"SEA 2 2 AT SH 2 W"}, {noShips}},
        MoveCase{"CountATIsNoNumber", {"SEA 2 2 SH AT W"}, {noShips}},
        MoveCase{"AllTroopsLessTheOnesLeft", {"SEA 2 2 AT SH 2 FO 1 W"}, {}},
        MoveCase{"TroopTests", {"SEA 2 2 SH 3 CA 1 W"}, {shipsMissing, "   Castles can't move!"}},
        MoveCase{"Coordinates", {"SEA 0 2 SH 1 W", "SEA 2 SH 1 W"}, {illegal, withoutShips}},
        MoveCase{"NoOwnershipTest",
                 {"SEA 5 4 SH 1 W"},
                 {shipsMissing, "   Land province blocks the way!"}},
        MoveCase{"Isolated", {"SEA 3 4 SH 1 W", "SEA 6 2 SH 1 N"}, {isolated, shipsMissing}},
        MoveCase{"OffTheMap", {"SEA 1 3 SH 1 W"}, {"   Ship moves beyond map boundaries!"}},
        MoveCase{"OutOfPoints",
                 {"SEA 1 3 SH 1 N N E E E E E W W W W"},
                 {"   Ship move points exceeded!"}},
        MoveCase{"SeaEarmark",
                 {"SEA 2 2 SH 1 W", "SEA 1 2 SH 1 S"},
                 {"   Province is earmarked. These units may move no further by sea this turn!"}},
        MoveCase{"LandMarkDoesNotStopSea", {"LAND 3 2 AT W", "SEA 2 2 SH 2 FO 2 W"}, {}},
        MoveCase{"PlacedShipWithoutOptionE", {"PLA 2 2 SH", "SEA 2 2 SH 3 W"}, {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Raid, MovementRulesTest,
    ::testing::Values(
        MoveCase{"Fine", {"RAID 4 3 HO 2 E E S"}, {}},
        MoveCase{"Foreign", {"RAID 5 4 FO 1 N"}, {"   You don't own province 5/4!"}},
        MoveCase{"IsolatedTownHasNoExemption", {"RAID 6 2 HO 1 S"}, {isolated}},
        MoveCase{"NotEnough",
                 {"RAID 4 3 HO 3 BO 1 GE 1 N"},
                 {"   Not enough horsemen in province!", "   Not enough bowmen in province!",
                  "   Not enough generals in province!"}},
        MoveCase{"IntoTheSea", {"RAID 2 2 HO 1 W"}, {"   Move entered sea province!"}},
        MoveCase{"OffTheMap", {"RAID 4 3 HO 1 S S S"}, {"   Move goes beyond map boundaries!"}},
        MoveCase{"OutOfPoints", {"RAID 4 3 FO 1 E E S"}, {"   Move points exceeded!"}},
        MoveCase{"ShipsEndTheTroopList", {"RAID 2 2 SH 5 E"}, {}},
        MoveCase{"LeavesNoEarmark", {"RAID 4 3 HO 1 N", "LAND 4 2 HO 1 S"}, {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Land, MovementRulesTest,
    ::testing::Values(
        MoveCase{"TacticWord", {"LAND 4 3 C HO 2 N N", "LAND 2 2 FO 3 HO 1 E"}, {}},
        MoveCase{"ForeignStillTestedAndWalked",
                 {"LAND 5 4 FO 9 N", "LAND 5 3 FO 1 N"},
                 {"   You don't own province 5/4!", "   Not enough foot soldiers in province!",
                  "   You don't own province 5/3!", landMark}},
        MoveCase{"FromTheSeaWithoutOwner", {"SEA 2 2 SH 2 FO 2 W", "LAND 1 2 FO 2 E"}, {}},
        MoveCase{"Ships",
                 {"LAND 2 2 SH 1 E", "LAND 4 3 SH 1 N"},
                 {"   You can'move ships over land!", shipsMissing}},
        MoveCase{"Isolated", {"LAND 3 4 FO 1 N", "LAND 6 2 HO 1 S"}, {isolated}},
        MoveCase{"EarmarkAfterTroopTests",
                 {"LAND 4 3 FO 1 N", "LAND 4 2 BO 1 N"},
                 {"   Not enough bowmen in province!", landMark}},
        MoveCase{"IntoTheSeaIsNoFault", {"LAND 2 2 FO 1 W"}, {}},
        MoveCase{"OutOfPoints", {"LAND 4 3 FO 1 E E E"}, {"   Move points exceeded!"}},
        MoveCase{
            "OffTheMap", {"LAND 4 3 HO 1 S S S"}, {"   Moves beyond map boundaries not allowed!"}},
        MoveCase{"UntestedCounts", {"LAND 4 3 BO 0 BO AT FO 1 CA"}, {}},
        MoveCase{"LowerCaseIsNotChecked", {"land 0 0 FO 1 N", "Land 5 4 FO 9 N"}, {}}),
    Name);

TEST(SeaMove, PlacedShipWithOptionEStopsTheMove) {
    World w = MakeWorld();
    w.game.options.shipPlacementSetsSeaFlag = true;
    EXPECT_EQ(RunOrders(w, {"PLA 2 2 SH", "SEA 2 2 SH 3 W"}),
              Messages{"   These units may no further move by sea this turn (because you placed a "
                       "ship in this province\r\n   and the global option e doesn't allow a sea "
                       "movement from this province then)!"});
    EXPECT_EQ(w.Map().GetShips(2, 2), 3); // no walk
}

TEST(SeaMove, ShortOfShipsStillMovesEveryone) {
    World w = MakeWorld();
    RunOrders(w, {"SEA 2 2 SH 2 FO 3 W"});
    EXPECT_EQ(w.Map().GetShips(1, 2), 2);
    EXPECT_EQ(w.Map().GetFootSoldiers(1, 2), 3);
    EXPECT_TRUE(w.Map().IsSeaMarked(1, 2));
}

TEST(LandMove, AFourthUnitOverwritesTheThirdSlot) {
    World w = MakeWorld();
    w.Troops(4, 3, Generals, 1).Troops(4, 3, report::Bowmen, 1);
    EXPECT_EQ(RunOrders(w, {"LAND 4 3 FO 1 BO 1 HO 1 GE 1 N"}), Messages{});
    EXPECT_EQ(w.Map().GetHorsemen(4, 3), 2);
    EXPECT_EQ(w.Map().GetGenerals(4, 2), 1);
}

TEST(Movement, HostileOrdersStayInsideTheGrid) {
    std::string manyDirections = "LAND 4 3 HO 1";
    std::string manyPairs = "SEA 1 3";
    for (int i = 0; i < 500; ++i) {
        manyDirections += " N";
    }
    for (int i = 0; i < 50; ++i) {
        manyPairs += " SH 1 FO 2147483647";
    }
    World w = MakeWorld();
    const Messages messages = RunOrders(
        w, {manyDirections, manyPairs + " W", "SEA 1 3 SH 2147483647 FO -2147483648 N",
            "LAND 2147483647 2147483647 FO 1 N", "LAND -1 -1", "RAID 2 2 AT AT AT AT N",
            "LAND 2 2 \"FO 1 N", "SEA", "RAID", "LAND", "LAND 2 2 XX 5 YY 7 ZZ 9 QQ 1 E"});
    // The 500 steps end in the sea after two; each of the 50 pairs is tested on its own;
    // the quoted troop word walks nowhere but earmarks its province.
    const Messages tail{"   Ship moves beyond map boundaries!",
                        shipsMissing,
                        illegal,
                        illegal,
                        "   Move entered sea province!",
                        withoutShips,
                        illegal,
                        illegal,
                        landMark};
    ASSERT_EQ(messages.size(), 50 + tail.size());
    EXPECT_EQ(messages[49], "   Not enough foot soldiers in province!");
    EXPECT_EQ(Messages(messages.begin() + 50, messages.end()), tail);
}

} // namespace
} // namespace orv::check
