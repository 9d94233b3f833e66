// Which controls of the main window are enabled for the mode, the object
// kind, the focus and the selection.
#include "ui/main/ControlStates.h"

#include "engine/RenameSettings.h"

#include <gtest/gtest.h>

namespace {

ControlStateInputs Idle()
{
    ControlStateInputs in;
    in.selectionListRows = 5;
    return in;
}

TEST(ControlStatesTest, SpecialModesTurnOffObjectKindTimeAndOutput)
{
    for (RenameKind kind : {RenameKind::NumberedDirectories, RenameKind::Concatenation}) {
        ControlStateInputs in = Idle();
        in.settings.RenameMode = kind;
        in.unifyTime = in.unifyAttr = true;
        const ControlStates s = ComputeControlStates(in);
        EXPECT_FALSE(s.objectKind);
        EXPECT_FALSE(s.unifyTime);
        EXPECT_FALSE(s.timePickers);
        EXPECT_FALSE(s.output);
        // Attributes apply to numbered directories but not to a concatenation.
        EXPECT_EQ(s.attrChecks, in.settings.CreatesNumberedDirectories());
    }
}

TEST(ControlStatesTest, FoldersKeepAttributesButNotTimeOrOutput)
{
    ControlStateInputs in = Idle();
    in.settings.ObjMode = ObjectKind::Folders;
    in.unifyAttr = true;
    in.settings.FileCopyMode = OutputKind::Move;
    const ControlStates s = ComputeControlStates(in);
    EXPECT_FALSE(s.unifyTime);
    EXPECT_FALSE(s.destination);
    EXPECT_TRUE(s.attrChecks);
}

TEST(ControlStatesTest, ListButtonsFollowFocusAndSelection)
{
    ControlStateInputs in = Idle();
    in.listFocus = ListPane::Candidates;
    in.candidateRows = 3;
    in.candidateSelected = 1;
    in.firstCandidateSelected = true;
    ControlStates s = ComputeControlStates(in);
    EXPECT_TRUE(s.addOrRemove);
    EXPECT_TRUE(s.insertDummy);
    EXPECT_FALSE(s.moveUp);
    EXPECT_TRUE(s.moveDown);
    EXPECT_TRUE(s.clearAll);

    in.settings.RenameMode = RenameKind::NumberedDirectories;
    s = ComputeControlStates(in);
    EXPECT_FALSE(s.addOrRemove);
    EXPECT_FALSE(s.addAll);
    EXPECT_FALSE(s.clearAll);

    in = Idle();
    in.selectionListSelected = 2;
    in.isSplit = false;
    s = ComputeControlStates(in);
    EXPECT_TRUE(s.addOrRemove);
    EXPECT_FALSE(s.addAll); // nothing to add from a hidden list
    EXPECT_FALSE(s.moveToTop);
}

TEST(ControlStatesTest, ExecuteNeedsCandidatesAndTheModesInputs)
{
    ControlStateInputs in = Idle();
    EXPECT_FALSE(ComputeControlStates(in).execute);
    in.candidateRows = 1;
    EXPECT_TRUE(ComputeControlStates(in).execute);
    in.settings.RenameMode = RenameKind::Format;
    EXPECT_FALSE(ComputeControlStates(in).execute);
    in.settings.FormatStr = "%n";
    EXPECT_TRUE(ComputeControlStates(in).execute);
    in.settings.FileCopyMode = OutputKind::Copy;
    EXPECT_FALSE(ComputeControlStates(in).execute); // copy without a destination
    in.settings.FileCopyDirectory = "/out";
    EXPECT_TRUE(ComputeControlStates(in).execute);
    in.settings.FileCopyDirectory.clear();
    in.settings.ObjMode = ObjectKind::Folders;
    EXPECT_TRUE(ComputeControlStates(in).execute); // folders are renamed in place
}

} // namespace
