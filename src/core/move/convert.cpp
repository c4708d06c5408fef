#include "core/move/convert.h"

#include "core/move/convert_parts.h"
#include "core/report/tokenizer.h"

namespace orv::move {

std::string TrimmedFrom(std::string_view line, std::size_t from) {
    if (from == 0 || line.size() < from) {
        return {};
    }
    std::string_view rest = line.substr(from - 1);
    const auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!rest.empty() && isBlankOrControl(rest.front())) {
        rest.remove_prefix(1);
    }
    while (!rest.empty() && isBlankOrControl(rest.back())) {
        rest.remove_suffix(1);
    }
    return std::string(rest);
}

std::string ConvertLine(std::string_view line, bool toNatural) {
    return toNatural ? RawToNatural(line) : NaturalToRaw(line);
}

} // namespace orv::move
