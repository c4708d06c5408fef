#include "core/check/check_driver.h"

#include "core/check/movement_rules.h"
#include "core/check/province_rules.h"

#include <algorithm>
#include <optional>

namespace orv::check {

namespace {

void AppendEntryHeading(std::string& report, std::size_t lineNumber, std::string_view order) {
    report += "Error in line ";
    report += std::to_string(lineNumber);
    report += ' ';
    report += QuotedOrderLine(order);
    report += ":\r\n";
}

std::string_view ShortageText(Goods goods) {
    if (goods.gold < 0 && goods.wood < 0) {
        return "   Not enough gold and wood!";
    }
    return goods.gold < 0 ? "   Not enough gold!" : "   Not enough wood!";
}

Finding OrderLimitFinding(const move::MoveList& move, std::int32_t limit) {
    std::string message = "Error: Maximal number of orders exceeded (Maximal number of orders is "
                          "limited to ";
    message += std::to_string(limit);
    message += ")!";
    return {FindingKind::OrderLimit, move.EndLineIndex(), {}, {std::move(message)}};
}

// The state the check starts from.
CheckState StartState(const report::Game& game, MoveChanges& changes) {
    return CheckState{MoveMap(game.map, changes), game.options, TribeKey(game.tribeName), {}};
}

} // namespace

std::string QuotedOrderLine(std::string_view shownLine) {
    // A line of up to 74 characters is quoted whole; a longer one is cut to 72 and "...".
    constexpr std::size_t Whole = 74;
    constexpr std::size_t Kept = 72;
    std::string quoted = "\"";
    if (shownLine.size() > Whole) {
        quoted += shownLine.substr(0, Kept);
        quoted += "...";
    } else {
        quoted += shownLine;
    }
    quoted += '"';
    return quoted;
}

void CheckOrder(const move::Order& order, CheckState& state, Messages& messages) {
    const std::string_view keyword = order.Word(1);
    if (keyword == "PLA") {
        CheckPlacement(order, state, messages);
    } else if (keyword == "SEA") {
        CheckSeaMove(order, state, messages);
    } else if (keyword == "RAID") {
        CheckRaid(order, state, messages);
    } else if (keyword == "LAND") {
        CheckLandMove(order, state, messages);
    } else if (keyword == "DEF") {
        CheckDefence(order, state, messages);
    } else if (keyword == "NAME") {
        CheckNaming(order, state, messages);
    } else if (keyword == "CEDE" || keyword == "BUILD") {
        CheckOwnProvince(order, state, messages);
    } else if (keyword == "ESP") {
        CheckEspionage(order, state, messages);
    }
}

move::GrammarContext GrammarContextOf(const report::Game& game) {
    move::GrammarContext context;
    context.tribes = game.tribes.size();
    context.ownPlace = game.CurrentTribe() != nullptr ? *game.currentTribe + 1 : 0;
    context.buildAllowed = game.options.buildOrderActive;
    return context;
}

Messages GrammarMessages(const move::Order& order, const move::GrammarContext& context) {
    Messages messages;
    if (order.Findings().empty() && order.GetKeyword() != move::Keyword::Build &&
        order.PlayerWord() == 0) {
        return messages; // nothing the game could add either
    }
    for (const move::GrammarFinding& finding : move::GrammarFindings(order, context)) {
        messages.push_back(move::GrammarMessage(order, finding));
    }
    return messages;
}

CheckResult CheckMove(const move::MoveList& move, const report::Game& game) {
    CheckResult result;
    result.goods = StartGoods(game);
    if (move.Size() < 3) {
        return result;
    }
    const std::size_t endIndex = move.EndLineIndex();
    if (static_cast<std::int64_t>(endIndex) - 1 > game.options.maxOrdersPerMove) {
        result.findings.push_back(OrderLimitFinding(move, game.options.maxOrdersPerMove));
    }
    CheckState state = StartState(game, result.changes);
    state.traces = &result.traces;
    const move::GrammarContext grammar = GrammarContextOf(game);
    std::optional<Finding> shortage;
    move::Order order;
    for (std::size_t i = 1; i < endIndex; ++i) {
        order.Read(move.Order(i).raw);
        const std::size_t walked = result.traces.size();
        // What does not fit the command comes first, then what the rules find.
        Messages messages = GrammarMessages(order, grammar);
        CheckOrder(order, state, messages);
        for (std::size_t t = walked; t < result.traces.size(); ++t) {
            result.traces[t].line = i;
        }
        if (!messages.empty()) {
            result.findings.push_back(
                {FindingKind::Order, i, std::string(move.Line(i)), std::move(messages)});
        }
        // The goods entry names the first order at which gold or wood runs short.
        result.goods = Pay(result.goods, LineCost(order));
        if (!shortage && (result.goods.gold < 0 || result.goods.wood < 0)) {
            shortage = Finding{FindingKind::Goods,
                               i,
                               std::string(move.Line(i)),
                               {std::string(ShortageText(result.goods))}};
        }
    }
    if (shortage) {
        result.findings.push_back(std::move(*shortage));
    }
    result.outcome =
        result.findings.empty() ? CheckOutcome::MoveSeemsCorrect : CheckOutcome::ErrorsFound;
    return result;
}

LineState StateAtLine(const move::MoveList& move, const report::Game& game, std::size_t line) {
    LineState reached;
    CheckState state = StartState(game, reached.changes);
    const std::size_t end = std::min(line, move.EndLineIndex());
    move::Order order;
    Messages messages;
    for (std::size_t i = 1; i < end; ++i) {
        order.Read(move.Order(i).raw);
        CheckOrder(order, state, messages);
        messages.clear();
    }
    reached.placedLandUnits = std::move(state.placedLandUnits);
    return reached;
}

std::string CheckReportText(const CheckResult& result) {
    std::string report;
    for (const Finding& finding : result.findings) {
        for (const std::string& message : finding.messages) {
            if (finding.kind != FindingKind::OrderLimit) {
                AppendEntryHeading(report, finding.line, finding.order);
            }
            report += message;
            report += "\r\n";
        }
    }
    return report;
}

std::string WithoutIndent(std::string_view message) {
    std::string text;
    while (!message.empty()) {
        if (message.starts_with("   ")) {
            message.remove_prefix(3);
        }
        const std::size_t end = message.find("\r\n");
        text += message.substr(0, end);
        if (end == std::string_view::npos) {
            break;
        }
        text += '\n';
        message.remove_prefix(end + 2);
    }
    return text;
}

std::string OneLineMessage(std::string_view message) {
    std::string text = WithoutIndent(message);
    std::replace(text.begin(), text.end(), '\n', ' ');
    constexpr std::string_view errorPrefix = "Error: ";
    if (text.starts_with(errorPrefix)) {
        text.erase(0, errorPrefix.size());
    }
    return text;
}

std::vector<Problem> Problems(const CheckResult& result) {
    std::vector<Problem> problems;
    for (const Finding& finding : result.findings) {
        for (const std::string& message : finding.messages) {
            std::string text = OneLineMessage(message);
            if (finding.kind != FindingKind::OrderLimit) {
                text.insert(0, "Line " + std::to_string(finding.line) + ": ");
            }
            problems.push_back({finding.line, std::move(text)});
        }
    }
    return problems;
}

} // namespace orv::check
