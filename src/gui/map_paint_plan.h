#pragma once
// What the map shows while a move is planned on it, above the report and the move: the
// provinces the chosen troops reach this turn and the coasts their ships land them on, the
// cheapest path to the province under the pointer with the move points it costs, where
// foreign troops could strike, and a mark on every province a finding of the check is about.

#include "core/mapview/map_drawing.h"
#include "core/mapview/map_geometry.h"
#include "core/plan/reach.h"
#include "core/plan/threat.h"

#include <QRect>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace orv::gui {

// A problem of the live check on the province it is about.
struct FindingMark {
    check::MapPoint at;
    std::size_t line = 0; // the move line it belongs to
    std::string text;     // as the problem list shows it
};

struct PlanPicture {
    std::optional<plan::Reach> reach;
    // The cheapest path to the province under the pointer, drawn as the order being
    // written is, and the move points it costs.
    std::optional<mapview::Arrow> path;
    int pathCost = 0;
    std::optional<plan::ThreatMap> threats;
    std::vector<FindingMark> findings;
};

// The plan in three layers, so that it covers no troop figure: the shading of the reach and
// the threats above the report, the path under the pointer above the move's paths, and the
// findings marks and the path's cost above the figures.
enum class PlanLayer : std::uint8_t { Shading, Path, Marks };
void PaintPlan(QPainter& painter, PlanLayer layer, const PlanPicture& plan,
               const mapview::Drawing& drawing, const mapview::Geometry& geometry,
               const QRect& area);

// Where a province's findings mark is drawn, and is clicked: a corner at its top that its
// texts keep clear of, the right one unless a town's mark is there alone.
QRect FindingMarkRect(const mapview::Geometry& geometry, const mapview::Drawing& drawing,
                      check::MapPoint at);

} // namespace orv::gui
