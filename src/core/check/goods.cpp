#include "core/check/goods.h"

#include "core/report/tokenizer.h"

#include <algorithm>

namespace orv::check {

namespace {

char FirstLetter(std::string_view word) {
    return word.empty() ? '\0' : report::UpperAscii(word.front());
}

void AddCost(Goods& cost, std::string_view unitWord) {
    cost.gold += GoldCost(unitWord);
    cost.wood += WoodCost(unitWord);
}

} // namespace

// The prices of the units the placement orders buy.
constexpr std::int32_t FootOrBowmanGold = 6;
constexpr std::int32_t HorsemanOrCastleGold = 12;
constexpr std::int32_t ShipWood = 10;

std::int32_t GoldCost(std::string_view word) {
    switch (FirstLetter(word)) {
    case 'B':
    case 'F':
        return FootOrBowmanGold;
    case 'H':
    case 'C':
        return HorsemanOrCastleGold;
    default:
        return 0;
    }
}

std::int32_t WoodCost(std::string_view word) {
    return FirstLetter(word) == 'S' ? ShipWood : 0;
}

Goods StartGoods(const report::Game& game) {
    const report::TribeElem* tribe = game.CurrentTribe();
    return tribe == nullptr ? Goods{} : Goods{tribe->Gold(), tribe->Wood()};
}

Goods LineCost(const move::Order& order) {
    Goods cost;
    if (order.Word(1) != "PLA") {
        return cost;
    }
    // A group's unit word that is missing costs nothing.
    for (int g = 0; g < 3; ++g) {
        AddCost(cost, order.Word(order.GroupAt(g).choice));
    }
    return cost;
}

Goods Pay(Goods goods, Goods cost) {
    return {report::SaturatingAdd(goods.gold, -std::int64_t{cost.gold}),
            report::SaturatingAdd(goods.wood, -std::int64_t{cost.wood})};
}

Goods ComputeCurrentGoods(const move::MoveList& move, Goods start, std::int64_t lastIndex) {
    Goods goods = start;
    const std::int64_t last =
        std::min<std::int64_t>(lastIndex, static_cast<std::int64_t>(move.EndLineIndex()) - 1);
    for (std::int64_t i = 1; i <= last; ++i) {
        goods = Pay(goods, LineCost(move::Order(move.Order(static_cast<std::size_t>(i)).raw)));
    }
    return goods;
}

Goods ComputeCurrentGoods(const move::MoveList& move, const report::Game& game,
                          std::int64_t lastIndex) {
    return ComputeCurrentGoods(move, StartGoods(game), lastIndex);
}

} // namespace orv::check
