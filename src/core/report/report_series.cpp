#include "core/report/report_series.h"

#include "core/report/text_file.h"
#include "core/report/tokenizer.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace orv::report {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsDirSeparator(char c) {
    return c == '/' || c == '\\';
}

// Position just after the last directory separator, 0 when there is none.
std::size_t FileNameStart(std::string_view path) {
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string_view::npos ? 0 : sep + 1;
}

std::vector<std::string> ListDirectory(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    const std::filesystem::path dir =
        directory.empty() ? std::filesystem::path(".") : std::filesystem::path(directory);
    std::filesystem::directory_iterator it(
        dir, std::filesystem::directory_options::skip_permission_denied, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

// The part of a directory entry between the series' file name prefix and its suffix; none
// when the entry does not begin and end like the series.
std::optional<std::string_view> MiddlePart(const ReportSeries& series, std::string_view name) {
    const std::string_view head =
        std::string_view(series.prefix).substr(FileNameStart(series.prefix));
    const std::string_view tail = series.suffix;
    if (name.size() < head.size() + tail.size() || !name.starts_with(head) ||
        !name.ends_with(tail)) {
        return std::nullopt;
    }
    return name.substr(head.size(), name.size() - head.size() - tail.size());
}

} // namespace

ReportSeries SplitReportName(std::string_view path) {
    std::size_t p = path.size();
    while (p > 0 && !IsDigit(path[p - 1]) && !IsDirSeparator(path[p - 1])) {
        --p;
    }
    if (p == 0 || IsDirSeparator(path[p - 1])) {
        return {};
    }
    const std::size_t digitsEnd = p; // one past the last digit
    while (p > 0 && IsDigit(path[p - 1])) {
        --p;
    }
    return {std::string(path.substr(0, p)), std::string(path.substr(digitsEnd))};
}

std::int32_t TurnNumber(const ReportSeries& series, std::string_view path) {
    const std::size_t outer = series.prefix.size() + series.suffix.size();
    if (path.size() < outer) {
        return NotANumber;
    }
    return TextAsNumber(path.substr(series.prefix.size(), path.size() - outer));
}

std::int32_t ChooseTurn(const std::vector<std::int32_t>& turns, std::int32_t current,
                        FindMode mode) {
    // The search starts from sentinels, as the series has always been read: the limit
    // for "next", -1 otherwise. A choice equal to a sentinel means none.
    std::int32_t best = mode == FindMode::Next ? SeriesLimit : -1;
    for (const std::int32_t turn : turns) {
        if (turn == NotANumber) {
            continue;
        }
        switch (mode) {
        case FindMode::Next:
            if (turn > current && turn < best) {
                best = turn;
            }
            break;
        case FindMode::Previous:
            if (turn < current && turn > best) {
                best = turn;
            }
            break;
        case FindMode::MostRecent:
            if (turn > best) {
                best = turn;
            }
            break;
        }
    }
    return best < 0 || best == SeriesLimit ? NotANumber : best;
}

std::vector<std::int32_t> SeriesTurns(const ReportSeries& series,
                                      const std::vector<std::string>& names) {
    std::vector<std::int32_t> turns;
    for (const std::string& name : names) {
        const std::optional<std::string_view> middle = MiddlePart(series, name);
        const std::int32_t turn = middle ? TextAsNumber(*middle) : NotANumber;
        if (turn != NotANumber) {
            turns.push_back(turn);
        }
    }
    return turns;
}

std::string SeriesName(const ReportSeries& series, const std::vector<std::string>& names,
                       std::int32_t turn, std::size_t width) {
    const std::string* best = nullptr;
    std::size_t bestWidth = 0;
    for (const std::string& name : names) {
        const std::optional<std::string_view> middle = MiddlePart(series, name);
        if (!middle || middle->empty() || !std::all_of(middle->begin(), middle->end(), IsDigit) ||
            TextAsNumber(*middle) != turn) {
            continue;
        }
        if (middle->size() == width) {
            return name; // names of one width and one value are the same name
        }
        if (best == nullptr || middle->size() < bestWidth) {
            best = &name;
            bestWidth = middle->size();
        }
    }
    return best == nullptr ? std::string() : *best;
}

std::string FindReport(const ReportSeries& series, const std::string& reportFileName,
                       FindMode mode) {
    const std::int32_t current =
        mode == FindMode::MostRecent ? 0 : TurnNumber(series, reportFileName);
    const std::string directory = series.prefix.substr(0, FileNameStart(series.prefix));
    const std::vector<std::string> names = ListDirectory(directory);
    const std::int32_t chosen = ChooseTurn(SeriesTurns(series, names), current, mode);
    if (chosen == NotANumber) {
        return {};
    }
    const std::size_t outer = series.prefix.size() + series.suffix.size();
    const std::size_t width = reportFileName.size() > outer ? reportFileName.size() - outer : 0;
    const std::string name = SeriesName(series, names, chosen, width);
    if (name.empty()) {
        return {};
    }
    std::string path = directory + name;
    return FileExists(path) ? path : std::string();
}

std::string StepReport(const ReportSeries& series, std::string& reportFileName, FindMode mode,
                       SeriesButtons& buttons) {
    std::string found = FindReport(series, reportFileName, mode);
    if (found.empty()) {
        return {};
    }
    reportFileName = found;
    const bool further = !FindReport(series, reportFileName, mode).empty();
    if (mode == FindMode::Next) {
        buttons.previousEnabled = true;
        buttons.nextEnabled = further;
    } else {
        buttons.nextEnabled = true;
        buttons.previousEnabled = further;
    }
    return found;
}

void UpdateSeriesButtons(const ReportSeries& series, const std::string& reportFileName,
                         SeriesButtons& buttons) {
    if (!series.IsSeries()) {
        buttons.boxVisible = false;
        return;
    }
    buttons.boxVisible = true;
    buttons.nextEnabled = !FindReport(series, reportFileName, FindMode::Next).empty();
    buttons.previousEnabled = !FindReport(series, reportFileName, FindMode::Previous).empty();
}

} // namespace orv::report
