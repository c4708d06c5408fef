#pragma once
// How a command dialog is set up for the command it opens with: the entries of its
// drop-down lists, which parts are shown and where its groups and buttons sit. The dialogs
// apply these each time they open, so nothing of an earlier use survives.

#include "core/move/catalogue.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orv::edit {

// TFormMoveC1: land and sea movements and raids.
struct MovementDialogSetup {
    std::vector<std::string> type1;      // "All", then the troop types with General
    std::vector<std::string> laterTypes; // the troop types with General, then an empty entry
    std::vector<std::string> tactics;    // land only: the tactics, then an empty entry
    std::vector<std::string> directions;
    bool tacticShown = false;
    int directionTop = 0;
    int buttonsTop = 0;
    int height = 0;
};

MovementDialogSetup SetupMovementDialog(move::CommandKind kind);

// TFormMoveC2: placements, defensive orders and espionage.
struct UnitsDialogSetup {
    std::array<std::string_view, 3> groupCaptions;
    std::string_view choiceLabel; // empty: the choice labels and lists are hidden
    bool provinceLabelsShown = false;
    std::vector<std::string> choices; // the same entries in all three lists
    struct Geometry {
        int groupHeight;
        int group2Top;
        int group3Top;
        int buttonsTop;
        int height;
    } geometry{};
};

UnitsDialogSetup SetupUnitsDialog(move::CommandKind kind);

// TFormMoveC5: cession shows the player field, a terrain change hides it.
struct ProvinceDialogSetup {
    bool playerShown = false;
    int buttonsTop = 0;
    int height = 0;
};

ProvinceDialogSetup SetupProvinceDialog(move::CommandKind kind);

// The alliance status entries of TFormMoveC4.
std::vector<std::string> StatusEntries();

} // namespace orv::edit
