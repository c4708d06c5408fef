#pragma once
// The game state read from a turn report: the tribe list with the current tribe, the
// game's global options and the map. One instance lives as long as the program.

#include "core/report/map_model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

// Orders a move may hold when the report sets no limit.
inline constexpr std::int32_t DefaultMaxOrdersPerMove = 9999;

struct GameOptions {
    bool shipPlacementSetsSeaFlag = false;      // e
    bool pincerOnlyWithHorsemen = false;        // P
    bool placeInHomeProvincesOnly = false;      // H
    bool emptyProvincesKeepOwner = false;       // L
    bool anyProvinceCanBecomeHome = false;      // A
    bool buildOrderActive = true;               // B
    bool shipsBuyableWithGold = false;          // S
    bool shipsOnlyWithGold = false;             // s
    bool generalsBuyableWithGold = false;       // G
    bool tabulatedBattleReport = false;         // T
    bool witchcraftAllowed = false;             // h
    bool troopPlacementSetsLandSeaFlag = false; // E
    bool shipsHaveCrew = false;                 // M
    std::int32_t maxOrdersPerMove = DefaultMaxOrdersPerMove;

    bool operator==(const GameOptions&) const = default;
};

// The figures of a General Report row: "Gold Wood Stone Iron Cattle Prov Homes Troops Rank
// Food Score", of which all but the rank are kept.
inline constexpr std::size_t TribeFigureCount = 10;
inline constexpr std::size_t GoldFigure = 0;
inline constexpr std::size_t WoodFigure = 1;
inline constexpr std::size_t FoodFigure = 8;
inline constexpr std::size_t ScoreFigure = 9;

// One row of the General Report table.
struct TribeElem {
    std::string name;
    std::int32_t number = 0;
    std::array<std::int32_t, TribeFigureCount> figures{}; // figure 1 is figures[0]

    std::int32_t Gold() const { return figures[GoldFigure]; }
    std::int32_t Wood() const { return figures[WoodFigure]; }
    std::int32_t Food() const { return figures[FoodFigure]; }
};

struct Game {
    std::vector<TribeElem> tribes;
    std::optional<std::size_t> currentTribe;
    GameOptions options;
    TMap map;
    std::string tribeName; // the tribe the user plays, as chosen or remembered
    // Where moves go: the Reply-To, else the From address of a report saved from a mail;
    // empty for a plain report, whose text names no address.
    std::string gameMasterAddress;

    const TribeElem* CurrentTribe() const {
        return currentTribe && *currentTribe < tribes.size() ? &tribes[*currentTribe] : nullptr;
    }
};

// Empties the tribe list; there is then no current tribe.
void ClearTribeList(Game& game);

// Builds one tribe from a table row and appends it to the list.
void AddTribeRow(Game& game, std::string_view line);

// Makes the first tribe whose name equals tribeName exactly the current tribe (none when
// no name matches). Returns whether one was found.
bool SelectCurrentTribe(Game& game);

} // namespace orv::report
