#include "core/edit/combo_choice.h"
#include "core/edit/validate.h"
#include "edit_fixtures.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using namespace testing;
using enum FieldName;

struct Validation {
    const char* name;
    CommandKind kind;
    OrderFields fields;
    const char* message; // nullptr: accepted
    FieldName field = X; // the field the message is about, in troop or group `index`
    int index = 0;
};

class ValidationTable : public ::testing::TestWithParam<Validation> {};

TEST_P(ValidationTable, GivesTheFirstFailedCheckAndItsField) {
    const Validation& v = GetParam();
    EXPECT_EQ(ValidateOrderFields(v.kind, v.fields),
              v.message ? std::optional(FieldError{v.message, {v.field, v.index}}) : std::nullopt);
}

constexpr CommandKind Land = CommandKind::MoveThroughLand;
constexpr CommandKind Raid = CommandKind::RaidProvince;
constexpr const char* TroopAndNumber = "You have to enter a troop type AND a number!";
const Troop Bowmen{"5", "Bowman"};

INSTANTIATE_TEST_SUITE_P(
    Movement, ValidationTable,
    ::testing::Values(
        Validation{"Complete", Land,
                   Movement("3", "4", "Outflank", {{"5", "Foot soldier"}, {"3", "Bowman"}}, "N E"),
                   nullptr},
        Validation{"AllWithoutNumber", Raid, Movement("3", "4", "", {{"", "All"}}, "n no e"),
                   nullptr},
        Validation{"ProvinceBeforeDirection", Land, Movement("3", "", "", {Bowmen}, ""),
                   "You have to enter a province!", Y},
        Validation{"NoDirection", Land, Movement("3", "4", "", {Bowmen}, ""),
                   "You have to enter a direction!", Direction},
        Validation{"NumberWithoutType", Land, Movement("3", "4", "", {{"5", ""}}, "N"),
                   TroopAndNumber, TroopType},
        Validation{"TypeWithoutNumber", Land, Movement("3", "4", "", {{"", "Bowman"}}, "N"),
                   TroopAndNumber, TroopNumber},
        Validation{"ThirdTypeWithoutNumber", Land,
                   Movement("3", "4", "", {Bowmen, {}, {"", "Ship"}}, "N"), TroopAndNumber,
                   TroopNumber, 2},
        Validation{"EmptyFirstTroopUnderASecond", Land, Movement("3", "4", "", {{}, Bowmen}, "N"),
                   TroopAndNumber, TroopNumber},
        Validation{"NoTroops", Land, Movement("3", "4", "", {}, "N"),
                   "You have to enter at least one troop type!", TroopType},
        Validation{"CoordinateNotANumber", Land, Movement("3", "4a", "", {Bowmen}, "N"),
                   "The X- and Y-coordinate of the province has to be a number!", Y},
        Validation{"DirectionNotAWord", Land, Movement("3", "4", "", {Bowmen}, "N NE"),
                   "Direction string is invalid!", Direction},
        Validation{"AllWithNumber", Land, Movement("3", "4", "", {{"5", "All"}}, "N"),
                   "Do not specify a number, if you select \"ALL\" as a troop type!", TroopNumber}),
    [](const ::testing::TestParamInfo<Validation>& info) { return info.param.name; });

constexpr CommandKind Place = CommandKind::PlaceUnits;
constexpr CommandKind Defend = CommandKind::GiveDefensiveOrders;
constexpr CommandKind Spy = CommandKind::EspionageEnemyProvince;
constexpr const char* Coordinates = "The X- and Y-coordinate of the provinces has to be a number!";

INSTANTIATE_TEST_SUITE_P(
    Groups, ValidationTable,
    ::testing::Values(
        Validation{"PlaceFirstAndThird", Place,
                   Groups({{"1", "1", "Bowman"}, {}, {"3", "3", "Ship"}}), nullptr},
        Validation{"NoFirstProvince", Spy, Groups({{"1", "", ""}, {"2", "2", ""}}),
                   "You have to enter at least one province!", Y},
        Validation{"SecondCoordinateNotANumber", Spy, Groups({{"1", "1", ""}, {"4a", "2", ""}}),
                   Coordinates, X, 1},
        Validation{"SpyHalfAProvincePasses", Spy, Groups({{"1", "1", ""}, {"4", "", ""}}), nullptr},
        Validation{"PlaceWithoutFirstType", Place, Groups({{"1", "1", ""}, {"2", "2", "Ship"}}),
                   "You have to enter at least one troop type!", Choice},
        Validation{"PlaceSecondWithoutType", Place, Groups({{"1", "1", "Ship"}, {"2", "2", ""}}),
                   "You have to specify an X-coordinate AND an Y-coordinate AND a troop type for "
                   "unit 2!",
                   Choice, 1},
        Validation{"PlaceThirdWithoutY", Place,
                   Groups({{"1", "1", "Ship"}, {}, {"3", "", "Castle"}}),
                   "You have to specify an X-coordinate AND an Y-coordinate AND a troop type for "
                   "unit 3!",
                   Y, 2},
        Validation{"DefendWithoutFirstTactic", Defend,
                   Groups({{"1", "1", ""}, {"2", "2", "Outflank"}}),
                   "You have to enter at least one tactic!", Choice},
        Validation{"DefendSecondWithoutX", Defend,
                   Groups({{"1", "1", "Outflank"}, {"", "2", "Outflank"}}),
                   "You have to specify an X-coordinate AND an Y-coordinate AND a tactic for "
                   "order 2!",
                   X, 1}),
    [](const ::testing::TestParamInfo<Validation>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Small, ValidationTable,
    ::testing::Values(
        Validation{"NameProvinceWithoutY", CommandKind::NameProvince, NamingFields{"1", "", "Keep"},
                   "You have to enter a province!", Y},
        Validation{"NameProvinceBadX", CommandKind::NameProvince, NamingFields{"x", "1", "Keep"},
                   Coordinates, X},
        Validation{"NameProvinceWithoutName", CommandKind::NameProvince, NamingFields{"1", "1", ""},
                   "You have to enter a new name for the province!", Name},
        Validation{"AllianceWithoutStatus", CommandKind::AlterAllianceStatus,
                   AllianceFields{"3", ""}, "You have to enter a player number AND a status!",
                   Status},
        Validation{"AlliancePickedEntryNotCut", CommandKind::AlterAllianceStatus,
                   AllianceFields{"3 - Vikings", "2"}, "Player number is no number!", Player},
        Validation{"AllianceStatusNotANumber", CommandKind::AlterAllianceStatus,
                   AllianceFields{"12", "x"}, "Status has to be a number!", Status},
        Validation{"CedeWithoutPlayer", CommandKind::CedeProvince, ProvinceFields{"1", "1", ""},
                   "You have to enter a player number to cede the province to!", Player},
        Validation{"CedePlayerNotANumber", CommandKind::CedeProvince, ProvinceFields{"1", "1", "x"},
                   "The player number is no number!", Player},
        Validation{"BuildNeedsNoPlayer", CommandKind::ChangeTerrainType,
                   ProvinceFields{"1", "1", ""}, nullptr},
        Validation{"BuildBadY", CommandKind::ChangeTerrainType, ProvinceFields{"1", "1b", ""},
                   Coordinates, Y},
        Validation{"KingWithoutName", CommandKind::NameKing, King(""),
                   "You have to enter a name for the queen/king!", Name},
        Validation{"EmptyMessage", CommandKind::SendMessages, MessageFields{""},
                   "You have to enter a message!", Text}),
    [](const ::testing::TestParamInfo<Validation>& info) { return info.param.name; });

TEST(AppendDirection, BuildsLettersSeparatedByBlanks) {
    EXPECT_EQ(AppendDirection(AppendDirection(AppendDirection("", "North"), "North"), "East"),
              "N N E");
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
}

} // namespace
} // namespace orv::edit
