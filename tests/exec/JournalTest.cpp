#include "exec/Journal.h"
#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace exec;

namespace {

TEST(JournalTest, AJournalCutShortWhileWrittenIsNeverOfferedAndGoes)
{
    testing_support::IsolatedUserDirs userDirs;
    ASSERT_EQ(platform::EnsureDirectory(JournalDirectory()), 0);
    const std::string unfinished = JournalDirectory() + "/run-1-2.journal.new";
    testing_support::TempDir scratch;
    std::filesystem::copy_file(scratch.write("half", "KESTREL-JOURNAL 2\nM\t/a"), unfinished);
    EXPECT_TRUE(FindLeftoverJournals().empty());
    EXPECT_FALSE(testing_support::Exists(unfinished));
}

// A step line of the current format: kind, from, to, device, inode, birth.
std::string StepLine(char kind, const std::string &from, const std::string &to, int inode)
{
    return std::string(1, kind) + "\t" + from + "\t" + to + "\t1\t" + std::to_string(inode) + "\t0\n";
}

// A copy line: the name it was made for, identity, size and modification time.
std::string CopyLine(const std::string &to, int inode, int size)
{
    return "I\t" + to + "\t2\t" + std::to_string(inode) + "\t0\t" + std::to_string(size) + "\t7\n";
}

// Steps are read a block at a time, both ways; each recorded copy belongs to
// the last step before it with its name, a later line about one step stands.
TEST(JournalTest, LongJournalIsReadInOrderBothWaysWithItsCopies)
{
    testing_support::TempDir scratch;
    const int count = 10000; // more than two blocks
    std::string text = "KESTREL-JOURNAL 3\n";
    for (int i = 0; i < count; ++i)
        text +=
            StepLine('C', "/s/" + std::to_string(i), (i < 9000 ? "/t/" : "/u/") + std::to_string(i), i + 1);
    text += StepLine('M', "/s/x", "/t/5", 99999); // a second step onto /t/5
    text += CopyLine("/t/5", 500, 1) + CopyLine("/u/9999", 600, 2) + CopyLine("/u/9999", 601, 3);
    const std::string path = scratch.write("long.journal", text);

    CJournalSteps steps;
    ASSERT_TRUE(steps.Open(path));
    EXPECT_EQ(steps.size(), count + 1u);
    EXPECT_EQ(steps.folders(), (std::vector<std::string>{"/s", "/t", "/u"}));
    std::vector<CJournalEntry> forward, backward;
    ASSERT_TRUE(steps.ForEach([&](const CJournalEntry &e) { forward.push_back(e); }));
    ASSERT_TRUE(steps.ForEach([&](const CJournalEntry &e) { backward.push_back(e); }, true));
    ASSERT_EQ(forward.size(), count + 1u);
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(forward[i].from, "/s/" + std::to_string(i));
    EXPECT_TRUE(
        std::equal(forward.rbegin(), forward.rend(), backward.begin(),
                   [](const auto &a, const auto &b) { return a.from == b.from && a.made == b.made; }));
    EXPECT_FALSE(forward[5].made.identity.valid);
    EXPECT_EQ(forward[count].made.identity.inode, 500u);
    EXPECT_EQ(forward[9999].made.identity.inode, 601u);
    EXPECT_EQ(forward[9999].made.size, 3u);
    for (int i : {0, 4096, 9998})
        EXPECT_FALSE(forward[i].made.identity.valid) << i;
}

TEST(JournalTest, CopyOfNoStepOrLineCutShortOrPathWithNulIsNoJournal)
{
    testing_support::TempDir scratch;
    const std::string steps = "KESTREL-JOURNAL 3\n" + StepLine('C', "/s/a", "/t/a", 1);
    int error = 0;
    for (const std::string &text :
         {steps + CopyLine("/t/b", 2, 1), steps + "M\t/s/b", steps + StepLine('M', "/s/b%00/x", "/t/b", 2),
          steps + StepLine('M', std::string("/s/b\0/x", 7), "/t/b", 2)}) {
        CJournalSteps journal;
        EXPECT_FALSE(journal.Open(scratch.write("bad.journal", text), &error));
        EXPECT_EQ(error, 0);
    }
}

} // namespace
