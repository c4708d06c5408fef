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
        setup.directionTop = 344;
        setup.buttonsTop = 424;
        setup.height = 481;
    } else {
        // The direction group moves up into the place of the tactic group.
        setup.directionTop = 296;
        setup.buttonsTop = 376;
        setup.height = 433;
    }
    return setup;
}

UnitsDialogSetup SetupUnitsDialog(CommandKind kind) {
    UnitsDialogSetup setup;
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
        setup.geometry = {42, 81, 130, 187, 245};
        return setup;
    }
    setup.provinceLabelsShown = true;
    setup.geometry = {65, 104, 176, 256, 314};
    return setup;
}

ProvinceDialogSetup SetupProvinceDialog(CommandKind kind) {
    if (kind == CommandKind::CedeProvince) {
        return {true, 119, 177};
    }
    return {false, 84, 142};
}

std::vector<std::string> StatusEntries() {
    return {"0", "1", "2", "3", "4", "5"};
}

} // namespace orv::edit
