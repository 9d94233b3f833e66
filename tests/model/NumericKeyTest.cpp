#include "model/NumericKey.h"

#include "OrderingTesting.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

TEST(NumericKeyTest, DigitRunsArePaddedToTen)
{
    EXPECT_EQ(RewriteDigitRuns("img7.jpg"), "img         7.jpg");
    EXPECT_EQ(RewriteDigitRuns("1-2"), "         1-         2");
    EXPECT_EQ(RewriteDigitRuns("x000y"), "x         0y");
    EXPECT_EQ(RewriteDigitRuns("９"), "９"); // full-width digits are not ASCII digits
    EXPECT_EQ(Entry("track12").GetSortKey(SortKey::Name, true), "track        12");
    EXPECT_EQ(Entry("plain").GetSortKey(SortKey::Name, true), "plain");
    EXPECT_EQ(Entry("a10").GetSortKey(SortKey::Name, true), Entry("a010").GetSortKey(SortKey::Name, true));
    EXPECT_LT(Compare(Entry("a2.txt"), Entry("a10.txt"), SortKey::Name, true), 0);
    EXPECT_GT(Compare(Entry("a2.txt"), Entry("a10.txt"), SortKey::Name, false), 0);
}

TEST(NumericKeyTest, LongRunsKeepTheirValueOrder)
{
    const char *ascending[] = {"999.png",       "a2147483647",    "a3000000000",
                               "a9999999999",   "a10000000000",   "a99999999999",
                               "a100000000000", "a1700000000000", "a1700000000001"};
    for (std::size_t i = 1; i < std::size(ascending); ++i)
        EXPECT_LT(Compare(Entry(ascending[i - 1]), Entry(ascending[i]), SortKey::Name, true), 0)
            << ascending[i];
    EXPECT_EQ(RewriteDigitRuns("a000012345678901"), RewriteDigitRuns("a12345678901"));
    const std::string huge(100, '7');
    EXPECT_EQ(RewriteDigitRuns(huge), std::string(10, '9') + huge);
}
