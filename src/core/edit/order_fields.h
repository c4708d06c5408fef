#pragma once
// The values a command dialog hands over and gets back: the fields of its command, where a
// new line goes, the selected line of the move and a message for the window to show.

#include "core/move/move_file.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>

namespace orv::edit {

// One group of troops of a movement: its count ("AT" for all of a type) and its type name
// ("All" in the first group for all troops).
struct Troop {
    std::string number;
    std::string type;

    bool operator==(const Troop&) const = default;
};

// Land and sea movements and raids: the province the troops leave, the tactic (land only),
// up to three troop groups and the path as direction letters ("N N E").
struct MovementFields {
    std::string x;
    std::string y;
    std::string tactic;
    std::array<Troop, 3> troops;
    std::string direction;

    bool operator==(const MovementFields&) const = default;
};

// One province of a placement, a defensive order or an espionage, with the troop type or
// tactic chosen for it (none for espionage).
struct ProvinceGroup {
    std::string x;
    std::string y;
    std::string choice;

    bool operator==(const ProvinceGroup&) const = default;
};

// Placements, defensive orders and espionage: up to three provinces, the second and the
// third optional.
struct ProvinceGroups {
    std::array<ProvinceGroup, 3> groups;

    bool operator==(const ProvinceGroups&) const = default;
};

// Naming a province (x, y and its new name) or the ruler (the name alone).
struct NamingFields {
    std::string x;
    std::string y;
    std::string name;

    bool operator==(const NamingFields&) const = default;
};

// A change of the alliance status towards a player.
struct AllianceFields {
    std::string player;
    std::string status;

    bool operator==(const AllianceFields&) const = default;
};

// An order on one province: ceding it to a player, or changing its terrain (no player).
struct ProvinceFields {
    std::string x;
    std::string y;
    std::string player;

    bool operator==(const ProvinceFields&) const = default;
};

// The block of messages after "END", as one text of lines.
struct MessageFields {
    std::string text;

    bool operator==(const MessageFields&) const = default;
};

// The fields of one command, of the kind its family uses; nothing held (std::monostate) is
// what Cancel hands over.
using OrderFields = std::variant<std::monostate, MovementFields, ProvinceGroups, NamingFields,
                                 AllianceFields, ProvinceFields, MessageFields>;

// The fields of a family, or empty ones when the order holds another family's, so a caller
// asking for the wrong family reads empty texts rather than failing.
template <typename Family> const Family& FieldsOf(const OrderFields& fields) {
    static const Family none{};
    const Family* held = std::get_if<Family>(&fields);
    return held != nullptr ? *held : none;
}

// Where a composed line goes relative to the selected line of the move.
enum class InsertMode { Above, Below, Replace };

// The selected line of the move list, by index; none when nothing is selected.
using Selection = std::optional<std::size_t>;

// A message for the window to show in a message box with an OK button.
struct UserMessage {
    move::MessageKind kind = move::MessageKind::Error;
    std::string text;

    bool operator==(const UserMessage&) const = default;
};

} // namespace orv::edit
