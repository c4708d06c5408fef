#pragma once
// The fixed vocabulary of orders: the twelve command kinds with their captions in both
// display forms, raw keywords, help topics, dialogs and places in the commands list.

#include "core/move/display_form.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::move {

enum class CommandKind {
    AlterAllianceStatus,
    CedeProvince,
    ChangeTerrainType,
    EspionageEnemyProvince,
    GiveDefensiveOrders,
    MoveThroughLand,
    MoveThroughSea,
    NameKing,
    NameProvince,
    PlaceUnits,
    RaidProvince,
    SendMessages,
};

inline constexpr std::size_t CommandKindCount = 12;

// The dialog that composes an order of a command kind, by its role.
enum class CommandDialog {
    Movement,       // land and sea movements, raids
    ProvinceGroups, // placements, defensive orders, espionage
    NameProvince,
    Alliance,
    Province, // cession, terrain change
    NameKing,
    Message,
};

struct CommandInfo {
    CommandKind kind;
    std::string_view naturalCaption;
    std::string_view rawCaption;
    std::string_view keyword; // empty for SendMessages
    int helpTopic;
    CommandDialog dialog;
    int positionNatural; // place in the commands list in natural form, from 0
    int positionRaw;     // place in the commands list in raw form, from 0
};

// One row per command kind, in the order of CommandKind.
const std::array<CommandInfo, CommandKindCount>& CommandCatalogue();

const CommandInfo& InfoOf(CommandKind kind);

// The caption of a command kind in a display form.
std::string_view CommandCaption(CommandKind kind, DisplayForm form);

// The twelve captions in the order the commands list shows them in that form.
std::vector<std::string> CommandCaptions(DisplayForm form);

// The command kind at a place of the commands list shown in a form; none outside 0..11.
std::optional<CommandKind> CommandAtPosition(DisplayForm form, int position);

} // namespace orv::move
