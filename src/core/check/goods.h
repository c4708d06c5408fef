#pragma once
// The gold and wood left after the units that the move's placement orders buy, counted
// from the top of the move down to a given line.

#include "core/move/move_list.h"
#include "core/move/order.h"
#include "core/report/game.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv::check {

struct Goods {
    std::int32_t gold = 0;
    std::int32_t wood = 0;

    bool operator==(const Goods&) const = default;
};

// Price of one unit, by the first letter of its raw code (any case).
std::int32_t GoldCost(std::string_view word);
std::int32_t WoodCost(std::string_view word);

// The current tribe's gold and wood; 0 and 0 when there is no current tribe.
Goods StartGoods(const report::Game& game);

// What one order of the move costs: only placement orders cost anything, one unit per group.
Goods LineCost(const move::Order& order);

// Subtracts cost from goods; the result saturates instead of overflowing.
Goods Pay(Goods goods, Goods cost);

// The goods left after the lines of the move from index 0 to lastIndex (message lines cost
// nothing), whichever form the move is shown in; start unchanged when lastIndex is below 1.
Goods ComputeCurrentGoods(const move::MoveList& move, Goods start, std::int64_t lastIndex);

// The same from the current tribe's goods.
Goods ComputeCurrentGoods(const move::MoveList& move, const report::Game& game,
                          std::int64_t lastIndex);

} // namespace orv::check
