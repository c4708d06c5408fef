#include "core/edit/combo_choice.h"
#include "core/edit/dialog_setup.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using Entries = std::vector<std::string>;

TEST(DialogSetup, MovementListsOfferAllAndAWayToTakeATypeBack) {
    const MovementDialogSetup land = SetupMovementDialog(CommandKind::MoveThroughLand);
    EXPECT_EQ(land.type1,
              (Entries{"All", "Bowman", "Castle", "Foot soldier", "General", "Horseman", "Ship"}));
    EXPECT_EQ(land.laterTypes.back(), "");
    EXPECT_EQ(land.tactics.back(), "");
    EXPECT_EQ(land.directions, (Entries{"North", "East", "South", "West"}));

    const MovementDialogSetup raid = SetupMovementDialog(CommandKind::RaidProvince);
    EXPECT_FALSE(raid.tacticShown);
    EXPECT_TRUE(raid.tactics.empty());
}

TEST(DialogSetup, ProvinceGroupsPerCommand) {
    const ProvinceGroupsSetup place = SetupProvinceGroupsDialog(CommandKind::PlaceUnits);
    EXPECT_EQ(SelectComboItem(place.choices, "General"), std::nullopt);
    EXPECT_EQ(place.choices.size(), 5U);
    EXPECT_EQ(SetupProvinceGroupsDialog(CommandKind::GiveDefensiveOrders).groupCaptions[1],
              "Order 2 (optional)");

    const ProvinceGroupsSetup spy = SetupProvinceGroupsDialog(CommandKind::EspionageEnemyProvince);
    EXPECT_TRUE(spy.choiceLabel.empty());
    EXPECT_TRUE(spy.choices.empty());
    EXPECT_FALSE(spy.provinceLabelsShown);
}

TEST(DialogSetup, TerrainChangeHidesThePlayer) {
    EXPECT_TRUE(SetupProvinceDialog(CommandKind::CedeProvince).playerShown);
    EXPECT_FALSE(SetupProvinceDialog(CommandKind::ChangeTerrainType).playerShown);
    EXPECT_EQ(StatusEntries(), (Entries{"0", "1", "2", "3", "4", "5"}));
}

} // namespace
} // namespace orv::edit
