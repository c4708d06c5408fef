#include "core/edit/validate.h"

#include "core/edit/compose.h"
#include "core/move/codes.h"
#include "core/move/order.h"
#include "core/report/tokenizer.h"

namespace orv::edit {

namespace {

using move::CommandKind;
using report::IsNumber;
using Check = std::optional<FieldError>;
using enum FieldName;

constexpr std::string_view TroopAndNumber = "You have to enter a troop type AND a number!";
constexpr std::string_view CoordinatesOfProvinces =
    "The X- and Y-coordinate of the provinces has to be a number!";

Check Fail(std::string_view text, FieldName name, int index = 0) {
    return FieldError{std::string(text), {name, index}};
}

// The first of a troop's two fields that is empty.
Check TroopHalf(std::string_view text, const Troop& troop, int index) {
    return Fail(text, troop.number.empty() ? TroopNumber : TroopType, index);
}

bool IsBlank(std::string_view text) {
    return report::TrimmedBlanks(text).empty();
}

// A count the game master reads: AT for all of a type, or a number above 0.
Check Counts(const MovementFields& f) {
    for (std::size_t i = 0; i < f.troops.size(); ++i) {
        const Troop& troop = f.troops[i];
        if (troop.number.empty() || troop.number == "AT" ||
            report::TextAsNumber(troop.number) > 0) {
            continue;
        }
        return Fail("Troop count " + troop.number + " is not a positive number!", TroopNumber,
                    static_cast<int>(i));
    }
    return std::nullopt;
}

Check Movement(const MovementFields& f) {
    if (f.x.empty() || f.y.empty()) {
        return Fail("You have to enter a province!", f.x.empty() ? X : Y);
    }
    if (IsBlank(f.direction)) {
        return Fail("You have to enter a direction!", Direction);
    }
    const Troop& first = f.troops[0];
    const bool all = first.type == "All";
    // An empty first troop under a given second or third would be written as the troop "?".
    bool laterTroop = false;
    for (std::size_t i = 1; i < f.troops.size(); ++i) {
        laterTroop = laterTroop || !f.troops[i].number.empty() || !f.troops[i].type.empty();
    }
    if ((!first.number.empty() && first.type.empty()) ||
        (first.number.empty() && !first.type.empty() && !all) ||
        (first.number.empty() && first.type.empty() && laterTroop)) {
        return TroopHalf(TroopAndNumber, first, 0);
    }
    for (std::size_t i = 1; i < f.troops.size(); ++i) {
        if (f.troops[i].number.empty() != f.troops[i].type.empty()) {
            return TroopHalf(TroopAndNumber, f.troops[i], static_cast<int>(i));
        }
    }
    const bool noNumber =
        first.number.empty() && f.troops[1].number.empty() && f.troops[2].number.empty();
    if (noNumber && !all) {
        return Fail("You have to enter at least one troop type!", TroopType);
    }
    if (!IsNumber(f.x) || !IsNumber(f.y)) {
        return Fail("The X- and Y-coordinate of the province has to be a number!",
                    IsNumber(f.x) ? Y : X);
    }
    if (!move::AreDirections(f.direction)) {
        return Fail("Direction string is invalid!", Direction);
    }
    if (all && !first.number.empty()) {
        return Fail("Do not specify a number, if you select \"ALL\" as a troop type!", TroopNumber);
    }
    return Counts(f);
}

Check Groups(CommandKind kind, const ProvinceGroups& f) {
    const ProvinceGroup& first = f.groups[0];
    if (first.x.empty() || first.y.empty()) {
        return Fail("You have to enter at least one province!", first.x.empty() ? X : Y);
    }
    if (!IsNumber(first.x) || !IsNumber(first.y)) {
        return Fail(CoordinatesOfProvinces, IsNumber(first.x) ? Y : X);
    }
    for (int i = 1; i < 3; ++i) {
        const ProvinceGroup& group = f.groups[static_cast<std::size_t>(i)];
        if (!move::IsEmptyOrNumber(group.x) || !move::IsEmptyOrNumber(group.y)) {
            return Fail(CoordinatesOfProvinces, move::IsEmptyOrNumber(group.x) ? Y : X, i);
        }
    }
    if (kind == CommandKind::EspionageEnemyProvince) {
        // A province the game master can read needs both coordinates.
        for (int i = 1; i < 3; ++i) {
            const ProvinceGroup& group = f.groups[static_cast<std::size_t>(i)];
            if (group.x.empty() != group.y.empty()) {
                return Fail("You have to specify an X-coordinate AND an Y-coordinate for "
                            "province " +
                                std::to_string(i + 1) + "!",
                            group.x.empty() ? X : Y, i);
            }
        }
        return std::nullopt;
    }
    const bool place = kind == CommandKind::PlaceUnits;
    if (first.choice.empty()) {
        return Fail(place ? "You have to enter at least one troop type!"
                          : "You have to enter at least one tactic!",
                    Choice);
    }
    for (int i = 0; i < 3; ++i) {
        const ProvinceGroup& group = f.groups[static_cast<std::size_t>(i)];
        const int given =
            int{!group.x.empty()} + int{!group.y.empty()} + int{!group.choice.empty()};
        if (given != 0 && given != 3) {
            const FieldName missing = group.x.empty() ? X : group.y.empty() ? Y : Choice;
            return Fail("You have to specify an X-coordinate AND an Y-coordinate AND a " +
                            std::string(place ? "troop type for unit " : "tactic for order ") +
                            std::to_string(i + 1) + "!",
                        missing, i);
        }
    }
    return std::nullopt;
}

Check Province(const std::string& x, const std::string& y) {
    if (x.empty() || y.empty()) {
        return Fail("You have to enter a province!", x.empty() ? X : Y);
    }
    if (!IsNumber(x) || !IsNumber(y)) {
        return Fail(CoordinatesOfProvinces, IsNumber(x) ? Y : X);
    }
    return std::nullopt;
}

Check Alliance(const AllianceFields& f) {
    if (f.player.empty() || f.status.empty()) {
        return Fail("You have to enter a player number AND a status!",
                    f.player.empty() ? Player : Status);
    }
    if (!IsNumber(f.player)) {
        return Fail("Player number is no number!", Player);
    }
    if (!IsNumber(f.status)) {
        return Fail("Status has to be a number!", Status);
    }
    return std::nullopt;
}

Check Cession(const ProvinceFields& f) {
    if (auto failed = Province(f.x, f.y)) {
        return failed;
    }
    if (f.player.empty()) {
        return Fail("You have to enter a player number to cede the province to!", Player);
    }
    if (!IsNumber(f.player)) {
        return Fail("The player number is no number!", Player);
    }
    return std::nullopt;
}

Check NameOfProvince(const NamingFields& f) {
    if (auto failed = Province(f.x, f.y)) {
        return failed;
    }
    return IsBlank(f.name) ? Fail("You have to enter a new name for the province!", Name) : Check();
}

Check NameOfKing(const NamingFields& f) {
    if (IsBlank(f.name)) {
        return Fail("You have to enter a name for the queen/king!", Name);
    }
    // The game master would read a name after a number as the naming of a province.
    if (report::IsNumber(move::Order(f.name).Word(1))) {
        return Fail("The name of the queen/king cannot begin with a number!", Name);
    }
    return std::nullopt;
}

// The field a finding about the composed order is about.
FieldRef FieldOf(move::CommandKind kind, move::GrammarIssue issue) {
    using move::GrammarIssue;
    switch (issue) {
    case GrammarIssue::CountNotPositive:
        return {TroopNumber};
    case GrammarIssue::UnknownTroop:
        return {kind == CommandKind::PlaceUnits ? Choice : TroopType};
    case GrammarIssue::UnknownTactic:
        return {kind == CommandKind::MoveThroughLand ? Tactic : Choice};
    case GrammarIssue::UnknownDirection:
    case GrammarIssue::NoDirection:
        return {Direction};
    case GrammarIssue::StatusOutOfRange:
        return {Status};
    case GrammarIssue::NoSuchPlayer:
    case GrammarIssue::OwnTribe:
        return {Player};
    case GrammarIssue::Incomplete:
        return {kind == CommandKind::NameKing || kind == CommandKind::NameProvince ? Name : X};
    case GrammarIssue::WordsIgnored:
    case GrammarIssue::BuildDisallowed:
        break;
    }
    return {X};
}

// The first thing in the composed order that the move check would call malformed.
Check ComposedOrder(CommandKind kind, const OrderFields& f, const ValidationContext& context) {
    const move::Order order(ComposeOrder(kind, f, context.form).raw);
    move::GrammarContext grammar = context.grammar;
    grammar.buildAllowed = true; // an edit of a forbidden BUILD is warned about, then allowed
    const std::vector<move::GrammarFinding> findings = move::GrammarFindings(order, grammar);
    if (findings.empty()) {
        return std::nullopt;
    }
    std::string text = move::GrammarMessage(order, findings.front());
    return FieldError{std::string(report::TrimmedBlanks(text)),
                      FieldOf(kind, findings.front().issue)};
}

Check DialogChecks(CommandKind kind, const OrderFields& f) {
    switch (kind) {
    case CommandKind::MoveThroughLand:
    case CommandKind::MoveThroughSea:
    case CommandKind::RaidProvince:
        return Movement(FieldsOf<MovementFields>(f));
    case CommandKind::PlaceUnits:
    case CommandKind::GiveDefensiveOrders:
    case CommandKind::EspionageEnemyProvince:
        return Groups(kind, FieldsOf<ProvinceGroups>(f));
    case CommandKind::NameProvince:
        return NameOfProvince(FieldsOf<NamingFields>(f));
    case CommandKind::AlterAllianceStatus:
        return Alliance(FieldsOf<AllianceFields>(f));
    case CommandKind::CedeProvince:
        return Cession(FieldsOf<ProvinceFields>(f));
    case CommandKind::ChangeTerrainType: {
        const ProvinceFields& province = FieldsOf<ProvinceFields>(f);
        return Province(province.x, province.y);
    }
    case CommandKind::NameKing:
        return NameOfKing(FieldsOf<NamingFields>(f));
    case CommandKind::SendMessages:
        return FieldsOf<MessageFields>(f).text.empty() ? Fail("You have to enter a message!", Text)
                                                       : Check();
    }
    return std::nullopt;
}

} // namespace

std::optional<FieldError> ValidateOrderFields(CommandKind kind, const OrderFields& f,
                                              const ValidationContext& context) {
    if (Check failed = DialogChecks(kind, f)) {
        return failed;
    }
    if (kind == CommandKind::SendMessages) {
        return std::nullopt;
    }
    return ComposedOrder(kind, f, context);
}

std::string AppendDirection(std::string_view text, std::string_view entry) {
    std::string out(text);
    if (!out.empty()) {
        out += ' ';
    }
    if (!entry.empty()) {
        out += entry.front();
    }
    return out;
}

std::string PlayerNumberText(std::string_view text) {
    return std::string(text.substr(0, text.find(' ')));
}

} // namespace orv::edit
