#pragma once
// The terrains of a province: one table with the name the report's map cells write, the
// name the editor shows, and the move points it costs to enter.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orv::report {

enum class Terrain : std::uint8_t {
    Cultivated,
    Plains,
    Grassland,
    Desert,
    Steppes,
    Forest,
    Hills,
    Mountains,
    Marsh,
    Swamp,
    City,
    Town,
    Metropolis,
    Sea,
};

inline constexpr std::size_t TerrainCount = 14;

struct TerrainInfo {
    Terrain terrain;
    std::string_view reportName; // as a map cell writes it, at most nine characters
    std::string_view name;       // as the editor shows it
    int moveCost;                // move points to enter it over land
};

inline constexpr std::array<TerrainInfo, TerrainCount> Terrains = {{
    {Terrain::Cultivated, "Cultivate", "Cultivated", 1},
    {Terrain::Plains, "Plains", "Plains", 1},
    {Terrain::Grassland, "Grassland", "Grassland", 1},
    {Terrain::Desert, "Desert", "Desert", 1},
    {Terrain::Steppes, "Steppes", "Steppes", 1},
    {Terrain::Forest, "Forest", "Forest", 2},
    {Terrain::Hills, "Hills", "Hills", 2},
    {Terrain::Mountains, "Mountains", "Mountains", 3},
    {Terrain::Marsh, "Marsh", "Marsh", 2},
    {Terrain::Swamp, "Swamp", "Swamps", 3},
    {Terrain::City, "City", "City", 1},
    {Terrain::Town, "Town", "Town", 1},
    // "Metropolis" is ten characters and never fits a nine-character cell whole.
    {Terrain::Metropolis, "Metropolis", "Metropolis", 1},
    {Terrain::Sea, "Sea", "Sea", 1},
}};

constexpr const TerrainInfo& InfoOf(Terrain terrain) {
    return Terrains[static_cast<std::size_t>(terrain)];
}

// City, Town and Metropolis.
constexpr bool IsTown(Terrain terrain) {
    return terrain == Terrain::City || terrain == Terrain::Town || terrain == Terrain::Metropolis;
}

// The terrain a cleaned map cell names; none when it names no terrain. "Metropoli" and
// "Metropol" are the cut names of Metropolis.
std::optional<Terrain> TerrainFromReport(std::string_view cellText);

} // namespace orv::report
