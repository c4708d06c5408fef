#include "core/check/movement_rules.h"
#include "core/check/province_rules.h"
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

// Sea along the top and the left. Own: 2/2 home coast (3 foot, 1 horseman, 2 ships), 3/2,
// 4/2, 4/3 (4 foot, 2 horsemen, a castle), 4/4 home inland, 3/4 isolated home Plains (2
// foot), 6/2 isolated home City (2 horsemen). Foreign: 5/4 (6 foot). Sea 1/3 holds 3 ships.
World MakeWorld() {
    World w({"~~~~~~", "~....C", "~.....", "~.....", "~....."});
    w.Own(2, 2, true).Own(3, 2).Own(4, 2).Own(4, 3).Own(4, 4, true).Own(3, 4, true);
    w.Own(6, 2, true).Foreign(5, 4).Isolate(3, 4).Isolate(6, 2);
    w.Troops(2, 2, FootSoldiers, 3).Troops(2, 2, Horsemen, 1).Troops(2, 2, Ships, 2);
    w.Troops(4, 3, FootSoldiers, 4).Troops(4, 3, Horsemen, 2).Troops(4, 3, Castles, 1);
    w.Troops(3, 4, FootSoldiers, 2).Troops(6, 2, Horsemen, 2).Troops(5, 4, FootSoldiers, 6);
    w.Troops(1, 3, Ships, 3);
    return w;
}

struct RuleCase {
    const char* name;
    std::vector<std::string> orders;
    Messages expected;
    // Global options set: 'h' places in home provinces only, 'e' lets a placed ship stop
    // the sea moves from its province.
    std::string_view options{};
};

class OrderRulesTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(OrderRulesTest, GivesTheMessagesInOrder) {
    const RuleCase& c = GetParam();
    World w = MakeWorld();
    w.game.options.placeInHomeProvincesOnly = c.options.find('h') != std::string_view::npos;
    w.game.options.shipPlacementSetsSeaFlag = c.options.find('e') != std::string_view::npos;
    EXPECT_EQ(RunOrders(w, c.orders), c.expected);
}

std::string Name(const ::testing::TestParamInfo<RuleCase>& info) {
    return info.param.name;
}

const char* const illegal = "   Illegal province coordinates!";
const char* const isolated = "   Province is isolated!";
const char* const noShips = "   Not enough ships!";
const char* const shipsMissing = "   Not enough ships in province!";
const char* const withoutShips = "   You can't move units by sea without ships!";
const char* const landMark =
    "   Province is earmarked. These units may move no further over land this turn!";
const char* const foreign = "   You don't own province 5/4!";
const char* const limit = ": One land unit per province is the limit!";

INSTANTIATE_TEST_SUITE_P(
    Moves, OrderRulesTest,
    ::testing::Values(
        RuleCase{"SeaWithoutShips", {"SEA 2 2 FO 3 W"}, {withoutShips}},
        // Only the words 4 to 8 are looked at for SH: here it is the ninth.
        RuleCase{"SeaWithoutShipsButAT",
                 {"SEA 2 2 AT FO 1 HO 1 SH 1 W"},
                 {"   You can't move units by sea without ships (Note that AT doesn't include "
                  "ships)!"}},
        // Short of ships, everyone still sails: the foot soldiers land from 1/2.
        RuleCase{"SeaOneShipPerLandUnit", {"SEA 2 2 SH 2 FO 3 W", "LAND 1 2 FO 3 E"}, {noShips}},
        RuleCase{"SeaAllTroopsAsCargo", {"SEA 2 2 AT SH 2 W"}, {noShips}},
        RuleCase{"SeaAllTroopsLessTheOnesLeft", {"SEA 2 2 AT SH 2 FO 1 W"}, {}},
        RuleCase{
            "SeaTroopTests", {"SEA 2 2 SH 3 CA 1 W"}, {shipsMissing, "   Castles can't move!"}},
        RuleCase{"SeaCoordinates", {"SEA 0 2 SH 1 W", "SEA 2 SH 1 W"}, {illegal, withoutShips}},
        RuleCase{"SeaNoOwnershipTest",
                 {"SEA 5 4 SH 1 W"},
                 {shipsMissing, "   Land province blocks the way!"}},
        RuleCase{"SeaIsolated", {"SEA 3 4 SH 1 W", "SEA 6 2 SH 1 N"}, {isolated, shipsMissing}},
        RuleCase{"SeaOffTheMap", {"SEA 1 3 SH 1 W"}, {"   Ship moves beyond map boundaries!"}},
        RuleCase{"SeaOutOfPoints",
                 {"SEA 1 3 SH 1 N N E E E E E W W W W"},
                 {"   Ship move points exceeded!"}},
        RuleCase{"SeaSeaEarmark",
                 {"SEA 2 2 SH 1 W", "SEA 1 2 SH 1 S"},
                 {"   Province is earmarked. These units may move no further by sea this turn!"}},
        RuleCase{"SeaLandMarkDoesNotStopSea", {"LAND 3 2 AT W", "SEA 2 2 SH 2 FO 2 W"}, {}},
        RuleCase{"SeaPlacedShipWithoutOptionE", {"PLA 2 2 SH", "SEA 2 2 SH 3 W"}, {}},
        // Refused, the ships stay: none have come to 1/2.
        RuleCase{"SeaPlacedShipWithOptionE",
                 {"PLA 2 2 SH", "SEA 2 2 SH 3 W", "SEA 1 2 SH 1 N"},
                 {"   These units may no further move by sea this turn (because you placed a "
                  "ship in this province\r\n   and the global option e doesn't allow a sea "
                  "movement from this province then)!",
                  shipsMissing},
                 "e"},
        RuleCase{"RaidForeign", {"RAID 5 4 FO 1 N"}, {foreign}},
        RuleCase{"RaidIsolatedTownHasNoExemption", {"RAID 6 2 HO 1 S"}, {isolated}},
        RuleCase{"RaidNotEnough",
                 {"RAID 4 3 HO 3 GE 1 N"},
                 {"   Not enough horsemen in province!", "   Not enough generals in province!"}},
        RuleCase{"RaidIntoTheSea", {"RAID 2 2 HO 1 W"}, {"   Move entered sea province!"}},
        RuleCase{"RaidOffTheMap", {"RAID 4 3 HO 1 S S S"}, {"   Move goes beyond map boundaries!"}},
        RuleCase{"RaidOutOfPoints", {"RAID 4 3 FO 1 E E S"}, {"   Move points exceeded!"}},
        RuleCase{"RaidShipsEndTheTroopList", {"RAID 2 2 SH 5 E"}, {}},
        RuleCase{"RaidLeavesNoEarmark", {"RAID 4 3 HO 1 N", "LAND 4 2 HO 1 S"}, {}},
        RuleCase{"LandTacticWord", {"LAND 4 3 C HO 2 N N", "LAND 2 2 FO 3 HO 1 E"}, {}},
        RuleCase{"LandForeignStillTestedAndWalked",
                 {"LAND 5 4 FO 9 N", "LAND 5 3 FO 1 N"},
                 {foreign, "   Not enough foot soldiers in province!",
                  "   You don't own province 5/3!", landMark}},
        RuleCase{"LandFromTheSeaWithoutOwner", {"SEA 2 2 SH 2 FO 2 W", "LAND 1 2 FO 2 E"}, {}},
        RuleCase{"LandShips", {"LAND 2 2 SH 1 E"}, {"   You can'move ships over land!"}},
        RuleCase{"LandIsolated", {"LAND 3 4 FO 1 N", "LAND 6 2 HO 1 S"}, {isolated}},
        RuleCase{"LandEarmarkAfterTroopTests",
                 {"LAND 4 3 FO 1 N", "LAND 4 2 BO 1 N"},
                 {"   Not enough bowmen in province!", landMark}},
        RuleCase{"LandIntoTheSeaIsNoFault", {"LAND 2 2 FO 1 W"}, {}},
        RuleCase{"LandOutOfPoints", {"LAND 4 3 FO 1 E E E"}, {"   Move points exceeded!"}},
        RuleCase{"LandOffTheMap",
                 {"LAND 4 3 HO 1 S S S"},
                 {"   Moves beyond map boundaries not allowed!"}},
        RuleCase{"LandUntestedCounts", {"LAND 4 3 BO 0 BO AT FO 1 CA"}, {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    ProvinceOrders, OrderRulesTest,
    ::testing::Values(
        // Column 0, one past the last column, one below the last row, huge and negative, no
        // number.
        RuleCase{"IllegalCoordinates",
                 {"PLA 0 2 FO", "PLA 7 1 FO", "PLA 6 6 FO", "PLA 2147483647 -1 SH", "PLA 2 y SH"},
                 {illegal, illegal, illegal, illegal, illegal}},
        RuleCase{"SeaNamesTheWordsAsWritten",
                 {"PLA 03 +1 SH"},
                 {"   Province 03/+1 is a sea province!"}},
        RuleCase{"Foreign", {"PLA 5 4 SH"}, {foreign}},
        RuleCase{"NotHomeWithOptionH",
                 {"PLA 4 3 HO"},
                 {"   Province 4/3 is no home (original) province!"},
                 "h"},
        RuleCase{"CastleOutsideHomeWithOptionH", {"PLA 4 3 CA"}, {}, "h"},
        RuleCase{"NotHomeWithoutOptionH", {"PLA 4 3 HO"}, {}},
        RuleCase{"IsolatedTownNamesTheProvince", {"PLA 6 2 SH"}, {"   Province 6/2 is isolated!"}},
        RuleCase{"IsolatedPlains", {"PLA 3 4 FO"}, {isolated}},
        RuleCase{"ShipInland", {"PLA 4 4 SH"}, {"   Province 4/4 is no coastal province!"}},
        RuleCase{"SecondLandUnitInOneLine",
                 {"PLA 2 2 FO 2 2 CA 2 2 HO"},
                 {std::string("   Province 2/2") + limit, std::string("   Province 2/2") + limit}},
        RuleCase{"SecondLandUnitInALaterLine",
                 {"PLA 2 2 FO", "PLA 4 4 GE 02 2 BO"},
                 {std::string("   Province 02/2") + limit}},
        RuleCase{"TwoShipsAreNoLandUnits", {"PLA 2 2 SH 2 2 SH"}, {}},
        RuleCase{"IllegalCoordinatesStillCountAsLandUnits",
                 {"PLA 0 5 FO 0 5 XX"},
                 {illegal, illegal, std::string("   Province 0/5") + limit}},
        RuleCase{"XNotANumberEndsTheLine", {"PLA 2 2 FO x 9 FO 0 0 FO"}, {}},
        RuleCase{"MissingWords", {"PLA", "PLA 2", "PLA 2 2"}, {illegal}},
        RuleCase{"LowerCaseKeywordsAndAllianceAreNotChecked",
                 {"pla 0 0 FO", "Land 5 4 FO 9 N", "ALL 0 0"},
                 {}},
        RuleCase{"DefenceOfIsolatedOwnProvince", {"DEF 3 4 F"}, {}},
        RuleCase{"DefenceTriples", {"DEF 5 4 F 2 2 T 0 0 C"}, {foreign, illegal}},
        RuleCase{"DefenceStopsAtXNotANumber", {"DEF 2 2 F F 0 0 0 0 F"}, {}},
        RuleCase{"KingsName", {"NAME Harald the Bold", "NAME", "NAME 7"}, {illegal}},
        RuleCase{"ProvinceNameForeign", {"NAME 5 4 Old Keep"}, {foreign}},
        RuleCase{"ProvinceNameIsolated", {"NAME 3 4 Keep"}, {isolated}},
        RuleCase{"ProvinceNameIsolatedTown", {"NAME 6 2 Keep"}, {}},
        RuleCase{"CedeIsolated", {"CEDE 3 4 3"}, {isolated}},
        RuleCase{"BuildWithoutNumbers", {"BUILD x 2", "BUILD"}, {illegal, illegal}},
        RuleCase{
            "EspionagePairs", {"ESP 5 4 99 1 2 2 4 4"}, {illegal, "   You own province 2/2!"}}),
    Name);

// Placed units are booked where they were placed, faults or not; an unknown unit books
// nothing.
TEST(Placement, BooksUnitsForLaterOrders) {
    World w = MakeWorld();
    RunOrders(w, {"PLA 2 2 FO 3 1 SH 4 4 SH", "PLA 4 3 CA 0 0 FO 2 2 XX"});
    EXPECT_EQ(w.Map().GetFootSoldiers(2, 2), 4);
    EXPECT_EQ(w.Map().GetShips(3, 1), 1);       // booked although at sea
    EXPECT_EQ(w.Map().GetPlacedShips(4, 4), 1); // booked although inland
    EXPECT_EQ(w.changes.At(4, 3).placed[Castles], 1);
    EXPECT_EQ(w.changes.At(2, 2).placed[FootSoldiers], 1);
    EXPECT_EQ(w.changes.At(2, 2).placed[Ships], 0);
}

// Ownership compares the first nine characters of the names, in capitals.
TEST(Placement, TribeKeyIsTheFirstNineCharactersInCapitals) {
    World w = MakeWorld();
    w.game.tribeName = "haraldSONS";
    w.Cell(2, 2).owner = "Haraldson";
    EXPECT_EQ(RunOrders(w, {"DEF 2 2 F"}), Messages{});
}

// A land move names three troop types; a fourth takes the place of the third.
TEST(LandMove, AFourthUnitOverwritesTheThirdSlot) {
    World w = MakeWorld();
    w.Troops(4, 3, Generals, 1).Troops(4, 3, report::Bowmen, 1);
    EXPECT_EQ(RunOrders(w, {"LAND 4 3 FO 1 BO 1 HO 1 GE 1 N"}), Messages{});
    EXPECT_EQ(w.Map().GetHorsemen(4, 3), 2);
    EXPECT_EQ(w.Map().GetGenerals(4, 2), 1);
}

} // namespace
} // namespace orv::check
