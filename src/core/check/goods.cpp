#include "core/check/goods.h"

#include "core/move/words.h"
#include "core/report/tokenizer.h"

#include <algorithm>

namespace orv::check {

namespace {

char FirstLetter(std::string_view word) {
    return word.empty() ? '\0' : report::UpperAscii(word.substr(0, 1))[0];
}

void AddCost(Goods& cost, std::string_view unitWord) {
    cost.gold += GoldCost(unitWord);
    cost.wood += WoodCost(unitWord);
}

Goods RawLineCost(std::string_view line) {
    Goods cost;
    const move::LineWords words(line);
    if (words.At(1) != "PLA") {
        return cost;
    }
    AddCost(cost, words.At(4));
    if (!words.At(7).empty()) {
        AddCost(cost, words.At(7));
        if (!words.At(10).empty()) {
            AddCost(cost, words.At(10));
        }
    }
    return cost;
}

// A natural placement sentence names its units after "Place one" and after every
// further " one ": "Place one Foot soldier into ..., one Castle into ... and one Ship ...".
Goods NaturalLineCost(std::string_view line) {
    Goods cost;
    const move::LineWords lineWords(line);
    if (lineWords.At(1) != "Place") {
        return cost;
    }
    std::string_view text = lineWords.RestFrom(3);
    AddCost(cost, lineWords.At(3));
    for (int further = 0; further < 2; ++further) {
        const std::size_t one = text.find(" one ");
        if (one == std::string_view::npos) {
            break;
        }
        text = text.substr(one);
        const move::LineWords words(text);
        AddCost(cost, words.At(2));
        text = words.RestFrom(2);
    }
    return cost;
}

} // namespace

std::int32_t GoldCost(std::string_view word) {
    switch (FirstLetter(word)) {
    case 'B':
    case 'F':
        return 6;
    case 'H':
    case 'C':
        return 12;
    default:
        return 0;
    }
}

std::int32_t WoodCost(std::string_view word) {
    return FirstLetter(word) == 'S' ? 10 : 0;
}

Goods StartGoods(const report::Game& game) {
    const report::TribeElem* tribe = game.CurrentTribe();
    return tribe == nullptr ? Goods{} : Goods{tribe->Gold(), tribe->Wood()};
}

Goods LineCost(std::string_view line, move::DisplayForm form) {
    return form == move::DisplayForm::Raw ? RawLineCost(line) : NaturalLineCost(line);
}

Goods Pay(Goods goods, Goods cost) {
    return {report::SaturatingAdd(goods.gold, -std::int64_t{cost.gold}),
            report::SaturatingAdd(goods.wood, -std::int64_t{cost.wood})};
}

Goods ComputeCurrentGoods(const std::vector<std::string>& lines, std::int64_t lastIndex,
                          move::DisplayForm form, Goods start) {
    Goods goods = start;
    const std::int64_t last =
        std::min<std::int64_t>(lastIndex, static_cast<std::int64_t>(lines.size()) - 1);
    for (std::int64_t i = 0; i <= last; ++i) {
        goods = Pay(goods, LineCost(lines[static_cast<std::size_t>(i)], form));
    }
    return goods;
}

Goods ComputeCurrentGoods(const move::MoveList& move, const report::Game& game,
                          std::int64_t lastIndex) {
    return ComputeCurrentGoods(move.lines, lastIndex, move.form, StartGoods(game));
}

} // namespace orv::check
