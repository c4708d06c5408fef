// Feeds any lines to the line conversion, to the reading of orders and to the reading of an
// order back into its dialog's fields. Beyond not crashing: every raw order line that loads
// must save with the same words (canonical codes and blanks aside), loading the saved line
// again must give the same order, and a sentence shown for an order must say what its raw line
// says. (That every line the editor writes is shown as a sentence and comes back unchanged
// is the round-trip unit test's job: it walks all of them.)
#include "core/edit/read_back.h"
#include "core/move/convert.h"
#include "core/move/order_line.h"
#include "core/report/text_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using orv::move::ConvertLine;
using orv::move::DisplayForm;
using orv::move::OrderLine;

[[noreturn]] void Fail(const char* what, std::string_view line, std::string_view got) {
    std::fprintf(stderr, "%s\n  line: [%.*s]\n  got:  [%.*s]\n", what,
                 static_cast<int>(line.size()), line.data(), static_cast<int>(got.size()),
                 got.data());
    std::abort();
}

// The order as the natural display holds it says what its raw line says.
void CheckShown(const OrderLine& order) {
    if (order.natural != order.raw &&
        !orv::move::SameOrderWords(order.raw, ConvertLine(order.natural, DisplayForm::Raw))) {
        Fail("a shown sentence says something else than its raw line", order.raw, order.natural);
    }
}

void CheckOrderLine(std::string_view line) {
    const OrderLine loaded = orv::move::OrderFromFile(line);
    if (!orv::move::SameOrderWords(line, loaded.raw)) {
        Fail("loading and saving changed an order", line, loaded.raw);
    }
    CheckShown(loaded);
    if (orv::move::OrderFromFile(loaded.raw) != loaded) {
        Fail("the saved order reads back differently", loaded.raw,
             orv::move::OrderFromFile(loaded.raw).raw);
    }
    CheckShown(orv::move::OrderFromRaw(line));
}

void CheckLine(std::string_view line) {
    const std::string natural = ConvertLine(line, DisplayForm::Natural);
    if (!natural.empty() && ConvertLine(natural, DisplayForm::Raw).empty()) {
        Fail("a sentence of the editor does not convert back", natural, "");
    }
    if (orv::move::IsOrderKeyword(line)) {
        CheckOrderLine(line);
    }
    // Whatever a sentence typed or composed gives as its raw line is shown faithfully.
    const std::string raw = ConvertLine(line, DisplayForm::Raw);
    if (!raw.empty()) {
        CheckShown(orv::move::OrderFromSentence(line));
    }
    (void)orv::edit::ReadOrderLine(line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (orv::report::LineCursor lines(text); !lines.AtEnd();) {
        CheckLine(lines.Next());
    }
    return 0;
}
