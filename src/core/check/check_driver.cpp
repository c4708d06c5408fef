#include "core/check/check_driver.h"

#include "core/check/movement_rules.h"
#include "core/check/province_rules.h"
#include "core/move/convert.h"
#include "core/move/words.h"

namespace orv::check {

namespace {

// Zeroes the move deltas and placed counters when the check ends, however it ends.
class MoveDeltaGuard {
  public:
    explicit MoveDeltaGuard(report::TMap& map) : map_(map) { map_.ClearMoveDeltas(); }
    ~MoveDeltaGuard() { map_.ClearMoveDeltas(); }
    MoveDeltaGuard(const MoveDeltaGuard&) = delete;
    MoveDeltaGuard& operator=(const MoveDeltaGuard&) = delete;

  private:
    report::TMap& map_;
};

void AppendEntryHeading(std::string& report, std::size_t lineNumber, const std::string& quoted) {
    report += "Error in line ";
    report += std::to_string(lineNumber);
    report += ' ';
    report += quoted;
    report += ":\r\n";
}

std::string_view ShortageText(Goods goods) {
    if (goods.gold < 0 && goods.wood < 0) {
        return "   Not enough gold and wood!";
    }
    return goods.gold < 0 ? "   Not enough gold!" : "   Not enough wood!";
}

// The goods entry for the first order at which gold or wood runs short. One pass: the
// goods after line i are those after line i - 1 less what line i costs.
void CheckGoods(const std::vector<std::string>& rawLines, std::size_t endIndex, Goods start,
                const ShownLine& shownLine, std::string& report) {
    Goods goods = Pay(start, LineCost(rawLines[0], move::DisplayForm::Raw));
    for (std::size_t i = 1; i < endIndex; ++i) {
        goods = Pay(goods, LineCost(rawLines[i], move::DisplayForm::Raw));
        if (goods.gold < 0 || goods.wood < 0) {
            AppendEntryHeading(report, i + 1, QuotedOrderLine(shownLine(i)));
            report += ShortageText(goods);
            report += "\r\n";
            return;
        }
    }
}

} // namespace

std::string QuotedOrderLine(std::string_view shownLine) {
    std::string quoted = "\"";
    if (shownLine.size() > 74) {
        quoted += shownLine.substr(0, 72);
        quoted += "...";
    } else {
        quoted += shownLine;
    }
    quoted += '"';
    return quoted;
}

void CheckOrder(std::string_view rawLine, CheckState& state, Messages& messages) {
    const LineWords words(rawLine);
    const std::string_view keyword = words.At(1);
    if (keyword == "PLA") {
        CheckPlacement(words, state, messages);
    } else if (keyword == "SEA") {
        CheckSeaMove(words, state, messages);
    } else if (keyword == "RAID") {
        CheckRaid(words, state, messages);
    } else if (keyword == "LAND") {
        CheckLandMove(words, state, messages);
    } else if (keyword == "DEF") {
        CheckDefence(words, state, messages);
    } else if (keyword == "NAME") {
        CheckNaming(words, state, messages);
    } else if (keyword == "CEDE" || keyword == "BUILD") {
        CheckOwnProvince(words, state, messages);
    } else if (keyword == "ESP") {
        CheckEspionage(words, state, messages);
    }
}

CheckResult CheckRawMove(const move::MoveList& rawMove, report::Game& game,
                         const ShownLine& shownLine) {
    game.map.ClearMoveMarks();
    const std::vector<std::string>& rawLines = rawMove.lines;
    if (rawLines.size() < 3) {
        return {CheckOutcome::NothingToCheck, {}};
    }
    std::string report;
    {
        const MoveDeltaGuard guard(game.map);
        const std::size_t endIndex = rawMove.EndLineIndex();
        const std::int64_t orderCount = static_cast<std::int64_t>(endIndex) - 1;
        if (orderCount > game.options.maxOrdersPerMove) {
            report += "Error: Maximal number of orders exceeded (Maximal number of orders is "
                      "limited to ";
            report += std::to_string(game.options.maxOrdersPerMove);
            report += ")!\r\n";
        }
        CheckState state{game.map, game.options, TribeKey(game.tribeName), {}};
        Messages messages;
        for (std::size_t i = 1; i < endIndex; ++i) {
            messages.clear();
            CheckOrder(rawLines[i], state, messages);
            if (messages.empty()) {
                continue;
            }
            const std::string quoted = QuotedOrderLine(shownLine(i));
            for (const std::string& message : messages) {
                AppendEntryHeading(report, i, quoted);
                report += message;
                report += "\r\n";
            }
        }
        if (endIndex >= 1) {
            CheckGoods(rawLines, endIndex, StartGoods(game), shownLine, report);
        }
    }
    if (report.empty()) {
        return {CheckOutcome::MoveSeemsCorrect, {}};
    }
    return {CheckOutcome::ErrorsFound, std::move(report)};
}

CheckResult CheckMove(move::MoveList& move, report::Game& game) {
    if (move.form == move::DisplayForm::Raw) {
        return CheckRawMove(move, game, [&move](std::size_t i) { return move.lines[i]; });
    }
    if (move.lines.size() < 3) {
        game.map.ClearMoveMarks();
        return {CheckOutcome::NothingToCheck, {}};
    }
    // Work on copies, so a line that does not convert leaves the move untouched.
    move::MoveList raw = move;
    std::string message = raw.Rebuild(move::DisplayForm::Raw);
    move::MoveList shown = raw;
    if (message.empty()) {
        message = shown.Rebuild(move::DisplayForm::Natural);
    }
    if (!message.empty()) {
        game.map.ClearMoveMarks();
        return {CheckOutcome::NotConvertible, std::move(message)};
    }
    CheckResult result = CheckRawMove(raw, game, [&raw](std::size_t i) {
        return move::ConvertLine(raw.lines[i], move::DisplayForm::Natural);
    });
    move.lines = std::move(shown.lines);
    return result;
}

} // namespace orv::check
