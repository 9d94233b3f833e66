// The replace panel's texts, its check boxes and the texts' histories.
#include "ui/panels/ReplacePanel.h"
#include "PanelTesting.h"

#include "platform/HistoryList.h"

#include <gtest/gtest.h>

namespace {

class ReplacePanelTest : public ReadBackPanelFixture {};

TEST_F(ReplacePanelTest, ReplacePanelTextsComeFromAndGoToTheirHistories)
{
    platform::SaveHistory("History", "ReplaceStr1", {"old"});
    settings.ReplaceStr1 = "not shown";
    settings.IsReplaceCase = 1;
    {
        CReplacePanel panel(&window);
        panel.SetFromSettings(settings);
        panel.findChildren<CHistoryComboBox *>()[1]->SetCurrentText("new");
        EXPECT_TRUE(ReportsChange(panel, [&] { Find<QCheckBox>(panel, "大小文字を同一視")->click(); }));
        EXPECT_TRUE(ReportsChange(panel, [&] { Find<QCheckBox>(panel, "正規表現")->click(); }));
        panel.ReadInto(read);
        EXPECT_EQ(read.ReplaceStr1, "old");
        EXPECT_EQ(read.ReplaceStr2, "new");
        EXPECT_FALSE(read.IsReplaceCase);
        EXPECT_TRUE(read.IsReplaceRegex);
        panel.SaveHistories();
    }
    EXPECT_EQ(platform::LoadHistory("History", "ReplaceStr2"), (std::vector<std::string>{"new"}));
}

} // namespace
