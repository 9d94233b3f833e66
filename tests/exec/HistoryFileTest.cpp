// The file of a run in the history: what is written comes back byte for byte,
// and a file that is not one is refused.
#include "exec/HistoryFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sstream>
#include <unistd.h>

using namespace exec;

namespace {

// A done record added to records.
void Add(CRenameRecords &records, std::string_view oldPath, std::string_view newPath,
         std::string_view tempPath = {})
{
    CRenameRecord r;
    r.status = RenameStatus::Renamed;
    r.oldPath = records.Store(oldPath);
    r.newPath = records.Store(newPath);
    r.tempPath = records.Store(tempPath);
    r.usesTemp = !r.tempPath.empty();
    r.time = 1'700'000'000;
    r.attributes = 0x21;
    r.placed = {{7, 42, 123'456'789, true}, 5, 99};
    r.source = r.placed.identity;
    records.push_back(r);
}

std::string Written(const CHistoryEntry &entry, const CRenameRecords &more = {})
{
    testing_support::TempDir dir;
    const std::string path = dir.file("entry");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    EXPECT_EQ(WriteHistoryEntry(fd, entry, more), 0);
    ::close(fd);
    return testing_support::ReadFile(path);
}

} // namespace

// Paths share what they can with the path before, an empty temporary name
// included; a source other than the placed file keeps its own identity.
TEST(HistoryFileTest, RecordsComeBackByteForByte)
{
    CHistoryEntry entry;
    entry.number = 12;
    entry.time = 1'800'000'000;
    entry.folderCount = 2;
    entry.folders = {"/d", "/e\xff"};
    entry.undo.kind = RunKind::Batch;
    Add(entry.undo.records, "/d/a\nb\t\xff", "/d/a\nb\t\xfe", "/d/KEST$0000001");
    Add(entry.undo.records, "/d/x", "/d/y");
    entry.undo.records[1].source = {8, 43, 0, true};
    CRenameRecords more;
    Add(more, "/e\xff/1", "/e\xff/2");

    std::istringstream in(Written(entry, more));
    CHistoryEntry read;
    ASSERT_TRUE(ReadHistoryEntry(in, read));
    EXPECT_EQ(read.number, 12u);
    EXPECT_EQ(read.undo.kind, RunKind::Batch);
    EXPECT_EQ(read.folders, entry.folders);
    ASSERT_EQ(read.undo.records.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const CRenameRecord &want = i < 2 ? entry.undo.records[i] : more[0];
        const CRenameRecord &got = read.undo.records[i];
        EXPECT_EQ(got.oldPath, want.oldPath) << i;
        EXPECT_EQ(got.newPath, want.newPath) << i;
        EXPECT_EQ(got.tempPath, want.tempPath) << i;
        EXPECT_EQ(got.placed, want.placed) << i;
        EXPECT_EQ(got.source, want.source) << i;
        EXPECT_EQ(got.attributes, want.attributes) << i;
    }

    CRunSummary summary;
    std::istringstream head(Written(entry, more));
    ASSERT_TRUE(ReadRunSummary(head, summary));
    EXPECT_EQ(summary.count, 3u);
    EXPECT_EQ(summary.firstFolder, "/d");
}

TEST(HistoryFileTest, AFileThatIsNoEntryOrIsCutShortOrHoldsANulIsRefused)
{
    CHistoryEntry entry;
    Add(entry.undo.records, "/d/a", "/d/b");
    const std::string text = Written(entry);
    CHistoryEntry nul;
    Add(nul.undo.records, std::string_view("/d/a\0/x", 7), "/d/b");
    CHistoryEntry read;
    for (const std::string &bad : {std::string("KestrelRun 9\n"), text.substr(0, text.size() - 3),
                                   std::string("not a history entry at all"), Written(nul)}) {
        std::istringstream in(bad);
        EXPECT_FALSE(ReadHistoryEntry(in, read)) << bad;
    }
}
