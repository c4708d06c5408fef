// Raw order line to natural sentence.
#include "core/move/codes.h"
#include "core/move/convert_parts.h"
#include "core/move/words.h"
#include "core/report/tokenizer.h"

namespace orv::move {

namespace {

using report::UpperAscii;

// "12 / 7" from two coordinate words.
std::string Province(const LineWords& w, int x) {
    return Join({w.At(x), " / ", w.At(x + 1)});
}

bool IsAt(std::string_view word) {
    return UpperAscii(word) == "AT";
}

// Count and troop name of the pair whose code is word k.
std::string TroopText(const LineWords& w, int k) {
    const std::string_view count = w.At(k + 1);
    return Join({CountText(count), " ", TroopName(w.At(k), count != "1")});
}

// Appends the further pairs from word k on; leaves k at the first direction word.
void AppendFurtherPairs(const LineWords& w, int& k, std::string& out) {
    while (k < w.Count() && IsCountOrAll(w.At(k + 1))) {
        out += " and ";
        out += TroopText(w, k);
        k += 2;
    }
}

void AppendDirections(const LineWords& w, int k, std::string& out) {
    for (int n = k; n <= w.Count(); ++n) {
        out += DirectionName(w.At(n));
        out += ' ';
    }
}

std::string Espionage(const LineWords& w) {
    const int wc = w.Count();
    std::string out = Join({"Espionage enemy province", wc > 3 ? "s " : " ", Province(w, 2)});
    if (wc > 3) {
        out += Join({wc < 6 ? " and " : ", ", Province(w, 4)});
    }
    if (wc > 5) {
        out += Join({" and ", Province(w, 6)});
    }
    return out;
}

std::string Defence(const LineWords& w) {
    const int wc = w.Count();
    std::string out =
        Join({"Give defensive orders for province ", Province(w, 2), " to ", TacticName(w.At(4))});
    if (wc > 4) {
        out += Join({wc < 8 ? " and " : ", ", "for province ", Province(w, 5), " to ",
                     TacticName(w.At(7))});
    }
    if (wc > 7) {
        out += Join({" and for province ", Province(w, 8), " to ", TacticName(w.At(10))});
    }
    return out;
}

std::string Placement(const LineWords& w) {
    const int wc = w.Count();
    std::string out =
        Join({"Place one ", TroopName(w.At(4), false), " into province ", Province(w, 2)});
    if (wc > 4) {
        out += Join({wc < 8 ? " and " : ", ", "one ", TroopName(w.At(7), false), " into province ",
                     Province(w, 5)});
    }
    if (wc > 7) {
        out += Join({" and one ", TroopName(w.At(10), false), " into province ", Province(w, 8)});
    }
    return out;
}

std::string Name(std::string_view line, const LineWords& w) {
    if (report::IsNumber(w.At(2))) {
        return Join({"Name province ", Province(w, 2), " ", w.RestFrom(4)});
    }
    return Join({"Name king ", TrimmedFrom(line, 6)});
}

std::string Movement(const LineWords& w, bool land) {
    const bool tactic = land && IsTacticWord(w.At(4));
    const int s = tactic ? 5 : 4;
    std::string out = land ? "Move through land with " : "Move through sea with ";
    int k = s + 1;
    if (IsAt(w.At(s))) {
        out += "all troops";
    } else {
        out += TroopText(w, s);
        k = s + 2;
    }
    AppendFurtherPairs(w, k, out);
    if (tactic) {
        out += Join({" and tactic ", TacticName(w.At(4))});
    }
    out += Join({" from province ", Province(w, 2), " to "});
    AppendDirections(w, k, out);
    return out;
}

std::string Raid(const LineWords& w) {
    std::string out = Join({"Conduct a raid from province ", Province(w, 2), " with "});
    int k = 5;
    if (IsAt(w.At(4))) {
        out += "all troops";
    } else {
        out += TroopText(w, 4);
        k = 6;
    }
    AppendFurtherPairs(w, k, out);
    out += " to ";
    AppendDirections(w, k, out);
    return out;
}

} // namespace

std::string RawToNatural(std::string_view line) {
    const LineWords w(line);
    std::string keyword = UpperAscii(w.At(1));
    if (keyword == "BEGIN" || keyword == "END") {
        return keyword;
    }
    if (keyword == "ALL") {
        return Join({"Alter alliance status to player ", w.At(2), " to ", w.At(3)});
    }
    if (keyword == "BUILD") {
        return Join({"Change terrain type of province ", Province(w, 2)});
    }
    if (keyword == "CEDE") {
        return Join({"Cede province ", Province(w, 2), " to player ", w.At(4)});
    }
    if (keyword == "ESP") {
        return Espionage(w);
    }
    if (keyword == "DEF") {
        return Defence(w);
    }
    if (keyword == "LAND" || keyword == "SEA") {
        return Movement(w, keyword == "LAND");
    }
    if (keyword == "NAME") {
        return Name(line, w);
    }
    if (keyword == "PLA") {
        return Placement(w);
    }
    if (keyword == "RAID") {
        return Raid(w);
    }
    return {};
}

} // namespace orv::move
