// The known file types: read once per process, ahead on a worker or by the
// first caller, and the same list for every caller.
#include "ui/dialogs/FileTypeList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

TEST(FileTypeListTest, EveryCallerGetsTheOneListWhicheverThreadReadsIt)
{
    StartReadingKnownFileTypes();
    const std::vector<FileTypeRow> *otherThreads = nullptr;
    std::thread other([&otherThreads] { otherThreads = &KnownFileTypes(); });
    const std::vector<FileTypeRow> &rows = KnownFileTypes();
    other.join();
    EXPECT_EQ(otherThreads, &rows);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const FileTypeRow &row) {
        return row.extension == QStringLiteral("png") && !row.description.isEmpty();
    }));
    StartReadingKnownFileTypes(); // read already: nothing changes
    EXPECT_EQ(&KnownFileTypes(), &rows);
}

} // namespace
