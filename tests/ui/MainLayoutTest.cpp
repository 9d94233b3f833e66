#include "ui/main/MainLayout.h"
#include "support/TempDir.h"
#include "ui/main/ControlStates.h"
#include "ui/main/DirectoryResolve.h"
#include "ui/main/ManualLocation.h"
#include "ui/main/OpenEntry.h"
#include "ui/widgets/DialogUnits.h"

#include "engine/RenameSettings.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

#include <unistd.h>

using testing_support::TempDir;

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

TEST(DirectoryResolveTest, AbsoluteDirectoryNormalisesLikeCd)
{
    EXPECT_EQ(AbsoluteDirectory("/", "/home/u"), "");
    EXPECT_EQ(AbsoluteDirectory("docs/./a//", "/home/u"), "/home/u/docs/a");
    EXPECT_EQ(AbsoluteDirectory("/home/u/..", "/x"), "/home");
    EXPECT_EQ(AbsoluteDirectory("../../..", "/home/u"), "");
    EXPECT_EQ(AbsoluteDirectory("", "/home/u"), "/home/u");
    // Names are bytes, kept as they are.
    EXPECT_EQ(AbsoluteDirectory("\xff\xfe", "/tmp"), "/tmp/\xff\xfe");
}

TEST(DirectoryResolveTest, EnterDirectoryFallsBackToAnAncestorAndChangesDirectory)
{
    TempDir dir;
    dir.mkdir("a");
    // Earlier windows of this process may have left it in a folder that is gone.
    char old[4096] = "/";
    if (!getcwd(old, sizeof old))
        std::strcpy(old, "/");
    const auto entered = EnterDirectory(dir.file("a/missing/deeper"), "/");
    ASSERT_TRUE(entered.has_value());
    EXPECT_EQ(*entered, dir.file("a"));
    char now[4096];
    ASSERT_NE(getcwd(now, sizeof now), nullptr);
    EXPECT_EQ(std::string(now), dir.file("a"));
    EXPECT_EQ(LastComponent(*entered), "a");
    EXPECT_EQ(chdir(old), 0);
}

TEST(OpenEntryTest, FileUrlKeepsEveryByteOfTheName)
{
    const std::string path = "/tmp/a b/\xe5\x86\x99\xff#?.txt";
    const QUrl url = LocalFileUrl(path);
    EXPECT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), QStringLiteral("file"));
    const QByteArray encoded = url.toEncoded();
    EXPECT_EQ(QByteArray::fromPercentEncoding(encoded.mid(7)).toStdString(), path);
}

TEST(ManualLocationTest, BuiltInManualIsWrittenToTheCache)
{
    TempDir cache;
    const QByteArray old = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache.path()));
    const QString index = ManualIndexPath();
    qputenv("XDG_CACHE_HOME", old);

    ASSERT_TRUE(index.startsWith(QString::fromStdString(cache.path())));
    QFile written(index), builtIn(QStringLiteral(":/manual/index.html"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), builtIn.readAll());
}

} // namespace
