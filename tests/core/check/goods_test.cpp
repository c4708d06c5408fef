#include "core/check/goods.h"
#include "core/move/convert.h"

#include <gtest/gtest.h>
#include <limits>

namespace orv::check {
namespace {

using move::DisplayForm;

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

const std::vector<std::string> rawMove{"BEGIN", "PLA 1 1 FO 2 2 HO", "PLA 3 3 SH", "PLA 4 4 CA",
                                       "END"};

TEST(Goods, CountsThePlacementsDownToTheSelectedLine) {
    struct Row {
        std::int64_t lastIndex;
        Goods goods;
    };
    for (const Row& row : {Row{-1, {20, 10}}, Row{0, {20, 10}}, Row{1, {2, 10}}, Row{2, {2, 0}},
                           Row{3, {-10, 0}}, Row{4, {-10, 0}}, Row{99, {-10, 0}}}) {
        EXPECT_EQ(ComputeCurrentGoods(rawMove, row.lastIndex, DisplayForm::Raw, {20, 10}),
                  row.goods)
            << row.lastIndex;
    }
}

TEST(Goods, NaturalSentencesCostWhatTheirRawLinesCost) {
    const std::vector<std::string> raw{"BEGIN",
                                       "PLA 1 1 FO",
                                       "PLA 1 1 BO 2 2 SH",
                                       "PLA 1 1 HO 2 2 CA 3 3 SH",
                                       "PLA 1 1 GE 2 2 XX 3 3 FO",
                                       "DEF 1 1 F",
                                       "END"};
    std::vector<std::string> natural;
    natural.reserve(raw.size());
    for (const std::string& line : raw) {
        natural.push_back(move::ConvertLine(line, DisplayForm::Natural));
    }
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(raw.size()); ++i) {
        EXPECT_EQ(ComputeCurrentGoods(natural, i, DisplayForm::Natural, {100, 100}),
                  ComputeCurrentGoods(raw, i, DisplayForm::Raw, {100, 100}))
            << i;
    }
    EXPECT_EQ(ComputeCurrentGoods(raw, 6, DisplayForm::Raw, {100, 100}), (Goods{58, 80}));
}

TEST(Goods, OnlyTheUnitWordsOfAPlacementCount) {
    struct Row {
        const char* line;
        DisplayForm form;
        Goods cost;
    };
    for (const Row& row : {
             Row{"PLA 1 1 FO 2 2", DisplayForm::Raw, {6, 0}},
             Row{"PLA 1 1 FO 2 2 CA 3 3 SH 4 4 HO", DisplayForm::Raw, {18, 10}},
             Row{"PLA 1 1", DisplayForm::Raw, {0, 0}},
             Row{"pla 1 1 FO", DisplayForm::Raw, {0, 0}},
             Row{"Place one Foot soldier into province 12 / 7", DisplayForm::Raw, {0, 0}},
             Row{"Place one Ship into province 1 / 1", DisplayForm::Natural, {0, 10}},
             Row{"Place one Castle into province 1 / 1, one Horseman into province 2 / 2 and "
                 "one Bowman into province 3 / 3 and one Horseman",
                 DisplayForm::Natural,
                 {30, 0}},
             Row{"Place one one one one", DisplayForm::Natural, {0, 0}},
             Row{"Place one Ship one Foot", DisplayForm::Natural, {6, 10}},
             Row{"place one Ship", DisplayForm::Natural, {0, 0}},
         }) {
        EXPECT_EQ(LineCost(row.line, row.form), row.cost) << row.line;
    }
}

TEST(Goods, MessageLinesBelowENDAreChargedToo) {
    const std::vector<std::string> lines{"BEGIN", "END", "PLA 1 1 HO"};
    EXPECT_EQ(ComputeCurrentGoods(lines, 2, DisplayForm::Raw, {20, 0}), (Goods{8, 0}));
}

TEST(Goods, StartsFromTheCurrentTribeOrFromNothing) {
    report::Game game;
    EXPECT_EQ(StartGoods(game), (Goods{0, 0}));
    report::TribeElem tribe;
    tribe.figures[0] = 55;
    tribe.figures[1] = 7;
    game.tribes.push_back(tribe);
    EXPECT_EQ(StartGoods(game), (Goods{0, 0}));
    game.currentTribe = 0;
    EXPECT_EQ(StartGoods(game), (Goods{55, 7}));
    game.currentTribe = 3; // stale index after the tribe list changed
    EXPECT_EQ(StartGoods(game), (Goods{0, 0}));
}

TEST(Goods, NeverOverflows) {
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::vector<std::string> lines(1000, "PLA 1 1 HO 1 1 HO 1 1 SH");
    EXPECT_EQ(ComputeCurrentGoods(lines, 999, DisplayForm::Raw, {lowest + 5, lowest}),
              (Goods{lowest, lowest}));
    EXPECT_EQ(Pay({lowest, 3}, {12, 10}), (Goods{lowest, -7}));
}

} // namespace
} // namespace orv::check
