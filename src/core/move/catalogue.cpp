#include "core/move/catalogue.h"

namespace orv::move {

namespace {

using enum CommandKind;

constexpr std::array<CommandInfo, CommandKindCount> Rows{{
    {AlterAllianceStatus, "Alter Alliance Status", "ALL   (Alter Alliance Status)", "ALL", 110,
     CommandDialog::Alliance, 0, 0},
    {CedeProvince, "Cede Province", "CEDE  (Cede Province)", "CEDE", 120, CommandDialog::Province,
     1, 2},
    {ChangeTerrainType, "Change Terrain Type", "BUILD (Change Terrain Type)", "BUILD", 220,
     CommandDialog::Province, 2, 1},
    {EspionageEnemyProvince, "Espionage Enemy Province", "ESP   (Espionage Enemy Province)", "ESP",
     130, CommandDialog::ProvinceGroups, 3, 4},
    {GiveDefensiveOrders, "Give Defensive Orders", "DEF   (Give Defensive Orders)", "DEF", 140,
     CommandDialog::ProvinceGroups, 4, 3},
    {MoveThroughLand, "Move Through Land", "LAND  (Move Through Land)", "LAND", 150,
     CommandDialog::Movement, 5, 5},
    {MoveThroughSea, "Move Through Sea", "SEA   (Move Through Sea)", "SEA", 200,
     CommandDialog::Movement, 6, 10},
    {NameKing, "Name King", "NAME  (Name King)", "NAME", 160, CommandDialog::NameKing, 7, 6},
    {NameProvince, "Name Province", "NAME  (Name Province)", "NAME", 170,
     CommandDialog::NameProvince, 8, 7},
    {PlaceUnits, "Place Units", "PLA   (Place Units)", "PLA", 180, CommandDialog::ProvinceGroups, 9,
     8},
    {RaidProvince, "Raid Province", "RAID  (Raid Province)", "RAID", 190, CommandDialog::Movement,
     10, 9},
    {SendMessages, "Send Message(s)", "      (Send Message(s))", "", 210, CommandDialog::Message,
     11, 11},
}};

int PositionIn(const CommandInfo& info, DisplayForm form) {
    return form == DisplayForm::Natural ? info.positionNatural : info.positionRaw;
}

} // namespace

const std::array<CommandInfo, CommandKindCount>& CommandCatalogue() {
    return Rows;
}

const CommandInfo& InfoOf(CommandKind kind) {
    return Rows[static_cast<std::size_t>(kind)];
}

std::string_view CommandCaption(CommandKind kind, DisplayForm form) {
    const CommandInfo& info = InfoOf(kind);
    return form == DisplayForm::Natural ? info.naturalCaption : info.rawCaption;
}

std::vector<std::string> CommandCaptions(DisplayForm form) {
    std::vector<std::string> captions(CommandKindCount);
    for (const CommandInfo& info : Rows) {
        captions[static_cast<std::size_t>(PositionIn(info, form))] =
            std::string(CommandCaption(info.kind, form));
    }
    return captions;
}

std::optional<CommandKind> CommandAtPosition(DisplayForm form, int position) {
    for (const CommandInfo& info : Rows) {
        if (PositionIn(info, form) == position) {
            return info.kind;
        }
    }
    return std::nullopt;
}

} // namespace orv::move
