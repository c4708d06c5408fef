#include "core/check/province_rules.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace orv::check {
namespace {

using report::Castles;
using report::FootSoldiers;
using report::Ships;
using testing::RunOrders;
using testing::World;

// 2/2 own home coast, 4/3 own inland (not home), 4/4 own home inland, 6/2 own isolated
// home Town, 3/4 own isolated home Plains, 5/4 foreign, 3/1 sea.
World MakeWorld(bool homeProvincesOnly = false) {
    World w({"~~~~~~", //
             "~....T", //
             "~.....", //
             "......"});
    w.Own(2, 2, true).Own(4, 3).Own(4, 4, true).Own(6, 2, true).Own(3, 4, true).Foreign(5, 4);
    w.Isolate(6, 2).Isolate(3, 4);
    w.game.options.placeInHomeProvincesOnly = homeProvincesOnly;
    return w;
}

struct RuleCase {
    const char* name;
    std::vector<std::string> orders;
    Messages expected;
    bool homeProvincesOnly = false;
};

class ProvinceRulesTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ProvinceRulesTest, GivesTheMessagesInOrder) {
    const RuleCase& c = GetParam();
    World w = MakeWorld(c.homeProvincesOnly);
    EXPECT_EQ(RunOrders(w, c.orders), c.expected);
}

const char* const illegal = "   Illegal province coordinates!";
const char* const limit = ": One land unit per province is the limit!";

INSTANTIATE_TEST_SUITE_P(
    Placement, ProvinceRulesTest,
    ::testing::Values(
        RuleCase{"OwnCoastalHome", {"PLA 2 2 FO 2 2 SH"}, {}},
        RuleCase{"ZeroColumn", {"PLA 0 2 FO"}, {illegal}},
        RuleCase{"BeyondTheMap", {"PLA 7 1 FO"}, {illegal}},
        RuleCase{"BeyondTheGrid", {"PLA 51 1 SH"}, {illegal}},
        RuleCase{"HugeAndNegative", {"PLA 2147483647 -1 SH"}, {illegal}},
        RuleCase{"YNotANumber", {"PLA 2 y SH"}, {illegal}},
        RuleCase{"SeaNamesTheWordsAsWritten",
                 {"PLA 03 +1 SH"},
                 {"   Province 03/+1 is a sea province!"}},
        RuleCase{"Foreign", {"PLA 5 4 SH"}, {"   You don't own province 5/4!"}},
        RuleCase{"NotHomeWithOptionH",
                 {"PLA 4 3 HO"},
                 {"   Province 4/3 is no home (original) province!"},
                 true},
        RuleCase{"CastleOutsideHomeWithOptionH", {"PLA 4 3 CA"}, {}, true},
        RuleCase{"NotHomeWithoutOptionH", {"PLA 4 3 HO"}, {}},
        RuleCase{"IsolatedTownNamesTheProvince", {"PLA 6 2 SH"}, {"   Province 6/2 is isolated!"}},
        RuleCase{"IsolatedPlains", {"PLA 3 4 FO"}, {"   Province is isolated!"}},
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
        RuleCase{"FaultAndLimitBothReported",
                 {"PLA 3 1 FO 3 1 CA"},
                 {"   Province 3/1 is a sea province!", "   Province 3/1 is a sea province!",
                  std::string("   Province 3/1") + limit}},
        RuleCase{"LowerCaseKeywordIsNotChecked", {"pla 0 0 FO", "Pla 0 0 FO"}, {}}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ProvinceOrders, ProvinceRulesTest,
    ::testing::Values(
        RuleCase{"DefenceOfIsolatedOwnProvince", {"DEF 3 4 F"}, {}},
        RuleCase{"DefenceTriples",
                 {"DEF 5 4 F 2 2 T 0 0 C"},
                 {"   You don't own province 5/4!", illegal}},
        RuleCase{"DefenceStopsAtXNotANumber", {"DEF 2 2 F F 0 0 0 0 F"}, {}},
        RuleCase{"KingsName", {"NAME Harald the Bold", "NAME", "NAME 7"}, {illegal}},
        RuleCase{"ProvinceNameForeign", {"NAME 5 4 Old Keep"}, {"   You don't own province 5/4!"}},
        RuleCase{"ProvinceNameIsolated", {"NAME 3 4 Keep"}, {"   Province is isolated!"}},
        RuleCase{"ProvinceNameIsolatedTown", {"NAME 6 2 Keep"}, {}},
        RuleCase{"CedeForeign", {"CEDE 5 4 3"}, {"   You don't own province 5/4!"}},
        RuleCase{"CedeIsolated", {"CEDE 3 4 3"}, {"   Province is isolated!"}},
        RuleCase{"BuildOwn", {"BUILD 2 2"}, {}},
        RuleCase{"BuildWithoutNumbers", {"BUILD x 2", "BUILD"}, {illegal, illegal}},
        RuleCase{"EspionageOfOwnProvince", {"ESP 2 2 5 4"}, {"   You own province 2/2!"}},
        RuleCase{"EspionagePairs", {"ESP 5 4 99 1 2 2 4 4"}, {illegal, "   You own province 2/2!"}},
        RuleCase{"EspionageStopsAtXNotANumber", {"ESP 5 4 x 5 2 2"}, {}},
        RuleCase{"AllianceIsNotChecked", {"ALL 0 0"}, {}}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(Placement, BooksUnitsForLaterOrders) {
    World w = MakeWorld();
    RunOrders(w, {"PLA 2 2 FO 3 1 SH 4 4 SH", "PLA 4 3 CA 0 0 FO 2 2 XX"});
    EXPECT_EQ(w.Map().GetFootSoldiers(2, 2), 1);
    EXPECT_EQ(w.Map().GetShips(3, 1), 1);       // booked although at sea
    EXPECT_EQ(w.Map().GetPlacedShips(4, 4), 1); // booked although inland
    EXPECT_EQ(w.changes.At(4, 3).placed[Castles], 1);
    EXPECT_EQ(w.changes.At(2, 2).placed[FootSoldiers], 1);
    EXPECT_EQ(w.changes.At(2, 2).placed[Ships], 0);
}

TEST(Placement, TribeKeyIsTheFirstNineCharactersInCapitals) {
    EXPECT_EQ(TribeKey("Haraldsons of the North"), "HARALDSON");
    EXPECT_EQ(TribeKey("eRic"), "ERIC");
    World w = MakeWorld();
    w.game.tribeName = "haraldSONS";
    w.Cell(2, 2).owner = "Haraldson";
    EXPECT_EQ(RunOrders(w, {"DEF 2 2 F"}), Messages{});
}

} // namespace
} // namespace orv::check
