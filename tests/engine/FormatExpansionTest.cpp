#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"
#include "support/TwoThreads.h"

#include <gtest/gtest.h>

#include <limits>

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

// Four-digit years are written by the expansion itself, others by strftime.
TEST_F(FormatExpansionTest, TimeFieldsLookAsStrftimeWritesThem)
{
    for (int year : {999, 1000, 1970, 2024, 9999, 10000}) {
        for (int hour : {0, 1, 11, 12, 13, 23}) {
            entry = MakeEntry("/trip", "photo.jpg", false, LocalTime(year, 12, 31, hour, 5, 9));
            EXPECT_EQ(expand("%Y|%y|%m|%d|%H|%h|%M|%s"),
                      platform::FormatLocalTime(entry.lastWriteTime, "%Y|%y|%m|%d|%H|%I|%M|%S"))
                << year << " " << hour;
        }
    }
    entry = MakeEntry("/trip", "photo.jpg", false, std::numeric_limits<platform::TimeValue>::max());
    EXPECT_EQ(expand("[%Y%m%d%H]"), "[]") << "a time that cannot be shown";
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

// Texts are cut into pieces once and kept for each thread: a text changed in
// place, or more texts than are kept, must each expand as themselves.
TEST_F(FormatExpansionTest, EveryTextExpandsAsItself)
{
    std::string format = "%f_%n";
    EXPECT_EQ(expand(format), "photo_003");
    format[1] = 'e';
    EXPECT_EQ(expand(format), "jpg_003");
    for (int round = 0; round < 2; ++round) {
        for (int width = 1; width <= 6; ++width)
            EXPECT_EQ(expand("%n" + std::to_string(width)), std::string(width - 1, '0') + "3");
    }
}

TEST_F(FormatExpansionTest, ThreadsExpandTheirOwnTexts)
{
    const std::string formats[] = {"%f-%n4-", "%e%n2_"};
    const std::string names[] = {"photo-0003-", "jpg03_"};
    EXPECT_EQ(testing_support::SumOnTwoThreads([&](int thread) {
                  int wrong = 0;
                  for (int i = 0; i < 300000; ++i)
                      wrong += expand(formats[thread] + std::to_string(i % 7)) !=
                               names[thread] + std::to_string(i % 7);
                  return wrong;
              }),
              0);
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

// The file's data as a lookup gives it, counting how often it is asked.
class MediaExpansionTest : public FormatExpansionTest, public engine::IMediaLookup {
protected:
    std::shared_ptr<const platform::MediaInfo> Find(const CFileEntry &) const override
    {
        ++asked;
        return values;
    }
    std::string expandWithMedia(const std::string &format) const
    {
        return settings.ExpandFormat(format, entry, 2, *this);
    }
    void give(platform::MediaInfo info)
    {
        values = std::make_shared<const platform::MediaInfo>(std::move(info));
    }

    std::shared_ptr<const platform::MediaInfo> values;
    mutable int asked = 0;
};

TEST_F(MediaExpansionTest, FileDataPlaceholders)
{
    platform::MediaInfo info;
    info.camera = std::string("Cam/1\0x", 7);
    info.width = 4000;
    info.height = 3000;
    info.artist = "AC/DC";
    info.album = "アルバム";
    info.title = "Song";
    info.track = 3;
    info.year = 1999;
    give(info);
    EXPECT_EQ(expandWithMedia("%{camera}_%{width}x%{height}"), "Cam_1_x_4000x3000") << "/ and NUL become _";
    EXPECT_EQ(expandWithMedia("%{track} %{artist} - %{title} (%{album}, %{year})"),
              "03 AC_DC - Song (アルバム, 1999)");
    info.track = 112;
    give(info);
    EXPECT_EQ(expandWithMedia("%{track}"), "112");
    EXPECT_EQ(asked, 3) << "once per text";

    give({});
    EXPECT_EQ(expandWithMedia("[%{camera}|%{width}|%{track}|%{year}]"), "[|||]") << "what the file lacks";
    values = nullptr;
    EXPECT_EQ(expandWithMedia("[%{artist}|%{height}]"), "[|]") << "what is not known";
    EXPECT_EQ(expandWithMedia("a%{nothing}b%{camera"), "abcamera")
        << "unknown names vanish, an open brace alone";
}

TEST_F(MediaExpansionTest, DateTakenWhereAskedForAndKnown)
{
    platform::MediaInfo info;
    info.taken = LocalTime(2020, 5, 6, 7, 8, 9);
    give(info);
    EXPECT_EQ(expandWithMedia("%f_%Y%m%d"), "photo_20010304");
    EXPECT_EQ(asked, 0) << "nothing asked for, nothing read";

    settings.DateSource = TimeSource::Taken;
    EXPECT_EQ(expandWithMedia("%Y%m%d_%H%M%s %y %h"), "20200506_070809 20 07");
    give({});
    EXPECT_EQ(expandWithMedia("%Y%m%d"), "20010304") << "no date taken: the file's time";
    EXPECT_EQ(expandWithMedia("%f"), "photo");
    EXPECT_EQ(asked, 2);

    entry = MakeEntry("/trip", "day1", true, LocalTime(2001, 3, 4, 5, 6, 7));
    EXPECT_EQ(expandWithMedia("%Y%{camera}"), "2001");
    EXPECT_EQ(asked, 2) << "a folder has no data to read";
}

} // namespace
