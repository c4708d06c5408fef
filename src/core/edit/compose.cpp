#include "core/edit/compose.h"

#include "core/move/codes.h"

#include <algorithm>

namespace orv::edit {

namespace {

using move::CommandKind;

// Raw words joined with single blanks after the keyword.
class RawWords {
  public:
    explicit RawWords(std::string_view keyword) : out_(keyword) {}
    RawWords& Add(std::string_view value) {
        out_ += ' ';
        out_ += value;
        return *this;
    }
    std::string Take() { return std::move(out_); }

  private:
    std::string out_;
};

// Troop groups of a movement: "AT" for all troops, else code and count; the second and
// third group only when their number is given.
void AddRawTroops(RawWords& words, const MovementFields& f) {
    const Troop& first = f.troops[0];
    if (first.type == "All") {
        words.Add("AT");
    } else {
        words.Add(move::TroopCode(first.type)).Add(first.number);
    }
    for (std::size_t i = 1; i < f.troops.size(); ++i) {
        if (!f.troops[i].number.empty()) {
            words.Add(move::TroopCode(f.troops[i].type)).Add(f.troops[i].number);
        }
    }
}

std::string RawMovement(std::string_view keyword, const MovementFields& f, bool withTactic) {
    RawWords words(keyword);
    words.Add(f.x).Add(f.y);
    if (withTactic && !f.tactic.empty()) {
        words.Add(move::TacticCode(f.tactic));
    }
    AddRawTroops(words, f);
    return words.Add(f.direction).Take();
}

// DEF, ESP and PLA: groups of X, Y and (except for ESP) a coded choice; the second and
// third group each only when its X is given.
using Code = std::string (*)(std::string_view);

std::string RawGroups(std::string_view keyword, const ProvinceGroups& f, Code code) {
    RawWords words(keyword);
    for (std::size_t i = 0; i < f.groups.size(); ++i) {
        const ProvinceGroup& group = f.groups[i];
        if (i > 0 && group.x.empty()) {
            continue;
        }
        words.Add(group.x).Add(group.y);
        if (code) {
            words.Add(code(group.choice));
        }
    }
    return words.Take();
}

std::string ComposeRaw(CommandKind kind, const OrderFields& fields) {
    const auto& movement = FieldsOf<MovementFields>(fields);
    const auto& groups = FieldsOf<ProvinceGroups>(fields);
    const auto& naming = FieldsOf<NamingFields>(fields);
    const auto& province = FieldsOf<ProvinceFields>(fields);
    const auto& alliance = FieldsOf<AllianceFields>(fields);
    switch (kind) {
    case CommandKind::MoveThroughLand:
        return RawMovement("LAND", movement, true);
    case CommandKind::MoveThroughSea:
        return RawMovement("SEA", movement, false);
    case CommandKind::RaidProvince:
        return RawMovement("RAID", movement, false);
    case CommandKind::PlaceUnits:
        return RawGroups("PLA", groups, &move::TroopCode);
    case CommandKind::GiveDefensiveOrders:
        return RawGroups("DEF", groups, &move::TacticCode);
    case CommandKind::EspionageEnemyProvince:
        return RawGroups("ESP", groups, nullptr);
    case CommandKind::NameProvince:
        return RawWords("NAME").Add(naming.x).Add(naming.y).Add(naming.name).Take();
    case CommandKind::NameKing:
        return "NAME " + naming.name;
    case CommandKind::AlterAllianceStatus:
        return RawWords("ALL").Add(alliance.player).Add(alliance.status).Take();
    case CommandKind::ChangeTerrainType:
        return RawWords("BUILD").Add(province.x).Add(province.y).Take();
    case CommandKind::CedeProvince:
        return RawWords("CEDE").Add(province.x).Add(province.y).Add(province.player).Take();
    case CommandKind::SendMessages:
        break;
    }
    return {};
}

std::string TroopPhrase(const Troop& troop) {
    return troop.number + " " + move::TroopName(move::TroopCode(troop.type), troop.number != "1") +
           " ";
}

// "5 Bowmen and 3 Horsemen " or "all troops ", each phrase ending in a blank.
std::string NaturalTroops(const MovementFields& f) {
    std::string out = f.troops[0].type == "All" ? "all troops " : TroopPhrase(f.troops[0]);
    for (std::size_t i = 1; i < f.troops.size(); ++i) {
        if (!f.troops[i].number.empty()) {
            out += "and " + TroopPhrase(f.troops[i]);
        }
    }
    return out;
}

std::string NaturalMovement(std::string_view start, const MovementFields& f, bool withTactic) {
    std::string out(start);
    out += NaturalTroops(f);
    if (withTactic && !f.tactic.empty()) {
        out += "and tactic " + f.tactic + " ";
    }
    return out + "from province " + f.x + " / " + f.y + " to " + move::DirectionWords(f.direction);
}

// A natural sentence names groups in order, so a third group given without a second one
// takes the second place, as the conversion of the raw line would have it.
ProvinceGroups CloseGroupGap(ProvinceGroups f) {
    if (f.groups[1].x.empty() && !f.groups[2].x.empty()) {
        f.groups[1] = std::move(f.groups[2]);
        f.groups[2] = {};
    }
    return f;
}

// The phrases of the groups of a province-groups order: "A", "A and B" or "A, B and C".
// A group counts when its X is given; a third group is written only after a second one.
template <typename Phrase> std::string JoinGroups(const ProvinceGroups& f, Phrase phrase) {
    const auto& [first, second, third] = f.groups;
    std::string out = phrase(first);
    if (!second.x.empty()) {
        out += (third.x.empty() ? " and " : ", ") + phrase(second);
        if (!third.x.empty()) {
            out += " and " + phrase(third);
        }
    }
    return out;
}

std::string NaturalPlacement(const ProvinceGroups& f) {
    return "Place " + JoinGroups(f, [](const ProvinceGroup& g) {
               return "one " + g.choice + " into province " + g.x + " / " + g.y;
           });
}

std::string NaturalDefence(const ProvinceGroups& f) {
    return "Give defensive orders " + JoinGroups(f, [](const ProvinceGroup& g) {
               return "for province " + g.x + " / " + g.y + " to " + g.choice;
           });
}

std::string NaturalEspionage(const ProvinceGroups& f) {
    const bool several = !f.groups[1].x.empty() || !f.groups[2].x.empty();
    return std::string("Espionage enemy province") + (several ? "s " : " ") +
           JoinGroups(f, [](const ProvinceGroup& g) { return g.x + " / " + g.y; });
}

std::string ComposeNatural(CommandKind kind, const OrderFields& fields) {
    const auto& movement = FieldsOf<MovementFields>(fields);
    const auto& groups = FieldsOf<ProvinceGroups>(fields);
    const auto& naming = FieldsOf<NamingFields>(fields);
    const auto& province = FieldsOf<ProvinceFields>(fields);
    const auto& alliance = FieldsOf<AllianceFields>(fields);
    switch (kind) {
    case CommandKind::MoveThroughLand:
        return NaturalMovement("Move through land with ", movement, true);
    case CommandKind::MoveThroughSea:
        return NaturalMovement("Move through sea with ", movement, false);
    case CommandKind::RaidProvince:
        return "Conduct a raid from province " + movement.x + " / " + movement.y + " with " +
               NaturalTroops(movement) + " to " + move::DirectionWords(movement.direction);
    case CommandKind::PlaceUnits:
        return NaturalPlacement(CloseGroupGap(groups));
    case CommandKind::GiveDefensiveOrders:
        return NaturalDefence(CloseGroupGap(groups));
    case CommandKind::EspionageEnemyProvince:
        return NaturalEspionage(CloseGroupGap(groups));
    case CommandKind::NameProvince:
        return "Name province " + naming.x + " / " + naming.y + " " + naming.name;
    case CommandKind::NameKing:
        return "Name king " + naming.name;
    case CommandKind::AlterAllianceStatus:
        return "Alter alliance status to player " + alliance.player + " to " + alliance.status;
    case CommandKind::ChangeTerrainType:
        return "Change terrain type of province " + province.x + " / " + province.y;
    case CommandKind::CedeProvince:
        return "Cede province " + province.x + " / " + province.y + " to player " + province.player;
    case CommandKind::SendMessages:
        break;
    }
    return {};
}

} // namespace

std::string ComposeLine(CommandKind kind, const OrderFields& fields, move::DisplayForm form) {
    return form == move::DisplayForm::Raw ? ComposeRaw(kind, fields) : ComposeNatural(kind, fields);
}

move::TextLines MessageLines(std::string_view text) {
    move::TextLines lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

move::MoveEdit RewriteMessageBlock(move::MoveList& move, std::string_view text) {
    return move::Apply(move, move::MoveEdit::Messages(MessageLines(text)));
}

move::MoveEdit PlaceOrderLine(move::MoveList& move, Selection& selected, InsertMode mode,
                              move::OrderLine line) {
    const std::size_t end = move.EndLineIndex();
    if (!selected || *selected >= move.Size()) {
        selected = end;
        return move::Apply(move, move::MoveEdit::Insert(end, std::move(line)));
    }
    const std::size_t i = *selected;
    if (mode == InsertMode::Replace && move.IsOrderLine(i)) {
        return move::Apply(move, move::MoveEdit::Replace(i, std::move(line)));
    }
    const std::size_t wanted = mode == InsertMode::Below ? i + 1 : i;
    const std::size_t at = std::clamp<std::size_t>(wanted, 1, end);
    selected = at;
    return move::Apply(move, move::MoveEdit::Insert(at, std::move(line)));
}

move::OrderLine ComposeOrder(CommandKind kind, const OrderFields& fields, move::DisplayForm form) {
    const std::string line = ComposeLine(kind, fields, form);
    return form == move::DisplayForm::Natural ? move::OrderFromSentence(line)
                                              : move::OrderFromRaw(line);
}

ComposeOutcome ComposeOrderLine(move::MoveList& move, Selection& selected, InsertMode mode,
                                CommandKind kind, const OrderFields& fields) {
    if (std::holds_alternative<std::monostate>(fields)) {
        return {};
    }
    if (kind == CommandKind::SendMessages) {
        move::MoveEdit undo = RewriteMessageBlock(move, FieldsOf<MessageFields>(fields).text);
        if (selected && *selected >= move.Size()) {
            selected.reset();
        }
        return {std::move(undo)};
    }
    return {PlaceOrderLine(move, selected, mode, ComposeOrder(kind, fields, move.form))};
}

} // namespace orv::edit
