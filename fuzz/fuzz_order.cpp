// Reads any lines into typed orders. Beyond not crashing: an order written back has the same
// words as its line, every word as written (a quoted span whole); loading keeps every quoted
// word byte for byte; and the check of the lines as a move, against the example report,
// finishes with every message of the grammar in the order of its words.
#include "core/move/order.h"
#include "core/move/order_line.h"
#include "core/report/text_file.h"
#include "example_game.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

using orv::move::Order;

[[noreturn]] void Fail(const char* what, std::string_view line, std::string_view got) {
    std::fprintf(stderr, "%s\n  line: [%.*s]\n  got:  [%.*s]\n", what,
                 static_cast<int>(line.size()), line.data(), static_cast<int>(got.size()),
                 got.data());
    std::abort();
}

bool SameWords(const Order& a, const Order& b) {
    if (a.Size() != b.Size()) {
        return false;
    }
    for (int n = 1; n <= a.Size(); ++n) {
        if (a.Written(n) != b.Written(n)) {
            return false;
        }
    }
    return true;
}

void CheckLine(std::string_view line, const orv::move::GrammarContext& context) {
    const Order order(line);
    const std::string back = order.WrittenBack();
    if (!SameWords(order, Order(back))) {
        Fail("the order written back has other words", line, back);
    }
    int word = 0;
    for (const orv::move::GrammarFinding& finding : orv::move::GrammarFindings(order, context)) {
        if (finding.word < word || finding.word < 1 ||
            finding.word > std::max(order.Size() + 1, 5)) {
            Fail("a finding out of the order of the words", line,
                 orv::move::GrammarMessage(order, finding));
        }
        word = finding.word;
    }
    if (!orv::move::IsOrderKeyword(line)) {
        return;
    }
    const Order loaded(orv::move::OrderFromFile(line).raw);
    for (int n = 1; n <= order.Size(); ++n) {
        if (order.Written(n).starts_with('"') && loaded.Written(n) != order.Written(n)) {
            Fail("loading changed a quoted word", line, loaded.Line());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<orv::report::Game> example = orv::fuzzing::ExampleGame();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orv::move::GrammarContext context = orv::check::GrammarContextOf(*example);
    for (const std::string& line : orv::report::SplitLines(text)) {
        CheckLine(line, context);
    }
    orv::fuzzing::CheckAsMove(*example, text);
    return 0;
}
