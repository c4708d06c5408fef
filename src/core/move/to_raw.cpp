// Natural sentence to raw order line.
#include "core/move/codes.h"
#include "core/move/convert_parts.h"
#include "core/move/words.h"
#include "core/report/tokenizer.h"

#include <algorithm>

namespace orv::move {

namespace {

using report::UpperAscii;
using report::WordAt;

constexpr auto npos = std::string_view::npos;

// A count as the sentence writes it back as the raw line writes it: "all" is "AT".
std::string RawCount(std::string_view count) {
    return count == "all" ? std::string("AT") : std::string(count);
}

// The first group when its count is "all": all troops, or all troops of one type, which
// must not turn into all troops.
std::string FirstGroupOfAll(std::string_view troop) {
    return UpperAscii(troop) == "TROOPS" ? std::string(" AT")
                                         : Join({" ", TroopCode(troop), " AT"});
}

// A line and its upper-cased copy, cut together so searches and words stay aligned.
struct Cut {
    std::string_view line;
    std::string_view upper;

    std::size_t Find(std::string_view what) const { return upper.find(what); }
    void DropFront(std::size_t n) {
        n = std::min(n, line.size());
        line.remove_prefix(n);
        upper.remove_prefix(n);
    }
};

// " N E" from the words of the text after its first word.
std::string DirectionInitials(std::string_view rest, int firstWord) {
    const LineWords words(rest);
    std::string out;
    for (int n = firstWord; n <= words.Count(); ++n) {
        out += ' ';
        out += UpperAscii(words.At(n).substr(0, 1));
    }
    return out;
}

std::string Espionage(const LineWords& w) {
    const int wc = w.Count();
    std::string out = Join({"ESP ", w.At(4), " ", StripComma(w.At(6))});
    const int e = wc >= 11 ? 0 : 1;
    if (wc > 6) {
        out += Join({" ", w.At(7 + e), " ", w.At(9 + e)});
    }
    if (wc > 10 + e) {
        out += Join({" ", w.At(11), " ", w.At(13)});
    }
    return out;
}

std::string Defence(const LineWords& w) {
    const int wc = w.Count();
    const int t1 = TacticWordCount(w.At(10));
    std::string out = Join({"DEF ", w.At(6), " ", w.At(8), " ", TacticCode(w.At(10)), " "});
    if (wc <= t1 + 9) {
        return out;
    }
    int e = wc < t1 + 19 ? t1 + 1 : t1;
    out += Join({w.At(e + 12), " ", w.At(e + 14), " ", TacticCode(w.At(e + 16)), " "});
    if (wc > e + 18) {
        e = TacticWordCount(w.At(e + 16)) + e - 1;
        out += Join({w.At(e + 20), " ", w.At(e + 22), " ", TacticCode(w.At(e + 24))});
    }
    return out;
}

// A NAME sentence names a province or the king by its second word; other sentences fall
// back on whether they contain "/".
std::string Name(std::string_view line, const LineWords& w) {
    const std::string second = UpperAscii(w.At(2));
    const bool province = second == "PROVINCE" || (second != "KING" && line.find('/') != npos);
    if (province) {
        return Join({"NAME ", w.At(3), " ", w.At(5), " ", w.RestFrom(6)});
    }
    return Join({"NAME ", TrimmedFrom(line, 10)});
}

std::string Movement(std::string_view line, const std::string& upper, const LineWords& w) {
    std::string out = upper.find("LAND") != npos ? "LAND " : "SEA ";
    const std::size_t province = upper.find(" PROVINCE ");
    const std::string_view from = province == npos ? std::string_view() : line.substr(province);
    out += Join({WordAt(from, 2), " ", WordAt(from, 4)});

    const std::size_t tactic = upper.find(" TACTIC ");
    if (tactic != npos) {
        out += Join({" ", TacticCode(WordAt(line.substr(tactic), 2))});
    }

    if (w.At(5) == "all") {
        out += FirstGroupOfAll(w.At(6));
    } else {
        out += Join({" ", TroopCode(w.At(6)), " ", w.At(5)});
    }

    Cut cut{line, upper};
    for (int group = 0; group < 2; ++group) {
        const std::size_t p = cut.Find(" AND ");
        if (p == npos || cut.upper.substr(p, 12) == " AND TACTIC ") {
            break;
        }
        cut.DropFront(p);
        out += Join({" ", TroopCode(WordAt(cut.line, 3)), " ", RawCount(WordAt(cut.line, 2))});
        if (group == 0) {
            cut.DropFront(6);
        }
    }

    const std::size_t to = cut.Find(" TO ");
    if (to != npos) {
        out += DirectionInitials(cut.line.substr(to), 2);
    }
    return out;
}

std::string Placement(std::string_view line, const std::string& upper) {
    std::string out = "PLA ";
    Cut cut{line, upper};
    for (int round = 0; round < 3; ++round) {
        const std::size_t p = cut.Find(" ONE ");
        if (p == npos) {
            break;
        }
        cut.DropFront(p);
        const std::string troop = WordAt(cut.line, 2);
        const int n = TroopWordCount(troop);
        out += Join({WordAt(cut.line, n + 4), " ", StripComma(WordAt(cut.line, n + 6)), " ",
                     TroopCode(troop), " "});
        cut.DropFront(4);
    }
    return out;
}

std::string Raid(std::string_view line, const std::string& upper, const LineWords& w) {
    std::string out = Join({"RAID ", w.At(6), " ", w.At(8)});
    if (w.At(10) == "all") {
        out += FirstGroupOfAll(w.At(11));
    } else {
        out += Join({" ", TroopCode(w.At(11)), " ", w.At(10)});
    }
    Cut cut{line, upper};
    for (std::size_t p = cut.Find(" AND "); p != npos; p = cut.Find(" AND ")) {
        cut.DropFront(p + 5);
        out += Join({" ", TroopCode(WordAt(cut.line, 2)), " ", RawCount(WordAt(cut.line, 1))});
    }
    const std::size_t to = cut.Find(" TO ");
    if (to != npos) {
        out += DirectionInitials(cut.line.substr(to + 4), 1);
    }
    return out;
}

} // namespace

std::string NaturalToRaw(std::string_view line) {
    const LineWords w(line);
    std::string keyword = UpperAscii(w.At(1));
    if (keyword == "BEGIN" || keyword == "END") {
        return keyword;
    }
    if (keyword == "ALTER") {
        return Join({"ALL ", w.At(6), " ", w.At(8)});
    }
    if (keyword == "CEDE") {
        return Join({"CEDE ", w.At(3), " ", w.At(5), " ", w.At(8)});
    }
    if (keyword == "CHANGE") {
        return Join({"BUILD ", w.At(6), " ", w.At(8)});
    }
    if (keyword == "ESPIONAGE") {
        return Espionage(w);
    }
    if (keyword == "GIVE") {
        return Defence(w);
    }
    if (keyword == "NAME") {
        return Name(line, w);
    }
    const std::string upper = UpperAscii(line);
    if (keyword == "MOVE") {
        return Movement(line, upper, w);
    }
    if (keyword == "PLACE") {
        return Placement(line, upper);
    }
    if (keyword == "CONDUCT") {
        return Raid(line, upper, w);
    }
    return {};
}

} // namespace orv::move
