#include "ui/main/MainLayout.h"
#include "ui/widgets/DialogUnits.h"

#include <gtest/gtest.h>

namespace {

// 8 pixels per average character, 16 per line: one unit is 2 × 2 pixels.
const DialogUnits du(8, 16);

TEST(MainLayoutTest, TwoPaneLayoutPlacesPanesAroundTheButtonColumn)
{
    const MainLayout l = ComputeMainLayout(du, QSize(800, 600), 240, true, false);
    EXPECT_EQ(l.selectionListWidth, 240);
    // Left pane from 4 units to 6 units + S.
    EXPECT_EQ(l.selectionList.left(), 8);
    EXPECT_EQ(l.selectionList.right() + 1, 12 + 240);
    // The button column sits between the bars, the candidate list after it.
    EXPECT_EQ(l.listButtons[0].left(), 20 + 240);
    EXPECT_GT(l.rightBar.left(), l.listButtons[0].right());
    EXPECT_EQ(l.candidateList.left(), 60 + 240);
    EXPECT_EQ(l.candidateList.right() + 1, 800 - 8);
    // Lists end 44 units above the bottom, status lines below them.
    EXPECT_EQ(l.selectionList.bottom() + 1, 600 - 88);
    EXPECT_EQ(l.candidateStatus.top(), 600 - 86);
    // Bottom row anchored to the right edge.
    EXPECT_EQ(l.about.right() + 1, 800 - 12);
}

TEST(MainLayoutTest, CandidateOnlyLayoutStartsAt22Units)
{
    const MainLayout l = ComputeMainLayout(du, QSize(800, 600), 240, false, false);
    EXPECT_EQ(l.candidateList.left(), 44);
    EXPECT_EQ(l.listButtons[0].left(), 8);
}

TEST(MainLayoutTest, NarrowClientNarrowsTheLeftPaneUnlessMinimised)
{
    // 124 units = 248 pixels must stay right of the left pane.
    MainLayout l = ComputeMainLayout(du, QSize(400, 600), 240, true, false);
    EXPECT_EQ(l.selectionListWidth, 400 - 248);
    l = ComputeMainLayout(du, QSize(400, 600), 240, true, true);
    EXPECT_EQ(l.selectionListWidth, 240);
}

TEST(MainLayoutTest, SplitterLimitsAndWidthConversion)
{
    EXPECT_EQ(MinimumLeftPaneWidth(du), 188);
    EXPECT_EQ(MaximumLeftPaneRight(du, 800), LeftPaneRight(du, 800 - 248));
    EXPECT_EQ(SelectionListWidthForRight(du, LeftPaneRight(du, 300)), 300);
    EXPECT_EQ(MainMinimumSize(du), QSize(640, 530));
}

} // namespace
