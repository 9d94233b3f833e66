// The range-replace panel: what it shows of a record, what the main window
// reads back and the limits of its number fields.
#include "ui/panels/RangeReplacePanel.h"
#include "PanelTesting.h"

#include "platform/HistoryList.h"

#include <QApplication>
#include <QFocusEvent>
#include <gtest/gtest.h>

#include <tuple>

namespace {

class RangeReplacePanelTest : public ReadBackPanelFixture {};

QString Typed(CNumberField *field, const QString &keys)
{
    field->SetText("");
    QTest::keyClicks(field, keys);
    return field->Text();
}

QString LeftEmpty(CNumberField *field)
{
    field->SetText("");
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &event);
    return field->Text();
}

TEST_F(RangeReplacePanelTest, RangeReplacePanelShowsTheRecordAndIsReadBack)
{
    platform::SaveHistory("History", "ReplaceStr", {"x"});
    settings.ReplaceMode = RangePosition::FromBack;
    settings.ReplaceNum = 5;
    settings.ReplaceWidth = 4;
    CRangeReplacePanel panel(&window);
    panel.SetFromSettings(settings);
    panel.ReadInto(read);
    EXPECT_EQ(std::tuple(read.ReplaceMode, read.ReplaceNum, read.ReplaceWidth, read.ReplaceStr),
              std::tuple(RangePosition::FromBack, 5, 4, std::string("x")));

    Field(panel, 0)->SetText("");
    Field(panel, 1)->SetText("");
    panel.ReadInto(read);
    EXPECT_EQ(read.ReplaceNum, 2) << "an empty position reads as 2";
    EXPECT_EQ(read.ReplaceWidth, 0) << "an empty count reads as 0: nothing replaced, the text inserted";
}

TEST_F(RangeReplacePanelTest, RangeReplaceNumberFieldsKeepTheirLimits)
{
    settings.ReplaceMode = RangePosition::FromFront;
    CRangeReplacePanel panel(&window);
    panel.SetFromSettings(settings);
    CNumberField *position = Field(panel, 0);
    CNumberField *count = Field(panel, 1);

    EXPECT_EQ(Typed(position, "1"), "2") << "position 1 is the kind 前から";
    EXPECT_EQ(Typed(position, "150"), "99");
    EXPECT_EQ(Typed(count, "0"), "1");
    EXPECT_EQ(Typed(count, "100"), "99");
    EXPECT_EQ(LeftEmpty(position), "2");
    EXPECT_EQ(LeftEmpty(count), "1");
    EXPECT_GT(position->sizeHint().width(), position->fontMetrics().horizontalAdvance("99"));

    position->SetText("");
    EXPECT_TRUE(ReportsChange(panel, [&] { position->stepBy(1); }));
    EXPECT_EQ(position->Text(), "2") << "an empty field steps from 0";
    count->SetText("99");
    count->stepBy(1);
    EXPECT_EQ(count->Text(), "99");
    count->stepBy(-1);
    EXPECT_EQ(count->Text(), "98");
}

} // namespace
