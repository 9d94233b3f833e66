// Which panel the main window gets for each rename mode.
#include "ui/panels/PanelFactory.h"
#include "PanelTesting.h"

#include "ui/panels/CharKindPanel.h"
#include "ui/panels/InsertPanel.h"
#include "ui/panels/OrgNamePanel.h"
#include "ui/panels/RangeReplacePanel.h"
#include "ui/panels/RenumPanel.h"
#include "ui/panels/ReplacePanel.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

class PanelFactoryTest : public PanelFixture {};

TEST_F(PanelFactoryTest, FactoryMakesThePanelOfEachModeThatHasOne)
{
    std::unique_ptr<CModePanel> renumber(CreateModePanel(RenameKind::Renumber, &window));
    std::unique_ptr<CModePanel> oldName(CreateModePanel(RenameKind::OldName, &window));
    EXPECT_TRUE(dynamic_cast<CRenumPanel *>(renumber.get()));
    EXPECT_TRUE(dynamic_cast<COrgNamePanel *>(oldName.get()));
    std::unique_ptr<CModePanel> charKind(CreateModePanel(RenameKind::CharKind, &window));
    std::unique_ptr<CModePanel> replace(CreateModePanel(RenameKind::Replace, &window));
    std::unique_ptr<CModePanel> rangeReplace(CreateModePanel(RenameKind::RangeReplace, &window));
    std::unique_ptr<CModePanel> insert(CreateModePanel(RenameKind::Insert, &window));
    EXPECT_TRUE(dynamic_cast<CCharKindPanel *>(charKind.get()));
    EXPECT_TRUE(dynamic_cast<CReplacePanel *>(replace.get()));
    EXPECT_TRUE(dynamic_cast<CRangeReplacePanel *>(rangeReplace.get()));
    EXPECT_TRUE(dynamic_cast<CInsertPanel *>(insert.get()));
    for (int stored : {8, 13, -1})
        EXPECT_EQ(CreateModePanel(static_cast<RenameKind>(stored), &window), nullptr)
            << "a value that names no kind";
}

TEST_F(PanelFactoryTest, FactoryMakesTheFormatFileDirectoryAndConcatenationPanels)
{
    const std::pair<RenameKind, const char *> panels[] = {{RenameKind::Format, "CFormatPanel"},
                                                          {RenameKind::FromFile, "CFromFilePanel"},
                                                          {RenameKind::NumberedDirectories, "CNumDirPanel"},
                                                          {RenameKind::Concatenation, "CConcatPanel"}};
    for (const auto &[mode, className] : panels) {
        const std::unique_ptr<CModePanel> panel(CreateModePanel(mode, &window));
        EXPECT_STREQ(panel->metaObject()->className(), className);
    }
}

} // namespace
