// The kind list and position field that start the range-replace and the
// insert panel.
#include "ui/panels/PositionKind.h"
#include "PanelTesting.h"

#include "platform/HistoryList.h"
#include "ui/panels/InsertPanel.h"
#include "ui/panels/RangeReplacePanel.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <tuple>

namespace {

class PositionKindTest : public ReadBackPanelFixture {};

TEST_F(PositionKindTest, PositionIsEnabledOnlyForTheKindsThatCountIt)
{
    platform::SaveHistory("History", "InsertStr", {"_new"});
    settings.ReplaceNum = 7;
    settings.InsertNum = 8;
    CRangeReplacePanel range(&window);
    range.SetFromSettings(settings);
    CInsertPanel insert(&window);
    insert.SetFromSettings(settings);
    const std::pair<CModePanel *, QString> panels[] = {{&range, "字目から"}, {&insert, "字目に"}};
    for (const auto &[panel, caption] : panels) {
        SCOPED_TRACE(caption.toStdString());
        QWidget *position = Field(*panel, 0);
        QLabel *label = Find<QLabel>(*panel, caption);
        for (int kind : {0, 1, 2, 3}) {
            EXPECT_TRUE(ReportsChange(*panel, [&] { Choose(KindList(*panel), kind); }));
            EXPECT_EQ(position->isEnabled(), kind % 2 == 1) << kind;
            EXPECT_EQ(label->isEnabled(), kind % 2 == 1) << kind;
        }
    }
    range.ReadInto(read);
    insert.ReadInto(read);
    EXPECT_EQ(std::tuple(read.ReplaceMode, read.ReplaceNum, read.InsertMode, read.InsertNum, read.InsertStr),
              std::tuple(RangePosition::FromBack, 7, InsertPosition::FromBack, 8, std::string("_new")));
    Choose(KindList(range), 0);
    range.ReadInto(read);
    EXPECT_EQ(read.ReplaceNum, 7) << "a disabled position keeps its value";
}

} // namespace
