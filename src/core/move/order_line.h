#pragma once
// One order of the move in both display forms at once: the raw text the move file holds and
// the sentence the natural display shows. The raw text is the order; the sentence is shown
// only when it converts back to the same words, so no display switch, load or save can
// change what the game master receives.

#include "core/move/order.h"

#include <string>
#include <string_view>

namespace orv::move {

struct OrderLine {
    std::string raw;
    std::string natural; // the sentence, or the raw text when no sentence gives it back

    bool operator==(const OrderLine&) const = default;
};

// Whether word 1, upper-cased, is one of the ten raw keywords.
bool IsOrderKeyword(std::string_view line);

// The end line of a move: the line reads END once blanks are trimmed and it is upper-cased.
bool IsEndLine(std::string_view line);

// A frame line "BEGIN" in the same sense.
bool IsBeginLine(std::string_view line);

// An order line read from a move file or the clipboard: the canonical raw line (upper-case
// keyword and codes, single blanks, direction initials) when it means the same, otherwise
// the line as written. The line must begin with a raw keyword.
OrderLine OrderFromFile(std::string_view raw);

// An order composed in raw form: kept as composed.
OrderLine OrderFromRaw(std::string_view raw);

// An order composed as a natural sentence: its raw line, and the sentence that raw line
// gives (the display always shows what the raw line says).
OrderLine OrderFromSentence(std::string_view sentence);

} // namespace orv::move
