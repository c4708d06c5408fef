#pragma once
// The provinces of the turn report's map (at most 50 x 50) and the changes the orders of
// a move make to them while the move is checked, so later orders see what earlier ones did.

#include <array>
#include <cstdint>
#include <string>

namespace orv::report {

inline constexpr int MaxMapSize = 50;
inline constexpr std::uint8_t SeaTerrain = 13;
inline constexpr std::uint8_t StatusLetterNone = 2; // 't'

// Index into the six troop counts of a province.
enum TroopKind : int { FootSoldiers = 0, Bowmen, Horsemen, Castles, Generals, Ships, TroopKinds };

struct Province {
    std::uint8_t terrain = 0;
    std::array<std::int32_t, TroopKinds> troops{};
    std::array<std::int32_t, TroopKinds> moveDelta{};
    std::array<std::int32_t, TroopKinds> placed{};
    std::string owner;             // at most 9 characters, as written in the report
    std::string nameLine;          // at most 9 characters
    std::uint8_t statusLetter = 0; // index into "fptuc"
    bool apostropheMark = false;
    bool isolated = false;
    bool landMark = false;
    bool seaMark = false;
    bool homeProvince = false;
};

class TMap {
  public:
    // Queries. Coordinates outside 1..50 answer as an empty sea province; changes there
    // are ignored, so hostile coordinates can never reach outside the grid.
    bool IsOnMap(std::int64_t x, std::int64_t y) const;
    std::uint8_t GetTerrain(int x, int y) const { return At(x, y).terrain; }
    std::string GetOwner(int x, int y) const;
    bool IsCoastal(int x, int y) const;
    bool IsIsolated(int x, int y) const { return At(x, y).isolated; }
    bool IsLandMarked(int x, int y) const { return At(x, y).landMark; }
    bool IsSeaMarked(int x, int y) const { return At(x, y).seaMark; }
    bool IsHomeProvince(int x, int y) const { return At(x, y).homeProvince; }
    std::int32_t GetFootSoldiers(int x, int y) const { return Count(x, y, FootSoldiers); }
    std::int32_t GetBowmen(int x, int y) const { return Count(x, y, Bowmen); }
    std::int32_t GetHorsemen(int x, int y) const { return Count(x, y, Horsemen); }
    std::int32_t GetGenerals(int x, int y) const { return Count(x, y, Generals); }
    std::int32_t GetShips(int x, int y) const { return Count(x, y, Ships); }
    std::int32_t GetPlacedShips(int x, int y) const { return At(x, y).placed[Ships]; }

    // Changes to the move's counts; the report's counts are never touched.
    void AddFootSoldiers(int x, int y, std::int32_t amount, bool alsoPlaced) {
        Add(x, y, FootSoldiers, amount, alsoPlaced);
    }
    void AddBowmen(int x, int y, std::int32_t amount, bool alsoPlaced) {
        Add(x, y, Bowmen, amount, alsoPlaced);
    }
    void AddHorsemen(int x, int y, std::int32_t amount, bool alsoPlaced) {
        Add(x, y, Horsemen, amount, alsoPlaced);
    }
    void AddCastles(int x, int y, std::int32_t amount, bool alsoPlaced) {
        Add(x, y, Castles, amount, alsoPlaced);
    }
    void AddGenerals(int x, int y, std::int32_t amount, bool alsoPlaced) {
        Add(x, y, Generals, amount, alsoPlaced);
    }
    void AddShips(int x, int y, std::int32_t amount, bool alsoPlaced) {
        Add(x, y, Ships, amount, alsoPlaced);
    }
    void Add(int x, int y, TroopKind kind, std::int32_t amount, bool alsoPlaced);
    void SetLandMark(int x, int y, bool value);
    void SetSeaMark(int x, int y, bool value);

    // Whole-map operations.
    void ClearMap();
    void ClearMoveDeltas();
    void ClearMoveMarks();

    // Direct access for the map reader and the views; nullptr outside the grid.
    Province* Cell(int x, int y);
    const Province& At(int x, int y) const;

    int width = 0;
    int height = 0;

  private:
    std::int32_t Count(int x, int y, TroopKind kind) const;

    std::array<std::array<Province, MaxMapSize>, MaxMapSize> provinces_;
};

// True when x and y address a cell of the 50 x 50 grid.
constexpr bool IsInGrid(std::int64_t x, std::int64_t y) {
    return x >= 1 && x <= MaxMapSize && y >= 1 && y <= MaxMapSize;
}

// Adds without signed overflow: the result saturates at the 32-bit limits.
std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b);

} // namespace orv::report
