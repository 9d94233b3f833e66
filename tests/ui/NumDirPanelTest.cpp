// The numbered-directory panel: what the main window reads back and the
// limits of its number fields.
#include "ui/panels/NumDirPanel.h"
#include "PanelTesting.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class NumDirPanelTest : public ShownPanelFixture {};

TEST_F(NumDirPanelTest, NumberedDirectoryFieldsAreReadBackWithTheCountKeptWithinOneToAThousand)
{
    CNumDirPanel panel(&window);
    panel.ReadInto(read);
    EXPECT_EQ(read.NumDirWidth, 0) << "nothing is shown before the record";
    settings.NumDirWidth = 2;
    settings.NumDirStep = 5;
    settings.NumDirCount = 30;
    panel.SetFromSettings(settings);
    Children<CHistoryComboBox>(panel)[0]->SetCurrentText("dir");
    panel.ReadInto(read);
    EXPECT_EQ(read.GetNumberedDirName(2), "dir11");
    EXPECT_EQ(read.NumDirCount, 30);

    const auto fields = Children<CNumberField>(panel);
    CNumberField *start = fields[0];
    CNumberField *count = fields[1];
    start->SetText("1234567");
    EXPECT_EQ(start->Text(), "999999");
    count->SetText("");
    QTest::keyClicks(count, "5000");
    EXPECT_EQ(count->Text(), "1000");
    count->SetText("0");
    EXPECT_EQ(count->Text(), "1");
    count->SetText("");
    panel.ReadInto(read);
    EXPECT_EQ(read.NumDirCount, 0) << "an empty count empties the candidate list";
    QCoreApplication::processEvents();

    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(count, &focusOut);
    EXPECT_EQ(count->Text(), "1");
    EXPECT_EQ(PendingChanges(panel), 1);
    QApplication::sendEvent(count, &focusOut);
    EXPECT_EQ(PendingChanges(panel), 1) << "leaving the count always reports a change";
}

} // namespace
