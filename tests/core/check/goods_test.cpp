#include "../move/move_builder.h"
#include "core/check/goods.h"

#include <gtest/gtest.h>
#include <limits>

namespace orv::check {
namespace {

using move::testing::RawMove;

TEST(Goods, PricesGoByTheFirstLetterInAnyCase) {
    struct Row {
        const char* word;
        std::int32_t gold, wood;
    };
    for (const Row& row : {Row{"foot", 6, 0}, Row{"Horseman", 12, 0}, Row{"cA", 12, 0},
                           Row{"GE", 0, 0}, Row{"ship", 0, 10}, Row{"", 0, 0}, Row{"\xE9", 0, 0}}) {
        EXPECT_EQ(GoldCost(row.word), row.gold) << row.word;
        EXPECT_EQ(WoodCost(row.word), row.wood) << row.word;
    }
}

// The goods follow the orders down to the selected line, in either display form; message
// lines cost nothing, whatever they read.
TEST(Goods, CountsThePlacementsDownToTheSelectedLine) {
    move::MoveList move =
        RawMove({"BEGIN", "PLA 1 1 FO 2 2 HO", "PLA 3 3 SH", "PLA 4 4 CA", "END", "PLA 1 1 HO"});
    struct Row {
        std::int64_t lastIndex;
        Goods goods;
    };
    for (const move::DisplayForm form : {move::DisplayForm::Raw, move::DisplayForm::Natural}) {
        move.form = form;
        for (const Row& row : {Row{0, {20, 10}}, Row{1, {2, 10}}, Row{2, {2, 0}}, Row{3, {-10, 0}},
                               Row{99, {-10, 0}}}) {
            EXPECT_EQ(ComputeCurrentGoods(move, Goods{20, 10}, row.lastIndex), row.goods)
                << row.lastIndex;
        }
    }
}

TEST(Goods, OnlyTheUnitWordsOfAPlacementCount) {
    struct Row {
        const char* line;
        Goods cost;
    };
    for (const Row& row : {
             Row{"PLA 1 1 FO 2 2", {6, 0}},
             Row{"PLA 1 1 FO 2 2 CA 3 3 SH 4 4 HO", {18, 10}},
             Row{"PLA 1 1 GE 2 2 XX 3 3 BO", {6, 0}},
             Row{"pla 1 1 FO", {0, 0}},
         }) {
        EXPECT_EQ(LineCost(move::Order(row.line)), row.cost) << row.line;
    }
}

TEST(Goods, StartsFromTheCurrentTribeOrFromNothing) {
    report::Game game;
    game.tribes.emplace_back().figures = {55, 7}; // gold and wood
    EXPECT_EQ(StartGoods(game), (Goods{0, 0}));
    game.currentTribe = 0;
    EXPECT_EQ(StartGoods(game), (Goods{55, 7}));
    game.currentTribe = 3; // stale index after the tribe list changed
    EXPECT_EQ(StartGoods(game), (Goods{0, 0}));
}

TEST(Goods, NeverOverflows) {
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    const move::MoveList move = RawMove(std::vector<std::string>(1000, "PLA 1 1 HO 1 1 HO 1 1 SH"));
    EXPECT_EQ(ComputeCurrentGoods(move, Goods{lowest + 5, lowest}, 999), (Goods{lowest, lowest}));
    EXPECT_EQ(Pay({lowest, 3}, {12, 10}), (Goods{lowest, -7}));
}

} // namespace
} // namespace orv::check
