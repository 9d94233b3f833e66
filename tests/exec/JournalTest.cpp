#include "exec/Journal.h"
#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

} // namespace
