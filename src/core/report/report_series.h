#pragma once
// Numbered report series: reports saved under names that differ only in the turn number.
// Splits a report path around its turn number and finds the next, previous or newest report.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv::report {

// The parts of a report path before and after the last run of digits in its file name.
// Both are empty when the file name holds no digit.
struct ReportSeries {
    std::string prefix;
    std::string suffix;

    bool IsSeries() const { return !prefix.empty() || !suffix.empty(); }
};

enum class FindMode { Next, Previous, MostRecent };

// The box "Load Report" with its two buttons, as the series logic leaves it.
struct SeriesButtons {
    bool boxVisible = true;
    bool nextEnabled = true;
    bool previousEnabled = true;
};

// The highest turn number the series logic ever picks is one below this.
inline constexpr std::int32_t SeriesLimit = 99999;

// Splits path around the last run of digits of its file name. Both "/" and "\" end the
// file name when walking back.
ReportSeries SplitReportName(std::string_view path);

// The turn number of a report path in the series: the text between prefix and suffix read
// as a number, or NotANumber.
std::int32_t TurnNumber(const ReportSeries& series, std::string_view path);

// Picks a turn among the numbers found for a mode, given the current turn; returns
// NotANumber when none qualifies (also when the choice is the series limit itself).
std::int32_t ChooseTurn(const std::vector<std::int32_t>& turns, std::int32_t current,
                        FindMode mode);

// The turn numbers of the directory entries that belong to the series, read from their
// names (without directory); names whose middle part is no number are passed over.
std::vector<std::int32_t> SeriesTurns(const ReportSeries& series,
                                      const std::vector<std::string>& names);

// The entry (a name without directory) that is the series' report of a turn: of the names
// whose middle part is a run of decimal digits worth the turn, with leading zeros or not, the
// one whose run is `width` digits long, else the one with the shortest run. Empty when no
// name is worth the turn.
std::string SeriesName(const ReportSeries& series, const std::vector<std::string>& names,
                       std::int32_t turn, std::size_t width);

// The path of the next, previous or most recent report of the series, or empty. Turns are
// compared by value, whatever the width of their digits; among reports of the same turn the
// one written as wide as reportFileName's number is taken, else the shortest (SeriesName).
// The current turn is that of reportFileName (not used for MostRecent).
std::string FindReport(const ReportSeries& series, const std::string& reportFileName,
                       FindMode mode);

// "Next" or "Previous": when FindReport finds a report, it becomes reportFileName, the
// button for the other direction is enabled and the one pressed stays enabled only while
// there is a further report. Returns the report found, or empty when nothing happened.
std::string StepReport(const ReportSeries& series, std::string& reportFileName, FindMode mode,
                       SeriesButtons& buttons);

// Shows the box for a series, with each button enabled exactly when its direction finds a
// report; hides it otherwise.
void UpdateSeriesButtons(const ReportSeries& series, const std::string& reportFileName,
                         SeriesButtons& buttons);

} // namespace orv::report
