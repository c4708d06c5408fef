#include "core/edit/read_back.h"

#include "core/edit/compose.h"
#include "core/move/codes.h"
#include "core/report/tokenizer.h"

namespace orv::edit {

namespace {

using move::CommandKind;
using move::Order;

// A name made from a word, or the empty text for a missing word, so a missing troop or
// tactic leaves its drop-down list unselected rather than naming "?".
template <typename Name> std::string NameOf(std::string_view word, Name name) {
    return word.empty() ? std::string() : std::string(name(word));
}

// The singular troop name the type lists hold, or empty for a missing word.
std::string TroopType(std::string_view word) {
    return NameOf(word, [](std::string_view w) { return move::TroopName(w, false); });
}

// The troops of a movement: "All" for all troops, then the pairs; the dialog holds three.
void ReadTroops(MovementFields& f, const Order& o) {
    std::size_t slot = 0;
    if (o.AllTroops()) {
        f.troops[slot++].type = "All";
    }
    for (int i = 0; i < o.PairCount() && slot < f.troops.size(); ++i, ++slot) {
        const int code = o.PairsBegin() + 2 * i;
        f.troops[slot] = {std::string(o.Word(code + 1)), TroopType(o.Word(code))};
    }
}

EditedOrder Movement(CommandKind kind, const Order& o) {
    MovementFields f;
    f.x = o.Word(2);
    f.y = o.Word(3);
    if (o.TacticWord() != 0) {
        f.tactic = move::TacticName(o.Word(o.TacticWord()));
    }
    ReadTroops(f, o);
    f.direction = report::TrimmedBlanks(o.RestFrom(o.DirectionsBegin()));
    return {kind, std::move(f)};
}

// DEF and PLA: three groups of x, y and a named choice; ESP: three of x and y.
template <typename Name> EditedOrder Groups(CommandKind kind, const Order& o, Name name) {
    ProvinceGroups f;
    for (int group = 0; group < 3; ++group) {
        const Order::Group at = o.GroupAt(group);
        ProvinceGroup& g = f.groups[static_cast<std::size_t>(group)];
        g.x = o.Word(at.x);
        g.y = o.Word(at.x + 1);
        if (at.choice != 0) {
            g.choice = name(o.Word(at.choice));
            // A choice that names nothing leaves the optional groups unselected.
            if (group > 0 && g.choice == "?") {
                g.choice.clear();
            }
        }
    }
    return {kind, std::move(f)};
}

} // namespace

std::optional<EditedOrder> ReadOrder(const Order& o) {
    const std::optional<CommandKind> kind = o.Kind();
    if (!kind) {
        return std::nullopt;
    }
    const auto troop = [](std::string_view word) { return TroopType(word); };
    const auto tactic = [](std::string_view word) { return NameOf(word, move::TacticName); };
    const std::string name(report::TrimmedBlanks(o.Name()));
    switch (*kind) {
    case CommandKind::MoveThroughLand:
    case CommandKind::MoveThroughSea:
    case CommandKind::RaidProvince:
        return Movement(*kind, o);
    case CommandKind::PlaceUnits:
        return Groups(*kind, o, troop);
    case CommandKind::GiveDefensiveOrders:
        return Groups(*kind, o, tactic);
    case CommandKind::EspionageEnemyProvince:
        return Groups(*kind, o, troop);
    case CommandKind::NameProvince:
        return EditedOrder{*kind,
                           NamingFields{std::string(o.Word(2)), std::string(o.Word(3)), name}};
    case CommandKind::NameKing:
        return EditedOrder{*kind, NamingFields{{}, {}, name}};
    case CommandKind::ChangeTerrainType:
        return EditedOrder{*kind,
                           ProvinceFields{std::string(o.Word(2)), std::string(o.Word(3)), {}}};
    case CommandKind::CedeProvince:
        return EditedOrder{*kind, ProvinceFields{std::string(o.Word(2)), std::string(o.Word(3)),
                                                 std::string(o.Word(o.PlayerWord()))}};
    case CommandKind::AlterAllianceStatus:
        return EditedOrder{*kind, AllianceFields{std::string(o.Word(o.PlayerWord())),
                                                 std::string(o.Word(o.StatusWord()))}};
    case CommandKind::SendMessages:
        break;
    }
    return std::nullopt;
}

std::optional<EditedOrder> ReadOrderLine(std::string_view line) {
    return ReadOrder(Order(line));
}

std::optional<EditedOrder> ReadMoveOrder(const move::MoveList& move, std::size_t i) {
    return ReadOrderLine(move.Order(i).raw);
}

bool DialogHoldsWhole(const Order& order, const EditedOrder& read) {
    return move::SameOrderWords(order.Line(),
                                ComposeLine(read.kind, read.fields, move::DisplayForm::Raw));
}

std::string MessageBlockText(const move::MoveList& move, std::size_t first) {
    std::string text;
    std::size_t i = 0;
    const std::size_t from = move.MessageIndex(first);
    for (const std::string_view message : move.Messages()) {
        if (i++ >= from) {
            text += message;
            text += "\r\n";
        }
    }
    return text;
}

} // namespace orv::edit
