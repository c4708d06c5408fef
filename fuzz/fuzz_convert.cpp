// Feeds any lines to the line conversion in both directions. Beyond not crashing, the
// editor must read back every sentence it makes, and a raw line it writes must come back
// unchanged from natural form, or saving a move shown in natural form would change orders.
#include "core/move/convert.h"
#include "core/report/text_file.h"
#include "written_lines.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using orv::move::ConvertLine;

[[noreturn]] void Fail(const char* what, std::string_view line, std::string_view got) {
    std::fprintf(stderr, "%s\n  line: [%.*s]\n  got:  [%.*s]\n", what,
                 static_cast<int>(line.size()), line.data(), static_cast<int>(got.size()),
                 got.data());
    std::abort();
}

// raw is a line the conversion to raw form wrote.
void CheckWrittenRaw(const std::string& raw) {
    const std::string natural = ConvertLine(raw, true);
    if (natural.empty()) {
        Fail("a written raw line has no natural form", raw, natural);
    }
    if (!orv::fuzz::KeepsItsWording(raw)) {
        return;
    }
    const std::string back = ConvertLine(natural, false);
    if (back != raw) {
        Fail("a written raw line changed on its way through natural form", raw, back);
    }
}

void CheckLine(const std::string& line) {
    const std::string natural = ConvertLine(line, true);
    if (!natural.empty()) {
        const std::string raw = ConvertLine(natural, false);
        if (raw.empty()) {
            Fail("a sentence of the editor does not convert back", natural, raw);
        }
        CheckWrittenRaw(raw);
    }
    const std::string raw = ConvertLine(line, false);
    if (!raw.empty()) {
        CheckWrittenRaw(raw);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : orv::report::SplitLines(text)) {
        CheckLine(line);
    }
    return 0;
}
