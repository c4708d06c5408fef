// Raw order lines back into dialog fields.
#include "core/edit/read_parts.h"
#include "core/move/codes.h"
#include "core/move/word_places.h"
#include "core/report/tokenizer.h"

namespace orv::edit {

namespace {

using move::CommandKind;

// The troop part from word p on into the troops of a movement; returns the first word
// after the troops read. A further group counts when its count is a number or "AT" (all of
// that type), as the raw line writes it.
int ReadTroops(MovementFields& f, const move::LineWords& w, int p) {
    int q = p + 1;
    if (w.At(p) == "AT") {
        f.troops[0].type = "All";
    } else {
        f.troops[0] = {std::string(w.At(p + 1)), TroopType(w.At(p))};
        q = p + 2;
    }
    for (std::size_t i = 1; i < f.troops.size() && move::IsCountOrAll(w.At(q + 1)); ++i) {
        f.troops[i] = {std::string(w.At(q + 1)), TroopType(w.At(q))};
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
    return report::TrimmedBlanks(w.RestFrom(n + 1));
}

EditedOrder Movement(CommandKind kind, const move::LineWords& w) {
    MovementFields f;
    f.x = w.At(move::raw::X);
    f.y = w.At(move::raw::Y);
    int troops = 4;
    if (kind == CommandKind::MoveThroughLand &&
        move::IsTacticWord(w.At(move::raw::AfterProvince))) {
        f.tactic = move::TacticName(w.At(move::raw::AfterProvince));
        troops = 5;
    }
    const int after = ReadTroops(f, w, troops);
    f.direction =
        kind == CommandKind::RaidProvince ? w.RestFrom(after) : TrailingDirections(w, after);
    return {kind, std::move(f)};
}

// DEF and PLA: three groups of X, Y and a named choice; ESP: three pairs.
template <typename Name>
EditedOrder Groups(CommandKind kind, const move::LineWords& w, int width, Name name) {
    ProvinceGroups f;
    for (int group = 0; group < 3; ++group) {
        const int word = 2 + group * width;
        ProvinceGroup& g = f.groups[static_cast<std::size_t>(group)];
        g.x = w.At(word);
        g.y = w.At(word + 1);
        if (width == 3) {
            g.choice = name(w.At(word + 2));
            // A unit type that names nothing leaves the optional groups unselected.
            if (group > 0 && g.choice == "?") {
                g.choice.clear();
            }
        }
    }
    return {kind, std::move(f)};
}

EditedOrder Name(std::string_view line, const move::LineWords& w) {
    if (report::IsNumber(w.At(move::raw::X))) {
        return {CommandKind::NameProvince,
                NamingFields{std::string(w.At(move::raw::X)), std::string(w.At(move::raw::Y)),
                             std::string(report::TrimmedBlanks(AfterWord(w, 3)))}};
    }
    NamingFields king;
    king.name = line.size() > 4 ? report::TrimmedBlanks(line.substr(4)) : std::string_view();
    return {CommandKind::NameKing, std::move(king)};
}

} // namespace

std::optional<EditedOrder> ReadRawLine(std::string_view line) {
    const move::LineWords w(line);
    const std::string_view key = w.At(move::raw::Keyword);
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
        return EditedOrder{
            CommandKind::ChangeTerrainType,
            ProvinceFields{std::string(w.At(move::raw::X)), std::string(w.At(move::raw::Y)), {}}};
    }
    if (key == "CEDE") {
        return EditedOrder{CommandKind::CedeProvince,
                           ProvinceFields{std::string(w.At(move::raw::X)),
                                          std::string(w.At(move::raw::Y)),
                                          std::string(w.At(move::raw::AfterProvince))}};
    }
    if (key == "ALL") {
        return EditedOrder{CommandKind::AlterAllianceStatus,
                           AllianceFields{std::string(w.At(move::raw::AlliancePlayer)),
                                          std::string(w.At(move::raw::AllianceStatus))}};
    }
    return std::nullopt;
}

} // namespace orv::edit
