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

    // Without the tactic group the lower part moves up by its height.
    const MovementDialogSetup raid = SetupMovementDialog(CommandKind::RaidProvince);
    EXPECT_FALSE(raid.tacticShown);
    EXPECT_TRUE(raid.tactics.empty());
    EXPECT_EQ(land.directionTop - raid.directionTop, land.height - raid.height);
    EXPECT_EQ(land.buttonsTop - raid.buttonsTop, land.height - raid.height);
}

TEST(DialogSetup, UnitsDialogPerCommand) {
    const UnitsDialogSetup place = SetupUnitsDialog(CommandKind::PlaceUnits);
    EXPECT_EQ(SelectComboItem(place.choices, "General"), std::nullopt);
    EXPECT_EQ(place.choices.size(), 5U);
    EXPECT_EQ(SetupUnitsDialog(CommandKind::GiveDefensiveOrders).groupCaptions[1],
              "Order 2 (optional)");

    const UnitsDialogSetup spy = SetupUnitsDialog(CommandKind::EspionageEnemyProvince);
    EXPECT_TRUE(spy.choiceLabel.empty());
    EXPECT_TRUE(spy.choices.empty());
    EXPECT_FALSE(spy.provinceLabelsShown);
    EXPECT_EQ(spy.geometry.height, 245);
}

TEST(DialogSetup, TerrainChangeHidesThePlayer) {
    EXPECT_TRUE(SetupProvinceDialog(CommandKind::CedeProvince).playerShown);
    EXPECT_FALSE(SetupProvinceDialog(CommandKind::ChangeTerrainType).playerShown);
    EXPECT_EQ(StatusEntries(), (Entries{"0", "1", "2", "3", "4", "5"}));
}

} // namespace
} // namespace orv::edit
