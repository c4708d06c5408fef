#include "core/report/tokenizer.h"

#include <gtest/gtest.h>

namespace orv::report {
namespace {

struct WordCase {
    const char* name;
    std::string line;
    int n;
    const char* word; // WordAt(line, n)
    int pos;          // WordPos(line, n)
    int count;        // WordCount(line)
};

TEST(Tokenizer, FindsWordsByNumber) {
    const WordCase cases[] = {
        {"empty", "", 1, "", -1, 0},
        {"separatorsOnly", " \t\r\n", 1, "", -1, 0},
        {"nbspAndControl", "\xA0  \x01", 1, "", -1, 0},
        {"numberZeroIsTheFirst", "  alpha beta", 0, "alpha", 3, 2},
        {"negativeNumberIsTheFirst", "  alpha beta", -3, "alpha", 3, 2},
        {"tabsAndNbspSeparate", "a\tb\xA0\xA0 c   d", 4, "d", 11, 4},
        {"pastTheLastWord", "a\tb\xA0\xA0 c   d", 5, "", -1, 4},
        {"quotedSpanStepsAsOne", "A \"b c\" d", 3, "d", 9, 3},
        {"wordAtAQuoteEndsAtABlank", "A \"b c\" d", 2, "\"b", 3, 3},
        {"unclosedQuoteSwallowsTheRest", "A \"b c d", 3, "", -1, 2},
        {"textAfterClosingQuoteIsAWord", "\"a b\"c d", 2, "c", 6, 3},
    };
    for (const WordCase& c : cases) {
        EXPECT_EQ(WordAt(c.line, c.n), c.word) << c.name;
        EXPECT_EQ(WordPos(c.line, c.n), c.pos) << c.name;
        EXPECT_EQ(WordCount(c.line), c.count) << c.name;
    }
    const std::string named = "NAME 12 7 \"Old Harbour\"";
    EXPECT_EQ(RestFromWord(named, 4), "\"Old Harbour\"");
    EXPECT_EQ(RestFromWord(named, 5), "");
}

TEST(Tokenizer, WordStartsAgreeWithWordPosOnManyWords) {
    std::string line;
    for (int i = 0; i < 2000; ++i) {
        line += (i % 7 == 0) ? "\"q r\" " : "w ";
    }
    const auto starts = WordStarts(line);
    ASSERT_EQ(static_cast<int>(starts.size()), WordCount(line));
    for (int n : {1, 2, 8, 9, 1000, 2000}) {
        EXPECT_EQ(WordPos(line, n), static_cast<int>(starts[static_cast<std::size_t>(n - 1)]) + 1)
            << n;
    }
    EXPECT_EQ(WordPos(line, 2001), -1);
}

struct NumberCase {
    const char* name;
    const char* word;
    std::int32_t value; // NotANumber when it is no number
};

class WordAsNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(WordAsNumberTest, ReadsTheAcceptedNotation) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(WordAsNumber(std::string("X ") + c.word, 2), c.value);
    EXPECT_EQ(IsNumber(c.word), c.value != NotANumber);
}

INSTANTIATE_TEST_SUITE_P(
    Words, WordAsNumberTest,
    ::testing::Values(NumberCase{"plus", "+12", 12}, NumberCase{"minus", "-7", -7},
                      NumberCase{"dollarHex", "$1F", 31}, NumberCase{"xHex", "x1f", 31},
                      NumberCase{"zeroXHex", "0XfF", 255},
                      NumberCase{"hexAllBits", "$FFFFFFFF", -1},
                      NumberCase{"hexNineDigits", "$100000000", NotANumber},
                      NumberCase{"signedHex", "-$1F", NotANumber},
                      NumberCase{"letterAfter", "12a", NotANumber},
                      NumberCase{"loneX", "x", NotANumber}, NumberCase{"loneSign", "-", NotANumber},
                      NumberCase{"max", "2147483647", 2147483647},
                      NumberCase{"min", "-2147483648", -2147483647 - 1},
                      NumberCase{"tooBig", "2147483648", NotANumber},
                      NumberCase{"twentyDigits", "99999999999999999999", NotANumber},
                      NumberCase{"empty", "", NotANumber}, NumberCase{"blanks", "   ", NotANumber}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tokenizer, NumbersMayHaveLeadingButNotTrailingBlanks) {
    EXPECT_TRUE(IsNumber(" 42"));
    EXPECT_FALSE(IsNumber("42 "));
    EXPECT_EQ(WordAsNumber("12", 2), NotANumber);
}

} // namespace
} // namespace orv::report
