#include "core/check/check_state.h"

#include "core/report/tokenizer.h"

namespace orv::check {

std::string TribeKey(std::string_view tribeName) {
    return report::UpperAscii(tribeName.substr(0, 9));
}

bool IsOwned(const CheckState& state, int x, int y) {
    return state.map.GetOwner(x, y) == state.tribeKey;
}

bool IsIsolatedOutsideTown(const MoveMap& map, int x, int y) {
    return map.IsIsolated(x, y) && !report::IsTown(map.GetTerrain(x, y));
}

bool IsolationHoldsTroops(const MoveMap& map, int x, int y) {
    return IsIsolatedOutsideTown(map, x, y) && map.GetGenerals(x, y) == 0;
}

std::string ProvinceText(const move::Order& order, int k) {
    std::string text(order.Word(k));
    text += '/';
    text += order.Word(k + 1);
    return text;
}

std::string NotOwnedMessage(const move::Order& order, int k) {
    return "   You don't own province " + ProvinceText(order, k) + "!";
}

} // namespace orv::check
