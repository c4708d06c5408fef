// Raw order lines back into dialog fields.
#include "core/edit/read_parts.h"
#include "core/move/codes.h"
#include "core/report/tokenizer.h"

namespace orv::edit {

namespace {

using move::CommandKind;

// The troop part from word p on into the slots of the movement dialog; returns the first
// word after the troops read. A further group counts when its count is a number or "AT"
// (all of that type), as the raw line writes it.
int ReadTroops(OrderFields& f, const move::LineWords& w, int p) {
    int q = p + 1;
    if (w.At(p) == "AT") {
        f.Set(4, "All");
    } else {
        f.Set(4, TroopType(w.At(p)));
        f.Set(3, w.At(p + 1));
        q = p + 2;
    }
    for (int group = 1; group <= 2 && move::IsCountOrAll(w.At(q + 1)); ++group) {
        f.Set(2 * group + 4, TroopType(w.At(q)));
        f.Set(2 * group + 3, w.At(q + 1));
        q += 2;
    }
    return q;
}

bool IsDirectionWord(std::string_view word) {
    return !word.empty() && (word[0] == 'N' || word[0] == 'E' || word[0] == 'S' || word[0] == 'W');
}

// The direction words at the end of the line, not reaching back before word `first`.
std::string_view TrailingDirections(const move::LineWords& w, int first) {
    int n = w.Count();
    while (n >= first && IsDirectionWord(w.At(n))) {
        --n;
    }
    return Trimmed(w.RestFrom(n + 1));
}

EditedOrder Movement(CommandKind kind, const move::LineWords& w) {
    EditedOrder order{kind, {}};
    OrderFields& f = order.fields;
    f.Set(1, w.At(2));
    f.Set(2, w.At(3));
    int troops = 4;
    if (kind == CommandKind::MoveThroughLand) {
        if (move::IsTacticWord(w.At(4))) {
            f.Set(9, move::TacticName(w.At(4)));
            troops = 5;
        }
    }
    const int after = ReadTroops(f, w, troops);
    if (kind == CommandKind::RaidProvince) {
        f.Set(10, w.RestFrom(after));
    } else {
        f.Set(10, TrailingDirections(w, after));
    }
    return order;
}

// DEF and PLA: three groups of X, Y and a named choice; ESP: three pairs.
template <typename Name>
EditedOrder Groups(CommandKind kind, const move::LineWords& w, int width, Name name) {
    EditedOrder order{kind, {}};
    for (int group = 0; group < 3; ++group) {
        const int word = 2 + group * width;
        const int slot = 1 + group * 3;
        order.fields.Set(slot, w.At(word));
        order.fields.Set(slot + 1, w.At(word + 1));
        if (width == 3) {
            std::string choice = name(w.At(word + 2));
            // A unit type that names nothing leaves the optional groups unselected.
            if (group > 0 && choice == "?") {
                choice.clear();
            }
            order.fields.Set(slot + 2, choice);
        }
    }
    return order;
}

EditedOrder Name(std::string_view line, const move::LineWords& w) {
    if (report::IsNumber(w.At(2))) {
        EditedOrder order{CommandKind::NameProvince, {}};
        order.fields.Set(1, w.At(2));
        order.fields.Set(2, w.At(3));
        order.fields.Set(3, Trimmed(AfterWord(w, 3)));
        return order;
    }
    EditedOrder order{CommandKind::NameKing, {}};
    order.fields.Set(1, line.size() > 4 ? Trimmed(line.substr(4)) : std::string_view());
    return order;
}

EditedOrder Simple(CommandKind kind, const move::LineWords& w, int count) {
    EditedOrder order{kind, {}};
    for (int n = 1; n <= count; ++n) {
        order.fields.Set(n, w.At(n + 1));
    }
    return order;
}

} // namespace

std::optional<EditedOrder> ReadRawLine(std::string_view line) {
    const move::LineWords w(line);
    const std::string_view key = w.At(1);
    const auto troop = [](std::string_view word) { return TroopType(word); };
    const auto tactic = [](std::string_view word) { return NameOf(word, move::TacticName); };
    if (key == "SEA") {
        return Movement(CommandKind::MoveThroughSea, w);
    }
    if (key == "RAID") {
        return Movement(CommandKind::RaidProvince, w);
    }
    if (key == "PLA") {
        return Groups(CommandKind::PlaceUnits, w, 3, troop);
    }
    if (key == "NAME") {
        return Name(line, w);
    }
    if (key == "LAND") {
        return Movement(CommandKind::MoveThroughLand, w);
    }
    if (key == "DEF") {
        return Groups(CommandKind::GiveDefensiveOrders, w, 3, tactic);
    }
    if (key == "ESP") {
        return Groups(CommandKind::EspionageEnemyProvince, w, 2, troop);
    }
    if (key == "BUILD") {
        return Simple(CommandKind::ChangeTerrainType, w, 2);
    }
    if (key == "CEDE") {
        return Simple(CommandKind::CedeProvince, w, 3);
    }
    if (key == "ALL") {
        return Simple(CommandKind::AlterAllianceStatus, w, 2);
    }
    return std::nullopt;
}

} // namespace orv::edit
