// The dialogs of a rename run and the window's answers to the execution's
// questions, answered from the test as a user would.
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "engine/RenameSettings.h"
#include "exec/ResultLog.h"
#include "exec/Run.h"
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"
#include "platform/RegistryStore.h"
#include "platform/StoreValues.h"
#include "ui/dialogs/ListPosDlg.h"
#include "ui/dialogs/OverwriteDlg.h"
#include "ui/dialogs/ResultDlg.h"
#include "ui/main/WindowExecutionHost.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/ModalGuard.h"
#include "ui/widgets/SpinEdit.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace {

CFileEntry EntryOf(const std::string &path)
{
    platform::DirEntryInfo info;
    EXPECT_EQ(platform::ReadDirEntry(path, info), 0) << path;
    return CFileEntry(info);
}

QString CellText(CResultDlg &dialog, int row, int column)
{
    QAbstractItemModel *model = dialog.findChild<QTreeView *>()->model();
    return model->index(row, column).data().toString();
}

} // namespace

TEST(OverwriteDlgTest, EachButtonAndEveryWayOfClosingGivesItsAnswer)
{
    const std::vector<std::pair<QString, int>> answers = {
        {"yes", COverwriteDlg::Yes}, {"all", COverwriteDlg::All}, {"no", COverwriteDlg::No}};
    for (const auto &[button, expected] : answers) {
        COverwriteDlg dialog("/photos/img001.jpg", nullptr);
        WhenModalOpens([name = button](QWidget *modal) { ClickButton(modal, name); });
        EXPECT_EQ(dialog.exec(), expected) << button.toStdString();
    }

    COverwriteDlg escaped("/photos/img001.jpg", nullptr);
    WhenModalOpens([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(escaped.exec(), COverwriteDlg::No);

    COverwriteDlg closed("/photos/img001.jpg", nullptr);
    WhenModalOpens([](QWidget *modal) { modal->close(); });
    EXPECT_EQ(closed.exec(), COverwriteDlg::No);
}

TEST(ListPosDlgTest, OutOfRangeOrNonNumericInputKeepsTheDialogOpenAndRestoresThePreset)
{
    HostDialog window;
    auto dialog = std::make_unique<CListPosDlg>(5, 2, &window);
    auto *edit = dialog->findChild<CSpinEdit *>("position");
    EXPECT_EQ(edit->Text(), "2");
    EXPECT_FALSE(window.interactive) << "the main window takes no drags while the dialog exists";

    int attempts = 0;
    WhenModalOpens([&](QWidget *) {
        for (const char *wrong : {"6", "-1", "3x", ""}) {
            edit->SetText(wrong);
            dialog->accept();
            ++attempts;
            EXPECT_TRUE(dialog->isVisible()) << wrong;
            EXPECT_EQ(edit->Text(), "2") << wrong;
        }
        edit->SetText("5");
        dialog->accept();
    });
    EXPECT_EQ(dialog->exec(), QDialog::Accepted);
    EXPECT_EQ(attempts, 4);
    EXPECT_EQ(dialog->Position(), 5);
    dialog.reset();
    EXPECT_TRUE(window.interactive) << "the flag comes back when the dialog is gone";
}

class ResultDlgTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    HostDialog window;
    exec::CResultLog log{exec::ResultKind::Rename};

    void SetUp() override
    {
        log.AddResult("/photos/a.jpg", "/photos/img001.jpg", 1);
        log.AddResult("/photos/b.jpg", "/photos/img002.jpg", 0);
    }
};

TEST_F(ResultDlgTest, FirstOpeningShowsFileNamesInThreeColumnsAtTheDefaultSize)
{
    CResultDlg dialog(log, &window);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kestrel（変名結果出力）"));
    EXPECT_FALSE(window.interactive);
    auto *list = dialog.findChild<QTreeView *>();
    ASSERT_EQ(list->model()->columnCount(), 3);
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("変更後の名前"));
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(list->columnWidth(column), 150);
    EXPECT_EQ(dialog.size(), DialogUnits(dialog.font()).toPixels(250, 180));
    EXPECT_EQ(dialog.minimumSize(), dialog.size());
    EXPECT_EQ(dialog.maximumSize(), QSize(800, 600));
    EXPECT_FALSE(dialog.findChild<QCheckBox *>()->isChecked());

    EXPECT_EQ(dialog.DisplayMode(), 0);
    EXPECT_EQ(CellText(dialog, 0, 0), "a.jpg");
    EXPECT_EQ(CellText(dialog, 0, 1), "img001.jpg");
    EXPECT_EQ(CellText(dialog, 0, 2), QStringLiteral("変名しました。"));
    EXPECT_EQ(CellText(dialog, 1, 2), QStringLiteral("変名に失敗しました。"));
}

TEST_F(ResultDlgTest, FullPathDisplayChangesTheTextsButNotTheRows)
{
    CResultDlg dialog(log, &window);
    auto radios = dialog.findChildren<QRadioButton *>();
    QRadioButton *fullPath = radios[0]->text() == QStringLiteral("フルパス名") ? radios[0] : radios[1];
    QRadioButton *nameOnly = fullPath == radios[0] ? radios[1] : radios[0];
    fullPath->click();
    EXPECT_EQ(dialog.findChild<QTreeView *>()->model()->rowCount(), 2);
    EXPECT_EQ(CellText(dialog, 1, 0), "/photos/b.jpg");
    EXPECT_EQ(CellText(dialog, 1, 1), "/photos/img002.jpg");
    nameOnly->click();
    EXPECT_EQ(CellText(dialog, 1, 0), "b.jpg");
}

TEST_F(ResultDlgTest, ClosingStoresTheValuesAndARememberedSizeComesBack)
{
    {
        CResultDlg dialog(log, &window);
        dialog.findChild<QCheckBox *>()->setChecked(true);
        dialog.findChildren<QRadioButton *>()[1]->click();
        dialog.findChild<QTreeView *>()->setColumnWidth(1, 222);
        dialog.resize(dialog.width() + 40, dialog.height() + 30);
        WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("確　認")); });
        dialog.exec();
    }
    EXPECT_TRUE(window.interactive);

    CRegistryStore store;
    ASSERT_TRUE(store.Open("OutPut")) << "the key name compares without regard to case";
    EXPECT_EQ(store.QueryDword("IsRememberSize"), 1);
    EXPECT_EQ(store.QueryDword("DispMode"), 1);
    const auto widths = platform::QueryColumnWidths(store, "ListColumn");
    ASSERT_TRUE(widths);
    EXPECT_EQ(*widths, (std::vector<int>{150, 222, 150}));
    store.Close();

    CResultDlg again(log, &window);
    const QSize initial = DialogUnits(again.font()).toPixels(250, 180);
    EXPECT_EQ(again.size(), QSize(initial.width() + 40, initial.height() + 30));
    EXPECT_EQ(again.findChild<QTreeView *>()->columnWidth(1), 222);
    EXPECT_EQ(again.DisplayMode(), 1);
}

TEST_F(ResultDlgTest, WithoutRememberSizeTheWidthsAreStoredButNotApplied)
{
    {
        CResultDlg dialog(log, &window);
        dialog.findChild<QTreeView *>()->setColumnWidth(0, 90);
        dialog.resize(dialog.width() + 40, dialog.height());
        WhenModalOpens([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        dialog.exec();
    }
    CResultDlg again(log, &window);
    EXPECT_EQ(again.findChild<QTreeView *>()->columnWidth(0), 150);
    EXPECT_EQ(again.size(), DialogUnits(again.font()).toPixels(250, 180));
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
