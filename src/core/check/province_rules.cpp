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
std::string PlacementFault(const LineWords& words, int k, const CheckState& state, int x, int y,
                           std::string_view unit) {
    const MoveMap& map = state.map;
    if (IsIsolatedOutsideTown(map, x, y)) {
        return std::string(IsolatedMessage);
    }
    if (map.GetTerrain(x, y) == report::Terrain::Sea) {
        return "   Province " + ProvinceText(words, k) + " is a sea province!";
    }
    if (!IsOwned(state, x, y)) {
        return NotOwnedMessage(words, k);
    }
    if (!map.IsHomeProvince(x, y) && unit != "CA" && state.options.placeInHomeProvincesOnly) {
        return "   Province " + ProvinceText(words, k) + " is no home (original) province!";
    }
    if (map.IsIsolated(x, y)) {
        return "   Province " + ProvinceText(words, k) + " is isolated!";
    }
    if (unit == "SH" && !map.IsCoastal(x, y)) {
        return "   Province " + ProvinceText(words, k) + " is no coastal province!";
    }
    return {};
}

// Coordinates, ownership and isolation (towns exempt) of the province at words k, k + 1;
// the first that fails gives its message.
void CheckOwnedProvinceAt(const LineWords& words, int k, const CheckState& state,
                          Messages& messages) {
    const std::int32_t x = NumberAt(words, k);
    const std::int32_t y = NumberAt(words, k + 1);
    if (!state.map.IsOnMap(x, y)) {
        messages.emplace_back(IllegalCoordinatesMessage);
    } else if (!IsOwned(state, x, y)) {
        messages.push_back(NotOwnedMessage(words, k));
    } else if (IsIsolatedOutsideTown(state.map, x, y)) {
        messages.emplace_back(IsolatedMessage);
    }
}

enum class Ownership : std::uint8_t { Own, Foreign };

// Up to three provinces whose x words stand at 2, 2 + step and 2 + 2 * step; an x word that
// is not a number ends the list. Each must be on the map and owned as wanted.
void CheckListedProvinces(const LineWords& words, int step, Ownership wanted,
                          const CheckState& state, Messages& messages) {
    for (int k = 2; k <= 2 + 2 * step; k += step) {
        const std::int32_t x = NumberAt(words, k);
        if (x == report::NotANumber) {
            return;
        }
        const std::int32_t y = NumberAt(words, k + 1);
        if (!state.map.IsOnMap(x, y)) {
            messages.emplace_back(IllegalCoordinatesMessage);
        } else if (IsOwned(state, x, y) != (wanted == Ownership::Own)) {
            messages.push_back(wanted == Ownership::Own
                                   ? NotOwnedMessage(words, k)
                                   : "   You own province " + ProvinceText(words, k) + "!");
        }
    }
}

} // namespace

void CheckPlacement(const LineWords& words, CheckState& state, Messages& messages) {
    for (int k = 2; k <= 8; k += 3) {
        const std::int32_t x = NumberAt(words, k);
        if (x == report::NotANumber) {
            return;
        }
        const std::int32_t y = NumberAt(words, k + 1);
        const std::string_view unit = words.At(k + 2);
        if (!state.map.IsOnMap(x, y)) {
            messages.emplace_back(IllegalCoordinatesMessage);
        } else {
            std::string fault = PlacementFault(words, k, state, x, y, unit);
            if (!fault.empty()) {
                messages.push_back(std::move(fault));
            }
            BookPlacedUnit(state.map, x, y, unit);
        }
        if (unit != "SH") {
            if (state.placedLandUnits.Contains(x, y)) {
                messages.push_back("   Province " + ProvinceText(words, k) +
                                   ": One land unit per province is the limit!");
            }
            state.placedLandUnits.Append(x, y);
        }
    }
}

void CheckDefence(const LineWords& words, const CheckState& state, Messages& messages) {
    CheckListedProvinces(words, 3, Ownership::Own, state, messages);
}

void CheckNaming(const LineWords& words, const CheckState& state, Messages& messages) {
    // NAME with a name in place of coordinates names the king: nothing to check.
    if (!report::IsNumber(words.At(2))) {
        return;
    }
    CheckOwnedProvinceAt(words, 2, state, messages);
}

void CheckOwnProvince(const LineWords& words, const CheckState& state, Messages& messages) {
    CheckOwnedProvinceAt(words, 2, state, messages);
}

void CheckEspionage(const LineWords& words, const CheckState& state, Messages& messages) {
    CheckListedProvinces(words, 2, Ownership::Foreign, state, messages);
}

} // namespace orv::check
