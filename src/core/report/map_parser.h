#pragma once
// Reads the report's text-grid map (one or more strips of nine-by-five character cells)
// and its isolation lines into the map model.

#include "core/report/map_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

// Reads the map of the report file into map. A file that cannot be read leaves the map
// cleared, with width and height 0; returns false then.
bool LoadMapFromReport(TMap& map, const std::string& fileName);

// The same, from the report's lines.
void LoadMapFromLines(TMap& map, const std::vector<std::string>& lines);

// Apostrophes become blanks, then blanks and control characters go from both ends.
std::string CleanCell(std::string_view cell);

// Applies the troop notation of one cleaned cell line to the province's report counts.
void ReadTroops(std::string_view cell, Province& province);

// The terrain code of a cleaned cell's terrain name, or -1 when it names none.
int TerrainCodeFromName(std::string_view name);

} // namespace orv::report
