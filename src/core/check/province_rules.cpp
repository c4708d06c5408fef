#include "core/check/province_rules.h"

#include "core/report/tokenizer.h"

#include <array>
#include <utility>

namespace orv::check {

namespace {

// Books one placed unit by its code; any other word books nothing.
void BookPlacedUnit(MoveMap& map, int x, int y, std::string_view unit) {
    constexpr std::array<std::pair<std::string_view, report::TroopKind>, 6> units{{
        {"FO", report::FootSoldiers},
        {"BO", report::Bowmen},
        {"HO", report::Horsemen},
        {"GE", report::Generals},
        {"SH", report::Ships},
        {"CA", report::Castles},
    }};
    for (const auto& [code, kind] : units) {
        if (unit == code) {
            map.Add(x, y, kind, 1, true);
        }
    }
}

// The first placement test that fails for a triple at a legal province, or empty text.
std::string PlacementFault(const move::Order& order, int k, const CheckState& state, int x, int y,
                           std::string_view unit) {
    const MoveMap& map = state.map;
    if (IsIsolatedOutsideTown(map, x, y)) {
        return std::string(IsolatedMessage);
    }
    if (map.GetTerrain(x, y) == report::Terrain::Sea) {
        return "   Province " + ProvinceText(order, k) + " is a sea province!";
    }
    if (!IsOwned(state, x, y)) {
        return NotOwnedMessage(order, k);
    }
    if (!map.IsHomeProvince(x, y) && unit != "CA" && state.options.placeInHomeProvincesOnly) {
        return "   Province " + ProvinceText(order, k) + " is no home (original) province!";
    }
    if (map.IsIsolated(x, y)) {
        return "   Province " + ProvinceText(order, k) + " is isolated!";
    }
    if (unit == "SH" && !map.IsCoastal(x, y)) {
        return "   Province " + ProvinceText(order, k) + " is no coastal province!";
    }
    return {};
}

// Coordinates, ownership and isolation (towns exempt) of the province at words k, k + 1;
// the first that fails gives its message.
void CheckOwnedProvinceAt(const move::Order& order, int k, const CheckState& state,
                          Messages& messages) {
    const std::int32_t x = order.Number(k);
    const std::int32_t y = order.Number(k + 1);
    if (!state.map.IsOnMap(x, y)) {
        messages.emplace_back(IllegalCoordinatesMessage);
    } else if (!IsOwned(state, x, y)) {
        messages.push_back(NotOwnedMessage(order, k));
    } else if (IsIsolatedOutsideTown(state.map, x, y)) {
        messages.emplace_back(IsolatedMessage);
    }
}

enum class Ownership : std::uint8_t { Own, Foreign };

// The three provinces of the order's groups; an x word that is not a number ends the list.
// Each must be on the map and owned as wanted.
void CheckListedProvinces(const move::Order& order, Ownership wanted, const CheckState& state,
                          Messages& messages) {
    for (int g = 0; g < 3; ++g) {
        const int k = order.GroupAt(g).x;
        const std::int32_t x = order.Number(k);
        if (x == report::NotANumber) {
            return;
        }
        const std::int32_t y = order.Number(k + 1);
        if (!state.map.IsOnMap(x, y)) {
            messages.emplace_back(IllegalCoordinatesMessage);
        } else if (IsOwned(state, x, y) != (wanted == Ownership::Own)) {
            messages.push_back(wanted == Ownership::Own
                                   ? NotOwnedMessage(order, k)
                                   : "   You own province " + ProvinceText(order, k) + "!");
        }
    }
}

} // namespace

void CheckPlacement(const move::Order& order, CheckState& state, Messages& messages) {
    for (int g = 0; g < 3; ++g) {
        const move::Order::Group group = order.GroupAt(g);
        const int k = group.x;
        const std::int32_t x = order.Number(k);
        if (x == report::NotANumber) {
            return;
        }
        const std::int32_t y = order.Number(k + 1);
        const std::string_view unit = order.Word(group.choice);
        if (!state.map.IsOnMap(x, y)) {
            messages.emplace_back(IllegalCoordinatesMessage);
        } else {
            std::string fault = PlacementFault(order, k, state, x, y, unit);
            if (!fault.empty()) {
                messages.push_back(std::move(fault));
            }
            BookPlacedUnit(state.map, x, y, unit);
        }
        if (unit != "SH") {
            if (state.placedLandUnits.Contains(x, y)) {
                messages.push_back("   Province " + ProvinceText(order, k) +
                                   ": One land unit per province is the limit!");
            }
            state.placedLandUnits.Append(x, y);
        }
    }
}

void CheckDefence(const move::Order& order, const CheckState& state, Messages& messages) {
    CheckListedProvinces(order, Ownership::Own, state, messages);
}

void CheckNaming(const move::Order& order, const CheckState& state, Messages& messages) {
    // NAME with a name in place of coordinates names the king: nothing to check.
    if (order.Kind() != move::CommandKind::NameProvince) {
        return;
    }
    CheckOwnedProvinceAt(order, 2, state, messages);
}

void CheckOwnProvince(const move::Order& order, const CheckState& state, Messages& messages) {
    CheckOwnedProvinceAt(order, 2, state, messages);
}

void CheckEspionage(const move::Order& order, const CheckState& state, Messages& messages) {
    CheckListedProvinces(order, Ownership::Foreign, state, messages);
}

} // namespace orv::check
