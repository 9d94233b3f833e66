#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"

#include <gtest/gtest.h>

namespace {

class FormatExpansionTest : public ::testing::Test {
protected:
    std::string expand(const std::string &format, int row = 2) const
    {
        return settings.ExpandFormat(format, entry, row);
    }

    CRenameSettings settings;
    CFileEntry entry = MakeEntry("/trip/day1", "photo.jpg", false, LocalTime(2001, 3, 4, 5, 6, 7));
};

TEST_F(FormatExpansionTest, NameParts)
{
    EXPECT_EQ(expand("%p-%F"), "day1-photo.jpg");
    EXPECT_EQ(expand("[%f][%e]"), "[photo][jpg]");
    entry = MakeEntry("/trip/day1", "photo");
    EXPECT_EQ(expand("%F|%e|"), "photo.||");
    entry = MakeEntry("", "photo.jpg");
    EXPECT_EQ(expand("<%p>"), "<>");
}

TEST_F(FormatExpansionTest, TimeFields)
{
    EXPECT_EQ(expand("%Y%m%d"), "20010304");
    EXPECT_EQ(expand("%y-%h%M%s"), "01-050607");
    entry = MakeEntry("/trip", "photo.jpg", false, LocalTime(2001, 3, 4, 17, 6, 7));
    EXPECT_EQ(expand("%H %h"), "17 05");
}

TEST_F(FormatExpansionTest, UnknownAndTrailingPercentVanish)
{
    EXPECT_EQ(expand("100%%"), "100");
    EXPECT_EQ(expand("end%"), "end");
    EXPECT_EQ(expand("a%Sb%xc"), "abc");
    EXPECT_EQ(expand("写%真x"), "写x"); // the whole character goes, not just its first byte
}

TEST_F(FormatExpansionTest, RunningNumber)
{
    EXPECT_EQ(expand("%f_%n"), "photo_003");
    EXPECT_EQ(expand("%n2"), "03");
    EXPECT_EQ(expand("%n3:2:5"), "012");
    EXPECT_EQ(expand("%n:10"), "12");
    EXPECT_EQ(expand("%n12"), "03");
    EXPECT_EQ(expand("%n%f"), "003photo");
    EXPECT_EQ(expand("%n_x"), "003_x");
    EXPECT_EQ(expand("%n2::"), "02");               // a lone ":" is start 0; the step stays 1
    EXPECT_EQ(expand("%n1:1234567:150"), "234667"); // start and step reduced
    EXPECT_EQ(expand("%n4:1:1-%n", 0), "0001-001");
}

TEST_F(FormatExpansionTest, HugeNumberFieldsStaySane)
{
    // Long digit runs keep their last nine digits before the reduction.
    EXPECT_EQ(expand("%n99999999999999999999999:5:1", 0), "000000005");
    EXPECT_EQ(expand("%n1:99999999999999999999:99999999999"), "1000197");
}

TEST(FormatExpansionNumberFieldTest, DigitsColonOrBoth)
{
    const std::string text = "12:7x:";
    std::size_t p = 0;
    int value = -1;
    EXPECT_TRUE(CRenameSettings::ParseNumberField(text, p, value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(CRenameSettings::ParseNumberField(text, p, value));
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(CRenameSettings::ParseNumberField(text, p, value));
    EXPECT_EQ(p, 4u);
    p = 5;
    EXPECT_TRUE(CRenameSettings::ParseNumberField(text, p, value));
    EXPECT_EQ(value, 0);
    EXPECT_EQ(p, 6u);
}

} // namespace
