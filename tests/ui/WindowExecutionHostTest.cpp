// The window's answers to the questions of a rename run, asked in its own
// dialogs and answered from the test as a user would.
#include "ui/main/WindowExecutionHost.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "engine/RenameSettings.h"
#include "exec/Run.h"
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"
#include "ui/dialogs/OverwriteDlg.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

CFileEntry EntryOf(const std::string &path)
{
    platform::DirEntryInfo info;
    EXPECT_EQ(platform::ReadDirEntry(path, info), 0) << path;
    return CFileEntry(info);
}

class WindowExecutionHostTest : public ::testing::Test {
protected:
    HostDialog window;
    QProgressBar *progress = new QProgressBar(&window);
    QLabel *status = new QLabel(QStringLiteral("status"), &window);

    void SetUp() override
    {
        progress->hide();
        window.show();
    }
};

TEST_F(WindowExecutionHostTest, ProgressReplacesTheStatusLineForTheRunOnly)
{
    {
        CWindowExecutionHost host(&window, progress, status);
        EXPECT_TRUE(status->isVisible()) << "nothing changes before the first report";
        host.ReportProgress(3, 10);
        EXPECT_TRUE(progress->isVisible());
        EXPECT_FALSE(status->isVisible());
        EXPECT_EQ(progress->maximum(), 10);
        EXPECT_EQ(progress->value(), 3);
    }
    EXPECT_FALSE(progress->isVisible());
    EXPECT_TRUE(status->isVisible());
}

TEST_F(WindowExecutionHostTest, TheWindowTakesNoInputAndCannotBeClosedDuringTheRun)
{
    auto *button = new QPushButton(QStringLiteral("実行"), &window);
    button->show();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    {
        CWindowExecutionHost host(&window, progress, status);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_FALSE(window.close());
        EXPECT_TRUE(window.isVisible());
    }
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "input works again after the run";
}

// A renumber run through the real execution: a.txt and b.txt become 1.txt and
// 2.txt while 2.txt, not in the list, exists; the questions are answered in
// the window's own dialogs.
TEST_F(WindowExecutionHostTest, RenumberRunAsksInItsDialogsAndFollowsTheAnswers)
{
    for (const QString answer : {"no", "yes"}) {
        testing_support::TempDir dir;
        dir.write("a.txt", "A");
        dir.write("b.txt", "B");
        dir.write("2.txt", "existing");
        CRenameSettings settings;
        settings.RenameMode = RenameKind::Renumber;
        settings.NumberWidth = 1;
        exec::CRunRequest request;
        request.rows = {EntryOf(dir.file("a.txt")), EntryOf(dir.file("b.txt"))};
        request.currentDirectory = dir.path();
        exec::CUndoList undo;

        QString confirmation;
        QString overwriteTarget;
        bool interactiveDuringQuestion = true;
        WhenModalOpens([&, answer](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_TRUE(box);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Kestrel（実行）"));
            confirmation = box->text();
            interactiveDuringQuestion = window.interactive;
            WhenModalOpens([&, answer](QWidget *question) {
                auto *dialog = qobject_cast<COverwriteDlg *>(question);
                ASSERT_TRUE(dialog);
                overwriteTarget = dialog->findChild<QLabel *>("message")->text();
                ClickButton(dialog, answer);
            });
            box->button(QMessageBox::Ok)->click();
        });
        CWindowExecutionHost host(&window, progress, status);
        const exec::CRunOutcome outcome = exec::Run(request, settings, undo, host);

        EXPECT_TRUE(outcome.performed);
        EXPECT_FALSE(interactiveDuringQuestion);
        EXPECT_TRUE(confirmation.startsWith(QStringLiteral("2個のファイルが選択されています。")));
        EXPECT_TRUE(overwriteTarget.contains(QString::fromStdString(dir.file("2.txt"))));
        EXPECT_EQ(testing_support::ReadFile(dir.file("1.txt")), "A");
        ASSERT_EQ(outcome.log.rows().size(), 2u);
        if (answer == "no") {
            EXPECT_EQ(testing_support::ReadFile(dir.file("2.txt")), "existing");
            EXPECT_EQ(testing_support::ReadFile(dir.file("b.txt")), "B") << "moved back under its old name";
            EXPECT_EQ(outcome.log.rows()[1].code, 0);
        } else {
            EXPECT_EQ(testing_support::ReadFile(dir.file("2.txt")), "B");
            EXPECT_FALSE(testing_support::Exists(dir.file("b.txt")));
            EXPECT_NE(outcome.log.rows()[1].code, 0);
        }
        EXPECT_TRUE(window.interactive);
    }
}

TEST_F(WindowExecutionHostTest, MovingIntoAMissingFolderAsksBeforeCreatingIt)
{
    for (const bool create : {false, true}) {
        testing_support::TempDir dir;
        dir.write("a.txt", "A");
        CRenameSettings settings;
        settings.RenameMode = RenameKind::OldName;
        settings.FileCopyMode = OutputKind::Move;
        settings.FileCopyDirectory = dir.file("out/deeper");
        exec::CRunRequest request;
        request.rows = {EntryOf(dir.file("a.txt"))};
        request.currentDirectory = dir.path();
        request.confirm = false;
        exec::CUndoList undo;

        QString question;
        WhenModalOpens([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            question = box->text();
            box->button(create ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        });
        CWindowExecutionHost host(&window, progress, status);
        const exec::CRunOutcome outcome = exec::Run(request, settings, undo, host);

        EXPECT_TRUE(question.contains(QStringLiteral("が存在しません!!\n作成しますか？")));
        EXPECT_EQ(outcome.performed, create);
        EXPECT_EQ(testing_support::Exists(dir.file("out/deeper/a.txt")), create);
        EXPECT_EQ(testing_support::Exists(dir.file("a.txt")), !create);
    }
}

} // namespace
