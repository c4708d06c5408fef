#include "core/report/terrain.h"

namespace orv::report {

std::optional<Terrain> TerrainFromReport(std::string_view cellText) {
    for (const TerrainInfo& info : Terrains) {
        if (cellText == info.reportName) {
            return info.terrain;
        }
    }
    if (cellText == "Metropoli" || cellText == "Metropol") {
        return Terrain::Metropolis;
    }
    return std::nullopt;
}

} // namespace orv::report
