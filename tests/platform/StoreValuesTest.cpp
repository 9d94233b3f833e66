#include "platform/StoreValues.h"

#include "platform/RegistryStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::IsolatedUserDirs;

TEST(StoreValuesTest, RectanglesAreSixteenLittleEndianBytes)
{
    const StoreRect rect{-10, 20, 0x12345678, -1};
    const auto data = EncodeRect(rect);
    ASSERT_EQ(data.size(), 16u);
    EXPECT_EQ(data[0], 0xF6);
    EXPECT_EQ(data[8], 0x78);
    EXPECT_EQ(data[11], 0x12);
    EXPECT_EQ(DecodeRect(data), rect);
    EXPECT_FALSE(DecodeRect(std::vector<unsigned char>(12)));
    EXPECT_FALSE(DecodeRect(std::vector<unsigned char>(20)));
}

TEST(StoreValuesTest, ColumnWidthsReadBackAtMostFifty)
{
    const std::vector<int> widths = {120, 60, 0, -1};
    EXPECT_EQ(DecodeColumnWidths(EncodeColumnWidths(widths)), widths);
    const std::vector<int> fifty(50, 33);
    EXPECT_EQ(DecodeColumnWidths(EncodeColumnWidths(fifty)), fifty);
    EXPECT_FALSE(DecodeColumnWidths(EncodeColumnWidths(std::vector<int>(51, 33))));
    // A broken-off last width is ignored.
    auto data = EncodeColumnWidths({7, 8});
    data.pop_back();
    EXPECT_EQ(DecodeColumnWidths(data), std::vector<int>{7});
}

TEST(StoreValuesTest, WindowValuesThroughTheStore)
{
    IsolatedUserDirs dirs;
    const std::vector<unsigned char> geometry = {0x01, 0xd9, 0xd0, 0xcb, 0x00, 0x03, 0xff};
    {
        CRegistryStore store;
        store.Open("Output");
        WriteRect(store, "WindowSize", {1, 2, 300, 400});
        WriteColumnWidths(store, "ListColumn", {100, 200, 300});
        WriteWindowPlacement(store, geometry);
        store.WriteBinary("Short", {1, 2, 3});
        ASSERT_TRUE(store.Close());
    }
    CRegistryStore store;
    ASSERT_TRUE(store.Open("output"));
    EXPECT_EQ(QueryRect(store, "windowsize"), (StoreRect{1, 2, 300, 400}));
    EXPECT_EQ(QueryColumnWidths(store, "ListColumn"), (std::vector<int>{100, 200, 300}));
    EXPECT_EQ(QueryWindowPlacement(store), geometry);
    EXPECT_FALSE(QueryRect(store, "Short"));
    EXPECT_FALSE(QueryRect(store, "Missing"));
    EXPECT_FALSE(QueryColumnWidths(store, "Missing"));
}
