#include "core/plan/planned_order.h"

#include "core/check/check_state.h"
#include "core/edit/read_back.h"
#include "core/move/codes.h"
#include "core/move/order.h"
#include "core/report/tokenizer.h"

#include <cstdint>

namespace orv::plan {

namespace {

// A number as the check reads it, in the tokenizer's notation.
std::optional<std::int32_t> NumberOf(std::string_view text) {
    const std::string_view word = report::TrimmedBlanks(text);
    if (!report::IsNumber(word)) {
        return std::nullopt;
    }
    return report::TextAsNumber(word);
}

} // namespace

std::optional<check::MoveKind> MoveKindOf(move::CommandKind kind) {
    for (const check::MoveKind moving :
         {check::MoveKind::LandMove, check::MoveKind::SeaMove, check::MoveKind::RaidMove}) {
        if (CommandOf(moving) == kind) {
            return moving;
        }
    }
    return std::nullopt;
}

std::optional<Movement> MovementOf(move::CommandKind kind, const edit::MovementFields& fields) {
    const std::optional<check::MoveKind> moveKind = MoveKindOf(kind);
    const std::optional<std::int32_t> x = NumberOf(fields.x);
    const std::optional<std::int32_t> y = NumberOf(fields.y);
    if (!moveKind || !x || !y) {
        return std::nullopt;
    }
    Movement movement{*moveKind, *x, *y, {}, {}};
    if (*moveKind == check::MoveKind::LandMove && !fields.tactic.empty()) {
        movement.tactic = move::TacticCode(fields.tactic);
    }
    // The groups as the composed order lists them: "All" in the first for all troops, else
    // each group with a count.
    std::size_t slot = 0;
    for (std::size_t i = 0; i < fields.troops.size(); ++i) {
        const edit::Troop& troop = fields.troops[i];
        if (i == 0 && troop.type == "All") {
            movement.troops[slot++] = {"AT", 0};
            continue;
        }
        if (report::TrimmedBlanks(troop.number).empty()) {
            continue;
        }
        const std::optional<std::int32_t> count = NumberOf(troop.number);
        if (!count) {
            return std::nullopt;
        }
        movement.troops[slot++] = {move::TroopCode(troop.type), *count};
    }
    return movement;
}

std::optional<MovementLine> MovementAtLine(const move::MoveList& move, std::size_t line) {
    if (!move.IsOrderLine(line)) {
        return std::nullopt;
    }
    std::optional<edit::EditedOrder> read = edit::ReadMoveOrder(move, line);
    // An order the dialog's fields do not hold whole would be planned as another order than
    // the one the check walks.
    if (read && !edit::DialogHoldsWhole(move::Order(move.RawLine(line)), *read)) {
        return std::nullopt;
    }
    auto* fields = read ? std::get_if<edit::MovementFields>(&read->fields) : nullptr;
    const std::optional<Movement> movement =
        fields != nullptr ? MovementOf(read->kind, *fields) : std::nullopt;
    if (!movement) {
        return std::nullopt;
    }
    return MovementLine{read->kind, std::move(*fields), *movement};
}

std::optional<std::string> Repathed(const report::Game& game, const move::MoveList& move,
                                    std::size_t line, int x, int y) {
    const std::optional<MovementLine> movement = MovementAtLine(move, line);
    if (!movement) {
        return std::nullopt;
    }
    const Reach reach = ReachOf(game, move, line, movement->movement);
    const std::optional<PlannedPath> path = CheapestPath(reach, x, y);
    if (!path || path->steps == 0) {
        return std::nullopt;
    }
    const move::Order order(move.RawLine(line));
    std::string text;
    for (int word = 1; word < order.DirectionsBegin() && word <= order.Size(); ++word) {
        text += order.Written(word);
        text += ' ';
    }
    text += path->directions;
    return text;
}

std::vector<move::CommandKind> ProvinceCommands(const report::Game& game, int x, int y) {
    using move::CommandKind;
    const report::TMap& map = game.map;
    if (!map.IsOnMap(x, y)) {
        return {};
    }
    const bool land = map.GetTerrain(x, y) != report::Terrain::Sea;
    const std::string owner = map.GetOwner(x, y);
    const bool own = !owner.empty() && owner == check::TribeKey(game.tribeName);
    std::vector<CommandKind> commands;
    if (own) {
        const auto has = [&](report::TroopKind kind) { return map.Troops(x, y, kind) > 0; };
        if (has(report::FootSoldiers) || has(report::Bowmen) || has(report::Horsemen) ||
            has(report::Generals)) {
            commands.insert(commands.end(),
                            {CommandKind::MoveThroughLand, CommandKind::RaidProvince});
        }
        if (has(report::Ships)) {
            commands.push_back(CommandKind::MoveThroughSea);
        }
    }
    if (land && own) {
        commands.insert(commands.end(), {CommandKind::PlaceUnits, CommandKind::GiveDefensiveOrders,
                                         CommandKind::NameProvince});
        if (game.options.buildOrderActive) {
            commands.push_back(CommandKind::ChangeTerrainType);
        }
        commands.push_back(CommandKind::CedeProvince);
    } else if (land) {
        commands.push_back(CommandKind::EspionageEnemyProvince);
    }
    return commands;
}

} // namespace orv::plan
