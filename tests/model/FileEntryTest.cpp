#include "model/FileEntry.h"

#include "OrderingTesting.h"
#include "support/EntryMaker.h"

#include "platform/Attributes.h"
#include "platform/DirectoryList.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <type_traits>

using testing_support::TempDir;

namespace {

// Vectors of entries grow by moving them; copying every entry at every growth
// step once cost more than reading the directory.
static_assert(std::is_nothrow_move_constructible_v<CFileEntry>);
static_assert(std::is_nothrow_move_assignable_v<CFileEntry>);

// Entries of a real directory, by name, as the selection list makes them.
std::map<std::string, CFileEntry> ListEntries(const std::string &dir)
{
    std::map<std::string, CFileEntry> entries;
    EXPECT_EQ(platform::ListDirectory(
                  dir, "*.*",
                  [&](const platform::DirEntryInfo &info) { entries.emplace(info.name, CFileEntry(info)); }),
              0);
    return entries;
}

} // namespace

TEST(FileEntryTest, FileNamesAreSplitAtTheLastDot)
{
    TempDir dir;
    dir.write("README");
    dir.write(".profile");
    dir.write("archive.tar.gz");
    dir.mkdir("notes.old");
    const auto entries = ListEntries(dir.path());

    const CFileEntry &readme = entries.at("README");
    EXPECT_EQ(readme.title, "README");
    EXPECT_EQ(readme.extension, "");
    EXPECT_EQ(readme.fullPath, dir.path() + "/README");
    EXPECT_EQ(readme.directory, dir.path());
    EXPECT_FALSE(readme.isFolder);

    const CFileEntry &profile = entries.at(".profile");
    EXPECT_EQ(profile.title, "");
    EXPECT_EQ(profile.extension, "profile");
    EXPECT_EQ(profile.GetAttributeText(), "-H--");

    EXPECT_EQ(entries.at("archive.tar.gz").title, "archive.tar");
    EXPECT_EQ(entries.at("archive.tar.gz").extension, "gz");

    const CFileEntry &notes = entries.at("notes.old");
    EXPECT_TRUE(notes.isFolder);
    EXPECT_EQ(notes.title, "notes.old") << "a folder is not split";
    EXPECT_EQ(notes.extension, "");
}

TEST(FileEntryTest, MultiByteAndInvalidNamesKeepEveryByte)
{
    const std::string odd = "写真\xff.\xfe";
    const CFileEntry entry = MakeEntry("/data", odd);
    EXPECT_EQ(entry.title, "写真\xff");
    EXPECT_EQ(entry.extension, "\xfe");
    EXPECT_EQ(entry.GetDisplayName(1, false), odd);
}

TEST(FileEntryTest, SizeTexts)
{
    TempDir dir;
    dir.write("zero");
    dir.write("k1", std::string(1024, 'x'));
    dir.write("k2", std::string(1025, 'x'));
    dir.mkdir("folder");
    const auto entries = ListEntries(dir.path());
    EXPECT_EQ(entries.at("zero").GetSizeText(false), "0KB");
    EXPECT_EQ(entries.at("k1").GetSizeText(false), "1KB");
    EXPECT_EQ(entries.at("k2").GetSizeText(false), "2KB");
    EXPECT_EQ(entries.at("k2").GetSizeText(true), "1025");
    EXPECT_EQ(entries.at("folder").GetSizeText(false), "");
    EXPECT_EQ(entries.at("folder").GetSizeText(true), "");

    CFileEntry huge = MakeEntry("/d", "huge");
    huge.size = 5'000'000'000ull;
    EXPECT_EQ(huge.GetSizeText(true), "5000000000");
    EXPECT_EQ(huge.GetSizeText(false), "4882813KB");
    huge.size = UINT64_MAX;
    EXPECT_EQ(huge.GetSizeText(false), "18014398509481984KB");
}

TEST(FileEntryTest, AttributeTextsFromTheDisk)
{
    TempDir dir;
    const std::string ro = dir.write("ro.txt");
    const std::string text = platform::FormatStoredAttributes(platform::kAttrArchive);
    ASSERT_EQ(setxattr(ro.c_str(), platform::kStoredAttributesName, text.data(), text.size(), 0), 0);
    ASSERT_EQ(chmod(ro.c_str(), 0444), 0);
    dir.write("plain.txt");
    const auto entries = ListEntries(dir.path());
    EXPECT_EQ(entries.at("ro.txt").GetAttributeText(), "R--A");
    EXPECT_EQ(entries.at("plain.txt").GetAttributeText(), "----");

    CFileEntry all = entries.at("plain.txt");
    all.attributes = 0x27;
    EXPECT_EQ(all.GetAttributeText(), "RHSA");
}

TEST(FileEntryTest, TimeTextInLocalTime)
{
    TempDir dir;
    const std::string path = dir.write("dated");
    const platform::TimeValue when = LocalTime(2001, 1, 8, 9, 5, 0);
    const timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    const CFileEntry entry = ListEntries(dir.path()).at("dated");
    EXPECT_EQ(entry.lastWriteTime, when);
    EXPECT_EQ(entry.GetTimeText(), "2001/01/08 09:05:00");
    EXPECT_EQ(entry.GetSortKey(SortKey::Time, false), "2001/01/08 09:05:00");
}

TEST(FileEntryTest, DisplayNamesAndTitles)
{
    const CFileEntry entry = MakeEntry("/home/User", "Café.Txt");
    EXPECT_EQ(entry.GetDisplayName(0, false), "Café.Txt");
    EXPECT_EQ(entry.GetDisplayName(1, false), "CAFÉ.TXT");
    EXPECT_EQ(entry.GetDisplayName(2, true), "/home/user/café.txt");
    EXPECT_EQ(entry.GetDisplayTitle(0, false), "Café");
    EXPECT_EQ(entry.GetDisplayTitle(1, true), "/HOME/USER/CAFÉ");

    const CFileEntry atRoot = MakeEntry("", "etc", true);
    EXPECT_EQ(atRoot.fullPath, "/etc");
    EXPECT_EQ(atRoot.GetDisplayTitle(0, true), "/etc");
    EXPECT_EQ(atRoot.GetDisplayName(0, true), "/etc");
}

TEST(FileEntryTest, PlaceholderShowsDummyAndCarriesItsCreationTime)
{
    const platform::TimeValue before = platform::CurrentTime();
    CFileEntry dummy;
    const platform::TimeValue after = platform::CurrentTime();
    dummy.isDummy = true;
    EXPECT_EQ(dummy.GetDisplayName(0, false), "<DUMMY>");
    EXPECT_EQ(dummy.GetDisplayName(1, true), "<DUMMY>");
    EXPECT_GE(dummy.lastWriteTime, before);
    EXPECT_LE(dummy.lastWriteTime, after);
}

TEST(FileEntryTest, NamesIgnoreCaseAndFoldersComeFirst)
{
    EXPECT_EQ(Compare(Entry("abc.txt"), Entry("ABC.TXT")), 0);
    EXPECT_EQ(Entry("dir", true).GetSortKey(SortKey::Name, false), " dir");
    EXPECT_LT(Compare(Entry("zzz", true), Entry("aaa")), 0);
    EXPECT_GT(Compare(Entry("zzz", true), Entry("aaa"), SortKey::Name, false, -1), 0);
    // Folders stay first with the numeric flag, even before files named with digits.
    EXPECT_LT(Compare(Entry("zzz", true), Entry("0"), SortKey::Name, true), 0);
    EXPECT_LT(Compare(Entry("2019", true), Entry("01 intro.mp3"), SortKey::Name, true), 0);
    EXPECT_LT(Compare(Entry("9", true), Entry("10", true), SortKey::Name, true), 0);
}

TEST(FileEntryTest, OtherKeys)
{
    // Sizes beyond 32 bits still order by value.
    EXPECT_LT(
        Compare(Entry("a", false, 2'147'483'648ull), Entry("b", false, 4'294'967'297ull), SortKey::Size), 0);
    EXPECT_LT(Compare(Entry("a", false, 999), Entry("b", false, 1000), SortKey::Size), 0);
    EXPECT_EQ(Entry("a", false, 1025).GetSortKey(SortKey::Size, false), "00000000000000001025");
    EXPECT_EQ(Compare(Entry("dir", true), Entry("empty"), SortKey::Size), 0);

    EXPECT_EQ(Compare(Entry("a"), Entry("b", true, 7), SortKey::None), 0);
}
