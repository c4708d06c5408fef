#include "core/edit/combo_choice.h"
#include "core/edit/dialog_setup.h"

#include <gtest/gtest.h>

namespace orv::edit {
namespace {

using move::CommandKind;
using Entries = std::vector<std::string>;

// Which lists and fields each dialog offers: "All" and the General only where troops
// move, an empty entry to take a later type or a tactic back, tactics only over land.
TEST(DialogSetup, ListsAndFieldsFollowTheCommand) {
    const MovementDialogSetup land = SetupMovementDialog(CommandKind::MoveThroughLand);
    EXPECT_EQ(land.type1,
              (Entries{"All", "Bowman", "Castle", "Foot soldier", "General", "Horseman", "Ship"}));
    EXPECT_EQ(land.laterTypes,
              (Entries{"Bowman", "Castle", "Foot soldier", "General", "Horseman", "Ship", ""}));
    EXPECT_TRUE(land.tacticShown);
    EXPECT_EQ(land.tactics.back(), "");
    EXPECT_FALSE(SetupMovementDialog(CommandKind::RaidProvince).tacticShown);

    const ProvinceGroupsSetup place = SetupProvinceGroupsDialog(CommandKind::PlaceUnits);
    EXPECT_EQ(SelectComboItem(place.choices, "General"), std::nullopt);
    EXPECT_TRUE(place.provinceLabelsShown);
    EXPECT_FALSE(
        SetupProvinceGroupsDialog(CommandKind::EspionageEnemyProvince).provinceLabelsShown);

    EXPECT_TRUE(SetupProvinceDialog(CommandKind::CedeProvince).playerShown);
    EXPECT_FALSE(SetupProvinceDialog(CommandKind::ChangeTerrainType).playerShown);
}

} // namespace
} // namespace orv::edit
