#include "platform/MediaInfo.h"
#include "platform/MediaInfoCache.h"
#include "support/MediaSamples.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;
using testing_support::TempDir;
using testing_support::WriteJpeg;

namespace {

TimeValue LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    TimeValue time = 0;
    MakeLocalTime(year, month, day, hour, minute, second, time);
    return time;
}

constexpr const char *kOriginal = "Exif.Photo.DateTimeOriginal";
constexpr const char *kDigitized = "Exif.Photo.DateTimeDigitized";

TEST(MediaInfoTest, PictureGivesDateTakenCameraAndSize)
{
    TempDir dir;
    const std::string photo = dir.file("DSC_0001.JPG");
    WriteJpeg(photo, {{"Exif.Image.Model", "Cam/1 "},
                      {kOriginal, "2021:07:08 09:10:11"},
                      {kDigitized, "2022:01:01 00:00:00"}});
    const MediaInfo info = ReadMediaInfo(photo);
    EXPECT_EQ(info.taken, LocalTime(2021, 7, 8, 9, 10, 11)) << "the original before the digitized";
    EXPECT_EQ(info.camera, "Cam/1") << "padding trimmed";
    EXPECT_EQ(info.width, 1);
    EXPECT_EQ(info.height, 1);
    EXPECT_EQ(info.artist, "");
}

TEST(MediaInfoTest, DigitizedStandsInForAMissingOrEmptyOriginal)
{
    TempDir dir;
    const std::string onlyDigitized = dir.file("a.jpg");
    WriteJpeg(onlyDigitized, {{kDigitized, "2019:12:31 23:59:58"}});
    EXPECT_EQ(ReadMediaInfo(onlyDigitized).taken, LocalTime(2019, 12, 31, 23, 59, 58));

    const std::string blankOriginal = dir.file("b.jpg");
    WriteJpeg(blankOriginal, {{kOriginal, "0000:00:00 00:00:00"}, {kDigitized, "2019:12:31 23:59:58"}});
    EXPECT_EQ(ReadMediaInfo(blankOriginal).taken, LocalTime(2019, 12, 31, 23, 59, 58));

    const std::string neither = dir.file("c.jpg");
    WriteJpeg(neither, {{"Exif.Image.Model", "Cam"}});
    EXPECT_EQ(ReadMediaInfo(neither).taken, std::nullopt);
}

TEST(MediaInfoTest, SongGivesItsTags)
{
    TempDir dir;
    const std::string song = dir.file("01.mp3");
    testing_support::WriteMp3(song, {"Art/ist", "アルバム", "Title", 3, 1999});
    const MediaInfo info = ReadMediaInfo(song);
    EXPECT_EQ(info.artist, "Art/ist");
    EXPECT_EQ(info.album, "アルバム");
    EXPECT_EQ(info.title, "Title");
    EXPECT_EQ(info.track, 3);
    EXPECT_EQ(info.year, 1999);
    EXPECT_EQ(info.taken, std::nullopt);
    EXPECT_EQ(info.width, 0);
}

TEST(MediaInfoTest, WhatCannotBeParsedGivesEmptyValues)
{
    TempDir dir;
    const std::string fifo = dir.file("pipe.jpg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string &path :
         {dir.write("text.jpg", "not a picture"),
          dir.write("cut.jpg", std::string("\xff\xd8\xff\xe1\x7f\xff", 6)), dir.write("cut.mp3", "ID3\x04"),
          dir.path(), dir.file("missing.jpg"), fifo}) {
        const MediaInfo info = ReadMediaInfo(path);
        EXPECT_EQ(info.taken, std::nullopt) << path;
        EXPECT_EQ(info.camera, "") << path;
        EXPECT_EQ(info.width, 0) << path;
        EXPECT_EQ(info.artist, "") << path;
    }
}

TEST(MediaInfoCacheTest, AFileIsReadOncePerKey)
{
    TempDir dir;
    const std::string photo = dir.file("p.jpg");
    WriteJpeg(photo, {{"Exif.Image.Model", "First"}});
    MediaInfoCache cache;
    const MediaFileKey key{1, 2, 3, 4};
    EXPECT_EQ(cache.Find(key), nullptr);
    const auto first = cache.Read(key, photo);
    EXPECT_EQ(first->camera, "First");
    EXPECT_EQ(cache.Find(key), first);

    WriteJpeg(photo, {{"Exif.Image.Model", "Second"}});
    EXPECT_EQ(cache.Read(key, photo), first) << "kept under its key";
    EXPECT_EQ(cache.Read({1, 2, 3, 5}, photo)->camera, "Second") << "another time is another file";

    const MediaFileKey unknown{1, 0, 3, 4};
    EXPECT_EQ(cache.Read(unknown, photo)->camera, "Second");
    EXPECT_EQ(cache.Find(unknown), nullptr) << "no inode, nothing kept";
}

} // namespace
