// Natural sentences back into dialog fields.
#include "core/edit/read_parts.h"
#include "core/move/codes.h"
#include "core/report/tokenizer.h"

#include <algorithm>

namespace orv::edit {

namespace {

using move::CommandKind;
using report::WordAt;

constexpr auto npos = std::string_view::npos;

// The text from the first occurrence of `what` on; empty when it does not occur.
std::string_view From(std::string_view text, std::string_view what) {
    const std::size_t p = text.find(what);
    return p == npos ? std::string_view() : text.substr(p);
}

// The dialog's count for a count word of a sentence: "all" of one troop type is "AT".
std::string Count(std::string_view word) {
    return word == "all" ? std::string("AT") : std::string(word);
}

// The first troop group from its count word and the word after it: "all troops" is the
// type "All" without a number, "all Horsemen" all troops of one type.
void SetFirstTroop(OrderFields& f, std::string_view count, std::string_view type) {
    if (count == "all" && report::UpperAscii(type) == "TROOPS") {
        f.Set(3, "");
        f.Set(4, "All");
        return;
    }
    f.Set(3, Count(count));
    f.Set(4, TroopType(type));
}

void SetTroop(OrderFields& f, int group, std::string_view count, std::string_view type) {
    f.Set(2 * group + 3, Count(count));
    f.Set(2 * group + 4, TroopType(type));
}

// Direction letters from the words after the first " to ".
void SetDirection(OrderFields& f, std::string_view line) {
    const std::size_t to = line.find(" to ");
    if (to == npos) {
        return;
    }
    const std::string_view rest = line.substr(to + 4);
    if (std::any_of(rest.begin(), rest.end(), [](char c) { return !report::IsSeparator(c); })) {
        f.Set(10, move::DirectionLetters(rest));
    }
}

EditedOrder Movement(CommandKind kind, std::string_view line, const move::LineWords& w) {
    EditedOrder order{kind, {}};
    OrderFields& f = order.fields;
    const std::string_view province = From(line, "province");
    f.Set(1, WordAt(province, 2));
    f.Set(2, WordAt(province, 4));
    SetFirstTroop(f, w.At(5), w.At(6));
    if (kind == CommandKind::MoveThroughLand) {
        const std::string_view tactic = From(line, " and tactic");
        f.Set(9, NameOf(WordAt(tactic, 3), move::TacticNameFromText));
    }
    SetDirection(f, line);

    std::string_view head = line.substr(0, line.find(" from "));
    for (int group = 1; group <= 2; ++group) {
        const std::size_t p = head.find(" and ");
        if (p == npos || head.substr(p).starts_with(" and tactic ")) {
            break;
        }
        head.remove_prefix(p);
        SetTroop(f, group, WordAt(head, 2), WordAt(head, 3));
        head.remove_prefix(5);
    }
    return order;
}

EditedOrder Raid(std::string_view line, const move::LineWords& w) {
    EditedOrder order{CommandKind::RaidProvince, {}};
    OrderFields& f = order.fields;
    f.Set(1, w.At(6));
    f.Set(2, w.At(8));
    SetFirstTroop(f, w.At(10), w.At(11));
    std::string_view rest = line;
    for (int group = 1; group <= 2; ++group) {
        const std::size_t p = rest.find(" and ");
        if (p == npos) {
            break;
        }
        rest.remove_prefix(p + 5);
        SetTroop(f, group, WordAt(rest, 1), WordAt(rest, 2));
    }
    SetDirection(f, line);
    return order;
}

EditedOrder Espionage(const move::LineWords& w) {
    EditedOrder order{CommandKind::EspionageEnemyProvince, {}};
    OrderFields& f = order.fields;
    const int s = w.At(7) == "and" ? 1 : 0;
    f.Set(1, w.At(4));
    f.Set(2, move::StripComma(w.At(6)));
    f.Set(4, w.At(7 + s));
    f.Set(5, w.At(9 + s));
    f.Set(7, w.At(11));
    f.Set(8, w.At(13));
    return order;
}

// The first position from `from` on, below the word count, whose word is a number.
int NextNumber(const move::LineWords& w, int from) {
    for (int k = from; k < w.Count(); ++k) {
        if (report::IsNumber(w.At(k))) {
            return k;
        }
    }
    return 0;
}

EditedOrder Defence(const move::LineWords& w) {
    EditedOrder order{CommandKind::GiveDefensiveOrders, {}};
    OrderFields& f = order.fields;
    const auto tactic = [&w](int n) { return NameOf(w.At(n), move::TacticNameFromText); };
    f.Set(1, w.At(6));
    f.Set(2, w.At(8));
    f.Set(3, tactic(10));
    const int k = NextNumber(w, 9);
    if (k == 0) {
        return order;
    }
    f.Set(4, w.At(k));
    f.Set(5, w.At(k + 2));
    f.Set(6, tactic(k + 4));
    const int m = NextNumber(w, k + 3);
    if (m != 0) {
        f.Set(7, w.At(m));
        f.Set(8, w.At(m + 2));
        f.Set(9, tactic(m + 4));
    }
    return order;
}

EditedOrder Placement(std::string_view line, const move::LineWords& w) {
    EditedOrder order{CommandKind::PlaceUnits, {}};
    OrderFields& f = order.fields;
    std::string_view rest = From(line, "province");
    f.Set(3, TroopType(w.At(3)));
    f.Set(1, WordAt(rest, 2));
    f.Set(2, move::StripComma(WordAt(rest, 4)));
    for (int first : {4, 7}) {
        const std::string_view unit = From(rest, " one ");
        if (unit.empty()) {
            break;
        }
        f.Set(first + 2, TroopType(WordAt(unit, 2)));
        rest = From(unit, "province");
        f.Set(first, WordAt(rest, 2));
        f.Set(first + 1, WordAt(rest, 4));
    }
    return order;
}

EditedOrder NameKing(const move::LineWords& w) {
    EditedOrder order{CommandKind::NameKing, {}};
    order.fields.Set(1, Trimmed(AfterWord(w, 2)));
    return order;
}

EditedOrder NameProvince(const move::LineWords& w) {
    EditedOrder order{CommandKind::NameProvince, {}};
    order.fields.Set(1, w.At(3));
    order.fields.Set(2, w.At(5));
    order.fields.Set(3, Trimmed(AfterWord(w, 5)));
    return order;
}

// A NAME sentence is the king's or a province's by its second word, so a name holding
// "province" or "king" cannot mislead; other sentences by the word they contain.
std::optional<EditedOrder> Name(std::string_view line, const move::LineWords& w) {
    const std::string second = report::UpperAscii(w.At(2));
    if (second == "KING") {
        return NameKing(w);
    }
    if (second == "PROVINCE") {
        return NameProvince(w);
    }
    if (line.find(" king ") != npos) {
        return NameKing(w);
    }
    if (line.find(" province ") != npos) {
        return NameProvince(w);
    }
    return std::nullopt;
}

EditedOrder Simple(CommandKind kind, std::initializer_list<std::string_view> texts) {
    EditedOrder order{kind, {}};
    int n = 1;
    for (std::string_view text : texts) {
        order.fields.Set(n++, text);
    }
    return order;
}

} // namespace

std::optional<EditedOrder> ReadNaturalLine(std::string_view line) {
    const move::LineWords w(line);
    const std::string_view key = w.At(1);
    if (key == "Alter") {
        return Simple(CommandKind::AlterAllianceStatus, {w.At(6), w.At(8)});
    }
    if (key == "Cede") {
        return Simple(CommandKind::CedeProvince, {w.At(3), w.At(5), w.At(8)});
    }
    if (key == "Change") {
        return Simple(CommandKind::ChangeTerrainType, {w.At(6), w.At(8)});
    }
    if (key == "Espionage") {
        return Espionage(w);
    }
    if (key == "Give") {
        return Defence(w);
    }
    if (key == "Move" && line.find(" land ") != npos) {
        return Movement(CommandKind::MoveThroughLand, line, w);
    }
    if (key == "Name") {
        return Name(line, w);
    }
    if (key == "Place") {
        return Placement(line, w);
    }
    if (key == "Conduct") {
        return Raid(line, w);
    }
    if (key == "Move" && line.find(" sea ") != npos) {
        return Movement(CommandKind::MoveThroughSea, line, w);
    }
    return std::nullopt;
}

} // namespace orv::edit
