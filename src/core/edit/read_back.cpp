#include "core/edit/read_back.h"

#include "core/edit/read_parts.h"
#include "core/move/codes.h"
#include "core/move/move_list.h"

namespace orv::edit {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view AfterWord(const move::LineWords& words, int n) {
    const std::string_view rest = words.RestFrom(n);
    return rest.empty() ? rest : rest.substr(words.At(n).size());
}

std::string TroopType(std::string_view word) {
    return NameOf(word, [](std::string_view w) { return move::TroopName(w, false); });
}

std::optional<EditedOrder> ReadOrderLine(std::string_view line) {
    if (auto order = ReadNaturalLine(line)) {
        return order;
    }
    return ReadRawLine(line);
}

std::string MessageBlockText(const std::vector<std::string>& lines, std::size_t first) {
    if (first < lines.size() && lines[first] == move::MessageHeading) {
        ++first;
    }
    std::string text;
    for (std::size_t i = first; i < lines.size(); ++i) {
        text += lines[i];
        text += "\r\n";
    }
    return text;
}

} // namespace orv::edit
