#pragma once
// The two halves of reading a line back into dialog fields and the helpers they share;
// callers use ReadOrderLine.

#include "core/edit/read_back.h"
#include "core/move/words.h"

#include <string>
#include <string_view>

namespace orv::edit {

std::optional<EditedOrder> ReadNaturalLine(std::string_view line);
std::optional<EditedOrder> ReadRawLine(std::string_view line);

// The line after the end of its word n; empty when there is no such word.
std::string_view AfterWord(const move::LineWords& words, int n);

// A name made from a word, or the empty text for a missing word (so a missing troop or
// tactic leaves its drop-down list unselected rather than naming "?").
template <typename Name> std::string NameOf(std::string_view word, Name name) {
    return word.empty() ? std::string() : std::string(name(word));
}

// The singular troop name the type lists hold, or empty for a missing word.
std::string TroopType(std::string_view word);

} // namespace orv::edit
