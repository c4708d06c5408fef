#include "core/edit/validate.h"

#include "core/move/codes.h"
#include "core/report/tokenizer.h"

namespace orv::edit {

namespace {

using move::CommandKind;
using report::IsNumber;
using Check = std::optional<std::string>;

const std::string& Slot(const OrderFields& f, int n) {
    return f.slot[static_cast<std::size_t>(n - 1)];
}

bool Given(const OrderFields& f, int n) {
    return !Slot(f, n).empty();
}

constexpr std::string_view TroopAndNumber = "You have to enter a troop type AND a number!";
constexpr std::string_view CoordinatesOfProvinces =
    "The X- and Y-coordinate of the provinces has to be a number!";

Check Movement(const OrderFields& f) {
    if (!Given(f, 1) || !Given(f, 2)) {
        return "You have to enter a province!";
    }
    if (!Given(f, 10)) {
        return "You have to enter a direction!";
    }
    const bool all = Slot(f, 4) == "All";
    // An empty first troop under a given second or third would be written as the troop "?".
    const bool laterTroop = Given(f, 5) || Given(f, 6) || Given(f, 7) || Given(f, 8);
    if ((Given(f, 3) && !Given(f, 4)) || (!Given(f, 3) && Given(f, 4) && !all) ||
        (!Given(f, 3) && !Given(f, 4) && laterTroop)) {
        return std::string(TroopAndNumber);
    }
    for (int number : {5, 7}) {
        if (Given(f, number) != Given(f, number + 1)) {
            return std::string(TroopAndNumber);
        }
    }
    if (!Given(f, 3) && !Given(f, 5) && !Given(f, 7) && !all) {
        return "You have to enter at least one troop type!";
    }
    if (!IsNumber(Slot(f, 1)) || !IsNumber(Slot(f, 2))) {
        return "The X- and Y-coordinate of the province has to be a number!";
    }
    if (!move::AreDirections(Slot(f, 10))) {
        return "Direction string is invalid!";
    }
    if (all && Given(f, 3)) {
        return "Do not specify a number, if you select \"ALL\" as a troop type!";
    }
    return std::nullopt;
}

Check Groups(CommandKind kind, const OrderFields& f) {
    if (!Given(f, 1) || !Given(f, 2)) {
        return "You have to enter at least one province!";
    }
    if (!IsNumber(Slot(f, 1)) || !IsNumber(Slot(f, 2))) {
        return std::string(CoordinatesOfProvinces);
    }
    for (int n : {4, 5, 7, 8}) {
        if (!move::IsEmptyOrNumber(Slot(f, n))) {
            return std::string(CoordinatesOfProvinces);
        }
    }
    if (kind == CommandKind::EspionageEnemyProvince) {
        return std::nullopt;
    }
    const bool place = kind == CommandKind::PlaceUnits;
    if (!Given(f, 3)) {
        return place ? "You have to enter at least one troop type!"
                     : "You have to enter at least one tactic!";
    }
    for (int group = 1; group <= 3; ++group) {
        const int first = 3 * group - 2;
        const int given =
            int{Given(f, first)} + int{Given(f, first + 1)} + int{Given(f, first + 2)};
        if (given != 0 && given != 3) {
            return "You have to specify an X-coordinate AND an Y-coordinate AND a " +
                   std::string(place ? "troop type for unit " : "tactic for order ") +
                   std::to_string(group) + "!";
        }
    }
    return std::nullopt;
}

Check Province(const OrderFields& f) {
    if (!Given(f, 1) || !Given(f, 2)) {
        return "You have to enter a province!";
    }
    if (!IsNumber(Slot(f, 1)) || !IsNumber(Slot(f, 2))) {
        return std::string(CoordinatesOfProvinces);
    }
    return std::nullopt;
}

Check Alliance(const OrderFields& f) {
    if (!Given(f, 1) || !Given(f, 2)) {
        return "You have to enter a player number AND a status!";
    }
    if (!IsNumber(Slot(f, 1))) {
        return "Player number is no number!";
    }
    if (!IsNumber(Slot(f, 2))) {
        return "Status has to be a number!";
    }
    return std::nullopt;
}

Check Cession(const OrderFields& f) {
    if (!Given(f, 3)) {
        return "You have to enter a player number to cede the province to!";
    }
    if (!IsNumber(Slot(f, 3))) {
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
        return Given(f, 3) ? Check() : "You have to enter a new name for the province!";
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
        return Given(f, 1) ? Check() : "You have to enter a name for the queen/king!";
    case CommandKind::SendMessages:
        return Given(f, 1) ? Check() : "You have to enter a message!";
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
