#include "core/edit/dialog_setup.h"

#include "core/move/codes.h"

namespace orv::edit {

using move::CommandKind;

MovementDialogSetup SetupMovementDialog(CommandKind kind) {
    MovementDialogSetup setup;
    setup.type1.emplace_back("All");
    move::FillTroopTypes(setup.type1, true);
    move::FillTroopTypes(setup.laterTypes, true);
    setup.laterTypes.emplace_back();
    move::FillDirections(setup.directions);
    if (kind == CommandKind::MoveThroughLand) {
        move::FillTactics(setup.tactics);
        setup.tactics.emplace_back();
        setup.tacticShown = true;
    }
    return setup;
}

ProvinceGroupsSetup SetupProvinceGroupsDialog(CommandKind kind) {
    ProvinceGroupsSetup setup;
    switch (kind) {
    case CommandKind::PlaceUnits:
        setup.groupCaptions = {"Unit 1", "Unit 2 (optional)", "Unit 3 (optional)"};
        setup.choiceLabel = "Type:";
        move::FillTroopTypes(setup.choices, false);
        break;
    case CommandKind::GiveDefensiveOrders:
        setup.groupCaptions = {"Order 1", "Order 2 (optional)", "Order 3 (optional)"};
        setup.choiceLabel = "Tactic:";
        move::FillTactics(setup.choices);
        break;
    default:
        setup.groupCaptions = {"Province 1", "Province 2 (optional)", "Province 3 (optional)"};
        return setup;
    }
    setup.provinceLabelsShown = true;
    return setup;
}

ProvinceDialogSetup SetupProvinceDialog(CommandKind kind) {
    return {kind == CommandKind::CedeProvince};
}

std::vector<std::string> StatusEntries() {
    return {"0", "1", "2", "3", "4", "5"};
}

} // namespace orv::edit
