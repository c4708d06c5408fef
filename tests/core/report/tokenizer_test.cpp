#include "core/report/tokenizer.h"

#include <gtest/gtest.h>

namespace orv::report {
namespace {

TEST(Tokenizer, EmptyAndSeparatorOnlyLinesHaveNoWords) {
    for (const std::string& line :
         {std::string(), std::string(" \t\r\n"), std::string("\xA0  \x01")}) {
        EXPECT_EQ(WordCount(line), 0);
        EXPECT_EQ(WordAt(line, 1), "");
        EXPECT_EQ(WordPos(line, 1), -1);
    }
}

TEST(Tokenizer, WordNumbersBelowTwoGiveTheFirstWord) {
    EXPECT_EQ(WordAt("  alpha beta", 0), "alpha");
    EXPECT_EQ(WordAt("  alpha beta", -3), "alpha");
    EXPECT_EQ(WordPos("  alpha beta", 0), 3);
}

TEST(Tokenizer, TabsAndNonBreakingSpacesSeparateLikeBlanks) {
    const std::string line = "a\tb\xA0\xA0 c   d";
    EXPECT_EQ(WordCount(line), 4);
    EXPECT_EQ(WordAt(line, 2), "b");
    EXPECT_EQ(WordAt(line, 3), "c");
    EXPECT_EQ(WordPos(line, 4), 11);
    EXPECT_EQ(WordAt(line, 5), "");
}

TEST(Tokenizer, QuotedSpansCountAsOneWordWhenStepping) {
    const std::string line = "A \"b c\" d";
    EXPECT_EQ(WordAt(line, 3), "d");
    EXPECT_EQ(WordPos(line, 2), 3);
    EXPECT_EQ(WordAt(line, 2), "\"b");
    EXPECT_EQ(WordCount(line), 3);

    const std::string named = "NAME 12 7 \"Old Harbour\"";
    EXPECT_EQ(WordCount(named), 4);
    EXPECT_EQ(named.substr(static_cast<std::size_t>(WordPos(named, 4) - 1)), "\"Old Harbour\"");
    EXPECT_EQ(RestFromWord(named, 4), "\"Old Harbour\"");
    EXPECT_EQ(RestFromWord(named, 5), "");
}

TEST(Tokenizer, UnclosedQuoteSwallowsTheRestOfTheLine) {
    EXPECT_EQ(WordCount("A \"b c d"), 2);
    EXPECT_EQ(WordAt("A \"b c d", 3), "");
}

TEST(Tokenizer, TextAfterClosingQuoteStartsTheNextWord) {
    const std::string line = "\"a b\"c d";
    EXPECT_EQ(WordCount(line), 3);
    EXPECT_EQ(WordAt(line, 2), "c");
    EXPECT_EQ(WordAt(line, 3), "d");
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
    ::testing::Values(NumberCase{"plain", "12", 12}, NumberCase{"plus", "+12", 12},
                      NumberCase{"minus", "-7", -7}, NumberCase{"dollarHex", "$1F", 31},
                      NumberCase{"xHex", "x1f", 31}, NumberCase{"zeroXHex", "0XfF", 255},
                      NumberCase{"hexAllBits", "$FFFFFFFF", -1},
                      NumberCase{"hexNineDigits", "$100000000", NotANumber},
                      NumberCase{"signedHex", "-$1F", NotANumber},
                      NumberCase{"letterAfter", "12a", NotANumber},
                      NumberCase{"loneX", "x", NotANumber}, NumberCase{"loneSign", "-", NotANumber},
                      NumberCase{"max", "2147483647", 2147483647},
                      NumberCase{"min", "-2147483648", -2147483647 - 1},
                      NumberCase{"tooBig", "2147483648", NotANumber},
                      NumberCase{"twentyDigits", "99999999999999999999", NotANumber}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tokenizer, MissingWordIsNotANumber) {
    EXPECT_EQ(WordAsNumber("12", 2), NotANumber);
    EXPECT_EQ(WordAsNumber("", 1), NotANumber);
}

TEST(Tokenizer, IsNumberAllowsLeadingButNotTrailingBlanks) {
    EXPECT_TRUE(IsNumber(" 42"));
    EXPECT_FALSE(IsNumber("42 "));
    EXPECT_FALSE(IsNumber(""));
    EXPECT_FALSE(IsNumber("   "));
}

} // namespace
} // namespace orv::report
