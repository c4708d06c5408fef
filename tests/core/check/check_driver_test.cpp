#include "../move/move_builder.h"
#include "core/check/check_driver.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace orv::check {
namespace {

using testing::World;

// 2/2 and 3/2 own home coast, 4/4 foreign, sea along the top.
World MakeWorld(std::int32_t gold = 100, std::int32_t wood = 100) {
    World w({"~~~~~", "~....", "~....", "~...."});
    w.Own(2, 2, true).Own(3, 2, true).Foreign(4, 4);
    report::TribeElem tribe;
    tribe.figures[0] = gold;
    tribe.figures[1] = wood;
    w.game.tribes.push_back(tribe);
    w.game.currentTribe = 0;
    return w;
}

using move::testing::RawMove;

const std::string illegal = "   Illegal province coordinates!\r\n";
const std::string limitOf2 =
    "Error: Maximal number of orders exceeded (Maximal number of orders is limited to 2)!\r\n";

struct DriverCase {
    const char* name;
    std::vector<std::string> lines;
    CheckOutcome outcome;
    std::string report;
    std::int32_t maxOrders = 9999;
};

class CheckDriverTest : public ::testing::TestWithParam<DriverCase> {};

TEST_P(CheckDriverTest, GivesTheOutcomeAndTheReport) {
    const DriverCase& c = GetParam();
    World w = MakeWorld();
    w.game.options.maxOrdersPerMove = c.maxOrders;
    const CheckResult result = CheckMove(RawMove(c.lines), w.game);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(CheckReportText(result), c.report);
}

using enum CheckOutcome;

INSTANTIATE_TEST_SUITE_P(
    Moves, CheckDriverTest,
    ::testing::Values(
        DriverCase{"OnlyTheFrame", {"BEGIN", "END"}, NothingToCheck, ""},
        DriverCase{
            "EntriesNameAndQuoteTheirLine",
            {"BEGIN", "ALL 3 2", "PLA 4 4 FO 0 1 CA", "DEF 2 2 F", "ESP 2 2", "END", "PLA 0 0 FO"},
            ErrorsFound,
            "Error in line 1 \"ALL 3 2\":\r\n   There is no player 3!\r\n"
            "Error in line 2 \"PLA 4 4 FO 0 1 CA\":\r\n   You don't own province "
            "4/4!\r\nError in line 2 \"PLA 4 4 FO 0 1 CA\":\r\n" +
                illegal + "Error in line 4 \"ESP 2 2\":\r\n   You own province 2/2!\r\n"},
        DriverCase{"OrderLimitComesFirst",
                   {"BEGIN", "DEF 2 2 F", "DEF 3 2 F", "PLA 0 0 FO", "END"},
                   ErrorsFound,
                   limitOf2 + "Error in line 3 \"PLA 0 0 FO\":\r\n" + illegal,
                   2},
        DriverCase{"AtTheOrderLimit",
                   {"BEGIN", "DEF 2 2 F", "DEF 3 2 F", "END"},
                   MoveSeemsCorrect,
                   "",
                   2}),
    [](const ::testing::TestParamInfo<DriverCase>& info) { return std::string(info.param.name); });

TEST(CheckDriver, QuotesLinesOfUpTo74Characters) {
    const std::string letters(80, 'x');
    EXPECT_EQ(QuotedOrderLine(letters.substr(0, 74)), '"' + letters.substr(0, 74) + '"');
    EXPECT_EQ(QuotedOrderLine(letters.substr(0, 75)), '"' + letters.substr(0, 72) + "...\"");
    EXPECT_EQ(QuotedOrderLine(""), "\"\"");
}

TEST(CheckDriver, GoodsEntryNamesAndQuotesTheOrderWhereTheGoodsRunShort) {
    struct Row {
        std::int32_t gold, wood;
        std::string goodsEntry;
    };
    const std::string order = " \"PLA 3 2 CA 4 4 SH\":\r\n";
    const std::string foreign = "Error in line 3" + order + "   You don't own province 4/4!\r\n";
    const std::string shortOf = "Error in line 3" + order + "   Not enough ";
    for (const Row& row :
         {Row{18, 10, ""}, Row{17, 10, shortOf + "gold!\r\n"}, Row{18, 9, shortOf + "wood!\r\n"},
          Row{17, 9, shortOf + "gold and wood!\r\n"},
          Row{-1, 0, "Error in line 1 \"DEF 2 2 F\":\r\n   Not enough gold!\r\n"}}) {
        World w = MakeWorld(row.gold, row.wood);
        // The message line after END costs nothing: it lies below the last order.
        const move::MoveList m =
            RawMove({"BEGIN", "DEF 2 2 F", "PLA 2 2 FO", "PLA 3 2 CA 4 4 SH", "END", "PLA 2 2 CA"});
        EXPECT_EQ(CheckReportText(CheckMove(m, w.game)), foreign + row.goodsEntry)
            << row.gold << "/" << row.wood;
    }
}

// The result carries each finding with its line (the walks and the troops after the move are
// read through the map drawing tests). Shown in natural form, the raw orders are checked and a
// finding quotes the line as shown.
TEST(CheckDriver, ResultHoldsEachFindingWithItsLine) {
    World w = MakeWorld();
    w.Troops(2, 2, report::FootSoldiers, 3);
    move::MoveList m =
        RawMove({"BEGIN", "PLA 0 0 FO", "LAND 2 2 FO 2 E", "RAID 2 2 FO 1 N", "END"});
    m.form = move::DisplayForm::Natural;
    const CheckResult r = CheckMove(m, w.game);
    ASSERT_EQ(r.findings.size(), 2U);
    EXPECT_EQ(
        r.findings[0],
        (Finding{
            FindingKind::Order, 1, std::string(m.Line(1)), {"   Illegal province coordinates!"}}));
    EXPECT_NE(m.Line(1), "PLA 0 0 FO");
    EXPECT_EQ(r.findings[1].line, 3U);
    EXPECT_EQ(r.findings[1].messages, (Messages{"   Move entered sea province!"}));
    EXPECT_EQ(r.traces.size(), 2U);
    EXPECT_EQ(r.goods, (Goods{94, 100})); // the foot soldier is paid for though refused
    EXPECT_EQ(WithoutIndent("   one\r\n   two"), "one\ntwo");
}

} // namespace
} // namespace orv::check
