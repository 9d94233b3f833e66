// Dialog units: pixels from a quarter of the average character width and an
// eighth of the line height, rounded so that adjoining rectangles still meet.
#include "ui/widgets/DialogUnits.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogUnitsTest, ConvertsByQuarterCharWidthAndEighthLineHeight)
{
    const DialogUnits du(6, 13);
    EXPECT_EQ(du.toPixelsX(4), 6);
    EXPECT_EQ(du.toPixelsY(8), 13);
    EXPECT_EQ(du.toPixelsX(320), 480);
    EXPECT_EQ(du.toPixelsY(265), 431); // 430.6 rounds up
    EXPECT_EQ(du.toUnitsX(480), 320);
    EXPECT_EQ(du.toUnitsY(431), 265);
    // Rectangles that meet in dialog units meet in pixels, whatever the rounding.
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(du.toPixels(0, 0, x, 3).right() + 1, du.toPixels(x, 0, 7, 3).left()) << x;
}

} // namespace
