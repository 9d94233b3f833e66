#include "model/DirectoryListing.h"
#include "support/ListingSample.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include "platform/Attributes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using testing_support::TempDir;

namespace {

using Names = std::vector<std::string>;

// The rows of a filtered listing in listing order (groups, then read order).
Names ListedNames(const std::string &directory, const ListingFilter &filter, int *error = nullptr)
{
    std::vector<std::string> read;
    std::vector<ListingGroup> groups;
    const int code = ReadFilteredListing(directory, filter, [&](ListedEntry &&row, ListingGroup group) {
        read.push_back(row.name);
        groups.push_back(group);
        return true;
    });
    if (error)
        *error = code;
    Names names;
    for (const std::size_t row : ListingOrder(groups))
        names.push_back(read[row]);
    return names;
}

Names CandidateNames(const std::vector<CFileEntry> &entries)
{
    Names names;
    for (const CFileEntry &entry : entries)
        names.push_back(entry.fileName);
    return names;
}

// The listing sample.
class DirectoryListingTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::WriteListingSample(dir); }

    Names Candidates(const CandidateListing &listing)
    {
        std::vector<CFileEntry> entries;
        EXPECT_EQ(ListCandidates(dir.path(), -1, listing, entries), 0);
        return CandidateNames(entries);
    }

    TempDir dir;
};

TEST_F(DirectoryListingTest, FileMatchingSeveralPatternsIsListedOnceInItsFirstPatternsGroup)
{
    const Names names = ListedNames(dir.path(), {"*.jpg;a.*;*.txt", false, 0});
    // "..", the folders, then b.jpg, a.txt (by "a.*"), then the other text files.
    ASSERT_EQ(names.size(), 1u + 2u + 4u);
    EXPECT_EQ(names[0], "..");
    EXPECT_EQ(Names(names.begin() + 3, names.begin() + 5), (Names{"b.jpg", "a.txt"}));
    EXPECT_EQ(std::count(names.begin(), names.end(), "a.txt"), 1);

    CandidateListing listing;
    listing.filter = {"*.jpg;a.*;*.txt", false, 0};
    listing.sort.key = SortKey::None;
    const Names candidates = Candidates(listing);
    EXPECT_EQ(Names(candidates.begin(), candidates.begin() + 2), (Names{"b.jpg", "a.txt"}));
    EXPECT_EQ(candidates.size(), 4u);
}

TEST_F(DirectoryListingTest, HideMaskHidesFilesAndFoldersOnlyWhenAsked)
{
    Names shown = ListedNames(dir.path(), {"", false, platform::kAttrHidden});
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (Names{"..", ".cache", "a.txt", "b.jpg", "c.TXT", "photos"}));

    // ".." leads upwards and is never taken for a hidden folder.
    shown = ListedNames(dir.path(), {"", true, platform::kAttrHidden});
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (Names{"..", "a.txt", "b.jpg", "c.TXT", "photos"}));

    chmod(dir.file("b.jpg").c_str(), 0444);
    CandidateListing listing;
    listing.filter = {"", false, platform::kAttrReadOnly | platform::kAttrHidden};
    EXPECT_EQ(Candidates(listing), (Names{"a.txt", "c.TXT"}));
}

TEST_F(DirectoryListingTest, EntriesWhoseAttributesCannotBeReadAreHiddenByAnyHideMask)
{
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(dir.file("photos").c_str(), 0755), 0);
    dir.write("photos/p.jpg");
    ASSERT_EQ(chmod(dir.file("photos").c_str(), 0444), 0); // read, but no search permission
    const bool ok = testing_support::AsUnprivilegedUser([&] {
        const Names all = ListedNames(dir.file("photos"), {"", true, 0});
        const Names masked = ListedNames(dir.file("photos"), {"", true, platform::kAttrArchive});
        return all == Names{"..", "p.jpg"} && masked == Names{".."};
    });
    chmod(dir.file("photos").c_str(), 0755);
    EXPECT_TRUE(ok);
}

TEST_F(DirectoryListingTest, StoredFlagsAreReadWhereTheHideMaskNeedsThem)
{
    const std::string flags = platform::FormatStoredAttributes(platform::kAttrSystem);
    if (setxattr(dir.file("a.txt").c_str(), platform::kStoredAttributesName, flags.data(), flags.size(), 0) !=
        0)
        GTEST_SKIP() << "no extended attributes here";
    CandidateListing listing;
    listing.filter = {"", false, platform::kAttrSystem};
    EXPECT_EQ(Candidates(listing), (Names{".hidden.txt", "b.jpg", "c.TXT"}));
}

TEST_F(DirectoryListingTest, RootHasNoParentRowAndAnUnreadableDirectoryOnlyOne)
{
    for (const std::string &name : ListedNames("", {"no-such-file-pattern", false, 0}))
        EXPECT_NE(name, "..");

    int error = 0;
    EXPECT_EQ(ListedNames(dir.file("missing"), {}, &error), (Names{".."}));
    EXPECT_EQ(error, ENOENT);

    std::vector<CFileEntry> entries(1);
    EXPECT_EQ(ListCandidates(dir.file("missing"), -1, {}, entries), ENOENT);
    EXPECT_TRUE(entries.empty());
}

TEST_F(DirectoryListingTest, CandidatesAreFilesOrFoldersButNeverTheParent)
{
    CandidateListing listing;
    EXPECT_EQ(Candidates(listing), (Names{".hidden.txt", "a.txt", "b.jpg", "c.TXT"}));

    // Folders whatever the patterns; hidden ones only with the folder flag.
    listing.folders = true;
    listing.filter = {"*.jpg", false, platform::kAttrHidden};
    EXPECT_EQ(Candidates(listing), (Names{".cache", "photos"}));
    listing.filter.hideFolders = true;
    EXPECT_EQ(Candidates(listing), (Names{"photos"}));

    std::vector<CFileEntry> entries;
    ListCandidates(dir.path(), -1, listing, entries);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].isFolder);
    EXPECT_EQ(entries[0].fullPath, dir.file("photos"));
    EXPECT_EQ(entries[0].directory, dir.path());
}

TEST(DirectoryListingSortTest, NamesNumericallyAndInEitherDirection)
{
    TempDir dir;
    for (const char *name : {"p10.jpg", "p2.jpg", "P1.jpg"})
        dir.write(name);
    CandidateListing listing;
    std::vector<CFileEntry> entries;
    const auto names = [&](ListingSort sort) {
        listing.sort = sort;
        ListCandidates(dir.path(), -1, listing, entries);
        return CandidateNames(entries);
    };
    EXPECT_EQ(names({SortKey::Name, false, false}), (Names{"P1.jpg", "p10.jpg", "p2.jpg"}));
    EXPECT_EQ(names({SortKey::Name, true, false}), (Names{"P1.jpg", "p2.jpg", "p10.jpg"}));
    EXPECT_EQ(names({SortKey::Name, true, true}), (Names{"p10.jpg", "p2.jpg", "P1.jpg"}));
}

TEST(DirectoryListingSortTest, EqualKeysOrderByNameThenBytesInBothDirections)
{
    TempDir dir;
    dir.write("small.txt", "1");
    for (const char *name : {"x.jpg", "b.txt", "B.txt", "a.txt"})
        dir.write(name, "22");
    CandidateListing listing;
    listing.filter.patterns = "*.jpg;*.txt";
    std::vector<CFileEntry> entries;

    listing.sort = {SortKey::Size, false, false};
    ListCandidates(dir.path(), -1, listing, entries);
    EXPECT_EQ(CandidateNames(entries), (Names{"small.txt", "a.txt", "B.txt", "b.txt", "x.jpg"}));
    listing.sort.descending = true;
    ListCandidates(dir.path(), -1, listing, entries);
    EXPECT_EQ(CandidateNames(entries), (Names{"x.jpg", "b.txt", "B.txt", "a.txt", "small.txt"}));
}

TEST(DirectoryListingSortTest, ParentRowStaysFirstWhateverTheSort)
{
    // Rows in listing order: "..", a folder, two files of the same time.
    const Names names = {"..", "photos", "pic2", "pic1"};
    const RowName nameOf = [&](std::size_t row) { return std::string_view(names[row]); };
    const auto sorted = [&](Names keys, ListingSort sort) {
        Names order;
        for (const std::size_t row : SortedListingOrder(std::move(keys), sort, nameOf, 0))
            order.push_back(names[row]);
        return order;
    };
    EXPECT_EQ(sorted({" ..", " photos", "pic2", "pic1"}, {SortKey::Name, false, true}),
              (Names{"..", "pic2", "pic1", "photos"}));
    EXPECT_EQ(sorted({"2026/01/02", "2026/01/01", "2025/12/31", "2025/12/31"}, {SortKey::Time, false, false}),
              (Names{"..", "pic1", "pic2", "photos"}));
    EXPECT_EQ(sorted({"", "", "", ""}, {SortKey::None, false, false}), names);
}

TEST(DirectoryListingSortTest, ByTypeGroupsTheKindsAndNamesThem)
{
    TempDir dir;
    for (const char *name : {"a.png", "b.txt", "c.PNG", "d.txt"})
        dir.write(name);
    CandidateListing listing;
    listing.sort.key = SortKey::Type;
    std::vector<CFileEntry> entries;
    ASSERT_EQ(ListCandidates(dir.path(), -1, listing, entries), 0);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_FALSE(entries[0].typeName.empty());
    EXPECT_EQ(entries[0].typeName, entries[1].typeName);
    EXPECT_EQ(entries[2].typeName, entries[3].typeName);
    EXPECT_NE(entries[1].typeName, entries[2].typeName);
}

TEST(DirectoryListingDescriptorTest, ListsTheOpenFolderAfterItsPathWasRenamedAway)
{
    TempDir dir;
    const std::string listed = dir.mkdir("in");
    dir.write("in/first.txt");
    dir.write("in/second.txt");
    const int fd = open(listed.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(std::rename(listed.c_str(), dir.file("moved").c_str()), 0);
    dir.mkdir("in");
    dir.write("in/stranger.txt");

    std::vector<CFileEntry> entries;
    EXPECT_EQ(ListCandidates(listed, fd, {}, entries), 0);
    close(fd);
    EXPECT_EQ(CandidateNames(entries), (Names{"first.txt", "second.txt"}));
    EXPECT_EQ(entries[0].fullPath, dir.file("in/first.txt"));

    EXPECT_EQ(ListCandidates(listed, -1, {}, entries), 0);
    EXPECT_EQ(CandidateNames(entries), (Names{"stranger.txt"}));
}

} // namespace
