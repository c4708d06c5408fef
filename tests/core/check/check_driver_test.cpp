#include "../move/move_builder.h"
#include "core/check/check_driver.h"
#include "core/move/convert.h"
#include "test_world.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

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
    move::MoveList m = RawMove(c.lines);
    const CheckResult result = CheckMove(m, w.game);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.report, c.report);
    EXPECT_EQ(m.lines, c.lines);
}

using enum CheckOutcome;

INSTANTIATE_TEST_SUITE_P(
    Moves, CheckDriverTest,
    ::testing::Values(
        DriverCase{"OnlyTheFrame", {"BEGIN", "END"}, NothingToCheck, ""},
        DriverCase{"OneCorrectOrder", {"BEGIN", "ALL 3 2", "END"}, MoveSeemsCorrect, ""},
        DriverCase{
            "EntriesNameAndQuoteTheirLine",
            {"BEGIN", "ALL 3 2", "PLA 4 4 FO 0 1 CA", "DEF 2 2 F", "ESP 2 2", "END", "PLA 0 0 FO"},
            ErrorsFound,
            "Error in line 2 \"PLA 4 4 FO 0 1 CA\":\r\n   You don't own province "
            "4/4!\r\nError in line 2 \"PLA 4 4 FO 0 1 CA\":\r\n" +
                illegal + "Error in line 4 \"ESP 2 2\":\r\n   You own province 2/2!\r\n"},
        DriverCase{"AMessageLineENDEndsTheOrders",
                   {"BEGIN", "END", "PLA 0 0 FO", "END"},
                   ErrorsFound,
                   "Error in line 2 \"PLA 0 0 FO\":\r\n" + illegal},
        DriverCase{"WithoutENDNothingIsChecked",
                   {"BEGIN", "PLA 0 0 FO", "PLA 0 0 FO", "end"},
                   MoveSeemsCorrect,
                   "",
                   0},
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

TEST(CheckDriver, GoodsEntryNamesTheNextLineAndQuotesTheShortOne) {
    struct Row {
        const char* name;
        std::int32_t gold, wood;
        std::string goodsEntry;
    };
    const std::string order = " \"PLA 3 2 CA 4 4 SH\":\r\n";
    const std::string foreign = "Error in line 3" + order + "   You don't own province 4/4!\r\n";
    for (const Row& row :
         {Row{"Enough", 18, 10, ""},
          Row{"Gold", 17, 10, "Error in line 4" + order + "   Not enough gold!\r\n"},
          Row{"Wood", 18, 9, "Error in line 4" + order + "   Not enough wood!\r\n"},
          Row{"Both", 17, 9, "Error in line 4" + order + "   Not enough gold and wood!\r\n"},
          Row{"ShortFromTheStart", -1, 0,
              "Error in line 2 \"DEF 2 2 F\":\r\n   Not enough gold!\r\n"}}) {
        World w = MakeWorld(row.gold, row.wood);
        // The message line after END costs nothing: it lies below the last order.
        move::MoveList m =
            RawMove({"BEGIN", "DEF 2 2 F", "PLA 2 2 FO", "PLA 3 2 CA 4 4 SH", "END", "PLA 2 2 CA"});
        EXPECT_EQ(CheckMove(m, w.game).report, foreign + row.goodsEntry) << row.name;
    }
    World w = MakeWorld();
    w.game.currentTribe.reset(); // no current tribe: no goods at all
    move::MoveList m = RawMove({"BEGIN", "PLA 2 2 SH", "END"});
    EXPECT_EQ(CheckMove(m, w.game).report,
              "Error in line 2 \"PLA 2 2 SH\":\r\n   Not enough wood!\r\n");
}

// Drops the quoted text of every heading: "Error in line 3 ...:" becomes "Error in line 3".
std::string WithoutQuotes(const std::string& report) {
    std::string out;
    for (std::size_t p = 0; p < report.size();) {
        const std::size_t end = std::min(report.find("\r\n", p), report.size());
        const std::string line = report.substr(p, end - p);
        out += line.rfind("Error in line ", 0) == 0 ? line.substr(0, line.find('"')) : line;
        out += '\n';
        p = end + 2;
    }
    return out;
}

TEST(CheckDriver, NaturalAndRawDisplayGiveTheSameEntries) {
    const std::vector<std::string> raw{"BEGIN",
                                       "PLA 2 2 FO 4 4 SH",
                                       "LAND 2 2 FO 1 E",
                                       "LAND 3 2 FO 2 E",
                                       "SEA 2 2 FO 1 W",
                                       "RAID 4 4 AT N",
                                       "NAME Eric",
                                       "NAME 4 4 Keep",
                                       "ESP 2 2 4 4",
                                       "PLA 3 2 CA",
                                       "END",
                                       "greetings",
                                       "END"};
    World rawWorld = MakeWorld(10, 0);
    move::MoveList rawMove = RawMove(raw);
    const CheckResult rawResult = CheckMove(rawMove, rawWorld.game);

    World naturalWorld = MakeWorld(10, 0);
    move::MoveList natural = RawMove(raw);
    ASSERT_EQ(natural.Rebuild(move::DisplayForm::Natural), "");
    const std::vector<std::string> shown = natural.lines;
    const CheckResult naturalResult = CheckMove(natural, naturalWorld.game);

    EXPECT_EQ(rawResult.outcome, CheckOutcome::ErrorsFound);
    EXPECT_EQ(WithoutQuotes(naturalResult.report), WithoutQuotes(rawResult.report));
    const std::string sentence = move::ConvertLine(raw[3], move::DisplayForm::Natural);
    EXPECT_NE(naturalResult.report.find("Error in line 3 " + QuotedOrderLine(sentence)),
              std::string::npos);
    EXPECT_EQ(natural.lines, shown);
    EXPECT_EQ(natural.form, move::DisplayForm::Natural);
}

TEST(CheckDriver, ALineWithoutRawFormLeavesTheMoveAsItWas) {
    World w = MakeWorld();
    move::MoveList m;
    m.lines = {"BEGIN", "Change terrain type of province 2 / 2", "hello world", "END"};
    m.fileName = "/moves/turn12.cmd";
    const CheckResult r = CheckMove(m, w.game);
    EXPECT_EQ(r.outcome, CheckOutcome::NotConvertible);
    EXPECT_EQ(r.report, "Error in file: unrecognized command in line\r\nhello world");
    EXPECT_EQ(m.lines[2], "hello world");
    EXPECT_EQ(m.lines.size(), 4U);
    EXPECT_EQ(m.fileName, "/moves/turn12.cmd");
    EXPECT_EQ(m.form, move::DisplayForm::Natural);
}

TEST(CheckDriver, MapHoldsNoMoveStateAfterTheCheck) {
    World w = MakeWorld();
    w.game.map.SetSeaMark(4, 2, true); // left from an earlier check
    w.game.map.AddFootSoldiers(4, 3, 7, true);
    move::MoveList m = RawMove({"BEGIN", "PLA 2 2 FO", "LAND 2 2 FO 1 E", "END"});
    EXPECT_EQ(CheckMove(m, w.game).outcome, CheckOutcome::MoveSeemsCorrect);
    EXPECT_FALSE(w.game.map.IsSeaMarked(4, 2));
    EXPECT_TRUE(w.game.map.IsLandMarked(3, 2)); // the earmark stays until the next check
    EXPECT_EQ(w.Cell(3, 2).moveDelta, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(w.Cell(2, 2).placed, (std::array<std::int32_t, 6>{}));
    EXPECT_EQ(w.Cell(4, 3).placed, (std::array<std::int32_t, 6>{}));
}

TEST(CheckDriver, AFailureDuringTheCheckStillClearsTheMoveState) {
    World w = MakeWorld();
    move::MoveList m = RawMove({"BEGIN", "PLA 2 2 FO", "PLA 0 0 FO", "END"});
    const auto failing = [](std::size_t) -> std::string { throw std::runtime_error("quote"); };
    EXPECT_THROW(CheckRawMove(m, w.game, failing), std::runtime_error);
    EXPECT_EQ(w.game.map.GetFootSoldiers(2, 2), 0);
    EXPECT_EQ(w.Cell(2, 2).placed[report::FootSoldiers], 0);
}

} // namespace
} // namespace orv::check
