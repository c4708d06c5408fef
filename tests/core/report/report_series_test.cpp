#include "core/report/report_series.h"
#include "core/report/tokenizer.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace orv::report {
namespace {

struct SplitCase {
    const char* name;
    const char* path;
    const char* prefix;
    const char* suffix;
};

class SplitReportNameTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitReportNameTest, SplitsAroundTheLastDigitRunOfTheFileName) {
    const SplitCase& c = GetParam();
    const ReportSeries series = SplitReportName(c.path);
    EXPECT_EQ(series.prefix, c.prefix);
    EXPECT_EQ(series.suffix, c.suffix);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitReportNameTest,
    testing::Values(
        SplitCase{"Plain", "/home/p/reports/turn12.txt", "/home/p/reports/turn", ".txt"},
        SplitCase{"LastRunCounts", "/r/g7turn12.txt", "/r/g7turn", ".txt"},
        SplitCase{"DigitsInFolderOnly", "/r/game7/turn.txt", "", ""},
        SplitCase{"BackslashFolder", "C:\\game7\\turn.txt", "", ""},
        SplitCase{"BackslashSeries", "C:\\g\\t5.rep", "C:\\g\\t", ".rep"},
        SplitCase{"NoDigitNoSeparator", "turn.txt", "", ""}, SplitCase{"Empty", "", "", ""},
        SplitCase{"NumberAtVeryStart", "12.txt", "", ".txt"},
        SplitCase{"OnlyDigits", "345", "", ""}, SplitCase{"DigitLast", "/r/turn12", "/r/turn", ""},
        SplitCase{"TrailingSeparator", "/r/turn12/", "", ""}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

struct ChooseCase {
    const char* name;
    std::vector<std::int32_t> turns;
    std::int32_t current;
    FindMode mode;
    std::int32_t expected;
};

class ChooseTurnTest : public testing::TestWithParam<ChooseCase> {};

TEST_P(ChooseTurnTest, PicksByMode) {
    const ChooseCase& c = GetParam();
    EXPECT_EQ(ChooseTurn(c.turns, c.current, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ChooseTurnTest,
    testing::Values(
        ChooseCase{"NextSmallestAbove", {12, 3, 5}, 3, FindMode::Next, 5},
        ChooseCase{"NextNoneAbove", {12, 3, 5}, 12, FindMode::Next, NotANumber},
        ChooseCase{"NextNeverLimitOrAbove", {99999, 100000}, 3, FindMode::Next, NotANumber},
        ChooseCase{"PreviousLargestBelow", {12, 3, 5}, 12, FindMode::Previous, 5},
        ChooseCase{"PreviousNeverNegative", {-5, 12}, 12, FindMode::Previous, NotANumber},
        ChooseCase{"PreviousZeroCounts", {0, 12}, 12, FindMode::Previous, 0},
        ChooseCase{"MostRecentLargest", {3, 12, 5, -4}, 0, FindMode::MostRecent, 12},
        ChooseCase{"MostRecentAtLimitIsNone", {3, 99999}, 0, FindMode::MostRecent, NotANumber},
        ChooseCase{"MostRecentBeyondLimit", {3, 100000}, 0, FindMode::MostRecent, 100000},
        ChooseCase{"MostRecentOnlyNegative", {-1, -7}, 0, FindMode::MostRecent, NotANumber},
        ChooseCase{"Empty", {}, 0, FindMode::MostRecent, NotANumber}),
    [](const testing::TestParamInfo<ChooseCase>& info) { return std::string(info.param.name); });

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

TEST_F(SeriesFolder, ManyEntriesAreListedOnce) {
    for (int i = 0; i < 10000; ++i) {
        Touch(std::string("x").append(std::to_string(i)).append(".txt"));
    }
    const std::string t1 = Touch("turn1.txt");
    const std::string t2 = Touch("turn2.txt");
    EXPECT_EQ(FindReport(SplitReportName(t1), t1, FindMode::Next), t2);
}

} // namespace
} // namespace orv::report
