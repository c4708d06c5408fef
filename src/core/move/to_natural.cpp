// Raw order line to natural sentence, from the parts of the order.
#include "core/move/codes.h"
#include "core/move/convert_parts.h"
#include "core/move/order.h"
#include "core/report/tokenizer.h"

namespace orv::move {

namespace {

using report::UpperAscii;

// "12 / 7" from two coordinate words.
std::string Province(const Order& o, int x) {
    return Join({o.Word(x), " / ", o.Word(x + 1)});
}

// Count and troop name of the pair whose code is word k.
std::string TroopText(const Order& o, int k) {
    const std::string_view count = o.Word(k + 1);
    return Join({CountText(count), " ", TroopName(o.Word(k), count != "1")});
}

// The troops: "all troops" or the first pair, then " and " before every further pair.
std::string Troops(const Order& o) {
    std::string out = o.AllTroops() ? std::string("all troops") : TroopText(o, o.PairsBegin());
    for (int i = o.AllTroops() ? 0 : 1; i < o.PairCount(); ++i) {
        out += " and ";
        out += TroopText(o, o.PairsBegin() + 2 * i);
    }
    return out;
}

void AppendDirections(const Order& o, std::string& out) {
    for (int n = o.DirectionsBegin(); n <= o.Size(); ++n) {
        out += DirectionName(o.Word(n));
        out += ' ';
    }
}

std::string Espionage(const Order& o) {
    const int wc = o.Size();
    std::string out = Join({"Espionage enemy province", wc > 3 ? "s " : " ", Province(o, 2)});
    if (wc > 3) {
        out += Join({wc < 6 ? " and " : ", ", Province(o, 4)});
    }
    if (wc > 5) {
        out += Join({" and ", Province(o, 6)});
    }
    return out;
}

std::string Defence(const Order& o) {
    const int wc = o.Size();
    std::string out = Join(
        {"Give defensive orders for province ", Province(o, 2), " to ", TacticName(o.Word(4))});
    if (wc > 4) {
        out += Join({wc < 8 ? " and " : ", ", "for province ", Province(o, 5), " to ",
                     TacticName(o.Word(7))});
    }
    if (wc > 7) {
        out += Join({" and for province ", Province(o, 8), " to ", TacticName(o.Word(10))});
    }
    return out;
}

std::string Placement(const Order& o) {
    const int wc = o.Size();
    std::string out =
        Join({"Place one ", TroopName(o.Word(4), false), " into province ", Province(o, 2)});
    if (wc > 4) {
        out += Join({wc < 8 ? " and " : ", ", "one ", TroopName(o.Word(7), false),
                     " into province ", Province(o, 5)});
    }
    if (wc > 7) {
        out += Join({" and one ", TroopName(o.Word(10), false), " into province ", Province(o, 8)});
    }
    return out;
}

std::string Name(const Order& o) {
    if (o.Kind() == CommandKind::NameProvince) {
        return Join({"Name province ", Province(o, 2), " ", o.Name()});
    }
    return Join({"Name king ", o.Name()});
}

std::string Movement(const Order& o) {
    const bool land = o.GetKeyword() == Keyword::Land;
    std::string out = land ? "Move through land with " : "Move through sea with ";
    out += Troops(o);
    if (o.TacticWord() != 0) {
        out += Join({" and tactic ", TacticName(o.Word(o.TacticWord()))});
    }
    out += Join({" from province ", Province(o, 2), " to "});
    AppendDirections(o, out);
    return out;
}

std::string Raid(const Order& o) {
    std::string out = Join({"Conduct a raid from province ", Province(o, 2), " with "});
    out += Troops(o);
    out += " to ";
    AppendDirections(o, out);
    return out;
}

} // namespace

std::string RawToNatural(std::string_view line) {
    const Order o(line);
    switch (o.GetKeyword()) {
    case Keyword::All:
        return Join({"Alter alliance status to player ", o.Word(2), " to ", o.Word(3)});
    case Keyword::Build:
        return Join({"Change terrain type of province ", Province(o, 2)});
    case Keyword::Cede:
        return Join({"Cede province ", Province(o, 2), " to player ", o.Word(4)});
    case Keyword::Esp:
        return Espionage(o);
    case Keyword::Def:
        return Defence(o);
    case Keyword::Land:
    case Keyword::Sea:
        return Movement(o);
    case Keyword::Name:
        return Name(o);
    case Keyword::Pla:
        return Placement(o);
    case Keyword::Raid:
        return Raid(o);
    case Keyword::None:
        break;
    }
    std::string keyword = UpperAscii(o.Word(1));
    if (keyword == "BEGIN" || keyword == "END") {
        return keyword;
    }
    return {};
}

} // namespace orv::move
