#include "core/check/check_state.h"

#include "core/report/tokenizer.h"

namespace orv::check {

std::int32_t NumberAt(const LineWords& words, int n) {
    return report::TextAsNumber(words.At(n));
}

std::string TribeKey(std::string_view tribeName) {
    return report::UpperAscii(tribeName.substr(0, 9));
}

bool IsOwned(const CheckState& state, int x, int y) {
    return state.map.GetOwner(x, y) == state.tribeKey;
}

bool IsIsolatedOutsideTown(const MoveMap& map, int x, int y) {
    return map.IsIsolated(x, y) && !report::IsTown(map.GetTerrain(x, y));
}

std::string ProvinceText(const LineWords& words, int k) {
    std::string text(words.At(k));
    text += '/';
    text += words.At(k + 1);
    return text;
}

std::string NotOwnedMessage(const LineWords& words, int k) {
    return "   You don't own province " + ProvinceText(words, k) + "!";
}

} // namespace orv::check
