// The renumbering panel: what it shows of a record and what the main window
// reads back.
#include "ui/panels/RenumPanel.h"
#include "PanelTesting.h"

#include <gtest/gtest.h>

namespace {

class RenumPanelTest : public PanelFixture {};

TEST_F(RenumPanelTest, RenumberPanelShowsTheRecordAndIsReadBackIntoIt)
{
    settings.NumberWidth = 4;
    settings.NumberStart = 12;
    settings.NumberStep = 5;
    settings.IsRenumExtensionChange = 1;
    settings.IsIncrement = 1;
    settings.RenumStr1 = "not shown: the history decides";
    CRenumPanel panel(&window);
    panel.SetFromSettings(settings);

    CRenameSettings read;
    panel.ReadInto(read);
    EXPECT_EQ(read.NumberWidth, 4);
    EXPECT_EQ(read.NumberStart, 12);
    EXPECT_EQ(read.NumberStep, 5);
    EXPECT_EQ(read.IsRenumExtensionChange, 1);
    EXPECT_EQ(read.IsIncrement, 1);
    EXPECT_EQ(read.RenumStr1, "") << "an empty history leaves the text field empty";

    Combos(panel)[0]->SetCurrentText("IMG_");
    Combos(panel)[1]->SetCurrentText("_x");
    Combos(panel)[2]->SetCurrentText("jpeg");
    panel.findChild<CNumberField *>()->SetText("");
    panel.ReadInto(read);
    EXPECT_EQ(read.RenumStr1, "IMG_");
    EXPECT_EQ(read.RenumStr2, "_x");
    EXPECT_EQ(read.RenumExtension, "jpeg");
    EXPECT_EQ(read.NumberStart, 0) << "an empty start reads as 0";

    settings.NumberWidth = 25;
    panel.SetFromSettings(settings);
    panel.ReadInto(read);
    EXPECT_EQ(read.NumberWidth, 0) << "a width outside the list selects nothing: no padding";
}

} // namespace
