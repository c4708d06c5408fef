#pragma once
// The two text views of the game state: the map drawn from the map model, and the list
// of the global options. Lines are joined by CR LF, without a break after the last.

#include "core/report/game.h"

#include <string>

namespace orv::report {

// The ten-character view of a terrain: its name filled up with fill.
std::string TerrainText(Terrain terrain, char fill);

// The text of "Show Map".
std::string ShowMapText(const TMap& map);

// The fourteen lines of "Show Global Options".
std::string ShowGlobalOptionsText(const GameOptions& options);

} // namespace orv::report
