#pragma once
// Where foreign troops could strike next turn: for every foreign province with land units,
// the provinces its troops reach by the check's own rules (over land, or by their ships and
// a landing), as the report shows them, with no move's earmarks; and for every province,
// the foreign provinces that could reach it.

#include "core/check/walk_path.h"
#include "core/report/game.h"

#include <cstdint>
#include <span>
#include <vector>

namespace orv::plan {

// A foreign province holding land units (foot soldiers, bowmen, horsemen, generals).
struct Army {
    check::MapPoint at;
    std::int32_t troops = 0; // its land units, as the report counts them
};

class ThreatMap {
  public:
    // Every foreign province with land units, row by row from the top.
    const std::vector<Army>& Armies() const { return armies_; }
    // The armies (indexes into Armies()) that could reach the province; none off the map.
    std::span<const std::uint16_t> ArmiesAt(int x, int y) const;
    // Their land units together.
    std::int64_t TroopsAt(int x, int y) const;

  private:
    friend ThreatMap Threats(const report::Game& game);
    int Index(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<Army> armies_;
    std::vector<std::size_t> begin_; // per province, where its armies begin in entries_
    std::vector<std::uint16_t> entries_;
    std::vector<std::int64_t> troops_;
};

// The threats of the game's map. A foreign army strikes a land province its LAND walk ends
// in, with the move points of the best part of its troops; with ships also one it reaches by
// a LAND walk from a sea province its ships reach. Its own province is not counted.
ThreatMap Threats(const report::Game& game);

} // namespace orv::plan
