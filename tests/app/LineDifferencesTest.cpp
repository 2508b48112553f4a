// The lines an update replaces: only those that differ, each stretch with
// its place in both texts.
#include "LineDifferences.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Lines = std::vector<wxString>;

std::vector<std::tuple<int, int, int, int>> Stretches(const Lines& now, const Lines& next)
{
    std::vector<std::tuple<int, int, int, int>> found;
    for (const LineStretch& s : LineDifferences(now, next))
        found.emplace_back(s.nowFrom, s.nowTo, s.nextFrom, s.nextTo);
    return found;
}

}

TEST(LineDifferencesTest, TextLinesCountsTheLineAfterTheLastBreak)
{
    EXPECT_EQ(TextLines(""), Lines{""});
    EXPECT_EQ(TextLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(TextLines("a\n"), (Lines{"a", ""}));
}

// None for the same lines.
TEST(LineDifferencesTest, EachStretchHasItsPlaceInBothTexts)
{
    using S = std::tuple<int, int, int, int>;
    EXPECT_TRUE(Stretches({"a", "b"}, {"a", "b"}).empty());
    EXPECT_EQ(Stretches({"a", "b", "c"}, {"a", "x", "c"}), std::vector<S>{S(1, 2, 1, 2)});
    EXPECT_EQ(Stretches({"a", "b"}, {"a", "b", "c"}), std::vector<S>{S(2, 2, 2, 3)});
    EXPECT_EQ(Stretches({"a", "b", "c"}, {"a", "c"}), std::vector<S>{S(1, 2, 1, 1)});
    EXPECT_EQ(Stretches({"a", "b", "c", "d"}, {"x", "b", "c", "y", "z"}),
              (std::vector<S>{S(0, 1, 0, 1), S(3, 4, 3, 5)}));
}
