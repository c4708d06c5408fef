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

// Troop groups of the movement dialog: "AT" for all troops, else code and count; the
// second and third group only when their number is given.
void AddRawTroops(RawWords& words, const OrderFields& f) {
    if (f.At(4) == "All") {
        words.Add("AT");
    } else {
        words.Add(move::TroopCode(f.At(4))).Add(f.At(3));
    }
    for (int number : {5, 7}) {
        if (f.Given(number)) {
            words.Add(move::TroopCode(f.At(number + 1))).Add(f.At(number));
        }
    }
}

std::string RawMovement(std::string_view keyword, const OrderFields& f, bool withTactic) {
    RawWords words(keyword);
    words.Add(f.At(1)).Add(f.At(2));
    if (withTactic && f.Given(9)) {
        words.Add(move::TacticCode(f.At(9)));
    }
    AddRawTroops(words, f);
    return words.Add(f.At(10)).Take();
}

// DEF, ESP and PLA: groups of X, Y and (except for ESP) a coded choice; the second and
// third group each only when its X is given.
using Code = std::string (*)(std::string_view);

std::string RawGroups(std::string_view keyword, const OrderFields& f, Code code) {
    RawWords words(keyword);
    for (int first : {1, 4, 7}) {
        if (first > 1 && !f.Given(first)) {
            continue;
        }
        words.Add(f.At(first)).Add(f.At(first + 1));
        if (code) {
            words.Add(code(f.At(first + 2)));
        }
    }
    return words.Take();
}

std::string ComposeRaw(CommandKind kind, const OrderFields& f) {
    switch (kind) {
    case CommandKind::MoveThroughLand:
        return RawMovement("LAND", f, true);
    case CommandKind::MoveThroughSea:
        return RawMovement("SEA", f, false);
    case CommandKind::RaidProvince:
        return RawMovement("RAID", f, false);
    case CommandKind::PlaceUnits:
        return RawGroups("PLA", f, &move::TroopCode);
    case CommandKind::GiveDefensiveOrders:
        return RawGroups("DEF", f, &move::TacticCode);
    case CommandKind::EspionageEnemyProvince:
        return RawGroups("ESP", f, nullptr);
    case CommandKind::NameProvince:
        return RawWords("NAME").Add(f.At(1)).Add(f.At(2)).Add(f.At(3)).Take();
    case CommandKind::NameKing:
        return "NAME " + f.At(1);
    case CommandKind::AlterAllianceStatus:
        return RawWords("ALL").Add(f.At(1)).Add(f.At(2)).Take();
    case CommandKind::ChangeTerrainType:
        return RawWords("BUILD").Add(f.At(1)).Add(f.At(2)).Take();
    case CommandKind::CedeProvince:
        return RawWords("CEDE").Add(f.At(1)).Add(f.At(2)).Add(f.At(3)).Take();
    case CommandKind::SendMessages:
        break;
    }
    return {};
}

std::string TroopPhrase(const std::string& number, const std::string& type) {
    return number + " " + move::TroopName(move::TroopCode(type), number != "1") + " ";
}

// "5 Bowmen and 3 Horsemen " or "all troops ", each phrase ending in a blank.
std::string NaturalTroops(const OrderFields& f) {
    std::string out = f.At(4) == "All" ? "all troops " : TroopPhrase(f.At(3), f.At(4));
    for (int number : {5, 7}) {
        if (f.Given(number)) {
            out += "and " + TroopPhrase(f.At(number), f.At(number + 1));
        }
    }
    return out;
}

std::string NaturalMovement(std::string_view start, const OrderFields& f, bool withTactic) {
    std::string out(start);
    out += NaturalTroops(f);
    if (withTactic && f.Given(9)) {
        out += "and tactic " + f.At(9) + " ";
    }
    return out + "from province " + f.At(1) + " / " + f.At(2) + " to " +
           move::DirectionWords(f.At(10));
}

// A natural sentence names groups in order, so a third group given without a second one
// takes the second place, as the conversion of the raw line would have it.
OrderFields CloseGroupGap(OrderFields f) {
    if (!f.Given(4) && f.Given(7)) {
        for (std::size_t i = 3; i < 6; ++i) {
            f.slot[i] = std::move(f.slot[i + 3]);
            f.slot[i + 3].clear();
        }
    }
    return f;
}

// The phrases of the groups of a TFormMoveC2 order, given by the slot of their X: "A",
// "A and B" or "A, B and C". A third group is written only after a second one.
template <typename Phrase> std::string JoinGroups(const OrderFields& f, Phrase phrase) {
    std::string out = phrase(1);
    if (f.Given(4)) {
        out += (f.Given(7) ? ", " : " and ") + phrase(4);
        if (f.Given(7)) {
            out += " and " + phrase(7);
        }
    }
    return out;
}

std::string NaturalPlacement(const OrderFields& f) {
    return "Place " + JoinGroups(f, [&f](int x) {
               return "one " + f.At(x + 2) + " into province " + f.At(x) + " / " + f.At(x + 1);
           });
}

std::string NaturalDefence(const OrderFields& f) {
    return "Give defensive orders " + JoinGroups(f, [&f](int x) {
               return "for province " + f.At(x) + " / " + f.At(x + 1) + " to " + f.At(x + 2);
           });
}

std::string NaturalEspionage(const OrderFields& f) {
    return std::string("Espionage enemy province") + (f.Given(4) || f.Given(7) ? "s " : " ") +
           JoinGroups(f, [&f](int x) { return f.At(x) + " / " + f.At(x + 1); });
}

std::string ComposeNatural(CommandKind kind, const OrderFields& f) {
    switch (kind) {
    case CommandKind::MoveThroughLand:
        return NaturalMovement("Move through land with ", f, true);
    case CommandKind::MoveThroughSea:
        return NaturalMovement("Move through sea with ", f, false);
    case CommandKind::RaidProvince:
        return "Conduct a raid from province " + f.At(1) + " / " + f.At(2) + " with " +
               NaturalTroops(f) + " to " + move::DirectionWords(f.At(10));
    case CommandKind::PlaceUnits:
        return NaturalPlacement(CloseGroupGap(f));
    case CommandKind::GiveDefensiveOrders:
        return NaturalDefence(CloseGroupGap(f));
    case CommandKind::EspionageEnemyProvince:
        return NaturalEspionage(CloseGroupGap(f));
    case CommandKind::NameProvince:
        return "Name province " + f.At(1) + " / " + f.At(2) + " " + f.At(3);
    case CommandKind::NameKing:
        return "Name king " + f.At(1);
    case CommandKind::AlterAllianceStatus:
        return "Alter alliance status to player " + f.At(1) + " to " + f.At(2);
    case CommandKind::ChangeTerrainType:
        return "Change terrain type of province " + f.At(1) + " / " + f.At(2);
    case CommandKind::CedeProvince:
        return "Cede province " + f.At(1) + " / " + f.At(2) + " to player " + f.At(3);
    case CommandKind::SendMessages:
        break;
    }
    return {};
}

} // namespace

std::string ComposeLine(CommandKind kind, const OrderFields& fields, move::DisplayForm form) {
    return form == move::DisplayForm::Raw ? ComposeRaw(kind, fields) : ComposeNatural(kind, fields);
}

std::vector<std::string> MessageLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
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
    if (fields.At(1).empty() && fields.At(2).empty()) {
        return {};
    }
    if (kind == CommandKind::SendMessages) {
        move::MoveEdit undo = RewriteMessageBlock(move, fields.At(1));
        if (selected && *selected >= move.Size()) {
            selected.reset();
        }
        return {std::move(undo), false};
    }
    return {PlaceOrderLine(move, selected, mode, ComposeOrder(kind, fields, move.form)),
            kind == CommandKind::PlaceUnits};
}

} // namespace orv::edit
