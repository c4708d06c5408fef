#pragma once
// How a command dialog is set up for the command it opens with: the entries of its
// drop-down lists, which parts are shown and the captions of its groups. The dialogs apply
// these each time they open, so nothing of an earlier use survives; where the parts sit is
// the window's business.

#include "core/move/catalogue.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orv::edit {

// The movement dialog: land and sea movements and raids.
struct MovementDialogSetup {
    std::vector<std::string> type1;      // "All", then the troop types with General
    std::vector<std::string> laterTypes; // the troop types with General, then an empty entry
    std::vector<std::string> tactics;    // land only: the tactics, then an empty entry
    std::vector<std::string> directions;
    bool tacticShown = false;
};

MovementDialogSetup SetupMovementDialog(move::CommandKind kind);

// The province-groups dialog: placements, defensive orders and espionage.
struct ProvinceGroupsSetup {
    std::array<std::string_view, 3> groupCaptions;
    std::string_view choiceLabel; // empty: the choice labels and lists are hidden
    bool provinceLabelsShown = false;
    std::vector<std::string> choices; // the same entries in all three lists
};

ProvinceGroupsSetup SetupProvinceGroupsDialog(move::CommandKind kind);

// The province dialog: cession shows the player field, a terrain change hides it.
struct ProvinceDialogSetup {
    bool playerShown = false;
};

ProvinceDialogSetup SetupProvinceDialog(move::CommandKind kind);

// The alliance status entries of the alliance dialog.
std::vector<std::string> StatusEntries();

} // namespace orv::edit
