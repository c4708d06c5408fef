// The compact message lines: every line found by number and in order, across the places
// the index marks, also after the block is cut short.
#include "core/move/text_lines.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orv::move {
namespace {

std::vector<std::string> Sample(std::size_t n) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < n; ++i) {
        // Empty lines among others, so that a line end is never taken for a line.
        lines.push_back(i % 3 == 0 ? std::string() : "line " + std::to_string(i));
    }
    return lines;
}

TEST(TextLines, EveryLineByNumberAndInOrder) {
    for (const std::size_t n : {0, 1, 15, 16, 17, 33, 100}) {
        SCOPED_TRACE(n);
        const std::vector<std::string> expected = Sample(n);
        const TextLines lines(expected);
        ASSERT_EQ(lines.size(), n);
        EXPECT_EQ(lines.empty(), n == 0);
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_EQ(lines[i], expected[i]) << i;
        }
        EXPECT_EQ(lines.ToVector(), expected);
    }
}

TEST(TextLines, TruncateKeepsTheFirstLines) {
    const std::vector<std::string> all = Sample(40);
    for (const std::size_t keep : {0, 1, 15, 16, 17, 32, 39, 40, 41}) {
        SCOPED_TRACE(keep);
        TextLines lines(all);
        lines.truncate(keep);
        const std::size_t kept = std::min<std::size_t>(keep, all.size());
        const std::vector<std::string> expected(all.begin(), all.begin() + kept);
        EXPECT_EQ(lines.ToVector(), expected);
        // Lines added after the cut, past the next index mark, are found where they belong.
        for (std::size_t i = 0; i < 17; ++i) {
            lines.push_back("after " + std::to_string(i));
        }
        EXPECT_EQ(lines[kept + 16], "after 16");
        EXPECT_EQ(lines.size(), kept + 17);
    }
}

} // namespace
} // namespace orv::move
