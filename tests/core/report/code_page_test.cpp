#include "core/report/code_page.h"

#include <gtest/gtest.h>

namespace orv::report {
namespace {

// Every byte comes back as it was read, the five the code page leaves free included.
TEST(CodePage, EveryByteSurvivesTheWayToUtf8AndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    std::vector<LostCharacter> lost;
    EXPECT_EQ(Windows1252FromUtf8(Utf8FromWindows1252(all), &lost), all);
    EXPECT_TRUE(lost.empty());
    EXPECT_EQ(Utf8FromWindows1252("\x80\xA0\x9F"), "\xE2\x82\xAC\xC2\xA0\xC5\xB8");
}

// What the code page cannot hold becomes "?", each character once, at its line and column:
// CR LF, LF and CR each end a line; a byte that is no UTF-8 counts as one character.
TEST(CodePage, LostCharactersAreNamedWhereTheyStand) {
    const std::string text = "a\xC5\x82"             // U+0142, line 1 column 2
                             "\r\nb\xF0\x9F\x98\x80" // U+1F600, line 2 column 2
                             "\n\rxy\xE2\x86\x92"    // U+2192, line 4 column 3
                             "\xFF\xC3";             // two bytes that are no UTF-8
    std::vector<LostCharacter> lost;
    EXPECT_EQ(Windows1252FromUtf8(text, &lost), "a?\r\nb?\n\rxy???");
    const std::vector<std::tuple<std::size_t, std::size_t, char32_t>> expected = {
        {1, 2, 0x142}, {2, 2, 0x1F600}, {4, 3, 0x2192}, {4, 4, 0xFFFD}, {4, 5, 0xFFFD}};
    ASSERT_EQ(lost.size(), expected.size());
    for (std::size_t k = 0; k < lost.size(); ++k) {
        EXPECT_EQ(std::tuple(lost[k].line, lost[k].column, lost[k].codePoint), expected[k]) << k;
    }
    EXPECT_TRUE(IsUtf8("a\xC5\x82\xF0\x9F\x98\x80"));
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x86"}) {
        EXPECT_FALSE(IsUtf8(bad)) << bad;
    }
}

TEST(CodePage, QuestionListsTenPlacesAndCountsTheRest) {
    std::vector<LostCharacter> lost = {
        {2, 7, 0x142}, {3, 1, 0xFFFD}, {3, 2, 0x1B}, {3, 3, 0x800}, {3, 4, 0x10000}};
    EXPECT_EQ(LostCharactersQuestion(lost, true),
              "The text holds characters that a move file cannot hold. They would become "
              "\"?\":\r\n"
              "line 2, column 7: \"\xC5\x82\" (U+0142)\r\n"
              "line 3, column 1: (U+FFFD)\r\n"
              "line 3, column 2: (U+001B)\r\n"
              "line 3, column 3: \"\xE0\xA0\x80\" (U+0800)\r\n"
              "line 3, column 4: \"\xF0\x90\x80\x80\" (U+10000)\r\n"
              "Go on?");
    lost.assign(MaxListedCharacters + 2, {1, 4, 0x10FFFF});
    const std::string question = LostCharactersQuestion(lost, false);
    EXPECT_NE(question.find("\r\ncolumn 4: \"\xF4\x8F\xBF\xBF\" (U+10FFFF)\r\n"),
              std::string::npos);
    EXPECT_NE(question.find("(U+10FFFF)\r\nand 2 more\r\nGo on?"), std::string::npos);
    EXPECT_EQ(question.find("line"), std::string::npos);
}

} // namespace
} // namespace orv::report
