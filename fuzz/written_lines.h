#pragma once
// Which raw order lines are in the shape the editor writes: those must be shown as their
// sentence, and the sentence must give back the very same line. Any other order line is
// kept as written where its sentence would lose words, so only these need the exact
// round trip.

#include "core/report/tokenizer.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv::fuzz {

inline bool IsTroopCode(std::string_view w) {
    return w == "FO" || w == "BO" || w == "HO" || w == "GE" || w == "SH" || w == "CA";
}

inline bool IsTacticLetter(std::string_view w) {
    return w.size() == 1 && std::string_view("FPTUC").find(w[0]) != std::string_view::npos;
}

// A value word the editor writes outside names and directions: a number, "AT", a troop
// code or a tactic letter. An untranslatable code (which reads back as "?") marks an order
// the check refuses anyway; the words after it may shift.
inline bool IsWrittenValue(std::string_view word) {
    return word == "AT" || IsTroopCode(word) || IsTacticLetter(word) || report::IsNumber(word);
}

// Whether a line of `words` words holds every value its keyword needs: the editor writes
// no order short of a value, and groups of DEF, ESP and PLA only whole.
inline bool HasAllItsValues(std::string_view keyword, std::size_t words) {
    if (keyword == "ALL" || keyword == "BUILD") {
        return words == 3;
    }
    if (keyword == "CEDE") {
        return words == 4;
    }
    if (keyword == "DEF" || keyword == "PLA") {
        return words == 4 || words == 7 || words == 10;
    }
    if (keyword == "ESP") {
        return words == 3 || words == 5 || words == 7;
    }
    return words >= 4; // LAND, SEA, RAID: x, y and at least "AT"
}

// True when the raw line is expected to come back unchanged from natural form.
inline bool KeepsItsWording(std::string_view raw) {
    using report::UpperAscii;
    using report::WordAt;
    // Every value is a word of its own, joined by single blanks; an empty value (from a
    // sentence short of words) would shift the words after it.
    if (raw.find("  ") != std::string_view::npos || raw.empty() ||
        report::IsSeparator(raw.front())) {
        return false;
    }
    // The editor writes keywords in capitals.
    const std::string keyword = WordAt(raw, 1);
    if (keyword != UpperAscii(keyword)) {
        return false;
    }
    if (keyword == "NAME") {
        // A province's name needs its coordinates and at least one word; a king's name
        // that begins with a number reads as a province's and cannot be written.
        // A king's name is written without leading or trailing blanks.
        if (!report::IsNumber(WordAt(raw, 2))) {
            return raw.size() > 5 && raw.substr(0, 5) == "NAME " && !report::IsSeparator(raw[5]) &&
                   !report::IsSeparator(raw.back());
        }
        // A province's line starts with its coordinates and name, joined by single blanks.
        const std::string head = "NAME " + WordAt(raw, 2) + " " + WordAt(raw, 3) + " ";
        return report::IsNumber(WordAt(raw, 3)) && !WordAt(raw, 4).empty() &&
               raw.substr(0, head.size()) == head && raw.size() > head.size() &&
               !report::IsSeparator(raw[head.size()]);
    }
    // Outside names the editor separates words by blanks only.
    for (const char c : raw) {
        if (c != ' ' && report::IsSeparator(c)) {
            return false;
        }
    }
    // Only DEF and PLA lines made from a sentence end in a blank.
    if (keyword != "DEF" && keyword != "PLA" && !raw.empty() && raw.back() == ' ') {
        return false;
    }
    const std::vector<std::size_t> starts = report::WordStarts(raw);
    if (!HasAllItsValues(keyword, starts.size())) {
        return false;
    }
    const auto word = [&](std::size_t n) {
        return n <= starts.size() ? report::RunAt(raw, starts[n - 1]) : std::string_view();
    };
    // Directions are written as the letters N, E, S, W, or "?" for a word of no direction.
    std::size_t directions = starts.size() + 1;
    if (keyword == "LAND" || keyword == "SEA" || keyword == "RAID") {
        const auto isCount = [](std::string_view w) { return w == "AT" || report::IsNumber(w); };
        // Every pair the troop list reads begins with a troop code: a number where the code
        // should stand (say, direction words that read as a count) is nothing the editor writes.
        std::size_t k = keyword == "LAND" && word(4).size() == 1 ? 5 : 4;
        if (k == 5 && !IsTacticLetter(word(4))) {
            return false; // the editor writes a tactic as one of its letters
        }
        if (word(k) != "AT" && (!IsTroopCode(word(k)) || !isCount(word(k + 1)))) {
            return false;
        }
        k += word(k) == "AT" ? 1 : 2;
        while (k < starts.size() && isCount(word(k + 1))) {
            if (!IsTroopCode(word(k))) {
                return false;
            }
            k += 2;
        }
        directions = k;
    }
    // In DEF and PLA every third word is the group's tactic (DEF) or unit (PLA), the others
    // coordinates: a unit where a tactic belongs reads back as another word.
    const bool groups = keyword == "DEF" || keyword == "PLA";
    for (std::size_t n = 2; n <= starts.size(); ++n) {
        const std::string_view w = word(n);
        const bool valid =
            n >= directions
                ? w.size() == 1 && std::string_view("NESW?").find(w[0]) != std::string_view::npos
            : groups && (n - 1) % 3 == 0 ? (keyword == "DEF" ? IsTacticLetter(w) : IsTroopCode(w))
            : groups                     ? report::IsNumber(w)
                                         : IsWrittenValue(w);
        if (!valid) {
            return false;
        }
    }
    return true;
}

} // namespace orv::fuzz
