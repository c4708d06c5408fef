#pragma once
// Reads the report's text-grid map (one or more strips of nine-by-five character cells)
// and its isolation lines into the map model.

#include "core/report/map_model.h"

#include <string>
#include <string_view>

namespace orv::report {

// Reads the map of the report's text into map.
void LoadMapFromText(TMap& map, std::string_view text);

// What the window's status line says when the report's map is wider or higher than the
// 50 x 50 provinces read of it; empty for a map that fits.
std::string MapCutMessage(const TMap& map);

// Whether the text holds a map frame line at all.
bool HasMapFrame(std::string_view text);

// Apostrophes become blanks, then blanks and control characters go from both ends.
std::string CleanCell(std::string_view cell);

// Applies the troop notation of one cell line to the province's report counts; blanks,
// control characters and apostrophes are passed over, so the cell need not be cleaned.
void ReadTroops(std::string_view cell, Province& province);

} // namespace orv::report
