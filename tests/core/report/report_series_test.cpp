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
        const char *path, *prefix, *suffix;
    } rows[] = {
        {"/r/g7turn12.txt", "/r/g7turn", ".txt"},
        {"/r/game7/turn.txt", "", ""},
        {"C:\\game7\\turn.txt", "", ""},
        {"", "", ""},
        {"12.txt", "", ".txt"},
        {"7.txt", "", ".txt"},
        {"turn.txt", "", ""},
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

// Of the names in a folder, only those of the series give a turn.
TEST(SeriesTurns, PassesOverNamesOutsideTheSeries) {
    const ReportSeries series{"/r/turn", ".txt"};
    const std::vector<std::string> names = {"turn3.txt",  "turnX.txt",  "turn-5.txt",
                                            "turn.txt",   "other7.txt", "turn8.doc",
                                            "turn 9.txt", "turn$A.txt", "turn99999999999.txt"};
    // A leading blank and "$" hexadecimal are numbers in the tokenizer's notation.
    EXPECT_EQ(SeriesTurns(series, names), (std::vector<std::int32_t>{3, -5, 9, 10}));
}

using SeriesFolder = fixtures::TempFolder;

// Turns are compared by value, whatever the width of their digits. Of two reports of one
// turn, the one as wide as the current file's number is taken, else the shortest. A report
// of another series in the folder is no turn of this one.
TEST_F(SeriesFolder, TurnsWithLeadingZerosAreFoundByValue) {
    using enum FindMode;
    const struct {
        std::vector<std::string> files;
        const char* current;
        FindMode mode;
        const char* expected; // empty: none
    } rows[] = {
        {{"turn011.txt", "turn012.txt"}, "turn011.txt", Next, "turn012.txt"},
        {{"turn009.txt", "turn010.txt"}, "turn009.txt", Next, "turn010.txt"},
        {{"turn009.txt", "turn010.txt"}, "turn010.txt", Previous, "turn009.txt"},
        {{"turn009.txt", "turn010.txt", "x30.txt"}, "turn010.txt", Next, ""},
        {{"turn99.txt", "turn100.txt"}, "turn99.txt", Next, "turn100.txt"},
        {{"turn99.txt", "turn0100.txt"}, "turn99.txt", Next, "turn0100.txt"},
        {{"turn99.txt", "turn0100.txt"}, "turn0100.txt", Previous, "turn99.txt"},
        {{"turn099.txt", "turn0100.txt", "turn101.txt"}, "turn0100.txt", Next, "turn101.txt"},
        {{"turn0011.txt", "turn9.txt", "turn10.txt"}, "turn9.txt", Next, "turn10.txt"},
        {{"turn7.txt", "turn007.txt", "turn8.txt"}, "turn8.txt", Previous, "turn7.txt"},
        {{"turn7.txt", "turn007.txt", "turn008.txt"}, "turn008.txt", Previous, "turn007.txt"},
        {{"turn07.txt", "turn007.txt", "turn0008.txt"}, "turn0008.txt", Previous, "turn07.txt"},
        {{"turn007.txt", "turn7.txt", "turn0008.txt"}, "turn0008.txt", Previous, "turn7.txt"},
        {{"turn009.txt", "turn010.txt", "turn2.txt"}, "turn009.txt", MostRecent, "turn010.txt"},
        {{"turn10.txt", "turn010.txt"}, "turn001.txt", MostRecent, "turn010.txt"},
        {{"turn010.txt", "turn10.txt"}, "turn1.txt", MostRecent, "turn10.txt"},
        {{"turn010.txt", "turn0010.txt"}, "turn1.txt", MostRecent, "turn010.txt"},
    };
    for (const auto& row : rows) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        for (const std::string& file : row.files) {
            Touch(file);
        }
        const std::string current = (dir / row.current).string();
        const std::string expected = *row.expected ? (dir / row.expected).string() : "";
        EXPECT_EQ(FindReport(SplitReportName(current), current, row.mode), expected)
            << ::testing::PrintToString(row.files) << " from " << row.current;
    }
}

// Only a run of decimal digits names a report, whatever its width; other notations of the
// turn number do not.
TEST(SeriesName, PicksTheNameOfTheTurnByWidth) {
    const ReportSeries series{"/r/turn", ".txt"};
    const std::vector<std::string> names = {"turn 7.txt", "turn+7.txt", "turn$7.txt",
                                            "turn.txt",   "turn7.doc",  "turn000000000000007.txt",
                                            "turn07.txt", "turn17.txt"};
    const struct {
        std::int32_t turn;
        std::size_t width;
        const char* expected;
    } rows[] = {
        {7, 2, "turn07.txt"}, {7, 15, "turn000000000000007.txt"},
        {7, 1, "turn07.txt"}, {17, 3, "turn17.txt"},
        {0, 0, ""},           {8, 1, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SeriesName(series, names, row.turn, row.width), row.expected)
            << row.turn << " in " << row.width << " digits";
    }
}

// Stepping through a series written with leading zeros: each step names the report it
// loads, the other direction's button comes on and the pressed one stays on while there is
// a further report.
TEST_F(SeriesFolder, StepsThroughLeadingZerosAndSetsTheButtons) {
    const std::string t9 = Touch("turn009.txt");
    const std::string t10 = Touch("turn010.txt");
    const std::string t11 = Touch("turn011.txt");
    const ReportSeries series = SplitReportName(t9);
    SeriesButtons buttons;
    UpdateSeriesButtons(series, t9, buttons);
    EXPECT_TRUE(buttons.boxVisible);
    EXPECT_TRUE(buttons.nextEnabled);
    EXPECT_FALSE(buttons.previousEnabled);

    const struct {
        FindMode mode;
        const std::string& found;
        bool next, previous;
    } steps[] = {
        {FindMode::Next, t10, true, true},
        {FindMode::Next, t11, false, true},
        {FindMode::Previous, t10, true, true},
        {FindMode::Previous, t9, true, false},
    };
    std::string current = t9;
    for (const auto& step : steps) {
        EXPECT_EQ(StepReport(series, current, step.mode, buttons), step.found);
        EXPECT_EQ(current, step.found);
        EXPECT_EQ(buttons.nextEnabled, step.next) << step.found;
        EXPECT_EQ(buttons.previousEnabled, step.previous) << step.found;
    }
    // At the end nothing happens: the name and the buttons stay.
    EXPECT_EQ(StepReport(series, current, FindMode::Previous, buttons), "");
    EXPECT_EQ(current, t9);
    EXPECT_TRUE(buttons.nextEnabled);

    UpdateSeriesButtons(SplitReportName((dir / "turn.txt").string()), t9, buttons);
    EXPECT_FALSE(buttons.boxVisible);
}

} // namespace
} // namespace orv::report
