// How far the reorder drag scrolls the list per step near its edge.
#include "ui/widgets/FileListReorderDrag.h"

#include <gtest/gtest.h>

namespace {

TEST(FileListReorderDragTest, ScrollsFasterFartherFromTheEdge)
{
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(0), 240);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(1), 240);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(2), 220);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(21), 40);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(22), 20);
    EXPECT_EQ(FileListReorderDrag::ScrollInterval(500), 20);
}

} // namespace
