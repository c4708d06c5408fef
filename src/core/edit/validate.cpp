#include "core/edit/validate.h"

#include "core/move/codes.h"
#include "core/report/tokenizer.h"

namespace orv::edit {

namespace {

using move::CommandKind;
using report::IsNumber;
using Check = std::optional<std::string>;

constexpr std::string_view TroopAndNumber = "You have to enter a troop type AND a number!";
constexpr std::string_view CoordinatesOfProvinces =
    "The X- and Y-coordinate of the provinces has to be a number!";

Check Movement(const OrderFields& f) {
    if (!f.Given(1) || !f.Given(2)) {
        return "You have to enter a province!";
    }
    if (!f.Given(10)) {
        return "You have to enter a direction!";
    }
    const bool all = f.At(4) == "All";
    // An empty first troop under a given second or third would be written as the troop "?".
    const bool laterTroop = f.Given(5) || f.Given(6) || f.Given(7) || f.Given(8);
    if ((f.Given(3) && !f.Given(4)) || (!f.Given(3) && f.Given(4) && !all) ||
        (!f.Given(3) && !f.Given(4) && laterTroop)) {
        return std::string(TroopAndNumber);
    }
    for (int number : {5, 7}) {
        if (f.Given(number) != f.Given(number + 1)) {
            return std::string(TroopAndNumber);
        }
    }
    if (!f.Given(3) && !f.Given(5) && !f.Given(7) && !all) {
        return "You have to enter at least one troop type!";
    }
    if (!IsNumber(f.At(1)) || !IsNumber(f.At(2))) {
        return "The X- and Y-coordinate of the province has to be a number!";
    }
    if (!move::AreDirections(f.At(10))) {
        return "Direction string is invalid!";
    }
    if (all && f.Given(3)) {
        return "Do not specify a number, if you select \"ALL\" as a troop type!";
    }
    return std::nullopt;
}

Check Groups(CommandKind kind, const OrderFields& f) {
    if (!f.Given(1) || !f.Given(2)) {
        return "You have to enter at least one province!";
    }
    if (!IsNumber(f.At(1)) || !IsNumber(f.At(2))) {
        return std::string(CoordinatesOfProvinces);
    }
    for (int n : {4, 5, 7, 8}) {
        if (!move::IsEmptyOrNumber(f.At(n))) {
            return std::string(CoordinatesOfProvinces);
        }
    }
    if (kind == CommandKind::EspionageEnemyProvince) {
        return std::nullopt;
    }
    const bool place = kind == CommandKind::PlaceUnits;
    if (!f.Given(3)) {
        return place ? "You have to enter at least one troop type!"
                     : "You have to enter at least one tactic!";
    }
    for (int group = 1; group <= 3; ++group) {
        const int first = 3 * group - 2;
        const int given = int{f.Given(first)} + int{f.Given(first + 1)} + int{f.Given(first + 2)};
        if (given != 0 && given != 3) {
            return "You have to specify an X-coordinate AND an Y-coordinate AND a " +
                   std::string(place ? "troop type for unit " : "tactic for order ") +
                   std::to_string(group) + "!";
        }
    }
    return std::nullopt;
}

Check Province(const OrderFields& f) {
    if (!f.Given(1) || !f.Given(2)) {
        return "You have to enter a province!";
    }
    if (!IsNumber(f.At(1)) || !IsNumber(f.At(2))) {
        return std::string(CoordinatesOfProvinces);
    }
    return std::nullopt;
}

Check Alliance(const OrderFields& f) {
    if (!f.Given(1) || !f.Given(2)) {
        return "You have to enter a player number AND a status!";
    }
    if (!IsNumber(f.At(1))) {
        return "Player number is no number!";
    }
    if (!IsNumber(f.At(2))) {
        return "Status has to be a number!";
    }
    return std::nullopt;
}

Check Cession(const OrderFields& f) {
    if (!f.Given(3)) {
        return "You have to enter a player number to cede the province to!";
    }
    if (!IsNumber(f.At(3))) {
        return "The player number is no number!";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ValidateOrderFields(CommandKind kind, const OrderFields& f) {
    switch (kind) {
    case CommandKind::MoveThroughLand:
    case CommandKind::MoveThroughSea:
    case CommandKind::RaidProvince:
        return Movement(f);
    case CommandKind::PlaceUnits:
    case CommandKind::GiveDefensiveOrders:
    case CommandKind::EspionageEnemyProvince:
        return Groups(kind, f);
    case CommandKind::NameProvince:
        if (auto failed = Province(f)) {
            return failed;
        }
        return f.Given(3) ? Check() : "You have to enter a new name for the province!";
    case CommandKind::AlterAllianceStatus:
        return Alliance(f);
    case CommandKind::CedeProvince:
        if (auto failed = Province(f)) {
            return failed;
        }
        return Cession(f);
    case CommandKind::ChangeTerrainType:
        return Province(f);
    case CommandKind::NameKing:
        return f.Given(1) ? Check() : "You have to enter a name for the queen/king!";
    case CommandKind::SendMessages:
        return f.Given(1) ? Check() : "You have to enter a message!";
    }
    return std::nullopt;
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
