#include "core/report/report_series.h"
#include "core/report/tokenizer.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace orv::report {
namespace {

// The series is the file name around its last run of digits; a name without one, or
// with nothing before it in the folder, is no series.
TEST(ReportSeries, SplitsAroundTheLastDigitRunOfTheFileName) {
    const struct {
        const char* path;
        const char* prefix;
        const char* suffix;
    } rows[] = {
        {"/r/g7turn12.txt", "/r/g7turn", ".txt"},
        {"/r/game7/turn.txt", "", ""},
        {"C:\\game7\\turn.txt", "", ""},
        {"", "", ""},
        {"12.txt", "", ".txt"},
        {"/r/turn12", "/r/turn", ""},
        {"/r/turn12/", "", ""},
    };
    for (const auto& row : rows) {
        const ReportSeries series = SplitReportName(row.path);
        EXPECT_EQ(series.prefix, row.prefix) << row.path;
        EXPECT_EQ(series.suffix, row.suffix) << row.path;
    }
}

// Turns at or above the limit of 99999 are no turn to step to, yet a most recent one.
TEST(ReportSeries, ChooseTurnPicksByMode) {
    using enum FindMode;
    const struct {
        std::vector<std::int32_t> turns;
        std::int32_t current;
        FindMode mode;
        std::int32_t expected;
    } rows[] = {
        {{12, 3, 5}, 3, Next, 5},
        {{12, 3, 5}, 12, Next, NotANumber},
        {{99999, 100000}, 3, Next, NotANumber},
        {{12, 3, 5}, 12, Previous, 5},
        {{-5, 12}, 12, Previous, NotANumber},
        {{0, 12}, 12, Previous, 0},
        {{3, 12, 5, -4}, 0, MostRecent, 12},
        {{3, 99999}, 0, MostRecent, NotANumber},
        {{3, 100000}, 0, MostRecent, 100000},
        {{-1, -7}, 0, MostRecent, NotANumber},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ChooseTurn(row.turns, row.current, row.mode), row.expected)
            << ::testing::PrintToString(row.turns) << " from " << row.current;
    }
}

TEST(SeriesTurns, PassesOverNamesOutsideTheSeries) {
    const ReportSeries series{"/r/turn", ".txt"};
    const std::vector<std::string> names = {"turn3.txt",  "turnX.txt",  "turn-5.txt",
                                            "turn.txt",   "other7.txt", "turn8.doc",
                                            "turn 9.txt", "turn$A.txt", "turn99999999999.txt"};
    // A leading blank and "$" hexadecimal are numbers in the tokenizer's notation.
    EXPECT_EQ(SeriesTurns(series, names), (std::vector<std::int32_t>{3, -5, 9, 10}));
}

using SeriesFolder = fixtures::TempFolder;

TEST_F(SeriesFolder, LeadingZerosFindNothing) {
    const std::string t7 = Touch("turn007.txt");
    Touch("turn008.txt");
    EXPECT_EQ(FindReport(SplitReportName(t7), t7, FindMode::Next), "");
    EXPECT_EQ(FindReport(SplitReportName(t7), t7, FindMode::MostRecent), "");
}

TEST_F(SeriesFolder, NextTurnIsFoundInTheFolder) {
    Touch("x3.txt");
    const std::string t1 = Touch("turn1.txt");
    const std::string t2 = Touch("turn2.txt");
    EXPECT_EQ(FindReport(SplitReportName(t1), t1, FindMode::Next), t2);
}

} // namespace
} // namespace orv::report
