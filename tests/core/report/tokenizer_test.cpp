#include "core/report/tokenizer.h"

#include <gtest/gtest.h>
#include <limits>

namespace orv::report {
namespace {

// WordAt(line, n), WordPos(line, n) and WordCount(line).
TEST(Tokenizer, FindsWordsByNumber) {
    const struct {
        std::string line;
        int n;
        const char* word;
        int pos, count;
    } cases[] = {
        {"", 1, "", -1, 0},
        {"\xA0  \x01", 1, "", -1, 0},
        {"  alpha beta", 0, "alpha", 3, 2},    // number 0 or below is the first
        {"a\tb\xA0\xA0 c   d", 4, "d", 11, 4}, // tabs and NBSP separate
        {"a\tb\xA0\xA0 c   d", 5, "", -1, 4},
        {"A \"b c\" d", 3, "d", 9, 3},   // a quoted span steps as one
        {"A \"b c\" d", 2, "\"b", 3, 3}, // the word at a quote ends at a blank
        {"A \"b c d", 3, "", -1, 2},     // an unclosed quote swallows the rest
        {"\"a b\"c d", 2, "c", 6, 3},    // text after a closing quote is a word
    };
    std::vector<std::size_t> reused; // holds the places of the case before
    for (const auto& c : cases) {
        EXPECT_EQ(WordAt(c.line, c.n), c.word) << c.line << " #" << c.n;
        EXPECT_EQ(WordPos(c.line, c.n), c.pos) << c.line << " #" << c.n;
        EXPECT_EQ(WordCount(c.line), c.count) << c.line;
        WordStarts(c.line, reused);
        EXPECT_EQ(reused, WordStarts(c.line)) << c.line;
        if (c.pos > 0 && c.n > 0) {
            EXPECT_EQ(WordStarts(c.line).at(static_cast<std::size_t>(c.n - 1)) + 1,
                      static_cast<std::size_t>(c.pos));
        }
    }
    const std::string named = "NAME 12 7 \"Old Harbour\"";
    EXPECT_EQ(RestFromWord(named, 4), "\"Old Harbour\"");
    EXPECT_EQ(RestFromWord(named, 5), "");
}

TEST(Tokenizer, ReadsTheAcceptedNumberNotation) {
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"+12", 12},
        {"-7", -7},
        {"$1F", 31},
        {"x1a", 26},
        {"0XfF", 255},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& [word, value] : numbers) {
        EXPECT_EQ(WordAsNumber(std::string("X ") + word, 2), value) << word;
        EXPECT_TRUE(IsNumber(word)) << word;
    }
    for (const char* word : {"$100000000", "-$1F", "x1g", "12a", "x", "-", "2147483648",
                             "99999999999999999999", "", "   "}) {
        EXPECT_EQ(WordAsNumber(std::string("X ") + word, 2), NotANumber) << word;
        EXPECT_FALSE(IsNumber(word)) << word;
    }
    // Leading blanks are allowed, trailing ones are not.
    EXPECT_TRUE(IsNumber(" 42"));
    EXPECT_FALSE(IsNumber("42 "));
    EXPECT_EQ(WordAsNumber("12", 2), NotANumber);
}

} // namespace
} // namespace orv::report
