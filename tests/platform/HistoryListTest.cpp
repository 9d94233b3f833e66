#include "platform/HistoryList.h"

#include "platform/RegistryStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace platform;
using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

std::vector<unsigned char> Bytes(const std::string &s)
{
    return {s.begin(), s.end()};
}

HistoryEntries Numbered(int count)
{
    HistoryEntries entries;
    for (int i = 0; i < count; ++i)
        entries.push_back("entry" + std::to_string(i));
    return entries;
}

} // namespace

TEST(HistoryListTest, ParsesEntriesUpToTheEndMark)
{
    EXPECT_TRUE(ParseHistory(Bytes("\xff")).empty());
    EXPECT_TRUE(ParseHistory({}).empty());
    EXPECT_EQ(ParseHistory(Bytes(std::string("a\0\0b\0\xff"
                                             "c\0",
                                             8))),
              (HistoryEntries{"a", "", "b"}));
    // The data may end without the end mark, and a last entry without its NUL.
    EXPECT_EQ(ParseHistory(Bytes(std::string("a\0bc", 4))), (HistoryEntries{"a", "bc"}));
    // 0xFF inside an entry is part of it; only at the start of an entry it ends the list.
    EXPECT_EQ(ParseHistory(Bytes(std::string("x\xffy\0\xff", 5))), (HistoryEntries{"x\xffy"}));
}

TEST(HistoryListTest, SerializedFormRoundTrips)
{
    EXPECT_EQ(SerializeHistory({}), Bytes("\xff"));
    const HistoryEntries entries = {"新しい名前", "", "/home/\x80\xfe", "last"};
    const auto data = SerializeHistory(entries);
    EXPECT_EQ(data, Bytes(std::string("新しい名前\0\0/home/\x80\xfe\0last\0\xff", 15 + 2 + 9 + 5 + 1)));
    EXPECT_EQ(ParseHistory(data), entries);
}

TEST(HistoryListTest, WriterKeepsWithinTheLimitByDroppingOldest)
{
    HistoryEntries entries;
    for (char c = 'a'; c < 'a' + 20; ++c)
        entries.push_back(std::string(1000, c));
    const auto data = SerializeHistory(entries);
    EXPECT_LE(data.size(), kHistoryMaxBytes);
    const HistoryEntries back = ParseHistory(data);
    ASSERT_EQ(back.size(), 12u); // 12 x 1001 bytes + end mark fit, 13 do not
    EXPECT_TRUE(std::equal(back.begin(), back.end(), entries.begin()));

    // Entries the format cannot hold are left out without losing the others.
    const auto mixed = SerializeHistory({"one",
                                         std::string("\xff"
                                                     "two"),
                                         std::string("th\0ree", 6), "four"});
    EXPECT_EQ(ParseHistory(mixed), (HistoryEntries{"one", "four"}));
}

TEST(HistoryListTest, AddingReplacesTheEntryInOtherLetterCase)
{
    HistoryEntries entries = {"zero", "one", "two", "Photo_Ä", "four"};
    AddToHistory(entries, "PHOTO_ä", kHistoryMaxEntries, false);
    EXPECT_EQ(entries, (HistoryEntries{"PHOTO_ä", "zero", "one", "two", "four"}));

    // Only the first equal entry goes.
    entries = {"a", "A", "b"};
    AddToHistory(entries, "a", kHistoryMaxEntries, false);
    EXPECT_EQ(entries, (HistoryEntries{"a", "A", "b"}));
}

TEST(HistoryListTest, FullListDropsTheOldest)
{
    HistoryEntries entries = Numbered(20);
    AddToHistory(entries, "new", kHistoryMaxEntries, false);
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries.front(), "new");
    EXPECT_EQ(entries.back(), "entry18");

    // Re-adding an entry of a full list only moves it up.
    AddToHistory(entries, "entry10", kHistoryMaxEntries, false);
    EXPECT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries[0], "entry10");
    EXPECT_EQ(entries.back(), "entry18");
}

TEST(HistoryListTest, DropEmptyRemovesTheFirstBlankEntry)
{
    HistoryEntries entries = {"/a", "", "/b", ""};
    AddToHistory(entries, "", kHistoryMaxEntries, true);
    // The empty text replaced the first empty entry and was then dropped itself.
    EXPECT_EQ(entries, (HistoryEntries{"/a", "/b", ""}));

    entries = {"/a", " \t ", "/b"};
    AddToHistory(entries, "/c", kHistoryMaxEntries, true);
    EXPECT_EQ(entries, (HistoryEntries{"/c", "/a", "/b"}));

    // Without dropEmpty the text goes in untrimmed, blank or not.
    entries = {"x"};
    AddToHistory(entries, "  ", kHistoryMaxEntries, false);
    EXPECT_EQ(entries, (HistoryEntries{"  ", "x"}));
}

TEST(HistoryListTest, PathHistoriesCompareFilesNotLetterCase)
{
    TempDir dir;
    const std::string upper = dir.mkdir("Photos");
    const std::string lower = dir.mkdir("photos");
    HistoryEntries entries = {"/x", upper};
    AddToHistory(entries, lower, kHistoryMaxEntries, true, HistoryMatch::SamePath);
    EXPECT_EQ(entries, (HistoryEntries{lower, "/x", upper}));

    // The same directory by another spelling is one entry.
    AddToHistory(entries, upper + "/.", kHistoryMaxEntries, true, HistoryMatch::SamePath);
    EXPECT_EQ(entries, (HistoryEntries{upper + "/.", lower, "/x"}));
}

TEST(HistoryListTest, StoredListsLoadAndSave)
{
    IsolatedUserDirs dirs;
    EXPECT_TRUE(LoadHistory("History", "RenumStr1").empty());

    // The single end mark loads empty and is saved back as the same byte.
    {
        CRegistryStore store;
        store.Open("History");
        store.WriteBinary("FormatStr", Bytes("\xff"));
        store.WriteBinary("Sepa", std::vector<unsigned char>(kHistoryMaxBytes + 1, 'a'));
        store.Close();
    }
    const HistoryEntries formats = LoadHistory("history", "formatstr");
    EXPECT_TRUE(formats.empty());
    EXPECT_TRUE(SaveHistory("History", "FormatStr", formats));
    // A value longer than a save would make (edited by hand) loads whole.
    EXPECT_EQ(LoadHistory("History", "Sepa"), HistoryEntries{std::string(kHistoryMaxBytes + 1, 'a')});

    const HistoryEntries dirsList = {"/home/user", "/tmp/\xff\xfe"};
    EXPECT_TRUE(SaveHistory("Environment", "CurrentDirectory", dirsList));
    EXPECT_EQ(LoadHistory("Environment", "CurrentDirectory"), dirsList);

    CRegistryStore store;
    store.Open("History");
    EXPECT_EQ(store.QueryBinary("FormatStr", 10), Bytes("\xff"));
}
