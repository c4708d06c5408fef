#include "core/plan/problem_places.h"

#include "core/check/check_state.h"
#include "core/check/movement_rules.h"
#include "core/move/order.h"

#include <algorithm>

namespace orv::plan {

namespace {

using check::MapPoint;
using Place = std::optional<MapPoint>;

// The messages of one order line and the provinces they are about.
class OrderPlaces {
  public:
    OrderPlaces(const check::MoveMap& map, const move::Order& order, const check::PathTrace* trace)
        : map_(map), order_(order), trace_(trace) {
        switch (order.GetKeyword()) {
        case move::Keyword::Pla:
        case move::Keyword::Def:
        case move::Keyword::Esp:
            width_ = order.GroupAt(1).x - order.GroupAt(0).x;
            for (int g = 0; g < order.GroupCount(); ++g) {
                groups_.push_back(order.GroupAt(g).x);
            }
            break;
        case move::Keyword::Name:
            if (order.Kind() == move::CommandKind::NameProvince) {
                groups_.push_back(2);
            }
            break;
        case move::Keyword::All:
        case move::Keyword::None:
            break;
        default: // the movements, CEDE and BUILD name one province at words 2 and 3
            groups_.push_back(2);
        }
    }

    // A message of the order's grammar about word n: of the group that holds the word, or
    // of the one province of an order without groups.
    Place OfWord(int n) const {
        if (width_ == 0) {
            return groups_.empty() ? std::nullopt : OnMap(groups_.front());
        }
        for (const int x : groups_) {
            if (n >= x && n < x + width_) {
                return OnMap(x);
            }
        }
        return std::nullopt;
    }

    // A message of the order's rules, in the order the rules give them.
    Place OfRule(const std::string& message) {
        if (trace_ != nullptr && !trace_->points.empty()) {
            const MapPoint end = trace_->points.back();
            if (message == check::WalkMessage(trace_->kind, trace_->result) ||
                message == move::SeaEndMessage(end.x, end.y)) {
                return LastOnMap();
            }
        }
        for (std::size_t g = 0; g < groups_.size(); ++g) {
            if (Names(message, groups_[g])) {
                cursor_ = g;
                return OnMap(groups_[g]);
            }
        }
        // The rules go through the groups in turn; the town-exempt isolation names none.
        if (message == check::IsolatedMessage && groups_.size() > 1) {
            for (std::size_t g = cursor_; g < groups_.size(); ++g) {
                const Place at = OnMap(groups_[g]);
                if (at && check::IsIsolatedOutsideTown(map_, at->x, at->y)) {
                    cursor_ = g + 1;
                    return at;
                }
            }
            return std::nullopt;
        }
        return groups_.empty() ? std::nullopt : OnMap(groups_.front());
    }

  private:
    Place OnMap(int x) const {
        const std::int32_t px = order_.Number(x);
        const std::int32_t py = order_.Number(x + 1);
        return map_.IsOnMap(px, py) ? Place(MapPoint{px, py}) : std::nullopt;
    }

    // Whether the message names the province of the group at word x, as the rules write it.
    bool Names(const std::string& message, int x) const {
        const std::string text = ' ' + check::ProvinceText(order_, x);
        for (std::size_t at = message.find(text); at != std::string::npos;
             at = message.find(text, at + 1)) {
            const std::size_t after = at + text.size();
            if (after < message.size() &&
                (message[after] == '!' || message[after] == ' ' || message[after] == ':')) {
                return true;
            }
        }
        return false;
    }

    // Where the walk stopped; a step off the map is shown at the edge it left.
    Place LastOnMap() const {
        const auto last =
            std::find_if(trace_->points.rbegin(), trace_->points.rend(),
                         [this](const MapPoint& p) { return map_.IsOnMap(p.x, p.y); });
        return last == trace_->points.rend() ? std::nullopt : Place(*last);
    }

    const check::MoveMap& map_;
    const move::Order& order_;
    const check::PathTrace* trace_;
    std::vector<int> groups_; // the x word of each province the order names
    int width_ = 0;           // the words of one group; 0 for an order without groups
    std::size_t cursor_ = 0;  // the group the rules' messages have come to
};

} // namespace

std::vector<Place> ProblemProvinces(const report::Game& game, const move::MoveList& move,
                                    const check::CheckResult& result) {
    check::MoveChanges none;
    const check::MoveMap map(game.map, none);
    const move::GrammarContext context = check::GrammarContextOf(game);
    std::vector<Place> places;
    // The traces are in the order of their lines, as the findings are: one pass over both.
    auto trace = result.traces.begin();
    for (const check::Finding& finding : result.findings) {
        if (finding.kind != check::FindingKind::Order || !move.IsOrderLine(finding.line)) {
            places.insert(places.end(), finding.messages.size(), std::nullopt);
            continue;
        }
        const move::Order order(move.Order(finding.line).raw);
        if (trace != result.traces.begin() && std::prev(trace)->line >= finding.line) {
            trace = result.traces.begin(); // out of order after all
        }
        while (trace != result.traces.end() && trace->line < finding.line) {
            ++trace;
        }
        const bool traced = trace != result.traces.end() && trace->line == finding.line;
        OrderPlaces order_places(map, order, traced ? &*trace : nullptr);
        // The grammar's messages come first, one per finding, in the order of their words.
        const std::vector<move::GrammarFinding> grammar = move::GrammarFindings(order, context);
        for (std::size_t m = 0; m < finding.messages.size(); ++m) {
            places.push_back(m < grammar.size() ? order_places.OfWord(grammar[m].word)
                                                : order_places.OfRule(finding.messages[m]));
        }
    }
    return places;
}

} // namespace orv::plan
