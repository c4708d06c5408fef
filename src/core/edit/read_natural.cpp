// Natural sentences back into dialog fields.
#include "core/edit/read_parts.h"
#include "core/move/codes.h"
#include "core/move/word_places.h"
#include "core/report/tokenizer.h"

#include <algorithm>

namespace orv::edit {

namespace {

namespace sentence = move::sentence;

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
Troop FirstTroop(std::string_view count, std::string_view type) {
    if (count == "all" && report::UpperAscii(type) == "TROOPS") {
        return {"", "All"};
    }
    return {Count(count), TroopType(type)};
}

Troop LaterTroop(std::string_view count, std::string_view type) {
    return {Count(count), TroopType(type)};
}

// Direction letters from the words after the first " to ".
void SetDirection(MovementFields& f, std::string_view line) {
    const std::size_t to = line.find(" to ");
    if (to == npos) {
        return;
    }
    const std::string_view rest = line.substr(to + 4);
    if (std::any_of(rest.begin(), rest.end(), [](char c) { return !report::IsSeparator(c); })) {
        f.direction = move::DirectionLetters(rest);
    }
}

// "Move through land with 5 Bowmen and 3 Horsemen and tactic Outflank from province 3 / 4
// to north east": the troops from word 5 on, the province after "province".
EditedOrder Movement(CommandKind kind, std::string_view line, const move::LineWords& w) {
    MovementFields f;
    const std::string_view province = From(line, "province");
    f.x = WordAt(province, 2);
    f.y = WordAt(province, 4);
    f.troops[0] = FirstTroop(w.At(sentence::MovementCount), w.At(sentence::MovementTroop));
    if (kind == CommandKind::MoveThroughLand) {
        const std::string_view tactic = From(line, " and tactic");
        f.tactic = NameOf(WordAt(tactic, 3), move::TacticNameFromText);
    }
    SetDirection(f, line);

    std::string_view head = line.substr(0, line.find(" from "));
    for (std::size_t i = 1; i < f.troops.size(); ++i) {
        const std::size_t p = head.find(" and ");
        if (p == npos || head.substr(p).starts_with(" and tactic ")) {
            break;
        }
        head.remove_prefix(p);
        f.troops[i] = LaterTroop(WordAt(head, 2), WordAt(head, 3));
        head.remove_prefix(5);
    }
    return {kind, std::move(f)};
}

// "Conduct a raid from province 12 / 7 with 6 Horsemen and 2 Bowmen  to north".
EditedOrder Raid(std::string_view line, const move::LineWords& w) {
    MovementFields f;
    f.x = w.At(sentence::RaidX);
    f.y = w.At(sentence::RaidY);
    f.troops[0] = FirstTroop(w.At(sentence::RaidCount), w.At(sentence::RaidTroop));
    std::string_view rest = line;
    for (std::size_t i = 1; i < f.troops.size(); ++i) {
        const std::size_t p = rest.find(" and ");
        if (p == npos) {
            break;
        }
        rest.remove_prefix(p + 5);
        f.troops[i] = LaterTroop(WordAt(rest, 1), WordAt(rest, 2));
    }
    SetDirection(f, line);
    return {CommandKind::RaidProvince, std::move(f)};
}

// "Espionage enemy provinces 1 / 2, 3 / 4 and 5 / 6", or "1 / 2 and 3 / 4".
EditedOrder Espionage(const move::LineWords& w) {
    ProvinceGroups f;
    using namespace sentence;
    // The second province follows "Y1," at once, or "Y1 and".
    const int secondX = EspionageY + (w.At(EspionageY + 1) == "and" ? 2 : 1);
    f.groups[0].x = w.At(EspionageX);
    f.groups[0].y = move::StripComma(w.At(EspionageY));
    f.groups[1].x = w.At(secondX);
    f.groups[1].y = w.At(secondX + 2);
    f.groups[2].x = w.At(EspionageThirdX);
    f.groups[2].y = w.At(EspionageThirdY);
    return {CommandKind::EspionageEnemyProvince, std::move(f)};
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

// "Give defensive orders for province 12 / 7 to Frontal assault, for province 13 / 7 to
// Outflank and ...": each further group from the next number on.
EditedOrder Defence(const move::LineWords& w) {
    ProvinceGroups f;
    // "X / Y to TACTIC" from the x word on.
    const auto group = [&w](int x) {
        return ProvinceGroup{std::string(w.At(x)), std::string(w.At(x + 2)),
                             NameOf(w.At(x + 4), move::TacticNameFromText)};
    };
    f.groups[0] = group(sentence::DefenceX);
    const int k = NextNumber(w, sentence::DefenceY + 1);
    if (k != 0) {
        f.groups[1] = group(k);
        const int m = NextNumber(w, k + 3);
        if (m != 0) {
            f.groups[2] = group(m);
        }
    }
    return {CommandKind::GiveDefensiveOrders, std::move(f)};
}

// "Place one Foot soldier into province 12 / 7, one Castle into province 13 / 7 and ...".
EditedOrder Placement(std::string_view line, const move::LineWords& w) {
    ProvinceGroups f;
    std::string_view rest = From(line, "province");
    f.groups[0] = {std::string(WordAt(rest, 2)), std::string(move::StripComma(WordAt(rest, 4))),
                   TroopType(w.At(sentence::PlacementTroop))};
    for (std::size_t i = 1; i < f.groups.size(); ++i) {
        const std::string_view unit = From(rest, " one ");
        if (unit.empty()) {
            break;
        }
        f.groups[i].choice = TroopType(WordAt(unit, 2));
        rest = From(unit, "province");
        f.groups[i].x = WordAt(rest, 2);
        f.groups[i].y = WordAt(rest, 4);
    }
    return {CommandKind::PlaceUnits, std::move(f)};
}

// "Name king Harald": the name is all after the second word.
EditedOrder NameKing(const move::LineWords& w) {
    NamingFields f;
    f.name = report::TrimmedBlanks(AfterWord(w, sentence::NamingKind));
    return {CommandKind::NameKing, std::move(f)};
}

// "Name province 3 / 4 New Haven": the name is all after the fifth word.
EditedOrder NameProvince(const move::LineWords& w) {
    return {CommandKind::NameProvince,
            NamingFields{std::string(w.At(sentence::NamedX)), std::string(w.At(sentence::NamedY)),
                         std::string(report::TrimmedBlanks(AfterWord(w, sentence::NamedY)))}};
}

// A NAME sentence is the king's or a province's by its second word, so a name holding
// "province" or "king" cannot mislead; other sentences by the word they contain.
std::optional<EditedOrder> Name(std::string_view line, const move::LineWords& w) {
    const std::string second = report::UpperAscii(w.At(sentence::NamingKind));
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

} // namespace

std::optional<EditedOrder> ReadNaturalLine(std::string_view line) {
    const move::LineWords w(line);
    const std::string_view key = w.At(move::raw::Keyword);
    const auto word = [&w](int n) { return std::string(w.At(n)); };
    // "Alter alliance status to player 3 to 2"
    if (key == "Alter") {
        return EditedOrder{
            CommandKind::AlterAllianceStatus,
            AllianceFields{word(sentence::AlliancePlayer), word(sentence::AllianceStatus)}};
    }
    // "Cede province 12 / 7 to player 4"
    if (key == "Cede") {
        return EditedOrder{CommandKind::CedeProvince,
                           ProvinceFields{word(sentence::CessionX), word(sentence::CessionY),
                                          word(sentence::CessionPlayer)}};
    }
    // "Change terrain type of province 12 / 7"
    if (key == "Change") {
        return EditedOrder{CommandKind::ChangeTerrainType,
                           ProvinceFields{word(sentence::BuildX), word(sentence::BuildY), {}}};
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
