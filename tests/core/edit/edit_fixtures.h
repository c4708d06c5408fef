#pragma once
// Small builders shared by the editing tests: order fields and moves written out in full.

#include "../move/move_builder.h"
#include "core/edit/compose.h"
#include "core/edit/order_fields.h"
#include "core/move/move_list.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace orv::edit::testing {

using Lines = std::vector<std::string>;

// A movement with the troop groups given, the rest empty.
inline MovementFields Movement(const char* x, const char* y, const char* tactic,
                               std::initializer_list<Troop> troops, const char* direction) {
    MovementFields f{x, y, tactic, {}, direction};
    std::copy(troops.begin(), troops.end(), f.troops.begin());
    return f;
}

// Province groups from the first on; the groups not given stay empty.
inline ProvinceGroups Groups(std::initializer_list<ProvinceGroup> groups) {
    ProvinceGroups f;
    std::copy(groups.begin(), groups.end(), f.groups.begin());
    return f;
}

inline NamingFields King(const char* name) {
    return {"", "", name};
}

// Lines written as one text with '|' between them: "BEGIN|A|END".
inline Lines Split(const std::string& text) {
    Lines lines;
    for (std::size_t start = 0, bar = 0; bar != std::string::npos; start = bar + 1) {
        bar = text.find('|', start);
        lines.push_back(text.substr(start, bar - start));
    }
    return lines;
}

using move::testing::Move;

} // namespace orv::edit::testing
