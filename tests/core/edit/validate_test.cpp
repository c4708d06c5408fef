#include "core/edit/combo_choice.h"
#include "core/edit/validate.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using testing::Fields;

struct Validation {
    const char* name;
    CommandKind kind;
    OrderFields fields;
    const char* message; // nullptr: accepted
};

class ValidationTable : public ::testing::TestWithParam<Validation> {};

TEST_P(ValidationTable, GivesTheFirstFailedCheck) {
    const Validation& v = GetParam();
    const auto message = ValidateOrderFields(v.kind, v.fields);
    if (v.message) {
        EXPECT_EQ(message, v.message);
    } else {
        EXPECT_EQ(message, std::nullopt);
    }
}

constexpr CommandKind Land = CommandKind::MoveThroughLand;
constexpr CommandKind Raid = CommandKind::RaidProvince;
constexpr const char* TroopAndNumber = "You have to enter a troop type AND a number!";

INSTANTIATE_TEST_SUITE_P(
    Movement, ValidationTable,
    ::testing::Values(
        Validation{
            "Complete", Land,
            Fields({"3", "4", "5", "Foot soldier", "3", "Bowman", "", "", "Outflank", "N E"}),
            nullptr},
        Validation{"AllWithoutNumber", Raid,
                   Fields({"3", "4", "", "All", "", "", "", "", "", "n no e"}), nullptr},
        Validation{"ProvinceBeforeDirection", Land, Fields({"", "4", "5", "Bowman"}),
                   "You have to enter a province!"},
        Validation{"NoDirection", Land, Fields({"3", "4", "5", "Bowman"}),
                   "You have to enter a direction!"},
        Validation{"NumberWithoutType", Land, Fields({"3", "4", "5", "", "", "", "", "", "", "N"}),
                   TroopAndNumber},
        Validation{"TypeWithoutNumber", Land,
                   Fields({"3", "4", "", "Bowman", "", "", "", "", "", "N"}), TroopAndNumber},
        Validation{"ThirdTypeWithoutNumber", Land,
                   Fields({"3", "4", "5", "Bowman", "", "", "", "Ship", "", "N"}), TroopAndNumber},
        Validation{"EmptyFirstTroopUnderASecond", Land,
                   Fields({"3", "4", "", "", "2", "Bowman", "", "", "", "N"}), TroopAndNumber},
        Validation{"EmptyFirstTroopUnderAThird", Raid,
                   Fields({"3", "4", "", "", "", "", "2", "Bowman", "", "N"}), TroopAndNumber},
        Validation{"NoTroops", Land, Fields({"3", "4", "", "", "", "", "", "", "", "N"}),
                   "You have to enter at least one troop type!"},
        Validation{"CoordinateNotANumber", Land,
                   Fields({"3a", "4", "5", "Bowman", "", "", "", "", "", "N"}),
                   "The X- and Y-coordinate of the province has to be a number!"},
        Validation{"DirectionNotAWord", Land,
                   Fields({"3", "4", "5", "Bowman", "", "", "", "", "", "N NE"}),
                   "Direction string is invalid!"},
        Validation{"AllWithNumber", Land, Fields({"3", "4", "5", "All", "", "", "", "", "", "N"}),
                   "Do not specify a number, if you select \"ALL\" as a troop type!"}),
    [](const ::testing::TestParamInfo<Validation>& info) { return info.param.name; });

constexpr CommandKind Place = CommandKind::PlaceUnits;
constexpr CommandKind Defend = CommandKind::GiveDefensiveOrders;
constexpr CommandKind Spy = CommandKind::EspionageEnemyProvince;
constexpr const char* Coordinates = "The X- and Y-coordinate of the provinces has to be a number!";

INSTANTIATE_TEST_SUITE_P(
    Groups, ValidationTable,
    ::testing::Values(
        Validation{"PlaceFirstAndThird", Place,
                   Fields({"1", "1", "Bowman", "", "", "", "3", "3", "Ship"}), nullptr},
        Validation{"NoFirstProvince", Spy, Fields({"1", "", "", "2", "2"}),
                   "You have to enter at least one province!"},
        Validation{"SecondCoordinateNotANumber", Spy, Fields({"1", "1", "", "4a", "2"}),
                   Coordinates},
        Validation{"SpyHalfAProvincePasses", Spy, Fields({"1", "1", "", "4"}), nullptr},
        Validation{"PlaceWithoutFirstType", Place, Fields({"1", "1", "", "2", "2", "Ship"}),
                   "You have to enter at least one troop type!"},
        Validation{"PlaceSecondWithoutType", Place, Fields({"1", "1", "Ship", "2", "2", ""}),
                   "You have to specify an X-coordinate AND an Y-coordinate AND a troop type for "
                   "unit 2!"},
        Validation{"PlaceThirdWithoutY", Place,
                   Fields({"1", "1", "Ship", "", "", "", "3", "", "Castle"}),
                   "You have to specify an X-coordinate AND an Y-coordinate AND a troop type for "
                   "unit 3!"},
        Validation{"DefendWithoutFirstTactic", Defend, Fields({"1", "1", "", "2", "2", "Outflank"}),
                   "You have to enter at least one tactic!"},
        Validation{"DefendSecondWithoutX", Defend,
                   Fields({"1", "1", "Outflank", "", "2", "Outflank"}),
                   "You have to specify an X-coordinate AND an Y-coordinate AND a tactic for "
                   "order 2!"}),
    [](const ::testing::TestParamInfo<Validation>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Small, ValidationTable,
    ::testing::Values(
        Validation{"NameProvinceWithoutY", CommandKind::NameProvince, Fields({"1", "", "Keep"}),
                   "You have to enter a province!"},
        Validation{"NameProvinceBadX", CommandKind::NameProvince, Fields({"x", "1", "Keep"}),
                   Coordinates},
        Validation{"NameProvinceWithoutName", CommandKind::NameProvince, Fields({"1", "1", ""}),
                   "You have to enter a new name for the province!"},
        Validation{"AllianceWithoutStatus", CommandKind::AlterAllianceStatus, Fields({"3", ""}),
                   "You have to enter a player number AND a status!"},
        Validation{"AlliancePickedEntryNotCut", CommandKind::AlterAllianceStatus,
                   Fields({"3 - Vikings", "2"}), "Player number is no number!"},
        Validation{"AllianceStatusNotANumber", CommandKind::AlterAllianceStatus,
                   Fields({"12", "x"}), "Status has to be a number!"},
        Validation{"AllianceAnyPlayerNumber", CommandKind::AlterAllianceStatus, Fields({"12", "5"}),
                   nullptr},
        Validation{"CedeWithoutPlayer", CommandKind::CedeProvince, Fields({"1", "1", ""}),
                   "You have to enter a player number to cede the province to!"},
        Validation{"CedePlayerNotANumber", CommandKind::CedeProvince, Fields({"1", "1", "x"}),
                   "The player number is no number!"},
        Validation{"BuildNeedsNoPlayer", CommandKind::ChangeTerrainType, Fields({"1", "1", ""}),
                   nullptr},
        Validation{"BuildBadY", CommandKind::ChangeTerrainType, Fields({"1", "1b"}), Coordinates},
        Validation{"KingWithoutName", CommandKind::NameKing, Fields({""}),
                   "You have to enter a name for the queen/king!"},
        Validation{"EmptyMessage", CommandKind::SendMessages, Fields({""}),
                   "You have to enter a message!"}),
    [](const ::testing::TestParamInfo<Validation>& info) { return info.param.name; });

TEST(AppendDirection, BuildsLettersSeparatedByBlanks) {
    std::string text;
    for (const char* entry : {"North", "North", "East"}) {
        text = AppendDirection(text, entry);
    }
    EXPECT_EQ(text, "N N E");
    EXPECT_EQ(AppendDirection("n", ""), "n ");
}

TEST(PlayerNumberText, KeepsThePartBeforeTheFirstBlank) {
    EXPECT_EQ(PlayerNumberText("3 - Vikings of the North"), "3");
    EXPECT_EQ(PlayerNumberText("12"), "12");
    EXPECT_EQ(PlayerNumberText(" 4"), "");
}

TEST(SelectComboItem, MatchesTheWholeTextWithCase) {
    const std::vector<std::string> types{"All", "Bowman", "Castle", "Bowman", ""};
    EXPECT_EQ(SelectComboItem(types, "Bowman"), 1U);
    EXPECT_EQ(SelectComboItem(types, ""), 4U);
    EXPECT_EQ(SelectComboItem(types, "bowman"), std::nullopt);
    EXPECT_EQ(SelectComboItem(types, "Bow"), std::nullopt);
    EXPECT_EQ(SelectComboItem(types, "?"), std::nullopt);
}

} // namespace
} // namespace orv::edit
